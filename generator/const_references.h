#pragma once
// The texts that a declaration refers to as constants. A name N counts as
// referenced when the text holds "(N)", " * N", "(N ", " N ", " N)", or a blank
// and N at the end of a line or of the text. Constant names hold no blank and
// no line feed, so every such N is found from its left delimiter on:
// after "(" or a blank, the text up to a ")", a blank, a line feed or the end;
// after " * ", any prefix of the following run of non-blank characters.

#include <cstddef>
#include <string_view>

namespace pq {

// Calls fn(candidate) for every text that stands in one of the reference
// patterns; a candidate may be reported more than once. Prefixes after
// " * " are reported up to `maxLength` characters.
template <class Fn>
void forEachReference(std::string_view text, std::size_t maxLength, Fn&& fn) {
    const std::size_t size = text.size();
    for (std::size_t i = 1; i < size; ++i) {
        const char left = text[i - 1];
        if (left != '(' && left != ' ')
            continue;
        std::size_t j = i;
        while (j < size && text[j] != ' ' && text[j] != '\n') {
            if (text[j] == ')' && j > i)
                fn(text.substr(i, j - i));
            ++j;
        }
        if (j == i)
            continue;
        // A blank closes any name; a line feed or the end only after a blank.
        if ((j < size && text[j] == ' ') || left == ' ')
            fn(text.substr(i, j - i));
    }
    constexpr std::string_view kTimes = " * ";
    for (std::size_t p = text.find(kTimes); p != std::string_view::npos;
         p = text.find(kTimes, p + 1)) {
        const std::size_t start = p + kTimes.size();
        for (std::size_t j = start; j < size && j - start < maxLength; ++j) {
            if (text[j] == ' ' || text[j] == '\n')
                break;
            fn(text.substr(start, j + 1 - start));
        }
    }
}

}  // namespace pq
