#pragma once
// Small helpers shared by the unit tests.

#include <string>

#include "catalogue/catalogue.h"
#include "catalogue/indexes.h"

namespace pq::test {

inline std::string fixturePath(const std::string& name) {
    return std::string(PQ_FIXTURE_DIR) + "/" + name;
}

// The fixture catalogue every generator and rendering test works on.
inline const Catalogue& miniCatalogue() {
    static const Catalogue c = Catalogue::fromFile(fixturePath("mini_catalogue.txt"));
    return c;
}

inline NameIndexes indexesOf(const Catalogue& c) {
    NameIndexes ix;
    LoadAll(c, ix);
    return ix;
}

}  // namespace pq::test
