// Placeholder bodies so that everything links while the clipboard is written.
#include "clipboard/clipboard.h"

namespace pq {

void SelectCopy(std::string&, std::string_view) {}
void ClipboardCollector::BitBtn2Click(CopyMode, const std::string&, const std::string&) {}
void ClipboardCollector::BitBtn4Click(CopyMode, const std::string&, const std::string&) {}
void ClipboardCollector::Declaration1Click(const std::string&) {}
void ClipboardCollector::SelectedItem1Click(const std::string&) {}
void ClipboardCollector::Clear1Click() {}

}  // namespace pq
