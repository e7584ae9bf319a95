#pragma once
// The one order of names used by every index and every list the user sees.

#include <string_view>

namespace pq {

// ASCII case-folded byte order: A-Z fold to a-z, then bytes compare as
// unsigned values. So the blank sorts before digits, digits before the
// underscore, and the underscore before letters ("SW_SHOW" < "SW_SHOWNORMAL",
// "AB_C" < "ABC"). It does not depend on the locale, unlike the sorting of
// the Windows list controls, which therefore are filled presorted.
inline unsigned char foldAscii(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

// <0, 0 or >0 as a sorts before, with or after b.
inline int compareFolded(std::string_view a, std::string_view b) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = foldAscii(static_cast<unsigned char>(a[i]));
        const unsigned char y = foldAscii(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

inline bool equalsFolded(std::string_view a, std::string_view b) {
    return a.size() == b.size() && compareFolded(a, b) == 0;
}

struct FoldedLess {
    bool operator()(std::string_view a, std::string_view b) const {
        return compareFolded(a, b) < 0;
    }
};

}  // namespace pq
