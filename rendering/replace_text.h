#pragma once
// The substitution primitives every rendering step goes through.
// (ReplaceTextA itself is declared in rendering/rendering.h.)

#include <string>
#include <string_view>

namespace pq {

// True for the bytes an identifier is made of: ASCII letters, digits and "_".
constexpr bool isIdentifierChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Which ends of an occurrence must border on a non-identifier byte (or on
// the start or end of the text). A search text that begins or ends with a
// blank needs no check at that end.
enum class WordEdges { Both, Before, After };

// Like ReplaceTextA, but an occurrence is replaced only when it stands as a
// word of its own outside a string literal: an even number of double quotes
// precede it on its line, and the bytes at the `edges` it is checked on are
// no identifier bytes. A skipped occurrence is passed over one byte at a
// time, so a later one that overlaps it can still be found. Keeps "Type" in
// GetFileType, dwType and "Key Type", and " Short" in ShortName, intact.
std::string ReplaceWholeWord(std::string_view search, std::string_view replacement,
                             std::string_view source, WordEdges edges = WordEdges::Both);

}  // namespace pq
