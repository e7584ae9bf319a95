// SelectCopy: the merge of a new text into the staging text, block by block.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clipboard/clipboard.h"

namespace pq {
namespace {

struct MergeCase {
    const char* name;
    std::string staging;
    std::string newText;
    std::string expected;
};

class SelectCopyCases : public testing::TestWithParam<MergeCase> {};

TEST_P(SelectCopyCases, MergesAsExpected) {
    const MergeCase& c = GetParam();
    std::string staging = c.staging;
    SelectCopy(staging, c.newText);
    EXPECT_EQ(staging, c.expected);
}

const std::string kRect =
    "Private Type RECT\n    Left As Long\n    Top As Long\n    Right As Long\nEnd Type";

INSTANTIATE_TEST_SUITE_P(
    Blocks, SelectCopyCases,
    testing::Values(
        MergeCase{"TwoBlocksIntoEmpty", "", "Const A = 1\n\nConst B = 2",
                  "Const A = 1\n\nConst B = 2\n\n"},
        MergeCase{"SameTextAgainChangesNothing", "Const A = 1\n\nConst B = 2\n\n",
                  "Const A = 1\n\nConst B = 2", "Const A = 1\n\nConst B = 2\n\n"},
        MergeCase{"RepeatedBlockAppendedOnce", "", "Const A = 1\n\nConst B = 2\n\nConst A = 1",
                  "Const A = 1\n\nConst B = 2\n\n"},
        MergeCase{"PresentBlockLeftOutOthersAdded", "Const B = 2\n\n",
                  "Const A = 1\n\nConst B = 2\n\nConst C = 3",
                  "Const B = 2\n\nConst A = 1\n\nConst C = 3\n\n"},
        MergeCase{"MultiLineBlockPresent", kRect + "\n\n", kRect, kRect + "\n\n"},
        MergeCase{"BlockAtEndOfTextWithoutLineFeed", "Const A = 1\n\nConst B = 2", "Const B = 2",
                  "Const A = 1\n\nConst B = 2"},
        MergeCase{"BlockAtStartOfText", "Const A = 1\nConst B = 2", "Const A = 1",
                  "Const A = 1\nConst B = 2"},
        MergeCase{"LetterCaseCounts", "Const A = 1\n\n", "const A = 1",
                  "Const A = 1\n\nconst A = 1\n\n"},
        MergeCase{"BlockEndingWithLineFeedIsKept", "", "Const A = 1\n", "Const A = 1\n\n\n"},
        MergeCase{"BlockEndingWithLineFeedFoundAgain", "Const A = 1\n\n\n", "Const A = 1\n",
                  "Const A = 1\n\n\n"},
        MergeCase{"BlockStartingWithLineFeed", "Const A = 1\n\n", "\nConst A = 1",
                  "Const A = 1\n\n\nConst A = 1\n\n"}),
    [](const testing::TestParamInfo<MergeCase>& info) { return std::string(info.param.name); });

// A block counts as present only where it stands on line boundaries; a
// substring test would drop these new declarations.
INSTANTIATE_TEST_SUITE_P(
    WholeLinesOnly, SelectCopyCases,
    testing::Values(MergeCase{"ShorterValue", "Public Const X = 10\n\n", "Public Const X = 1",
                              "Public Const X = 10\n\nPublic Const X = 1\n\n"},
                    MergeCase{"NameThatBeginsALongerName", "SW_SHOWNORMAL\n\n", "SW_SHOW",
                              "SW_SHOWNORMAL\n\nSW_SHOW\n\n"},
                    MergeCase{"NameThatEndsALongerName", "WM_USER_SHOW\n\n", "USER_SHOW",
                              "WM_USER_SHOW\n\nUSER_SHOW\n\n"},
                    // Its later lines are rarer in the text than its first: the match
                    // found through them must still begin at a line start.
                    MergeCase{"PieceStartingMidLine", "xa\nb\nc\n\na\n\na\n", "a\nb\nc",
                              "xa\nb\nc\n\na\n\na\n\na\nb\nc\n\n"},
                    MergeCase{"PieceAcrossTwoLines", "ab\ncd\n\n", "b\nc", "ab\ncd\n\nb\nc\n\n"},
                    MergeCase{"MemberWithoutItsIndent", kRect + "\n\n", "Left As Long",
                              kRect + "\n\nLeft As Long\n\n"},
                    // Whole lines of a larger block already there still count as present.
                    MergeCase{"WholeLinesOfALargerBlock", kRect + "\n\n",
                              "    Left As Long\n    Top As Long", kRect + "\n\n"},
                    MergeCase{"OneWholeLineOfALargerBlock", kRect + "\n\n", "End Type",
                              kRect + "\n\n"}),
    [](const testing::TestParamInfo<MergeCase>& info) { return std::string(info.param.name); });

// Empty blocks append nothing.
INSTANTIATE_TEST_SUITE_P(
    EmptyBlocks, SelectCopyCases,
    testing::Values(MergeCase{"EmptyNewText", "Const A = 1", "", "Const A = 1"},
                    MergeCase{"OnlyLineFeeds", "Const A = 1\n\n", "\n\n\n\n\n", "Const A = 1\n\n"},
                    MergeCase{"TrailingPairAgain", "Const A = 1\n\n", "Const A = 1\n\n",
                              "Const A = 1\n\n"},
                    MergeCase{"TrailingPairNewBlock", "", "Const A = 1\n\n", "Const A = 1\n\n"},
                    MergeCase{"RunOfFourLineFeeds", "", "Const A = 1\n\n\n\nConst B = 2",
                              "Const A = 1\n\nConst B = 2\n\n"},
                    MergeCase{"RunOfThreeLineFeeds", "", "Const A = 1\n\n\nConst B = 2",
                              "Const A = 1\n\nConst B = 2\n\n"}),
    [](const testing::TestParamInfo<MergeCase>& info) { return std::string(info.param.name); });

// The first appended block is set off from the text before by an empty line.
INSTANTIATE_TEST_SUITE_P(
    Separator, SelectCopyCases,
    testing::Values(MergeCase{"NoLineFeedAtEnd", "Public Const A = 1", "Public Const B = 2",
                              "Public Const A = 1\n\nPublic Const B = 2\n\n"},
                    MergeCase{"OneLineFeedAtEnd", "Public Const A = 1\n", "Public Const B = 2",
                              "Public Const A = 1\n\nPublic Const B = 2\n\n"},
                    MergeCase{"TwoLineFeedsAtEnd", "Public Const A = 1\n\n", "Public Const B = 2",
                              "Public Const A = 1\n\nPublic Const B = 2\n\n"},
                    MergeCase{"NothingAppendedNoSeparator", "Public Const A = 1",
                              "Public Const A = 1", "Public Const A = 1"},
                    MergeCase{"OnlyALineFeed", "\n", "X", "\n\nX\n\n"}),
    [](const testing::TestParamInfo<MergeCase>& info) { return std::string(info.param.name); });

// Bytes the merge must carry through untouched: carriage returns (CR only or
// mixed), bytes above 127 and NUL.
INSTANTIATE_TEST_SUITE_P(
    Bytes, SelectCopyCases,
    testing::Values(
        MergeCase{"CarriageReturnsAreText", "A\r\n\r\nB", "A", "A\r\n\r\nB\n\nA\n\n"},
        MergeCase{"CarriageReturnOnlyIsOneBlock", "", "A\r\rB", "A\r\rB\n\n"},
        MergeCase{"MixedLineEnds", "A\r\nB\n\n", "A\r\nB\n\nA\rB", "A\r\nB\n\nA\rB\n\n"},
        MergeCase{"HighBytes", "Const \xC4\xD6 = 1\n\n", "Const \xC4\xD6 = 1\n\n\xFF\xFE",
                  "Const \xC4\xD6 = 1\n\n\xFF\xFE\n\n"},
        MergeCase{"NulByte", std::string("A\0B", 3), std::string("A\0B\n\nA", 6),
                  std::string("A\0B\n\nA\n\n", 8)}),
    [](const testing::TestParamInfo<MergeCase>& info) { return std::string(info.param.name); });

// The new text may be a view into the staging text itself.
TEST(SelectCopy, NewTextMayAliasTheStagingText) {
    std::string staging = "Const A = 1\n\nConst B = 2";
    SelectCopy(staging, std::string_view(staging).substr(0, 11));
    EXPECT_EQ(staging, "Const A = 1\n\nConst B = 2");
    staging = "Const A = 1";
    SelectCopy(staging, std::string_view(staging).substr(6));
    EXPECT_EQ(staging, "Const A = 1\n\nA = 1\n\n");
}

// Once merged, the same new text merges to nothing more, whatever its shape.
TEST(SelectCopy, SecondMergeOfTheSameTextChangesNothing) {
    const std::vector<std::string> texts = {
        "A\n\nB", "A\n\nB\n\n", "\n\n\nA\n\n\n\nB\n", "A\nB\nC",    "\nA",
        "A\n",    "\n",         "B\n\nA\nB\n\nB",     "x\r\n\r\ny", "A\n\nA\nA"};
    for (const std::string& start : {std::string(), std::string("A"), std::string("A\nB\n")}) {
        for (const std::string& t : texts) {
            std::string once = start;
            SelectCopy(once, t);
            std::string twice = once;
            SelectCopy(twice, t);
            EXPECT_EQ(twice, once) << "start '" << start << "' text '" << t << "'";
            EXPECT_EQ(once.substr(0, start.size()), start);
        }
    }
}

// Many blocks that share their lines: the search has to tell the exact line
// sequence from near misses at every candidate place.
TEST(SelectCopy, ManySimilarBlocks) {
    std::string staging;
    std::string expected;
    for (int i = 0; i < 300; ++i) {
        const std::string block =
            "Type T\n    a As Long\n    b" + std::to_string(i % 100) + " As Long\nEnd Type";
        SelectCopy(staging, block);
        if (i < 100) {
            expected += block + "\n\n";
        }
    }
    EXPECT_EQ(staging, expected);
}

}  // namespace
}  // namespace pq
