#pragma once
// The reference implementation of generation, step by step as the generation
// is described: every lookup scans the catalogue from line 0, every constant
// closure pass walks the whole Constants index and searches the buffer for
// each name, every type block is found by visiting the catalogue. It is slow
// and kept for the differential tests and the benchmarks; the program uses the
// table-driven implementation of DeclarationGenerator, which must agree with
// it byte for byte.

#include <cstddef>
#include <optional>
#include <string>

#include "catalogue/catalogue.h"
#include "catalogue/indexes.h"
#include "generator/dispatch_ui.h"
#include "generator/generator_state.h"
#include "generator/pass_counts.h"

namespace pq::literal {

struct Context {
    const Catalogue& catalogue;
    NameIndexes& indexes;
    GeneratorState& state;
    DispatchUi& ui;
    // The name of the item whose line the last lookup found (for a constant
    // line its bare name); the constant closure never adds that item again.
    std::string& itemName;
    PassCounts& passes;
};

// The line of the selected text: the first line of the API type's kind whose
// name equals it, else the first whose name begins with it, else none.
std::optional<std::size_t> CatalogueLookup(Context& c);

// Both return whether the lookup found a line; without one the buffer is
// left as it was.
bool ManualGen(Context& c);
bool AutoGen(Context& c);

void GenTypes(Context& c, std::size_t n);
bool GenUserTypes(Context& c);
bool IfStandardType(Context& c, const std::string& name);
void SingleGen(Context& c);
bool ConstTree(Context& c);

}  // namespace pq::literal
