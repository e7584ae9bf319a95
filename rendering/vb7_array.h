#pragma once
// The second pass of the VB .NET rendering: the VB6 constructs the word table
// leaves alone. Both rewrites lose information, so VB7Array saves the buffer
// first and the switch back to VB 6 restores from the saved text.

#include <string>
#include <string_view>

namespace pq {

// Every "String * <length>" becomes "String": the length is deleted up to
// the next line feed, comma or ")", which stay. A "~" already in the text is
// taken for the mark and handled the same way.
std::string DropFixedStringLengths(std::string_view text);

// In every member line of a structure block (a line beginning with two
// blanks between a "Private Structure "/"Public Structure " header and the
// next "End Structure" line), the bounds between the first "(" and its ")"
// move into a size comment at the end of the line:
// "  Dim Value(6) As Byte" -> "  Dim Value() As Byte  'Size:  6".
// A "(" without a ")" on its line, and every line outside a block (constant
// values, parameter lists), stay as they are.
std::string MoveStructureArrayBounds(std::string_view text);

}  // namespace pq
