// The real main window, driven from this process like a user works it. What
// it shows is compared with the core driven headless the same way.
#include <gtest/gtest.h>

#include "app/control_ids.h"
#include "clipboard/clipboard.h"
#include "program_driver.h"
#include "reference_model.h"

namespace pq::apptest {
namespace {

TEST(MainWindow, FirstStartShowsTheDefaultsAndTheFirstDeclaration) {
    ProgramRun run(freshProgramFolder("first_start"));
    ReferenceModel ref;

    EXPECT_EQ(run.text(ids::ComboBox4), "Declares");
    EXPECT_EQ(run.text(ids::ComboBox2), "VB .NET");
    EXPECT_EQ(run.text(ids::ComboBox3), "Public");
    EXPECT_TRUE(run.checked(ids::CheckBox2));
    EXPECT_TRUE(run.checked(ids::RadioButton1));
    EXPECT_FALSE(run.checked(ids::RadioButton2));
    ASSERT_GT(ref.indexes().Functions.count(), 0);
    EXPECT_EQ(run.comboCount(ids::ComboBox1), ref.indexes().Functions.count());
    EXPECT_EQ(run.text(ids::ComboBox1), ref.indexes().Functions.entry(0));
    EXPECT_FALSE(ref.state().buffer.empty());
    EXPECT_EQ(run.text(ids::RichEdit1), ref.shownDeclaration());
    EXPECT_EQ(run.status(), " Ready:");
    EXPECT_EQ(windowText(run.main()), " Protoquill for Visual Basic");
}

TEST(MainWindow, CaptionsOfTheControls) {
    ProgramRun run(freshProgramFolder("captions"));
    const std::pair<int, const char*> captions[] = {
        {ids::GroupBox3, " Settings "},
        {ids::GroupBox2, " Selected Item "},
        {ids::GroupBox1, " Declaration "},
        {ids::Send, " Copy "},
        {ids::CheckBox2, " Automat"},
        {ids::RadioButton1, "Declaration"},
        {ids::RadioButton2, "Selected Item"},
        {ids::BitBtn4, "  Add"},
        {ids::BitBtn2, "  Copy"},
    };
    for (const auto& [id, caption] : captions)
        EXPECT_EQ(run.text(id), caption) << "control " << id;
}

TEST(MainWindow, PickingAndTypingRegenerateOnEveryChange) {
    ProgramRun run(freshProgramFolder("pick_and_type"));
    ReferenceModel ref;
    const NameIndex& names = ref.indexes().Functions;
    ASSERT_GT(names.count(), 20);

    run.pick(ids::ComboBox1, 10);
    ref.selectText(names.entry(10));
    EXPECT_EQ(run.text(ids::ComboBox1), names.entry(10));
    EXPECT_EQ(run.text(ids::RichEdit1), ref.shownDeclaration());

    // Typed text is used as it stands after every keystroke, complete or not.
    const std::string target = names.entry(names.count() / 2);
    std::string typed;
    for (char c : target) {
        typed += c;
        // The first keystroke replaces the whole selected text.
        run.typeSelectedItem(std::string(1, c), typed.size() == 1);
        ref.selectText(typed);
        ASSERT_EQ(run.text(ids::ComboBox1), typed);
        ASSERT_EQ(run.text(ids::RichEdit1), ref.shownDeclaration()) << "after typing " << typed;
    }
    EXPECT_EQ(run.status(), " Ready:");
}

TEST(MainWindow, ScopeAndLanguageRewriteInPlaceAndVb6Restores) {
    ProgramRun run(freshProgramFolder("scope_language"));
    ReferenceModel ref;
    const std::string name = ref.indexes().Functions.entry(3);
    run.pick(ids::ComboBox1, 3);
    ref.selectText(name);

    run.pick(ids::ComboBox2, 0);  // "VB 6"
    ref.setLanguage(0);
    EXPECT_EQ(run.text(ids::RichEdit1), ref.shownDeclaration());
    // The exact VB 6 text that a generation in VB 6 writes.
    ReferenceModel vb6({1, 0, 1, true});
    vb6.selectText(name);
    EXPECT_EQ(run.text(ids::RichEdit1), vb6.shownDeclaration());

    run.pick(ids::ComboBox3, 0);  // "Private", swapped in place
    ref.setScope(0);
    EXPECT_EQ(run.text(ids::RichEdit1), ref.shownDeclaration());
    EXPECT_NE(run.text(ids::RichEdit1).find("Private "), std::string::npos);

    run.pick(ids::ComboBox2, 1);  // back to "VB .NET"
    ref.setLanguage(1);
    EXPECT_EQ(run.text(ids::RichEdit1), ref.shownDeclaration());
    EXPECT_EQ(run.status(), " Ready:");
}

TEST(MainWindow, AutomatSwitchRegeneratesTheSameSelection) {
    ProgramRun run(freshProgramFolder("automat_switch"));
    ReferenceModel ref;
    run.click(ids::CheckBox2);
    ref.setAutomat(false);
    EXPECT_FALSE(run.checked(ids::CheckBox2));
    EXPECT_EQ(run.text(ids::ComboBox1), ref.indexes().Functions.entry(0));
    EXPECT_EQ(run.text(ids::RichEdit1), ref.shownDeclaration());
}

TEST(MainWindow, AddCollectsOnTheClipboardWithoutDuplicates) {
    ProgramRun run(freshProgramFolder("add"));
    ReferenceModel ref;
    const NameIndex& names = ref.indexes().Functions;
    emptyClipboard();
    run.menu(ids::Clear1);

    std::string expected;  // the collected text, LF line ends
    auto add = [&](int k) {
        run.pick(ids::ComboBox1, k);
        ref.selectText(names.entry(k));
        run.click(ids::BitBtn4);
        SelectCopy(expected, ref.state().buffer);
        ASSERT_EQ(clipboardText(), crlf(expected)) << "after adding " << names.entry(k);
    };
    add(1);
    const std::string once = clipboardText();
    add(1);
    EXPECT_EQ(clipboardText(), once);  // nothing repeated
    add(2);
    add(1);
    EXPECT_NE(clipboardText(), once);

    // "  Copy" in copy mode "Declaration" replaces the clipboard's text.
    run.click(ids::BitBtn2);
    EXPECT_EQ(clipboardText(), ref.shownDeclaration());
}

TEST(MainWindow, ClipboardMenuCopiesClearsAndLooksForTheViewer) {
    ProgramRun run(freshProgramFolder("clipboard_menu"));
    ReferenceModel ref;
    run.menu(ids::SelectedItem1);
    EXPECT_EQ(clipboardText(), ref.indexes().Functions.entry(0));
    run.menu(ids::Declaration1);
    EXPECT_EQ(clipboardText(), ref.shownDeclaration());
    run.menu(ids::Clear1);
    EXPECT_EQ(clipboardText(), "<no text>");
    // Wine has no clipbrd.exe in either folder.
    PostMessageA(run.main(), WM_COMMAND, MAKEWPARAM(ids::View1, 0), 0);
    EXPECT_EQ(run.takeMessageBox(), "The Clipboard Viewer is not found!");
}

TEST(MainWindow, AboutDialogIsModalAndClosesWithEnter) {
    ProgramRun run(freshProgramFolder("about"));
    PostMessageA(run.main(), WM_COMMAND, MAKEWPARAM(ids::About1, 0), 0);
    HWND box = nullptr;
    for (int i = 0; i < 200 && !box; ++i) {
        DWORD pid = 0;
        HWND w = FindWindowA("#32770", nullptr);
        if (w)
            GetWindowThreadProcessId(w, &pid);
        DWORD mainPid = 0;
        GetWindowThreadProcessId(run.main(), &mainPid);
        if (w && pid == mainPid && IsWindowVisible(w))
            box = w;
        else
            Sleep(25);
    }
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(IsWindowEnabled(run.main()));
    bool sawName = false, sawVersion = false;
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        sawName = sawName || windowText(c) == "Protoquill";
        sawVersion = sawVersion || windowText(c) == "Version 1.0";
    }
    EXPECT_TRUE(sawName);
    EXPECT_TRUE(sawVersion);
    HWND ok = GetDlgItem(box, IDOK);
    PostMessageA(ok, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageA(ok, WM_KEYUP, VK_RETURN, 0xC0000001);
    for (int i = 0; i < 200 && IsWindowVisible(box); ++i)
        Sleep(25);
    EXPECT_FALSE(IsWindowVisible(box));
    EXPECT_TRUE(IsWindowEnabled(run.main()));
}

}  // namespace
}  // namespace pq::apptest
