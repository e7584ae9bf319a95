#pragma once
// The three name indexes and the loaders that build them from the catalogue.

#include "catalogue/catalogue.h"
#include "catalogue/name_index.h"

namespace pq {

struct NameIndexes {
    NameIndex Constants;
    NameIndex Functions;
    NameIndex Types;
};

// Each reads the whole catalogue in line order and adds the names of its kind.
void LoadConstants(const Catalogue& catalogue, NameIndex& constants);
void LoadFunctions(const Catalogue& catalogue, NameIndex& functions);
void LoadTypes(const Catalogue& catalogue, NameIndex& types);

// All three, in that order.
void LoadAll(const Catalogue& catalogue, NameIndexes& indexes);

}  // namespace pq
