#pragma once
// Copying to the system clipboard and collecting on it without duplicates.
// The system clipboard is reached through ClipboardPort, so the operations
// run headless in tests; clipboard/win32/ holds the real one.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pq {

// A platform failure, e.g. "Cannot open clipboard"; the window's error report
// shows the message.
class ClipboardError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The system clipboard as plain text with LF line ends (the adapter converts
// to and from CR LF). Each call may throw ClipboardError.
class ClipboardPort {
public:
    virtual ~ClipboardPort() = default;
    // Replaces the clipboard's content; an empty text empties it.
    virtual void putText(const std::string& text) = 0;
    // The clipboard's text, or nullopt when it holds no text.
    virtual std::optional<std::string> getText() = 0;
    virtual void empty() = 0;
};

enum class CopyMode { Declaration, SelectedItem };

// Merges `newText` into `staging` block by block (blocks are cut at two
// consecutive line feeds), appending each block that is not already there.
void SelectCopy(std::string& staging, std::string_view newText);

// The copy operations over the staging text (the hidden box RichEdit7).
class ClipboardCollector {
public:
    explicit ClipboardCollector(ClipboardPort& port) : port_(port) {}

    const std::string& stagingText() const { return staging_; }

    void BitBtn2Click(CopyMode mode, const std::string& buffer, const std::string& selectedText);
    void BitBtn4Click(CopyMode mode, const std::string& buffer, const std::string& selectedText);
    void Declaration1Click(const std::string& buffer);
    void SelectedItem1Click(const std::string& selectedText);
    void Clear1Click();

private:
    ClipboardPort& port_;
    std::string staging_;
};

}  // namespace pq
