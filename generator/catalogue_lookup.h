#pragma once
// Tables over the catalogue that stand in for the line-by-line searches of
// generation. Each gives the line that a scan from line 0 would take first.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/line_kinds.h"

namespace pq {

class CatalogueLookup {
public:
    // The catalogue must outlive the tables: they keep views of its lines.
    explicit CatalogueLookup(const Catalogue& catalogue);

    // The first line of `kind` whose name equals `text`, else the first whose
    // name begins with it (an empty text: the first line of the kind).
    std::optional<std::size_t> findItem(LineKind kind, std::string_view text) const;

    // The first line of `kind` whose name equals `name`. For type headers
    // that is the first line whose whole text is "Type " and the name.
    std::optional<std::size_t> firstLineNamed(LineKind kind, std::string_view name) const;

    // The lines that contain "Const ", `name` and a blank, in catalogue order.
    // `name` is a constant's bare name: not empty, without blanks.
    const std::vector<std::size_t>& constLines(std::string_view name) const;

private:
    // The names of one kind: first line per name, and the names sorted
    // bytewise with a range-minimum table over their lines, so that the
    // earliest line among all names with a given prefix is found in O(log n).
    struct KindTable {
        std::unordered_map<std::string_view, std::size_t> firstLine;
        std::vector<std::string_view> sortedNames;
        // minLine[j][i]: the smallest line of sortedNames[i, i + 2^j).
        std::vector<std::vector<std::uint32_t>> minLine;

        void build(std::vector<std::pair<std::string_view, std::size_t>> named);
        std::optional<std::size_t> firstWithPrefix(std::string_view prefix) const;
    };

    const KindTable& table(LineKind kind) const;

    KindTable constants_;
    KindTable declares_;
    KindTable types_;
    std::unordered_map<std::string_view, std::vector<std::size_t>> constLines_;
};

}  // namespace pq
