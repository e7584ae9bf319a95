// The copy operations over the staging text. Every operation first does what
// can fail (the system clipboard) and only then changes the staging text, so
// a clipboard that cannot be opened leaves both as they were.
#include "clipboard/clipboard.h"

#include <optional>
#include <string>
#include <utility>

namespace pq {

void ClipboardCollector::BitBtn2Click(CopyMode mode, const std::string& buffer,
                                      const std::string& selectedText) {
    if (mode == CopyMode::Declaration) {
        Declaration1Click(buffer);
    } else {
        SelectedItem1Click(selectedText);
    }
}

void ClipboardCollector::BitBtn4Click(CopyMode mode, const std::string& buffer,
                                      const std::string& selectedText) {
    // Start from the clipboard's text; when it holds none (a picture, or
    // nothing), from the staging text of the previous operation.
    std::optional<std::string> clip = port_.getText();
    std::string merged = clip ? std::move(*clip) : staging_;
    SelectCopy(merged, mode == CopyMode::Declaration ? buffer : selectedText);
    port_.putText(merged);
    staging_ = std::move(merged);
}

void ClipboardCollector::Declaration1Click(const std::string& buffer) {
    port_.putText(buffer);
}

void ClipboardCollector::SelectedItem1Click(const std::string& selectedText) {
    port_.putText(selectedText);
    staging_ = selectedText;
}

void ClipboardCollector::Clear1Click() {
    port_.empty();
    staging_.clear();
}

}  // namespace pq
