#pragma once
// Text tests used by generation: byte-for-byte, case-sensitive, and an empty
// text never occurs in another.

#include <string>
#include <string_view>

namespace pq {

inline bool containsText(std::string_view text, std::string_view part) {
    return !part.empty() && text.find(part) != std::string_view::npos;
}

inline bool endsWithText(std::string_view text, std::string_view part) {
    return text.size() >= part.size() && text.substr(text.size() - part.size()) == part;
}

// A registry of handled names is a text of names, each followed by a line
// feed. A name is in it only as a whole entry: a line feed, the name and a
// line feed occur in a line feed followed by the registry.
inline bool isRegistered(std::string_view registry, std::string_view name) {
    std::size_t from = 0;
    while (true) {
        const std::size_t p = registry.find(name, from);
        if (p == std::string_view::npos)
            return false;
        const bool startsEntry = p == 0 || registry[p - 1] == '\n';
        const std::size_t end = p + name.size();
        if (startsEntry && end < registry.size() && registry[end] == '\n')
            return true;
        from = p + 1;
    }
}

inline void registerName(std::string& registry, std::string_view name) {
    registry.append(name);
    registry.push_back('\n');
}

}  // namespace pq
