// The language switch and the rendering after a generation.
#include "rendering/rendering.h"

#include "rendering/word_tables.h"

namespace pq {

void ComboBox2Change(GeneratorState& state, DispatchUi& ui) {
    const BusyScope busy(ui);
    if (state.language == language::kVb6) {
        state.buffer = ApplyVb6WordTable(state.buffer);
        VB7Array(state, ui, false);
    } else {
        // Any other position, "no choice" included, renders for VB .NET.
        state.buffer = ApplyVbNetWordTable(state.buffer);
        VB7Array(state, ui, true);
    }
}

}  // namespace pq
