#pragma once
// The state every generation and rendering step shares: the user's four
// choices, the selected text, the declaration buffer and the seven state
// texts that carry results from one step to the next.

#include <string>

namespace pq {

// Selector positions as the controls report them; -1 is "nothing chosen".
namespace api_type {
constexpr int kConstants = 0;
constexpr int kDeclares = 1;
constexpr int kTypes = 2;
}  // namespace api_type
namespace language {
constexpr int kVb6 = 0;
constexpr int kVbNet = 1;
}  // namespace language
namespace scope {
constexpr int kPrivate = 0;
constexpr int kPublic = 1;
}  // namespace scope

struct GeneratorState {
    int apiType = -1;     // ComboBox4: 0 "Constants", 1 "Declares", 2 "Types"
    int language = -1;    // ComboBox2: 0 "VB 6", 1 "VB .NET"
    int scope = -1;       // ComboBox3: 0 "Private", 1 "Public"
    bool automat = true;  // CheckBox2 " Automat", checked when the window is created

    std::string selectedText;  // the text of the Selected Item list (ComboBox1)
    std::string buffer;        // the declaration buffer (RichEdit1): LF line ends

    std::string SavedVb6Text;
    std::string SavedItemName;
    std::string TypeScanText;
    std::string AutoDeclText;
    std::string TypeBlocksText;
    std::string DoneTypeNames;
    std::string DoneConstNames;
};

// "Private " for position 0, "Public " for any other position.
inline std::string scopeWord(int scopePos) {
    return scopePos == scope::kPrivate ? "Private " : "Public ";
}

// The Scope selector's text: "Private", "Public", or empty with no choice.
inline std::string scopeSelectorText(int scopePos) {
    if (scopePos == scope::kPrivate)
        return "Private";
    if (scopePos == scope::kPublic)
        return "Public";
    return {};
}

}  // namespace pq
