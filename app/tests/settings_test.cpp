// The settings file through the real program: written on exit, read back on
// the next start, and kept in %APPDATA% when the program's folder refuses it.
#include <gtest/gtest.h>

#include "app/control_ids.h"
#include "program_driver.h"
#include "reference_model.h"

namespace pq::apptest {
namespace {

const char kExampleIni[] =
    "[Settings]\r\nAPI_Type=Declares\r\nLanguage=VB_NET\r\nScope=Public\r\nAutomat=ON\r\n"
    "Copy=Declaration\r\n";

TEST(SettingsFile, FirstRunWritesTheExampleFileOnExit) {
    const std::string dir = freshProgramFolder("example_ini");
    ProgramRun run(dir);
    EXPECT_FALSE(fileExists(dir + "\\Protoquill.INI"));  // only written at the end
    run.exitAndWait();
    EXPECT_EQ(readFile(dir + "\\Protoquill.INI"), kExampleIni);
    EXPECT_EQ(run.lastMessageBox(), "");
}

TEST(SettingsFile, ClosingTheWindowAlsoWritesIt) {
    const std::string dir = freshProgramFolder("close_writes");
    ProgramRun run(dir);
    PostMessageA(run.main(), WM_CLOSE, 0, 0);
    for (int i = 0; i < 400 && run.running(); ++i)
        Sleep(25);
    ASSERT_FALSE(run.running());
    EXPECT_EQ(readFile(dir + "\\Protoquill.INI"), kExampleIni);
}

TEST(SettingsFile, TypesOffAndSelectedItemComeBackAfterARestart) {
    const std::string dir = freshProgramFolder("restart");
    {
        ProgramRun run(dir);
        run.pick(ids::ComboBox4, 2);  // "Types"
        run.click(ids::CheckBox2);    // Automat off
        run.click(ids::RadioButton2);
        run.exitAndWait();
    }
    const std::string ini = readFile(dir + "\\Protoquill.INI");
    EXPECT_NE(ini.find("API_Type=Types\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Automat=OFF\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Copy=Selected_Item\r\n"), std::string::npos) << ini;

    ProgramRun run(dir);
    ReferenceModel ref({2, 1, 1, false});
    EXPECT_EQ(run.text(ids::ComboBox4), "Types");
    EXPECT_FALSE(run.checked(ids::CheckBox2));
    EXPECT_TRUE(run.checked(ids::RadioButton2));
    EXPECT_FALSE(run.checked(ids::RadioButton1));
    EXPECT_EQ(run.comboCount(ids::ComboBox1), ref.indexes().Types.count());
    EXPECT_EQ(run.text(ids::ComboBox1), ref.indexes().Types.entry(0));
    EXPECT_EQ(run.text(ids::RichEdit1), ref.shownDeclaration());
    // "  Copy" now copies the selected name.
    run.click(ids::BitBtn2);
    EXPECT_EQ(clipboardText(), ref.indexes().Types.entry(0));
}

TEST(SettingsFile, OtherSectionsSurviveAndUnknownValuesKeepTheDefaults) {
    const std::string dir = freshProgramFolder("other_sections");
    writeFile(dir + "\\Protoquill.INI",
              "[Mine]\r\nKeep=this\r\n[Settings]\r\nApi_Type=declares\r\nScope=Private\r\n");
    {
        ProgramRun run(dir);
        EXPECT_EQ(run.text(ids::ComboBox4), "Declares");  // "declares" is no listed word
        EXPECT_EQ(run.text(ids::ComboBox3), "Private");
        run.exitAndWait();
    }
    const std::string ini = readFile(dir + "\\Protoquill.INI");
    EXPECT_NE(ini.find("[Mine]\r\nKeep=this\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Scope=Private\r\n"), std::string::npos) << ini;
}

TEST(SettingsFile, AWriteProtectedFolderFallsBackToAppData) {
    const std::string dir = freshProgramFolder("fallback");
    // A folder in the file's place: the profile functions cannot write it,
    // even for an administrator (these tests may run as one).
    ASSERT_TRUE(CreateDirectoryA((dir + "\\Protoquill.INI").c_str(), nullptr));
    const std::string appData = dir + "\\appdata";
    ASSERT_TRUE(CreateDirectoryA(appData.c_str(), nullptr));
    const std::string fallback = appData + "\\Protoquill\\Protoquill.INI";
    {
        ProgramRun run(dir, appData);
        run.pick(ids::ComboBox3, 0);  // "Private"
        run.exitAndWait();
        EXPECT_EQ(run.lastMessageBox(), "");
    }
    const std::string ini = readFile(fallback);
    EXPECT_NE(ini.find("Scope=Private\r\n"), std::string::npos) << ini;

    ProgramRun run(dir, appData);
    EXPECT_EQ(run.text(ids::ComboBox3), "Private");
}

TEST(SettingsFile, NeitherPlaceWritableReportsTheErrorAndStillEnds) {
    const std::string dir = freshProgramFolder("unwritable");
    ASSERT_TRUE(CreateDirectoryA((dir + "\\Protoquill.INI").c_str(), nullptr));
    const std::string appData = dir + "\\appdata";
    ASSERT_TRUE(CreateDirectoryA(appData.c_str(), nullptr));
    writeFile(appData + "\\Protoquill", "a file where the folder would go");

    ProgramRun run(dir, appData);
    run.exitAndWait();
    EXPECT_EQ(run.lastMessageBox(), "Unable to write to " + dir + "\\Protoquill.INI");
}

}  // namespace
}  // namespace pq::apptest
