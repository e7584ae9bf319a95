#include "generator/catalogue_lookup.h"

#include <algorithm>

namespace pq {
namespace {

constexpr std::string_view kConst = "Const ";

// Every name N for which the line contains "Const ", N and a blank with N
// free of blanks: the run of non-blank characters after each "Const ".
template <class Fn>
void forEachConstKey(std::string_view line, Fn fn) {
    std::size_t from = 0;
    while (true) {
        const std::size_t p = line.find(kConst, from);
        if (p == std::string_view::npos)
            return;
        const std::size_t start = p + kConst.size();
        const std::size_t blank = line.find(' ', start);
        if (blank == std::string_view::npos)
            return;
        if (blank > start)
            fn(line.substr(start, blank - start));
        from = p + 1;
    }
}

}  // namespace

CatalogueLookup::CatalogueLookup(const Catalogue& catalogue) {
    std::vector<std::pair<std::string_view, std::size_t>> constants;
    std::vector<std::pair<std::string_view, std::size_t>> declares;
    std::vector<std::pair<std::string_view, std::size_t>> types;
    const std::size_t count = catalogue.lineCount();
    for (std::size_t n = 0; n < count; ++n) {
        const std::string_view line = catalogue.lineText(n);
        if (auto name = constantName(line))
            constants.emplace_back(*name, n);
        if (auto name = declareName(line))
            declares.emplace_back(*name, n);
        if (auto name = typeName(line))
            types.emplace_back(*name, n);
        forEachConstKey(line, [&](std::string_view key) {
            std::vector<std::size_t>& lines = constLines_[key];
            if (lines.empty() || lines.back() != n)
                lines.push_back(n);
        });
    }
    constants_.build(std::move(constants));
    declares_.build(std::move(declares));
    types_.build(std::move(types));
}

void CatalogueLookup::KindTable::build(
    std::vector<std::pair<std::string_view, std::size_t>> named) {
    for (const auto& [name, line] : named)
        firstLine.emplace(name, line);  // keeps the first line of each name
    std::stable_sort(named.begin(), named.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    sortedNames.reserve(named.size());
    std::vector<std::uint32_t> level;
    level.reserve(named.size());
    for (const auto& [name, line] : named) {
        sortedNames.push_back(name);
        level.push_back(static_cast<std::uint32_t>(line));
    }
    minLine.push_back(std::move(level));
    for (std::size_t width = 1; 2 * width <= sortedNames.size(); width *= 2) {
        const std::vector<std::uint32_t>& prev = minLine.back();
        std::vector<std::uint32_t> next(prev.size() - width);
        for (std::size_t i = 0; i < next.size(); ++i)
            next[i] = std::min(prev[i], prev[i + width]);
        minLine.push_back(std::move(next));
    }
}

std::optional<std::size_t> CatalogueLookup::KindTable::firstWithPrefix(
    std::string_view prefix) const {
    // Names that begin with the prefix form one run in bytewise order.
    const auto lo = std::lower_bound(sortedNames.begin(), sortedNames.end(), prefix);
    const auto hi = std::partition_point(lo, sortedNames.end(), [&](std::string_view name) {
        return name.substr(0, prefix.size()) == prefix;
    });
    if (lo == hi)
        return std::nullopt;
    const auto first = static_cast<std::size_t>(lo - sortedNames.begin());
    const auto length = static_cast<std::size_t>(hi - lo);
    std::size_t j = 0;
    while ((std::size_t{2} << j) <= length)
        ++j;
    const std::size_t width = std::size_t{1} << j;
    return std::min(minLine[j][first], minLine[j][first + length - width]);
}

const CatalogueLookup::KindTable& CatalogueLookup::table(LineKind kind) const {
    switch (kind) {
        case LineKind::Constant:
            return constants_;
        case LineKind::Declare:
            return declares_;
        case LineKind::TypeHeader:
            break;
    }
    return types_;
}

std::optional<std::size_t> CatalogueLookup::firstLineNamed(LineKind kind,
                                                           std::string_view name) const {
    const KindTable& t = table(kind);
    const auto it = t.firstLine.find(name);
    if (it == t.firstLine.end())
        return std::nullopt;
    return it->second;
}

std::optional<std::size_t> CatalogueLookup::findItem(LineKind kind, std::string_view text) const {
    if (auto exact = firstLineNamed(kind, text))
        return exact;
    return table(kind).firstWithPrefix(text);
}

const std::vector<std::size_t>& CatalogueLookup::constLines(std::string_view name) const {
    static const std::vector<std::size_t> kNone;
    const auto it = constLines_.find(name);
    return it == constLines_.end() ? kNone : it->second;
}

}  // namespace pq
