#pragma once
// One pass of the constant closure without walking the whole Constants index:
// the buffer's references are looked up by name and visited in index order,
// with the references of lines added during the pass queued as they come,
// so the lines added, their order and the number of passes are those of a
// walk over every index position.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalogue/name_index.h"
#include "generator/catalogue_lookup.h"
#include "generator/dispatch_ui.h"
#include "generator/generator_state.h"

namespace pq {

// The positions of the Constants index by bare name (its text before the
// first blank), each list ascending.
class ConstantPositions {
public:
    void build(const NameIndex& constants);

    const std::vector<int>* find(std::string_view bareName) const;
    // The longest bare name: references after " * " are no longer than this.
    std::size_t maxLength() const { return maxLength_; }

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const {
            return std::hash<std::string_view>{}(s);
        }
    };
    std::unordered_map<std::string, std::vector<int>, Hash, std::equal_to<>> positions_;
    std::size_t maxLength_ = 0;
};

struct ConstTreeTables {
    const NameIndex& constants;
    const ConstantPositions& positions;
    const CatalogueLookup& catalogue;
    const Catalogue& lines;
};

// One pass: true when it added nothing. `itemName` is the name of the item
// whose line the lookup found; it is never added again.
bool constTreePass(GeneratorState& state, DispatchUi& ui, const ConstTreeTables& tables,
                   std::string_view itemName);

}  // namespace pq
