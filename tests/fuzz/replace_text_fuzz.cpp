// ReplaceTextA and its whole-word variant agree with plain reference
// implementations written the slow, obvious way on random inputs.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "rendering/rendering.h"
#include "rendering/replace_text.h"

namespace {

// The scanning rule as stated: find in the rest, replace, keep only what
// follows the inserted text as the new rest.
std::string referenceReplace(std::string_view search, std::string_view replacement,
                             std::string_view source) {
    std::string result;
    std::string rest(source);
    for (;;) {
        const std::size_t p = search.empty() ? std::string::npos : rest.find(search);
        if (p == std::string::npos)
            return result + rest;
        rest.replace(p, search.size(), replacement);
        result += rest.substr(0, p + replacement.size());
        rest.erase(0, p + replacement.size());
    }
}

bool isWordByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Tries every position in turn; decides quotes by counting from the line start.
std::string referenceWholeWord(std::string_view search, std::string_view replacement,
                               std::string_view source, pq::WordEdges edges) {
    const bool checkBefore = edges != pq::WordEdges::After;
    const bool checkAfter = edges != pq::WordEdges::Before;
    if (search.empty())
        return std::string(source);
    std::string result;
    std::size_t i = 0;
    while (i < source.size()) {
        bool replace = source.substr(i, search.size()) == search;
        if (replace) {
            std::size_t quotes = 0;
            for (std::size_t k = i; k > 0 && source[k - 1] != '\n'; --k)
                quotes += source[k - 1] == '"' ? 1U : 0U;
            const std::size_t end = i + search.size();
            replace = quotes % 2 == 0 && !(checkBefore && i > 0 && isWordByte(source[i - 1])) &&
                      !(checkAfter && end < source.size() && isWordByte(source[end]));
        }
        if (replace) {
            result += replacement;
            i += search.size();
        } else {
            result += source[i++];
        }
    }
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Layout: two length bytes, then search text, replacement and source.
    if (size < 2)
        return 0;
    const std::string_view in(reinterpret_cast<const char*>(data) + 2, size - 2);
    const std::size_t searchLen = std::min<std::size_t>(data[0] % 8, in.size());
    const std::size_t replLen = std::min<std::size_t>(data[1] % 12, in.size() - searchLen);
    const std::string_view search = in.substr(0, searchLen);
    const std::string_view replacement = in.substr(searchLen, replLen);
    const std::string_view source = in.substr(searchLen + replLen);

    if (pq::ReplaceTextA(search, replacement, source) !=
        referenceReplace(search, replacement, source))
        std::abort();
    const auto edges = static_cast<pq::WordEdges>((data[1] >> 6) % 3);
    if (pq::ReplaceWholeWord(search, replacement, source, edges) !=
        referenceWholeWord(search, replacement, source, edges))
        std::abort();
    // The tables' own search texts, which the random split rarely hits.
    for (const char* word : {"Type", "Any", "Byte()", "Structure", " Short", "Dim "}) {
        if (pq::ReplaceWholeWord(word, "X", source, edges) !=
            referenceWholeWord(word, "X", source, edges))
            std::abort();
    }
    return 0;
}
