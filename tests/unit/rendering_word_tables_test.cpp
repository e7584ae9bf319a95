// The two ordered word tables: what the VB .NET table makes of catalogue
// text, and that the VB 6 table gives the VB6 text back.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "rendering/word_tables.h"
#include "test_support.h"

namespace {

struct TableCase {
    const char* vb6;
    const char* vbNet;
};

// Each VB6 text, its VB .NET form, and the way back.
const TableCase kCases[] = {
    {"Private Type POINTS\n  x  As Integer\n  y  As Integer\nEnd Type",
     "Private Structure POINTS\n  Dim x  As Short\n  Dim y  As Short\nEnd Structure"},
    {"Public Type RECT\n  Left As Long\n  Top As Long\nEnd Type",
     "Public Structure RECT\n  Dim Left As Integer\n  Dim Top As Integer\nEnd Structure"},
    {"Private Const DM_COLLATE As Long = &H8000", "Private Const DM_COLLATE As Integer = &H8000"},
    {"Private Type CHAR_INFO\n  Char As Integer\n  Attributes As Integer\nEnd Type",
     "Private Structure CHAR_INFO\n  Dim Char1 As Short\n  Dim Attributes As Short\nEnd "
     "Structure"},
    {"Private Declare Function VkKeyScan Lib \"user32\" Alias \"VkKeyScanA\" (ByVal cChar As "
     "Byte) As Integer",
     "Private Declare Function VkKeyScan Lib \"user32\" Alias \"VkKeyScanA\" (ByVal Char2 As "
     "Byte) As Short"},
    {"Private Declare Sub CopyMemory Lib \"kernel32\" Alias \"RtlMoveMemory\" (Destination As "
     "Any, Source As Any, ByVal Length As Long)",
     "Private Declare Sub CopyMemory Lib \"kernel32\" Alias \"RtlMoveMemory\" (Destination As "
     "Byte(), Source As Byte(), ByVal Length As Integer)"},
    {"Private Type X\n  c As Currency\nEnd Type",
     "Private Structure X\n  Dim c As Decimal\nEnd Structure"},
    // "Type" and "Any" inside names, Alias strings and string values stay.
    {"Private Declare Function GetFileType Lib \"kernel32\" Alias \"GetFileType\" (ByVal hFile "
     "As Long) As Long",
     "Private Declare Function GetFileType Lib \"kernel32\" Alias \"GetFileType\" (ByVal hFile "
     "As Integer) As Integer"},
    {"Private Declare Function AnyPopup Lib \"user32\" Alias \"AnyPopup\" () As Long",
     "Private Declare Function AnyPopup Lib \"user32\" Alias \"AnyPopup\" () As Integer"},
    {"Private Type VALENT\n  dwType As Long\nEnd Type",
     "Private Structure VALENT\n  Dim dwType As Integer\nEnd Structure"},
    {"Private Type SHFILEOPSTRUCT\n  fAnyOperationsAborted As Long\nEnd Type",
     "Private Structure SHFILEOPSTRUCT\n  Dim fAnyOperationsAborted As Integer\nEnd Structure"},
    {"Private Const KEY_TYPE_NAME = \"Key Type\"", "Private Const KEY_TYPE_NAME = \"Key Type\""},
    {"Private Const PIPE_TYPE_BYTE = &H0", "Private Const PIPE_TYPE_BYTE = &H0"},
    {"Private Type TOKEN_GROUPS\n  Groups(ANYSIZE_ARRAY) As SID_AND_ATTRIBUTES\nEnd Type",
     "Private Structure TOKEN_GROUPS\n  Dim Groups(ANYSIZE_ARRAY) As SID_AND_ATTRIBUTES\nEnd "
     "Structure"},
    // Type names, "Dim" and the VB .NET words inside names and strings stay.
    {"Private Type X\n  ShortNameLength As Byte\n  ShortName(0 To 11) As Integer\nEnd Type",
     "Private Structure X\n  Dim ShortNameLength As Byte\n  Dim ShortName(0 To 11) As Short\nEnd "
     "Structure"},
    {"Private Const PowerMonitorDim = 2", "Private Const PowerMonitorDim = 2"},
    {"Private Declare Function SafeArrayGetUBound Lib \"oleaut32\" (psa As SAFEARRAY, ByVal nDim "
     "As Long) As Long",
     "Private Declare Function SafeArrayGetUBound Lib \"oleaut32\" (psa As SAFEARRAY, ByVal nDim "
     "As Integer) As Integer"},
    {"Private Const S = \"Force Folder Shortcut Resolve\"",
     "Private Const S = \"Force Folder Shortcut Resolve\""},
    {"Private Const N = \"Long Integer Dim Structure\"",
     "Private Const N = \"Long Integer Dim Structure\""},
    {"Private Declare Sub S Lib \"k\" (ByVal Longitude As Double, ByVal x As Long)",
     "Private Declare Sub S Lib \"k\" (ByVal Longitude As Double, ByVal x As Integer)"},
    {"", ""},
};

TEST(WordTables, RenderCatalogueTextForVbNetAndBack) {
    for (const auto& c : kCases) {
        EXPECT_EQ(pq::ApplyVbNetWordTable(c.vb6), c.vbNet);
        EXPECT_EQ(pq::ApplyVb6WordTable(c.vbNet), c.vb6);
    }
}

TEST(WordTables, AreNotIdempotent) {
    const std::string vbNet = pq::ApplyVbNetWordTable("Private Type T\n  a As Long\nEnd Type");
    EXPECT_EQ(pq::ApplyVbNetWordTable(vbNet),
              "Private Structure T\n  Dim Dim a As Short\nEnd Structure");
    EXPECT_EQ(pq::ApplyVb6WordTable("Private Type T\n  a As Integer\nEnd Type"),
              "Private Type T\n  a As Long\nEnd Type");
}

TEST(WordTables, VbSixTableUndoesVbNetTableOnTheWholeFixtureCatalogue) {
    std::ifstream in(pq::test::fixturePath("mini_catalogue.txt"), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    ASSERT_FALSE(text.str().empty());
    // Every top-level line with a scope word, as generation writes it.
    std::string vb6;
    std::istringstream lines(text.str());
    for (std::string line; std::getline(lines, line);) {
        const bool topLevel = !line.empty() && line[0] != ' ' && line.rfind("End ", 0) != 0;
        vb6 += (topLevel ? "Public " : "") + line + "\n";
    }
    EXPECT_EQ(pq::ApplyVb6WordTable(pq::ApplyVbNetWordTable(vb6)), vb6);
}

}  // namespace
