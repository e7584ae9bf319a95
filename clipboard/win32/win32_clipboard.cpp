#include "clipboard/win32/win32_clipboard.h"

#include <cstring>
#include <optional>
#include <string>

#include "clipboard/line_ends.h"

namespace pq {
namespace {

// Another program may hold the clipboard for a moment: try for about 100 ms
// before giving up.
constexpr int kOpenTries = 10;
constexpr DWORD kOpenRetryMs = 10;

class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) {
        for (int attempt = 1; !OpenClipboard(owner); ++attempt) {
            if (attempt == kOpenTries) {
                throw ClipboardError("Cannot open clipboard");
            }
            Sleep(kOpenRetryMs);
        }
    }
    ~OpenedClipboard() { CloseClipboard(); }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
};

// Global memory that is freed unless the clipboard took it over.
class GlobalText {
public:
    explicit GlobalText(const std::string& text)
        : handle_(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
        if (!handle_) {
            throw ClipboardError("Not enough memory for the clipboard");
        }
        char* p = static_cast<char*>(GlobalLock(handle_));
        if (!p) {
            GlobalFree(handle_);
            throw ClipboardError("Not enough memory for the clipboard");
        }
        std::memcpy(p, text.c_str(), text.size() + 1);
        GlobalUnlock(handle_);
    }
    ~GlobalText() {
        if (handle_) {
            GlobalFree(handle_);
        }
    }
    GlobalText(const GlobalText&) = delete;
    GlobalText& operator=(const GlobalText&) = delete;

    HGLOBAL get() const { return handle_; }
    void release() { handle_ = nullptr; }

private:
    HGLOBAL handle_;
};

void emptyOpened() {
    if (!EmptyClipboard()) {
        throw ClipboardError("Cannot empty clipboard");
    }
}

}  // namespace

void Win32Clipboard::putText(const std::string& text) {
    if (text.empty()) {
        empty();
        return;
    }
    // Prepare everything before the clipboard is opened and emptied, so a
    // failure leaves its content alone.
    GlobalText data(ToCrLf(text));
    OpenedClipboard open(owner_);
    emptyOpened();
    if (!SetClipboardData(CF_TEXT, data.get())) {
        throw ClipboardError("Cannot write the clipboard");
    }
    data.release();
}

std::optional<std::string> Win32Clipboard::getText() {
    OpenedClipboard open(owner_);
    if (!IsClipboardFormatAvailable(CF_TEXT)) {
        return std::nullopt;  // nothing, or a picture
    }
    // A text that is there but cannot be read is an error, not "no text": an
    // Add would otherwise overwrite it.
    HANDLE handle = GetClipboardData(CF_TEXT);
    const char* p = handle ? static_cast<const char*>(GlobalLock(handle)) : nullptr;
    if (!p) {
        throw ClipboardError("Cannot read the clipboard");
    }
    // Never read past the block, even when another program left out the NUL.
    const std::string raw(p, strnlen(p, GlobalSize(handle)));
    GlobalUnlock(handle);
    return FromCrLf(raw);
}

void Win32Clipboard::empty() {
    OpenedClipboard open(owner_);
    emptyOpened();
}

}  // namespace pq
