// The catalogue lookup: manual generation (lookup and copy, no closures) of
// a fixed sample of names and typed prefixes, table-driven beside the
// step-by-step reference that scans the catalogue line by line.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "generator/declaration_generator.h"

namespace {

struct Query {
    int apiType;
    std::string text;
};

// Every 97th name of each index, and its first half as a typed prefix.
std::vector<Query> sampleQueries(const pq::NameIndexes& ix) {
    std::vector<Query> queries;
    const pq::NameIndex* indexes[] = {&ix.Constants, &ix.Functions, &ix.Types};
    for (int apiType = 0; apiType < 3; ++apiType) {
        const auto& names = indexes[apiType]->wholeList();
        for (std::size_t k = 0; k < names.size(); k += 97) {
            queries.push_back({apiType, names[k]});
            queries.push_back({apiType, names[k].substr(0, names[k].size() / 2)});
        }
    }
    return queries;
}

void lookups(benchmark::State& state, pq::GeneratorImpl impl) {
    static const pq::Catalogue catalogue = pq::loadBuiltinCatalogue();
    pq::NullDispatchUi ui;
    pq::DeclarationGenerator gen(catalogue, ui, impl);
    gen.LoadConstants();
    gen.LoadFunctions();
    gen.LoadTypes();
    pq::GeneratorState& s = gen.state();
    s.language = pq::language::kVb6;
    s.scope = pq::scope::kPublic;
    s.automat = false;
    const std::vector<Query> queries = sampleQueries(gen.indexes());
    for (auto _ : state) {
        for (const Query& q : queries) {
            s.apiType = q.apiType;
            s.selectedText = q.text;
            gen.ManualGen();
            benchmark::DoNotOptimize(s.buffer.data());
        }
    }
    state.counters["us_per_lookup"] = benchmark::Counter(
        static_cast<double>(queries.size()) * 1e-6,
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Lookup_Fast(benchmark::State& state) {
    lookups(state, pq::GeneratorImpl::Fast);
}
BENCHMARK(BM_Lookup_Fast)->Unit(benchmark::kMillisecond);
void BM_Lookup_Literal(benchmark::State& state) {
    lookups(state, pq::GeneratorImpl::Literal);
}
BENCHMARK(BM_Lookup_Literal)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
