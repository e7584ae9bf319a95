#pragma once
// "Clipboard" > "View": launches the system's clipboard viewer.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace pq {

inline constexpr const char* kViewerNotFoundText = "The Clipboard Viewer is not found!";
inline constexpr const char* kViewerMessageTitle = "Protoquill";

// Where the viewer may be, in the order tried: the system directory's
// "\clipbrd.exe", then the Windows directory's. Absolute paths only, so
// neither the current folder nor PATH is ever searched.
std::vector<std::string> ClipboardViewerPaths();

// Starts the program at `path` maximised (ShellExecuteA "open"); true when it
// started.
bool LaunchMaximised(const std::string& path);

// Tries `launch` on each path in order until one starts; when none does,
// calls `report(owner, text, title, style)` with the not-found message.
using LaunchFn = std::function<bool(const std::string& path)>;
using MessageFn = std::function<void(HWND owner, const char* text, const char* title, UINT style)>;
void ViewClipboard(HWND owner, const LaunchFn& launch, const MessageFn& report);

// The real thing: ShellExecuteA, and MessageBoxA owned by `owner`.
void ViewClipboard(HWND owner);

}  // namespace pq
