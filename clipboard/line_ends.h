#pragma once
// Line ends at the system clipboard: the program's texts use LF, the Windows
// clipboard CR LF. The two conversions undo each other exactly, so a text
// that went to the clipboard comes back byte for byte, CRs of its own
// included.

#include <string>
#include <string_view>

namespace pq {

// Every LF becomes CR LF.
std::string ToCrLf(std::string_view text);

// Every CR LF becomes LF; a CR on its own stays.
std::string FromCrLf(std::string_view text);

}  // namespace pq
