#include "catalogue/indexes.h"

#include "catalogue/line_kinds.h"

namespace pq {
namespace {

void load(const Catalogue& catalogue, NameIndex& index, LineKind kind) {
    std::vector<std::string> names;
    for (const std::string& line : catalogue.lines()) {
        if (auto name = lineName(kind, line))
            names.emplace_back(*name);
    }
    index.addAll(std::move(names));
}

}  // namespace

void LoadConstants(const Catalogue& catalogue, NameIndex& constants) {
    load(catalogue, constants, LineKind::Constant);
}

void LoadFunctions(const Catalogue& catalogue, NameIndex& functions) {
    load(catalogue, functions, LineKind::Declare);
}

void LoadTypes(const Catalogue& catalogue, NameIndex& types) {
    load(catalogue, types, LineKind::TypeHeader);
}

void LoadAll(const Catalogue& catalogue, NameIndexes& indexes) {
    LoadConstants(catalogue, indexes.Constants);
    LoadFunctions(catalogue, indexes.Functions);
    LoadTypes(catalogue, indexes.Types);
}

}  // namespace pq
