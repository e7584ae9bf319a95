#include "clipboard/line_ends.h"

#include <algorithm>
#include <cstddef>

namespace pq {

std::string ToCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
    for (const char ch : text) {
        if (ch == '\n') {
            out += '\r';
        }
        out += ch;
    }
    return out;
}

std::string FromCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            out += text[i];
        }
    }
    return out;
}

}  // namespace pq
