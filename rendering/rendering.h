#pragma once
// Rewriting the declaration buffer for the chosen scope and language.

#include <string>
#include <string_view>

#include "generator/dispatch_ui.h"
#include "generator/generator_state.h"

namespace pq {

// Every occurrence of `search` in `source` replaced by `replacement`, left to
// right, without overlap; inserted text is never searched again. An empty
// search text returns the source.
std::string ReplaceTextA(std::string_view search, std::string_view replacement,
                         std::string_view source);

// The Scope selector changed: swap the scope word in the buffer in place.
void ComboBox3Change(GeneratorState& state, DispatchUi& ui);

// The Language selector changed, or the rendering after a generation: apply
// the word table of the chosen language, then VB7Array.
void ComboBox2Change(GeneratorState& state, DispatchUi& ui);

// true: save the buffer, then rewrite fixed-length strings and array bounds;
// false: the VB 6 restore check.
void VB7Array(GeneratorState& state, DispatchUi& ui, bool toVbNet);

}  // namespace pq
