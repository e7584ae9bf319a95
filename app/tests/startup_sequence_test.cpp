// The start-up sequence watched from inside: the main window is built in
// this test program with its status line and screen cursor recorded, so the
// order of the texts is seen, which a second process cannot see while the
// window is busy.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/main_window.h"
#include "app/settings_file.h"
#include "reference_model.h"

namespace pq::apptest {
namespace {

class RecordingForm : public app::TForm1 {
public:
    using app::TForm1::TForm1;
    void setStatus(const std::string& text) override {
        statuses.push_back(text);
        app::TForm1::setStatus(text);
    }
    void setScreenCursor(Cursor cursor) override {
        cursors.push_back(cursor);
        app::TForm1::setScreenCursor(cursor);
    }
    std::vector<std::string> statuses;
    std::vector<Cursor> cursors;
};

const Catalogue& catalogue() {
    static const Catalogue c = loadBuiltinCatalogue();
    return c;
}

// This program's own settings file (beside it in the build tree).
std::string ownIniFile(app::Application& a) {
    return app::iniNameFor(a.ExeName());
}

bool contains(const std::vector<std::string>& v, const std::string& s) {
    for (const std::string& x : v) {
        if (x == s)
            return true;
    }
    return false;
}

void runStartUp(RecordingForm& form) {
    ASSERT_TRUE(form.Create());
    form.Show();
    for (int i = 0; i < 4000 && !contains(form.statuses, " Loading structures ..."); ++i) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    }
}

const std::set<std::string> kHandlerTexts = {
    " Please wait...", " Ready:", " Looking for a structures...", " Looking for a constants..."};

TEST(StartUpSequence, StatusTextsComeInOrderAndTheCursorIsRestored) {
    app::Application application;
    DeleteFileA(ownIniFile(application).c_str());
    RecordingForm form(application, catalogue());
    runStartUp(form);

    const std::vector<std::string> first(
        form.statuses.begin(),
        form.statuses.begin() + std::min<std::size_t>(5, form.statuses.size()));
    EXPECT_EQ(first, (std::vector<std::string>{" Please wait ...", " Loading constants ...",
                                               " Loading functions ...", " Loading structures ...",
                                               " Please wait ..."}));
    ASSERT_GT(form.statuses.size(), 5u);
    for (std::size_t i = 5; i < form.statuses.size(); ++i)
        EXPECT_EQ(kHandlerTexts.count(form.statuses[i]), 1u) << form.statuses[i];
    EXPECT_EQ(form.statuses.back(), " Ready:");

    ASSERT_FALSE(form.cursors.empty());
    EXPECT_EQ(form.cursors.front(), Cursor::AppStart);
    EXPECT_EQ(form.screenCursor(), Cursor::Default);

    // It runs once: later timer messages change nothing.
    const std::size_t n = form.statuses.size();
    form.Timer1Timer();
    EXPECT_EQ(form.statuses.size(), n);

    form.Destroy();
    DeleteFileA(ownIniFile(application).c_str());
}

TEST(StartUpSequence, AStoredOffRunsTheCheckBoxHandlerFirstAndLeavesNoTrace) {
    app::Application application;
    const std::string ini = ownIniFile(application);
    ASSERT_TRUE(WritePrivateProfileStringA("Settings", "Automat", "OFF", ini.c_str()));
    RecordingForm form(application, catalogue());
    runStartUp(form);

    // The check box's handler speaks between the first " Please wait ..."
    // and " Loading constants ...".
    ASSERT_GE(form.statuses.size(), 4u);
    EXPECT_EQ(form.statuses[0], " Please wait ...");
    EXPECT_EQ(form.statuses[1], " Please wait...");
    std::size_t loading = 0;
    while (loading < form.statuses.size() && form.statuses[loading] != " Loading constants ...")
        ++loading;
    EXPECT_EQ(form.statuses[loading - 1], " Ready:");

    HWND main = form.hwnd();
    ReferenceModel ref({1, 1, 1, false});
    char text[65536] = {};
    GetWindowTextA(GetDlgItem(main, 106), text, sizeof text);
    EXPECT_EQ(std::string(text), ref.shownDeclaration());

    form.Destroy();
    DeleteFileA(ini.c_str());
}

}  // namespace
}  // namespace pq::apptest
