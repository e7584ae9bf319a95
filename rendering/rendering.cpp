// Placeholder bodies so that everything links while rendering is written.
#include "rendering/rendering.h"

namespace pq {

std::string ReplaceTextA(std::string_view, std::string_view, std::string_view source) {
    return std::string(source);
}
void ComboBox3Change(GeneratorState&, DispatchUi&) {}
void ComboBox2Change(GeneratorState&, DispatchUi&) {}
void VB7Array(GeneratorState&, DispatchUi&, bool) {}

}  // namespace pq
