#pragma once
// The system clipboard as a ClipboardPort: plain text (CF_TEXT; the system
// offers the Unicode form itself), LF inside the program, CR LF on the
// clipboard.

#include <windows.h>

#include <optional>
#include <string>

#include "clipboard/clipboard.h"

namespace pq {

class Win32Clipboard : public ClipboardPort {
public:
    // `owner` becomes the clipboard's owner when text is put; may be nullptr.
    explicit Win32Clipboard(HWND owner) : owner_(owner) {}

    // Text with a NUL byte ends there on the clipboard (CF_TEXT is a C string).
    void putText(const std::string& text) override;
    std::optional<std::string> getText() override;
    void empty() override;

private:
    HWND owner_;
};

}  // namespace pq
