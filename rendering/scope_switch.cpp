#include "rendering/rendering.h"

namespace pq {

void ComboBox3Change(GeneratorState& state, DispatchUi& ui) {
    const BusyScope busy(ui);
    const bool toPrivate = state.scope == scope::kPrivate;
    const std::string_view from = toPrivate ? "Public " : "Private ";
    const std::string_view to = toPrivate ? "Private " : "Public ";
    state.buffer = ReplaceTextA(from, to, state.buffer);
    // While the VB .NET form is shown, the switch back to VB 6 restores the
    // saved text: give it the same scope so it shows what the selector shows.
    if (state.language != language::kVb6)
        state.SavedVb6Text = ReplaceTextA(from, to, state.SavedVb6Text);
}

}  // namespace pq
