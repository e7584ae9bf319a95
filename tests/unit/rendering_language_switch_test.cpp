// The language switch end to end on hand-written VB6 buffers: the VB .NET
// rendering with its array and fixed-string rewriting, the save, and the
// restore on the way back to VB 6.
#include <gtest/gtest.h>

#include <string>

#include "generator/generator_state.h"
#include "recording_ui.h"
#include "rendering/rendering.h"

namespace {

using pq::test::RecordingUi;

const char kSid[] =
    "Private Type SID_IDENTIFIER_AUTHORITY\n"
    "  Value(6) As Byte\n"
    "End Type";

const char kTimeZone[] =
    "Public Type TIME_ZONE_INFORMATION\n"
    "  Bias As Long\n"
    "  StandardName(1 to 32) As Integer\n"
    "  StandardDate As SYSTEMTIME\n"
    "  StandardBias As Long\n"
    "  DaylightName(1 to 32) As Integer\n"
    "  DaylightDate As SYSTEMTIME\n"
    "  DaylightBias As Long\n"
    "End Type";

class LanguageSwitch : public ::testing::Test {
protected:
    void SetUp() override {
        state.SavedItemName = "-1";
        state.scope = pq::scope::kPrivate;
        state.selectedText = "ITEM";
    }
    // The rendering after a generation of `vb6` with "VB .NET" chosen.
    std::string renderVbNet(const std::string& vb6) {
        state.buffer = vb6;
        state.language = pq::language::kVbNet;
        pq::ComboBox2Change(state, ui);
        return state.buffer;
    }
    std::string switchToVb6() {
        state.language = pq::language::kVb6;
        pq::ComboBox2Change(state, ui);
        return state.buffer;
    }

