#include "rendering/word_tables.h"

#include "rendering/rendering.h"
#include "rendering/replace_text.h"

namespace pq {

std::string ApplyVbNetWordTable(std::string_view text) {
    std::string t = ReplaceTextA(" Integer", " Short", text);
    t = ReplaceTextA(" Currency", " Decimal", t);
    // Whole words only: names such as GetFileType (and its Alias string),
    // dwType, AnyPopup and string values like "Key Type" stay as they are.
    t = ReplaceWholeWord("Type", "Structure", t);
    t = ReplaceWholeWord("Any", "Byte()", t);
    t = ReplaceTextA(" Char ", " Char1 ", t);
    t = ReplaceTextA(" cChar ", " Char2 ", t);
    t = ReplaceTextA("\n ", "\n  Dim", t);
    return ReplaceTextA(" Long", " Integer", t);
}

std::string ApplyVb6WordTable(std::string_view text) {
    std::string t = ReplaceTextA(" Integer", " Long", text);
    t = ReplaceTextA(" Decimal", " Currency", t);
    t = ReplaceWholeWord("Structure", "Type", t);
    // "Byte()" ends in ")", so only the byte before it decides.
    t = ReplaceWholeWord("Byte()", "Any", t, /*checkAfter=*/false);
    t = ReplaceTextA("Dim ", "", t);
    t = ReplaceTextA(" Char1 ", " Char ", t);
    t = ReplaceTextA(" Char2 ", " cChar ", t);
    return ReplaceTextA(" Short", " Integer", t);
}

}  // namespace pq
