#include "program_driver.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "app/control_ids.h"

namespace pq::apptest {

namespace {

// CTest hands Unix paths over; inside Wine they are on drive Z:.
std::string windowsPath(std::string path) {
    if (!path.empty() && path[0] == '/')
        path = "Z:" + path;
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    return path;
}

std::string environment(const char* name) {
    const char* v = std::getenv(name);
    if (!v || !*v)
        throw std::runtime_error(std::string(name) + " is not set");
    return windowsPath(v);
}

void removeTree(const std::string& dir) {
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = fd.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = dir + "\\" + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(path);
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryA(dir.c_str());
}

struct FindArgs {
    DWORD pid;
    const char* className;
    const char* title;  // nullptr: any
    HWND found;
};

BOOL CALLBACK findProcessWindow(HWND hwnd, LPARAM lParam) {
    auto* a = reinterpret_cast<FindArgs*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != a->pid)
        return TRUE;
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (std::string(cls) != a->className)
        return TRUE;
    if (a->title && windowText(hwnd) != a->title)
        return TRUE;
    if (!IsWindowVisible(hwnd))
        return TRUE;
    a->found = hwnd;
    return FALSE;
}

HWND findWindowOf(DWORD pid, const char* className, const char* title) {
    FindArgs a{pid, className, title, nullptr};
    EnumWindows(&findProcessWindow, reinterpret_cast<LPARAM>(&a));
    return a.found;
}

BOOL CALLBACK longestStatic(HWND hwnd, LPARAM lParam) {
    char cls[32] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (std::string(cls) == "Static") {
        auto* best = reinterpret_cast<std::string*>(lParam);
        const std::string t = windowText(hwnd);
        if (t.size() > best->size())
            *best = t;
    }
    return TRUE;
}

}  // namespace

std::string windowText(HWND hwnd) {
    const LRESULT n = SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<std::size_t>(n) + 1, '\0');
    const LRESULT got =
        SendMessageA(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(got));
    return text;
}

std::string freshProgramFolder(const std::string& name) {
    const std::string root = environment("PQ_APP_TEST_DIR");
    CreateDirectoryA(root.c_str(), nullptr);
    const std::string dir = root + "\\" + name;
    removeTree(dir);
    if (!CreateDirectoryA(dir.c_str(), nullptr))
        throw std::runtime_error("cannot create " + dir);
    const std::string exe = environment("PQ_APP_EXE");
    if (!CopyFileA(exe.c_str(), (dir + "\\Protoquill.exe").c_str(), FALSE))
        throw std::runtime_error("cannot copy " + exe);
    return dir;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

bool fileExists(const std::string& path) {
    const DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string clipboardText() {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (OpenClipboard(nullptr)) {
            std::string text = "<no text>";
            if (HANDLE h = GetClipboardData(CF_TEXT)) {
                if (const char* p = static_cast<const char*>(GlobalLock(h))) {
                    text = p;
                    GlobalUnlock(h);
                }
            }
            CloseClipboard();
            return text;
        }
        Sleep(20);
    }
    throw std::runtime_error("cannot open the clipboard");
}

void emptyClipboard() {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (OpenClipboard(nullptr)) {
            EmptyClipboard();
            CloseClipboard();
            return;
        }
        Sleep(20);
    }
    throw std::runtime_error("cannot open the clipboard");
}

ProgramRun::ProgramRun(const std::string& folder, const std::string& appData) {
    SetEnvironmentVariableA("APPDATA",
                            appData.empty() ? (folder + "\\appdata").c_str() : appData.c_str());
    std::string exe = folder + "\\Protoquill.exe";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::string cmd = "\"" + exe + "\"";
    if (!CreateProcessA(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &si, &process_))
        throw std::runtime_error("cannot start " + exe);
    for (int i = 0; i < 600 && !main_; ++i) {
        main_ = findWindowOf(process_.dwProcessId, ids::kMainWindowClass, nullptr);
        if (!main_)
            Sleep(25);
    }
    if (!main_)
        throw std::runtime_error("the main window did not appear");
    for (int i = 0; i < 1200; ++i) {
        if (status() == " Ready:" && windowText(main_) == " Protoquill for Visual Basic")
            return;
        Sleep(25);
    }
    throw std::runtime_error("the program did not become ready; status: " + status());
}

ProgramRun::~ProgramRun() {
    if (running()) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool ProgramRun::running() const {
    return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

std::string ProgramRun::text(int id) const {
    return windowText(control(id));
}

std::string ProgramRun::status() const {
    return windowText(control(ids::StatusBar1));
}

bool ProgramRun::checked(int id) const {
    return SendMessageA(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int ProgramRun::comboIndex(int id) const {
    return static_cast<int>(SendMessageA(control(id), CB_GETCURSEL, 0, 0));
}

int ProgramRun::comboCount(int id) const {
    return static_cast<int>(SendMessageA(control(id), CB_GETCOUNT, 0, 0));
}

void ProgramRun::pick(int comboId, int index) {
    HWND combo = control(comboId);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    // What the list tells its window when the user picks an entry.
    SendMessageA(main_, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

void ProgramRun::typeSelectedItem(const std::string& text, bool replace) {
    HWND edit = GetWindow(control(ids::ComboBox1), GW_CHILD);
    const LRESULT end = SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0);
    if (replace)
        SendMessageA(edit, EM_SETSEL, 0, -1);
    else
        SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(end), end);
    for (char c : text)
        SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void ProgramRun::click(int id) {
    SendMessageA(control(id), BM_CLICK, 0, 0);
}

void ProgramRun::menu(int commandId) {
    SendMessageA(main_, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

std::string ProgramRun::takeMessageBox(DWORD timeoutMs) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 25) {
        if (HWND box = findWindowOf(process_.dwProcessId, "#32770", "Protoquill")) {
            std::string text;
            EnumChildWindows(box, &longestStatic, reinterpret_cast<LPARAM>(&text));
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            return text;
        }
        if (!running())
            return {};
        Sleep(25);
    }
    return {};
}

void ProgramRun::exitAndWait() {
    PostMessageA(main_, WM_COMMAND, MAKEWPARAM(ids::Exit1, 0), 0);
    for (int i = 0; i < 400 && running(); ++i) {
        if (HWND box = findWindowOf(process_.dwProcessId, "#32770", "Protoquill")) {
            EnumChildWindows(box, &longestStatic, reinterpret_cast<LPARAM>(&lastMessageBox_));
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
        WaitForSingleObject(process_.hProcess, 25);
    }
    if (running())
        throw std::runtime_error("the program did not end");
}

}  // namespace pq::apptest
