// The help window through the real program: the two texts, their captions,
// and printing, which fails here (no printer) with the error report.
#include <gtest/gtest.h>

#include "app/control_ids.h"
#include "program_driver.h"

namespace pq::apptest {
namespace {

HWND helpWindowOf(HWND main) {
    DWORD pid = 0;
    GetWindowThreadProcessId(main, &pid);
    for (HWND w = FindWindowA(ids::kHelpWindowClass, nullptr); w;
         w = FindWindowExA(nullptr, w, ids::kHelpWindowClass, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == pid)
            return w;
    }
    return nullptr;
}

TEST(HelpWindow, ShowsBothTextsWithTheirCaptionsAndReportsAFailedPrint) {
    ProgramRun run(freshProgramFolder("help"));
    HWND help = helpWindowOf(run.main());
    ASSERT_NE(help, nullptr);
    EXPECT_FALSE(IsWindowVisible(help));

    run.menu(ids::UserManual1);
    EXPECT_TRUE(IsWindowVisible(help));
    EXPECT_EQ(windowText(help), " User Manual");
    const std::string manual = windowText(GetDlgItem(help, ids::HelpRichEdit1));
    EXPECT_EQ(SendMessageA(GetDlgItem(help, ids::HelpRichEdit1), EM_GETLINECOUNT, 0, 0), 48);
    for (const char* passage :
         {"choose the Public scope for the public module or the",
          "Private scope for the form's module", "ignores duplicate declarations",
          "Pretty listing (reformatting) of code", "( Function\\", "Structure\\ Constant)",
          "Clipboard \\ View", "Clipboard \\ Clear"})
        EXPECT_NE(manual.find(passage), std::string::npos) << passage;

    run.menu(ids::as1);
    EXPECT_EQ(windowText(help), " As Any keyword phrase");
    const std::string asAny = windowText(GetDlgItem(help, ids::HelpRichEdit1));
    EXPECT_EQ(SendMessageA(GetDlgItem(help, ids::HelpRichEdit1), EM_GETLINECOUNT, 0, 0), 48);
    EXPECT_NE(asAny.find("Private Declare Sub CopyMemory Lib"), std::string::npos);
    EXPECT_NE(asAny.find(std::string(92, '-')), std::string::npos);

    // "Copy" puts the shown text on the clipboard.
    SendMessageA(help, WM_COMMAND, MAKEWPARAM(ids::HelpCopy1, 0), 0);
    EXPECT_NE(clipboardText().find("CopyMemory(str2, str1, str1.Length)"), std::string::npos);

    PostMessageA(help, WM_COMMAND, MAKEWPARAM(ids::HelpPrint1, 0), 0);
    const std::string report = run.takeMessageBox();
    EXPECT_NE(report.find("Printing failed"), std::string::npos) << report;
    EXPECT_TRUE(IsWindowVisible(help));
    EXPECT_EQ(windowText(help), " As Any keyword phrase");

    // Closing it only hides it; the program goes on.
    SendMessageA(help, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(help));
    EXPECT_TRUE(IsWindow(help));
}

}  // namespace
}  // namespace pq::apptest
