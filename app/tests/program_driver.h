#pragma once
// Drives a copy of the real Protoquill.exe from this second process the way
// a user's tools see it: finds its main window, sends messages to the
// controls and menu commands, reads control texts, the clipboard and the
// settings file. Every run uses a copy of the program in its own folder
// inside the build tree, so no real settings file is ever touched.

#include <windows.h>

#include <string>

namespace pq::apptest {

// A fresh, empty folder `name` under the test folder, holding a copy of the
// program. Returns its full Windows path.
std::string freshProgramFolder(const std::string& name);

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);
bool fileExists(const std::string& path);

// The clipboard's text (CF_TEXT), or "<no text>".
std::string clipboardText();
void emptyClipboard();

class ProgramRun {
public:
    // Starts the program in `folder` (with APPDATA set to `appData` when it
    // is not empty) and waits for " Ready:" after the start-up sequence.
    explicit ProgramRun(const std::string& folder, const std::string& appData = "");
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    HWND main() const { return main_; }
    HWND control(int id) const { return GetDlgItem(main_, id); }
    std::string text(int id) const;
    std::string status() const;
    bool checked(int id) const;
    int comboIndex(int id) const;
    int comboCount(int id) const;

    // What a user does: pick an entry of a list, type into the Selected Item
    // text (replacing it), click a button or check box, choose a menu command.
    void pick(int comboId, int index);
    // Types `text` into the Selected Item field, replacing its text or
    // appending to it.
    void typeSelectedItem(const std::string& text, bool replace);
    void click(int id);
    void menu(int commandId);

    // "File" > "Exit", then waits until the process has ended. When a
    // message box titled "Protoquill" comes up meanwhile, its text is kept
    // (lastMessageBox) and the box is closed.
    void exitAndWait();
    // Waits for a message box titled "Protoquill", returns its text and
    // closes it; empty when none comes within the time.
    std::string takeMessageBox(DWORD timeoutMs = 10000);
    const std::string& lastMessageBox() const { return lastMessageBox_; }
    bool running() const;

private:
    PROCESS_INFORMATION process_{};
    HWND main_ = nullptr;
    std::string lastMessageBox_;
};

std::string windowText(HWND hwnd);

}  // namespace pq::apptest
