#include "rendering/replace_text.h"

#include "rendering/rendering.h"

namespace pq {

std::string ReplaceTextA(std::string_view search, std::string_view replacement,
                         std::string_view source) {
    if (search.empty() || source.empty())
        return std::string(source);
    std::string result;
    result.reserve(source.size());
    std::size_t rest = 0;  // start of the part not yet copied or searched
    for (;;) {
        const std::size_t p = source.find(search, rest);
        if (p == std::string_view::npos) {
            result.append(source.substr(rest));
            return result;
        }
        result.append(source.substr(rest, p - rest));
        result.append(replacement);
        rest = p + search.size();
    }
}

std::string ReplaceWholeWord(std::string_view search, std::string_view replacement,
                             std::string_view source, WordEdges edges) {
    if (search.empty() || source.empty())
        return std::string(source);
    std::string result;
    result.reserve(source.size());
    std::size_t rest = 0;
    // Quote parity of the current line up to `parityAt` (exclusive).
    std::size_t parityAt = 0;
    bool insideQuotes = false;
    for (;;) {
        const std::size_t p = source.find(search, rest);
        if (p == std::string_view::npos) {
            result.append(source.substr(rest));
            return result;
        }
        for (; parityAt < p; ++parityAt) {
            if (source[parityAt] == '\n')
                insideQuotes = false;
            else if (source[parityAt] == '"')
                insideQuotes = !insideQuotes;
        }
        const std::size_t end = p + search.size();
        const bool wordBefore =
            edges != WordEdges::After && p > 0 && isIdentifierChar(source[p - 1]);
        const bool wordAfter =
            edges != WordEdges::Before && end < source.size() && isIdentifierChar(source[end]);
        if (insideQuotes || wordBefore || wordAfter) {
            result.append(source.substr(rest, p + 1 - rest));
            rest = p + 1;
            continue;
        }
        result.append(source.substr(rest, p - rest));
        result.append(replacement);
        rest = end;
    }
}

}  // namespace pq
