#include "rendering/word_tables.h"

#include "rendering/rendering.h"
#include "rendering/replace_text.h"

namespace pq {

// Words are renamed only where they stand as words outside string values:
// GetFileType (also in its Alias string), dwType, AnyPopup, "Key Type" and
// members such as ShortNameLength stay as they are. Each rename and its
// inverse in the other table use the same rule, so the tables stay inverse.
// The type names begin with a blank, so only the byte after them counts.

std::string ApplyVbNetWordTable(std::string_view text) {
    std::string t = ReplaceWholeWord(" Integer", " Short", text, WordEdges::After);
    t = ReplaceWholeWord(" Currency", " Decimal", t, WordEdges::After);
    t = ReplaceWholeWord("Type", "Structure", t);
    t = ReplaceWholeWord("Any", "Byte()", t);
    t = ReplaceTextA(" Char ", " Char1 ", t);
    t = ReplaceTextA(" cChar ", " Char2 ", t);
    t = ReplaceTextA("\n ", "\n  Dim", t);
    return ReplaceWholeWord(" Long", " Integer", t, WordEdges::After);
}

std::string ApplyVb6WordTable(std::string_view text) {
    std::string t = ReplaceWholeWord(" Integer", " Long", text, WordEdges::After);
    t = ReplaceWholeWord(" Decimal", " Currency", t, WordEdges::After);
    t = ReplaceWholeWord("Structure", "Type", t);
    // "Byte()" ends in ")", so only the byte before it decides.
    t = ReplaceWholeWord("Byte()", "Any", t, WordEdges::Before);
    // The "Dim " the VB .NET table put at the start of member lines, not the
    // end of names such as PowerMonitorDim or nDim.
    t = ReplaceWholeWord("Dim ", "", t, WordEdges::Before);
    t = ReplaceTextA(" Char1 ", " Char ", t);
    t = ReplaceTextA(" Char2 ", " cChar ", t);
    return ReplaceWholeWord(" Short", " Integer", t, WordEdges::After);
}

}  // namespace pq
