// The scope switch swaps the scope word in place, in either language form,
// and keeps the text saved for the VB 6 restore in step with the selector.
#include <gtest/gtest.h>

#include <string>

#include "generator/generator_state.h"
#include "recording_ui.h"
#include "rendering/rendering.h"

namespace {

using pq::test::RecordingUi;

const char kPrivateAutomat[] =
    "Private Const LF_FACESIZE = 32\n\n"
    "Private Type LOGFONT\n  lfHeight As Long\n  lfFaceName(1 To LF_FACESIZE) As Byte\nEnd "
    "Type\n\n"
    "Private Declare Function CreateFontIndirect Lib \"gdi32\" Alias \"CreateFontIndirectA\" "
    "(lpLogFont As LOGFONT) As Long";

std::string publicOf(const std::string& text) {
    return pq::ReplaceTextA("Private ", "Public ", text);
}

TEST(ScopeSwitch, SwapsEveryScopeWordInPlace) {
    pq::GeneratorState state;
    RecordingUi ui;
    state.language = pq::language::kVb6;
    state.buffer = kPrivateAutomat;
    state.scope = pq::scope::kPublic;
    pq::ComboBox3Change(state, ui);
    EXPECT_EQ(state.buffer, publicOf(kPrivateAutomat));
    EXPECT_EQ(ui.statusLog, (std::vector<std::string>{" Please wait...", " Ready:"}));
    EXPECT_EQ(ui.cursorLog, (std::vector{pq::Cursor::HourGlass, pq::Cursor::Default}));

    // The scope the buffer already shows changes nothing.
    pq::ComboBox3Change(state, ui);
    EXPECT_EQ(state.buffer, publicOf(kPrivateAutomat));

    // Mid-line scope words are swapped as well.
    state.scope = pq::scope::kPrivate;
    state.buffer = "Public Public Declare Function F Lib \"k\" () As Long";
    pq::ComboBox3Change(state, ui);
    EXPECT_EQ(state.buffer, "Private Private Declare Function F Lib \"k\" () As Long");
}

TEST(ScopeSwitch, WhileVbNetIsShownReachesTheTextRestoredOnTheWayBack) {
    pq::GeneratorState state;
    RecordingUi ui;
    state.SavedItemName = "-1";
    state.selectedText = "CreateFontIndirect";
    state.scope = pq::scope::kPrivate;
    state.language = pq::language::kVbNet;
    state.buffer = kPrivateAutomat;
    pq::ComboBox2Change(state, ui);

    state.scope = pq::scope::kPublic;
    pq::ComboBox3Change(state, ui);
    EXPECT_EQ(state.buffer.find("Private "), std::string::npos);
    EXPECT_NE(state.buffer.find("Public Structure LOGFONT"), std::string::npos);

    state.language = pq::language::kVb6;
    pq::ComboBox2Change(state, ui);
    EXPECT_EQ(state.buffer, publicOf(kPrivateAutomat));
}

TEST(ScopeSwitch, EmptyBufferStaysEmpty) {
    pq::GeneratorState state;
    RecordingUi ui;
    state.scope = pq::scope::kPublic;
    pq::ComboBox3Change(state, ui);
    EXPECT_EQ(state.buffer, "");
}

}  // namespace
