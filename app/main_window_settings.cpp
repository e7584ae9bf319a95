// Read_Ini and Write_Ini: the five choices between the controls and the
// settings file. Values are compared exactly; anything else keeps the
// control as it is.
#include <array>

#include "app/main_window.h"

namespace pq::app {

namespace {

// Stored value -> selector index, for the three selectors.
constexpr std::array<const char*, 3> kApiTypes = {"Constants", "Declares", "Types"};
constexpr std::array<const char*, 2> kLanguages = {"VB6", "VB_NET"};
constexpr std::array<const char*, 2> kScopes = {"Private", "Public"};

template <std::size_t N>
int indexOf(const std::array<const char*, N>& values, const std::string& value) {
    for (std::size_t i = 0; i < N; ++i) {
        if (value == values[i])
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

void TForm1::Read_Ini() {
    const SettingsValues v = settings_.read();
    if (const int k = indexOf(kApiTypes, v.apiType); k >= 0)
        ComboBox4.setIndex(k);
    if (const int k = indexOf(kLanguages, v.language); k >= 0)
        ComboBox2.setIndex(k);
    if (const int k = indexOf(kScopes, v.scope); k >= 0)
        ComboBox3.setIndex(k);
    // A change of the check box from here runs its click handler.
    if (v.automat == "ON")
        CheckBox2.setChecked(true);
    else if (v.automat == "OFF")
        CheckBox2.setChecked(false);
    if (v.copy == "Declaration") {
        RadioButton1.setChecked(true);
        RadioButton2.setChecked(false);
    } else if (v.copy == "Selected_Item") {
        RadioButton2.setChecked(true);
        RadioButton1.setChecked(false);
    }
}

void TForm1::Write_Ini() {
    SettingsValues v;
    const int api = ComboBox4.index();
    v.apiType = api >= 0 && api < static_cast<int>(kApiTypes.size())
                    ? kApiTypes[static_cast<std::size_t>(api)]
                    : "";
    v.language = ComboBox2.index() == 0 ? "VB6" : "VB_NET";
    v.scope = ComboBox3.index() == 0 ? "Private" : "Public";
    v.automat = CheckBox2.checked() ? "ON" : "OFF";
    v.copy = RadioButton1.checked() ? "Declaration" : "Selected_Item";
    settings_.write(v);
}

}  // namespace pq::app
