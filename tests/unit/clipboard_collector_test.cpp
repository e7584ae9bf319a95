// The copy operations: the staging text and the system clipboard after each.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "clipboard/clipboard.h"
#include "fake_clipboard.h"

namespace pq {
namespace {

using test::FakeClipboard;

class Collector : public testing::Test {
protected:
    FakeClipboard clip;
    ClipboardCollector c{clip};
};

TEST_F(Collector, CopyInDeclarationModePutsTheBufferAndLeavesStaging) {
    c.SelectedItem1Click("SW_SHOW");
    c.BitBtn2Click(CopyMode::Declaration, "Public Const A = 1", "ignored");
    EXPECT_EQ(clip.text, "Public Const A = 1");
    EXPECT_EQ(c.stagingText(), "SW_SHOW");

    // An Add right after starts from the copied declaration.
    c.BitBtn4Click(CopyMode::Declaration, "Public Const B = 2", "ignored");
    EXPECT_EQ(clip.text, "Public Const A = 1\n\nPublic Const B = 2\n\n");
    EXPECT_EQ(c.stagingText(), clip.text);
}

TEST_F(Collector, CopyInSelectedItemModePutsTheName) {
    c.BitBtn2Click(CopyMode::SelectedItem, "Public Const A = 1", "SW_SHOW");
    EXPECT_EQ(clip.text, "SW_SHOW");
    EXPECT_EQ(c.stagingText(), "SW_SHOW");
}

TEST_F(Collector, MenuCopiesIgnoreTheCopyMode) {
    c.Declaration1Click("Public Const A = 1");
    EXPECT_EQ(clip.text, "Public Const A = 1");
    EXPECT_EQ(c.stagingText(), "");
    c.SelectedItem1Click("RECT");
    EXPECT_EQ(clip.text, "RECT");
    EXPECT_EQ(c.stagingText(), "RECT");
}

TEST_F(Collector, ClearThenAddTwoBlocks) {
    clip.text = "something else";
    c.SelectedItem1Click("RECT");
    c.Clear1Click();
    EXPECT_EQ(clip.text, std::nullopt);
    EXPECT_EQ(c.stagingText(), "");

    c.BitBtn4Click(CopyMode::Declaration, "Public Const A = 1\n\nPublic Const B = 2", "");
    EXPECT_EQ(clip.text, "Public Const A = 1\n\nPublic Const B = 2\n\n");
    EXPECT_EQ(c.stagingText(), clip.text);

    // The same Add again leaves the clipboard as it is.
    c.BitBtn4Click(CopyMode::Declaration, "Public Const A = 1\n\nPublic Const B = 2", "");
    EXPECT_EQ(clip.text, "Public Const A = 1\n\nPublic Const B = 2\n\n");
}

TEST_F(Collector, AddStartsFromWhatAnotherProgramPutOnTheClipboard) {
    c.SelectedItem1Click("RECT");
    clip.text = "Dim x As Long";
    c.BitBtn4Click(CopyMode::SelectedItem, "", "POINT");
    EXPECT_EQ(clip.text, "Dim x As Long\n\nPOINT\n\n");
    EXPECT_EQ(c.stagingText(), clip.text);
}

TEST_F(Collector, AddWithAPictureOnTheClipboardStartsFromTheStagingText) {
    c.BitBtn4Click(CopyMode::SelectedItem, "", "RECT");
    clip.holdPicture();
    c.BitBtn4Click(CopyMode::SelectedItem, "", "POINT");
    EXPECT_EQ(clip.text, "RECT\n\nPOINT\n\n");
    EXPECT_EQ(c.stagingText(), clip.text);
}

TEST_F(Collector, AddOfANamePrefixOfACollectedNameIsAdded) {
    c.BitBtn4Click(CopyMode::SelectedItem, "", "SW_SHOWNORMAL");
    c.BitBtn4Click(CopyMode::SelectedItem, "", "SW_SHOW");
    c.BitBtn4Click(CopyMode::SelectedItem, "", "SW_SHOW");
    EXPECT_EQ(clip.text, "SW_SHOWNORMAL\n\nSW_SHOW\n\n");
}

TEST_F(Collector, RepeatedAddOfATextEndingWithAnEmptyLineDoesNotGrow) {
    const std::string decl = "Public Const A = 1\n\n";
    for (int i = 0; i < 3; ++i) {
        c.BitBtn4Click(CopyMode::Declaration, decl, "");
    }
    EXPECT_EQ(clip.text, decl);
}

TEST_F(Collector, AddAfterADeclarationWithoutLineFeedsSeparatesIt) {
    c.Declaration1Click("Public Const A = 1");
    c.BitBtn4Click(CopyMode::Declaration, "Public Const B = 2", "");
    EXPECT_EQ(clip.text, "Public Const A = 1\n\nPublic Const B = 2\n\n");
}

TEST_F(Collector, HugeClipboardTextIsKeptWhole) {
    std::string huge;
    for (int i = 0; i < 100000; ++i) {
        huge += "Public Const C" + std::to_string(i) + " = " + std::to_string(i) + "\n\n";
    }
    clip.text = huge;
    c.BitBtn4Click(CopyMode::Declaration, "Public Const C5 = 5\n\nPublic Const C5 = 55", "");
    EXPECT_EQ(clip.text, huge + "Public Const C5 = 55\n\n");
}

// An operation whose clipboard access fails changes neither the staging text
// nor the clipboard.
struct FailCase {
    const char* name;
    std::function<void(ClipboardCollector&)> op;
};

class FailingClipboard : public testing::TestWithParam<FailCase> {};

TEST_P(FailingClipboard, ChangesNothing) {
    for (const bool onlyPut : {false, true}) {
        FakeClipboard clip;
        ClipboardCollector c(clip);
        c.SelectedItem1Click("RECT");
        clip.text = "Public Const A = 1";
        (onlyPut ? clip.failingPut : clip.failing) = true;
        try {
            GetParam().op(c);
            // Clear writes nothing, so only a failing open stops it.
            EXPECT_TRUE(onlyPut && std::string(GetParam().name) == "Clear");
        } catch (const ClipboardError& e) {
            EXPECT_STREQ(e.what(), "Cannot open clipboard");
            EXPECT_EQ(c.stagingText(), "RECT");
            EXPECT_EQ(clip.text, "Public Const A = 1");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Operations, FailingClipboard,
    testing::Values(
        FailCase{"CopyDeclaration",
                 [](ClipboardCollector& c) { c.BitBtn2Click(CopyMode::Declaration, "B", "C"); }},
        FailCase{"CopySelectedItem",
                 [](ClipboardCollector& c) { c.BitBtn2Click(CopyMode::SelectedItem, "B", "C"); }},
        FailCase{"MenuDeclaration", [](ClipboardCollector& c) { c.Declaration1Click("B"); }},
        FailCase{"MenuSelectedItem", [](ClipboardCollector& c) { c.SelectedItem1Click("C"); }},
        FailCase{"Add",
                 [](ClipboardCollector& c) { c.BitBtn4Click(CopyMode::Declaration, "B", "C"); }},
        FailCase{"Clear", [](ClipboardCollector& c) { c.Clear1Click(); }}),
    [](const testing::TestParamInfo<FailCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pq