    pq::GeneratorState state;
    RecordingUi ui;
};

TEST_F(LanguageSwitch, MovesArrayBoundsIntoSizeComments) {
    const struct {
        std::string vb6;
        std::string vbNet;
    } cases[] = {
        {kSid,
         "Private Structure SID_IDENTIFIER_AUTHORITY\n"
         "  Dim Value() As Byte  'Size:  6\n"
         "End Structure"},
        {kTimeZone,
         "Public Structure TIME_ZONE_INFORMATION\n"
         "  Dim Bias As Integer\n"
         "  Dim StandardName() As Short  'Size:  1 to 32\n"
         "  Dim StandardDate As SYSTEMTIME\n"
         "  Dim StandardBias As Integer\n"
         "  Dim DaylightName() As Short  'Size:  1 to 32\n"
         "  Dim DaylightDate As SYSTEMTIME\n"
         "  Dim DaylightBias As Integer\n"
         "End Structure"},
        {"Private Type LOGFONT\n  lfHeight As Long\n  lfFaceName(1 To LF_FACESIZE) As Byte\nEnd "
         "Type",
         "Private Structure LOGFONT\n  Dim lfHeight As Integer\n"
         "  Dim lfFaceName() As Byte  'Size:  1 To LF_FACESIZE\nEnd Structure"},
        {"Private Type TOKEN_GROUPS\n  GroupCount As Long\n"
         "  Groups(ANYSIZE_ARRAY) As SID_AND_ATTRIBUTES\nEnd Type",
         "Private Structure TOKEN_GROUPS\n  Dim GroupCount As Integer\n"
         "  Dim Groups() As SID_AND_ATTRIBUTES  'Size:  ANYSIZE_ARRAY\nEnd Structure"},
        // Nested parentheses stay together in the comment.
        {"Private Type T\n  a(0 To (N - 1)) As Byte\nEnd Type",
         "Private Structure T\n  Dim a() As Byte  'Size:  0 To (N - 1)\nEnd Structure"},
        // A "(" without a ")" on its line is no array.
        {"Private Type T\n  a(6 As Byte\n  b As Long)\nEnd Type",
         "Private Structure T\n  Dim a(6 As Byte\n  Dim b As Integer)\nEnd Structure"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(renderVbNet(c.vb6), c.vbNet);
        EXPECT_EQ(switchToVb6(), c.vb6);
    }
}

TEST_F(LanguageSwitch, RewritesArraysOnlyInsideStructureBlocks) {
    // Automat layout: constants, type blocks, then the declaration.
    const std::string vb6 =
        "Private Const GHND = (GMEM_MOVEABLE Or GMEM_ZEROINIT)\n\n" + std::string(kSid) + "\n\n" +
        kTimeZone +
        "\n\nPrivate Declare Function GetTimeZoneInformation Lib \"kernel32\" Alias "
        "\"GetTimeZoneInformation\" (lpTimeZoneInformation As TIME_ZONE_INFORMATION) As Long";
    const std::string vbNet = renderVbNet(vb6);
    EXPECT_NE(vbNet.find("Private Const GHND = (GMEM_MOVEABLE Or GMEM_ZEROINIT)\n"),
              std::string::npos);
    EXPECT_NE(vbNet.find("  Dim Value() As Byte  'Size:  6\n"), std::string::npos);
    EXPECT_NE(vbNet.find("  Dim DaylightName() As Short  'Size:  1 to 32\n"), std::string::npos);
    EXPECT_NE(vbNet.find("(lpTimeZoneInformation As TIME_ZONE_INFORMATION) As Integer"),
              std::string::npos);
    EXPECT_EQ(vbNet.find("'Size:  GMEM"), std::string::npos);
    EXPECT_EQ(switchToVb6(), vb6);
}

TEST_F(LanguageSwitch, RewritesEveryArrayOfALongBuffer) {
    // A declaration in front and many arrays: no array is skipped.
    std::string vb6 = "Private Declare Sub S Lib \"k\" (ByVal a As Long)";
    for (int i = 0; i < 60; ++i)
        vb6 += "\n\nPrivate Type T" + std::to_string(i) + "\n  a(1 To 8) As Byte\n  b(" +
               std::to_string(i) + ") As Long\nEnd Type";
    const std::string vbNet = renderVbNet(vb6);
    EXPECT_EQ(vbNet.find("a(1"), std::string::npos);
    EXPECT_EQ(vbNet.find("b(1"), std::string::npos);
    EXPECT_NE(vbNet.find("  Dim b() As Integer  'Size:  59\nEnd Structure"), std::string::npos);
    EXPECT_NE(vbNet.find("(ByVal a As Integer)"), std::string::npos);
    EXPECT_EQ(switchToVb6(), vb6);
}

TEST_F(LanguageSwitch, FixedLengthStringsLoseTheirLength) {
    const struct {
        std::string vb6;
        std::string vbNet;
    } cases[] = {
        {"Private Type OSVERSIONINFO\n  dwPlatformId As Long\n  szCSDVersion As String * 128\n"
         "End Type",
         "Private Structure OSVERSIONINFO\n  Dim dwPlatformId As Integer\n"
         "  Dim szCSDVersion As String\nEnd Structure"},
        {"Private Type DISPLAY_DEVICE\n  DeviceName As String * CCHDEVICENAME\nEnd Type",
         "Private Structure DISPLAY_DEVICE\n  Dim DeviceName As String\nEnd Structure"},
        {"Private Declare Function mmioInstallIOProc Lib \"winmm.dll\" Alias "
         "\"mmioInstallIOProcA\" (ByVal fccIOProc As String * 4, ByVal pIOProc As Long, ByVal "
         "dwFlags As Long) As Long",
         "Private Declare Function mmioInstallIOProc Lib \"winmm.dll\" Alias "
         "\"mmioInstallIOProcA\" (ByVal fccIOProc As String, ByVal pIOProc As Integer, ByVal "
         "dwFlags As Integer) As Integer"},
        // The last parameter keeps the closing parenthesis and the result type.
        {"Private Declare Function F Lib \"k\" (ByVal s As String * 4) As Long",
         "Private Declare Function F Lib \"k\" (ByVal s As String) As Integer"},
        {"Private Const A = 1 ~ tail\nPrivate Const B = 2",
         "Private Const A = 1 \nPrivate Const B = 2"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(renderVbNet(c.vb6), c.vbNet);
        EXPECT_EQ(switchToVb6(), c.vb6);
    }
}

TEST_F(LanguageSwitch, SavesBeforeRewritingAndRestoresOneLevelDeep) {
    renderVbNet(kSid);
    EXPECT_EQ(state.SavedVb6Text,
              "Private Structure SID_IDENTIFIER_AUTHORITY\n  Dim Value(6) As Byte\nEnd Structure");
    EXPECT_EQ(state.SavedItemName, "ITEM");
    EXPECT_EQ(ui.statusLog, (std::vector<std::string>{" Please wait...", " Ready:"}));
    EXPECT_EQ(ui.cursorLog, (std::vector{pq::Cursor::HourGlass, pq::Cursor::Default}));

    ui.clearLogs();
    EXPECT_EQ(switchToVb6(), kSid);
    EXPECT_EQ(state.SavedItemName, "-1");
    // The restore reruns the language switch once, nested in the outer one.
    EXPECT_EQ(ui.statusLog, (std::vector<std::string>{" Please wait...", " Please wait...",
                                                      " Ready:", " Ready:"}));
    EXPECT_EQ(ui.cursor, pq::Cursor::Default);

    // Nothing saved any more: a second switch only runs the VB 6 table,
    // which turns " Integer" into " Long".
    state.buffer = "Private Type P\n  x As Integer\nEnd Type";
    EXPECT_EQ(switchToVb6(), "Private Type P\n  x As Long\nEnd Type");
}

TEST_F(LanguageSwitch, RestoresOnlyTheSavedSelection) {
    const std::string lost =
        "Private Type SID_IDENTIFIER_AUTHORITY\n  Value() As Byte  'Size:  6\nEnd Type";
    renderVbNet(kSid);
    state.selectedText = "OTHER";
    EXPECT_EQ(switchToVb6(), lost);
    EXPECT_EQ(state.SavedItemName, "ITEM");

    // A selected text "-1" is never taken for a saved name.
    state.selectedText = "-1";
    renderVbNet(kSid);
    EXPECT_EQ(state.SavedItemName, "-1");
    EXPECT_EQ(switchToVb6(), lost);
}

TEST_F(LanguageSwitch, NoLanguageChosenRendersForVbNet) {
    state.buffer = kSid;
    state.language = -1;
    pq::ComboBox2Change(state, ui);
    EXPECT_EQ(state.buffer,
              "Private Structure SID_IDENTIFIER_AUTHORITY\n  Dim Value() As Byte  'Size:  6\n"
              "End Structure");
}

TEST_F(LanguageSwitch, EmptyBufferStaysEmpty) {
    EXPECT_EQ(renderVbNet(""), "");
    EXPECT_EQ(switchToVb6(), "");
}

}  // namespace
