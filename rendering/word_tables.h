#pragma once
// The two ordered word tables of the language rendering. The order is
// binding: " Integer" becomes " Short" before " Long" becomes " Integer"
// (and back in the reverse order), or both integer types would come out alike.

#include <string>
#include <string_view>

namespace pq {

// VB6 text to VB .NET form: type names, "Type" -> "Structure", "Any" ->
// "Byte()", the Char member and cChar parameter names, "Dim" on member lines.
std::string ApplyVbNetWordTable(std::string_view text);

// VB .NET form back to VB6 text. Undoes ApplyVbNetWordTable on every text
// that has none of " Short", " Decimal", "Structure", "Byte()" and "Dim " as
// a word outside string values, no " Char1 " or " Char2 ", and no line that
// begins with exactly one blank: all text generated from the catalogue.
std::string ApplyVb6WordTable(std::string_view text);

}  // namespace pq
