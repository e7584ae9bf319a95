#include "clipboard/win32/clipboard_viewer.h"

#include <shellapi.h>

#include <cstdint>
#include <string>
#include <vector>

namespace pq {
namespace {

constexpr UINT kDirBuffer = 260;

// `dir` + "\clipbrd.exe" when the system gave a whole directory name.
void addViewerIn(std::vector<std::string>& paths, const char* dir, UINT length) {
    if (length == 0 || length >= kDirBuffer) {
        return;  // failed, or did not fit
    }
    std::string path(dir, length);
    if (path.back() != '\\') {
        path += '\\';
    }
    path += "clipbrd.exe";
    paths.push_back(path);
}

}  // namespace

std::vector<std::string> ClipboardViewerPaths() {
    std::vector<std::string> paths;
    char dir[kDirBuffer];
    addViewerIn(paths, dir, GetSystemDirectoryA(dir, kDirBuffer));
    addViewerIn(paths, dir, GetWindowsDirectoryA(dir, kDirBuffer));
    return paths;
}

bool LaunchMaximised(const std::string& path) {
    const HINSTANCE result =
        ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
    // Values up to 32 are error codes.
    return reinterpret_cast<std::intptr_t>(result) > 32;
}

void ViewClipboard(HWND owner, const LaunchFn& launch, const MessageFn& report) {
    for (const std::string& path : ClipboardViewerPaths()) {
        if (launch(path)) {
            return;
        }
    }
    report(owner, kViewerNotFoundText, kViewerMessageTitle, MB_OK | MB_ICONERROR);
}

void ViewClipboard(HWND owner) {
    ViewClipboard(owner, LaunchMaximised,
                  [](HWND o, const char* text, const char* title, UINT style) {
                      MessageBoxA(o, text, title, style);
                  });
}

}  // namespace pq
