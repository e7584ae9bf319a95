// The selection dispatch: what each handler regenerates, the busy cursor and
// status texts, and the state fields it resets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generator_test_support.h"
#include "test_support.h"

namespace pq {
namespace {

using test::GeneratorRig;
using Log = std::vector<std::string>;

TEST(GeneratorDispatch, ApiTypeChangeRefillsTheListAndGeneratesTheFirstName) {
    GeneratorRig rig(test::miniCatalogue());
    GeneratorState& s = rig.gen.state();
    s.apiType = api_type::kTypes;
    s.automat = false;
    rig.gen.ComboBox4Change();
    EXPECT_EQ(rig.ui.selectedItems, rig.gen.indexes().Types.wholeList());
    EXPECT_EQ(rig.ui.listFills, 1);
    EXPECT_EQ(s.selectedText, "BITMAPINFO");
    EXPECT_EQ(s.buffer.substr(0, s.buffer.find('\n')), "Private Type BITMAPINFO");
    // The outer handler's cursor and status texts frame the inner one's.
    EXPECT_EQ(rig.ui.statusLog, (Log{" Please wait...", " Please wait...", " Ready:", " Ready:"}));
    EXPECT_EQ(rig.ui.cursorLog, (std::vector<Cursor>{Cursor::HourGlass, Cursor::HourGlass,
                                                     Cursor::HourGlass, Cursor::Default}));
}

TEST(GeneratorDispatch, ApiTypeWithoutKindEmptiesTheListAndKeepsTheBuffer) {
    GeneratorRig rig(test::miniCatalogue());
    GeneratorState& s = rig.gen.state();
    s.buffer = "previous text";
    s.selectedText = "GetDC";
    s.apiType = -1;
    rig.gen.ComboBox4Change();
    EXPECT_TRUE(rig.ui.selectedItems.empty());
    EXPECT_EQ(s.selectedText, "");
    EXPECT_EQ(s.buffer, "previous text");
}

TEST(GeneratorDispatch, AutomatStatusTextsInOrderAndCursorRestored) {
    GeneratorRig rig(test::miniCatalogue());
    rig.ui.cursor = Cursor::AppStart;
    rig.generate(api_type::kDeclares, "CreatePenIndirect");
    EXPECT_EQ(rig.ui.statusLog, (Log{" Please wait...", " Looking for a structures...",
                                     " Looking for a structures...", " Looking for a structures...",
                                     " Looking for a constants...", " Ready:"}));
    EXPECT_EQ(rig.ui.cursor, Cursor::AppStart);
}

// The dispatch empties the scan fields before AutoGen; a text that matches
// nothing then leaves the buffer, the type blocks and the constant registry.
TEST(GeneratorDispatch, TextWithoutLineKeepsBufferAndClosureResults) {
    GeneratorRig rig(test::miniCatalogue());
    rig.generate(api_type::kTypes, "TOKEN_GROUPS");
    const GeneratorState before = rig.gen.state();
    ASSERT_NE(before.TypeScanText, "");
    ASSERT_NE(before.AutoDeclText, "");

    rig.generate(api_type::kTypes, "TOKEN_GROUPSX");
    const GeneratorState& s = rig.gen.state();
    EXPECT_FALSE(rig.gen.lastLookupFound());
    EXPECT_EQ(s.buffer, before.buffer);
    EXPECT_EQ(s.TypeBlocksText, before.TypeBlocksText);
    EXPECT_EQ(s.DoneConstNames, before.DoneConstNames);
    EXPECT_EQ(s.TypeScanText, "");
    EXPECT_EQ(s.DoneTypeNames, "");
    EXPECT_EQ(s.AutoDeclText, "");
}

TEST(GeneratorDispatch, AutomatSwitchRegeneratesTheSameSelection) {
    GeneratorRig rig(test::miniCatalogue());
    rig.generate(api_type::kTypes, "TOKEN_GROUPS", true);
    GeneratorState& s = rig.gen.state();
    s.automat = false;
    rig.gen.CheckBox2Click();
    EXPECT_EQ(s.selectedText, "TOKEN_GROUPS");
    EXPECT_EQ(s.buffer,
              "Private Type TOKEN_GROUPS\n  GroupCount As Long\n"
              "  Groups(ANYSIZE_ARRAY) As SID_AND_ATTRIBUTES\nEnd Type");
    s.automat = true;
    rig.gen.CheckBox2Click();
    EXPECT_EQ(s.buffer.find("Private Const ANYSIZE_ARRAY = 1\n\n"), 0u);
}

// With "VB .NET" chosen every generation ends with its rendering; with
// "VB 6" the buffer keeps the text generation wrote and nothing is saved.
TEST(GeneratorDispatch, RendersForVbNetOnlyWhenChosen) {
    GeneratorRig rig(test::miniCatalogue());
    GeneratorState& s = rig.gen.state();
    rig.generate(api_type::kTypes, "POINTS", false);
    EXPECT_EQ(s.buffer, "Private Type POINTS\n  x  As Integer\n  y  As Integer\nEnd Type");
    EXPECT_EQ(s.SavedItemName, "-1");

    s.language = language::kVbNet;
    rig.generate(api_type::kTypes, "POINTS", false);
    EXPECT_EQ(s.buffer.substr(0, s.buffer.find('\n')), "Private Structure POINTS");
    EXPECT_EQ(s.SavedItemName, "POINTS");
}

// Rendering after a generation runs only on freshly generated text: a text
// without a line leaves the rendered buffer and what rendering saved.
TEST(GeneratorDispatch, TextWithoutLineIsNotRenderedAgain) {
    for (const bool automat : {true, false}) {
        GeneratorRig rig(test::miniCatalogue());
        GeneratorState& s = rig.gen.state();
        s.language = language::kVbNet;
        rig.generate(api_type::kTypes, "OSVERSIONINFO", automat);
        const GeneratorState rendered = s;
        rig.ui.clearLogs();
        rig.generate(api_type::kTypes, "xyz", automat);
        EXPECT_EQ(s.buffer, rendered.buffer);
        EXPECT_EQ(s.SavedVb6Text, rendered.SavedVb6Text);
        EXPECT_EQ(s.SavedItemName, rendered.SavedItemName);
        EXPECT_EQ(rig.ui.statusLog, (Log{" Please wait...", " Ready:"}));
    }
}

// At start-up the settings can switch automat before the indexes exist:
// the first line of the kind is generated, without dependencies.
TEST(GeneratorDispatch, GeneratesBeforeTheIndexesExist) {
    for (const GeneratorImpl impl : {GeneratorImpl::Fast, GeneratorImpl::Literal}) {
        test::RecordingUi ui;
        DeclarationGenerator gen(test::miniCatalogue(), ui, impl);
        GeneratorState& s = gen.state();
        s.apiType = api_type::kDeclares;
        s.scope = scope::kPublic;
        s.language = language::kVb6;
        gen.CheckBox2Click();
        EXPECT_EQ(s.buffer,
                  "Public Declare Function AbortDoc Lib \"gdi32\" Alias \"AbortDoc\" (ByVal hdc "
                  "As Long) As Long");
        s.selectedText = "CreatePenIndirect";
        gen.ComboBox1Change();
        EXPECT_EQ(s.buffer.find("Public Declare Function CreatePenIndirect"), 0u);
        EXPECT_EQ(s.DoneTypeNames, "LOGPEN\n");
    }
}

}  // namespace
}  // namespace pq
