// Generation speed on the built-in catalogue (or the file named by
// PQ_BENCH_CATALOGUE): automat generation per item, typing a name one
// keystroke at a time, and every item of the three indexes; the table-driven
// implementation beside the step-by-step reference.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "generator/declaration_generator.h"

namespace {

using pq::DeclarationGenerator;
using pq::GeneratorImpl;

const pq::Catalogue& benchCatalogue() {
    static const pq::Catalogue c = [] {
        if (const char* path = std::getenv("PQ_BENCH_CATALOGUE"))
            return pq::Catalogue::fromFile(path);
        return pq::loadBuiltinCatalogue();
    }();
    return c;
}

struct Item {
    int apiType;
    std::string name;
};

class Bench {
public:
    explicit Bench(GeneratorImpl impl) : gen(benchCatalogue(), ui, impl) {
        gen.LoadConstants();
        gen.LoadFunctions();
        gen.LoadTypes();
        pq::GeneratorState& s = gen.state();
        s.language = pq::language::kVb6;
        s.scope = pq::scope::kPrivate;
        s.automat = true;
        generate({pq::api_type::kDeclares, ""});  // warm up before anything is timed
    }

    // Seconds for one automat generation of the item.
    double generate(const Item& item) {
        pq::GeneratorState& s = gen.state();
        s.apiType = item.apiType;
        s.selectedText = item.name;
        const auto start = std::chrono::steady_clock::now();
        gen.ComboBox1Change();
        const auto end = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(s.buffer.data());
        return std::chrono::duration<double>(end - start).count();
    }

    pq::NullDispatchUi ui;
    DeclarationGenerator gen;
};

Bench& fastBench() {
    static Bench b(GeneratorImpl::Fast);
    return b;
}
Bench& literalBench() {
    static Bench b(GeneratorImpl::Literal);
    return b;
}

// Every item of the three indexes, each under its own API type.
std::vector<Item> allItems() {
    const pq::NameIndexes& ix = fastBench().gen.indexes();
    std::vector<Item> items;
    const pq::NameIndex* indexes[] = {&ix.Constants, &ix.Functions, &ix.Types};
    for (int apiType = 0; apiType < 3; ++apiType) {
        for (const std::string& name : indexes[apiType]->wholeList())
            items.push_back({apiType, name});
    }
    return items;
}

// A fixed sample: `perIndex` names spread evenly over each index.
std::vector<Item> sampleItems(int perIndex) {
    const pq::NameIndexes& ix = fastBench().gen.indexes();
    std::vector<Item> items;
    const pq::NameIndex* indexes[] = {&ix.Constants, &ix.Functions, &ix.Types};
    for (int apiType = 0; apiType < 3; ++apiType) {
        const int count = indexes[apiType]->count();
        const int stride = std::max(1, count / perIndex);
        for (int k = 0; k < count; k += stride)
            items.push_back({apiType, indexes[apiType]->entry(k)});
    }
    return items;
}

double median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Timings {
    std::vector<double> seconds;
    std::size_t slowest = 0;
};

Timings timeItems(Bench& b, const std::vector<Item>& items) {
    Timings t;
    for (std::size_t i = 0; i < items.size(); ++i) {
        t.seconds.push_back(b.generate(items[i]));
        if (t.seconds[i] > t.seconds[t.slowest])
            t.slowest = i;
    }
    return t;
}

void report(benchmark::State& state, const std::vector<Item>& items, const Timings& t) {
    state.counters["items"] = static_cast<double>(items.size());
    state.counters["median_us"] = median(t.seconds) * 1e6;
    if (!items.empty()) {
        state.counters["max_us"] = t.seconds[t.slowest] * 1e6;
        state.SetLabel("slowest: " + items[t.slowest].name);
    }
}

constexpr int kSamplePerIndex = 100;

void BM_AutomatItem_Fast(benchmark::State& state) {
    const std::vector<Item> items = sampleItems(kSamplePerIndex);
    Timings t;
    for (auto _ : state)
        t = timeItems(fastBench(), items);
    report(state, items, t);
}
BENCHMARK(BM_AutomatItem_Fast)->Iterations(5)->Unit(benchmark::kMillisecond);

// The same sample through the reference; "ratio" is its median over the
// table-driven median.
void BM_AutomatItem_Literal(benchmark::State& state) {
    const std::vector<Item> items = sampleItems(kSamplePerIndex);
    Timings t;
    for (auto _ : state)
        t = timeItems(literalBench(), items);
    report(state, items, t);
    const Timings fast = timeItems(fastBench(), items);
    state.counters["ratio"] = median(t.seconds) / median(fast.seconds);
}
BENCHMARK(BM_AutomatItem_Literal)->Iterations(1)->Unit(benchmark::kMillisecond);

// A 20-character name typed one keystroke at a time, each keystroke
// regenerating in automat mode: the first 20 characters of the procedure
// name (of at least 20) whose automat declaration is the longest.
Item keystrokeName() {
    Bench& b = fastBench();
    Item best{pq::api_type::kDeclares, ""};
    std::size_t longest = 0;
    for (const std::string& name : b.gen.indexes().Functions.wholeList()) {
        if (name.size() < 20)
            continue;
        b.generate({pq::api_type::kDeclares, name});
        if (b.gen.state().buffer.size() > longest) {
            longest = b.gen.state().buffer.size();
            best.name = name.substr(0, 20);
        }
    }
    return best;
}

void keystrokes(benchmark::State& state, Bench& b) {
    const Item target = keystrokeName();
    std::vector<double> perKey;
    for (auto _ : state) {
        for (std::size_t n = 1; n <= target.name.size(); ++n)
            perKey.push_back(b.generate({target.apiType, target.name.substr(0, n)}));
    }
    state.counters["median_us_per_key"] = median(perKey) * 1e6;
    state.counters["max_us_per_key"] = *std::max_element(perKey.begin(), perKey.end()) * 1e6;
    state.SetLabel(target.name);
}
void BM_Keystrokes_Fast(benchmark::State& state) {
    keystrokes(state, fastBench());
}
BENCHMARK(BM_Keystrokes_Fast)->Iterations(20)->Unit(benchmark::kMicrosecond);
void BM_Keystrokes_Literal(benchmark::State& state) {
    keystrokes(state, literalBench());
}
BENCHMARK(BM_Keystrokes_Literal)->Iterations(1)->Unit(benchmark::kMillisecond);

// Every item of all three indexes in automat mode; "max_us" is the slowest.
void BM_AllItemsAutomat_Fast(benchmark::State& state) {
    const std::vector<Item> items = allItems();
    Timings t;
    for (auto _ : state)
        t = timeItems(fastBench(), items);
    report(state, items, t);
}
BENCHMARK(BM_AllItemsAutomat_Fast)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
