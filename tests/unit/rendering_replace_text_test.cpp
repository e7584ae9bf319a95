// ReplaceTextA's scanning rule and the whole-word variant the word tables use
// for "Type"/"Structure" and "Any"/"Byte()".
#include <gtest/gtest.h>

#include <string>

#include "rendering/rendering.h"
#include "rendering/replace_text.h"

namespace {

struct ReplaceCase {
    const char* search;
    const char* replacement;
    const char* source;
    const char* expected;
};

TEST(ReplaceTextA, ScansLeftToRightWithoutRescanningInsertedText) {
    const ReplaceCase cases[] = {
        // A replacement that contains the search text still ends, one "Dim" per line.
        {"\n ", "\n  Dim", "Private Type P\n  x As Long\n  y As Long\nEnd Type",
         "Private Type P\n  Dim x As Long\n  Dim y As Long\nEnd Type"},
        {"", "x", "source", "source"},
        {"a", "b", "", ""},
        // After an empty replacement the search resumes at the same place.
        {"Dim ", "", "Dim Dim x Dim ", "x "},
        {"aa", "b", "aaa", "ba"},
        {"a", "aa", "aaa", "aaaaaa"},
        // No occurrence formed by the inserted text and what follows it.
        {"ab", "a", "aabb", "aab"},
        {"Type", "Structure", "dwType type PIPE_TYPE_BYTE", "dwStructure type PIPE_TYPE_BYTE"},
        {"Private ", "Public ", "Private Const A = 1\n\nPrivate Public Declare X",
         "Public Const A = 1\n\nPublic Public Declare X"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pq::ReplaceTextA(c.search, c.replacement, c.source), c.expected)
            << "search \"" << c.search << "\" in \"" << c.source << "\"";
}

TEST(ReplaceTextA, HandlesEmbeddedNulBytes) {
    const std::string source("a\0Type\0", 7);
    EXPECT_EQ(pq::ReplaceTextA("Type", "T", source), std::string("a\0T\0", 4));
}

TEST(ReplaceWholeWord, ReplacesOnlyWordsOutsideQuotes) {
    const ReplaceCase cases[] = {
        {"Type", "Structure", "Private Type RECT", "Private Structure RECT"},
        {"Type", "Structure", "End Type", "End Structure"},
        // Inside identifiers: names, members, the Alias string.
        {"Type", "Structure",
         "Declare Function GetFileType Lib \"kernel32\" Alias \"GetFileType\" (ByVal hFile As "
         "Long) As Long",
         "Declare Function GetFileType Lib \"kernel32\" Alias \"GetFileType\" (ByVal hFile As "
         "Long) As Long"},
        {"Type", "Structure", "  dwType As Long", "  dwType As Long"},
        {"Type", "Structure", "Type_A _Type Type1 xType", "Type_A _Type Type1 xType"},
        // Inside a string value; the quote count starts again on each line.
        {"Type", "Structure", "Const KEY_TYPE_NAME = \"Key Type\"",
         "Const KEY_TYPE_NAME = \"Key Type\""},
        {"Type", "Structure", "\"a\" Type \"b\"", "\"a\" Structure \"b\""},
        {"Type", "Structure", "x = \"open\nType T", "x = \"open\nStructure T"},
        // A skipped occurrence is passed one byte at a time.
        {"Type", "Structure", "TypeType Type", "TypeType Structure"},
        {"aa", "X", "aaa aa", "aaa X"},
        {"Any", "Byte()", "(Destination As Any, Source As Any)",
         "(Destination As Byte(), Source As Byte())"},
        {"Any", "Byte()", "AnyPopup fAnyOperationsAborted ANYSIZE_ARRAY",
         "AnyPopup fAnyOperationsAborted ANYSIZE_ARRAY"},
        {"Any", "Byte()", "Const Q = \"say \"\"Any\"\" now\"", "Const Q = \"say \"\"Any\"\" now\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pq::ReplaceWholeWord(c.search, c.replacement, c.source), c.expected)
            << "search \"" << c.search << "\" in \"" << c.source << "\"";
}

TEST(ReplaceWholeWord, ChecksOnlyTheEdgesAsked) {
    using pq::WordEdges;
    EXPECT_EQ(
        pq::ReplaceWholeWord("Byte()", "Any", "As Byte()x xByte() (Byte()", WordEdges::Before),
        "As Anyx xByte() (Any");
    EXPECT_EQ(pq::ReplaceWholeWord(" Short", " Integer", "As Short\n  ShortName As Short)",
                                   WordEdges::After),
              "As Integer\n  ShortName As Integer)");
    EXPECT_EQ(pq::ReplaceWholeWord("Dim ", "", "  Dim x\nConst PowerMonitorDim = 2 \"Dim \"",
                                   WordEdges::Before),
              "  x\nConst PowerMonitorDim = 2 \"Dim \"");
    EXPECT_EQ(pq::ReplaceWholeWord("", "Any", "source", WordEdges::Before), "source");
}

}  // namespace
