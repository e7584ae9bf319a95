// The language rendering on the largest declaration Automat writes from the
// built-in catalogue: VB 6 -> VB .NET, and the switch back with its restore.
#include <benchmark/benchmark.h>

#include <string>

#include "catalogue/catalogue.h"
#include "generator/declaration_generator.h"
#include "generator/dispatch_ui.h"
#include "rendering/rendering.h"

namespace {

struct LargestOutput {
    std::string name;
    int apiType = -1;
    std::string vb6;
};

// Generates every item of every API type in automat mode (VB 6, so without
// rendering) and keeps the longest text. Done once per run.
const LargestOutput& largestAutomatOutput() {
    static const LargestOutput largest = [] {
        static const pq::Catalogue catalogue = pq::loadBuiltinCatalogue();
        pq::NullDispatchUi ui;
        pq::DeclarationGenerator gen(catalogue, ui);
        gen.LoadConstants();
        gen.LoadFunctions();
        gen.LoadTypes();
        auto& st = gen.state();
        st.SavedItemName = "-1";
        st.language = pq::language::kVb6;
        st.scope = pq::scope::kPublic;
        st.automat = true;
        LargestOutput best;
        const pq::NameIndex* lists[] = {&gen.indexes().Constants, &gen.indexes().Functions,
                                        &gen.indexes().Types};
        for (int type = 0; type < 3; ++type) {
            st.apiType = type;
            for (const std::string& name : lists[type]->wholeList()) {
                st.selectedText = name;
                gen.ComboBox1Change();
                if (st.buffer.size() > best.vb6.size())
                    best = {name, type, st.buffer};
            }
        }
        return best;
    }();
    return largest;
}

void BM_RenderLargestAutomatOutputForVbNet(benchmark::State& state) {
    const LargestOutput& largest = largestAutomatOutput();
    if (largest.vb6.empty()) {
        state.SkipWithError("generation wrote nothing");
        return;
    }
    pq::NullDispatchUi ui;
    pq::GeneratorState st;
    st.language = pq::language::kVbNet;
    st.selectedText = largest.name;
    for (auto _ : state) {
        st.buffer = largest.vb6;
        pq::ComboBox2Change(st, ui);
        benchmark::DoNotOptimize(st.buffer.data());
    }
    state.SetLabel(largest.name + ", " + std::to_string(largest.vb6.size()) + " bytes");
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(largest.vb6.size()));
}
BENCHMARK(BM_RenderLargestAutomatOutputForVbNet)->Unit(benchmark::kMicrosecond);

void BM_SwitchLargestAutomatOutputBackToVb6(benchmark::State& state) {
    const LargestOutput& largest = largestAutomatOutput();
    if (largest.vb6.empty()) {
        state.SkipWithError("generation wrote nothing");
        return;
    }
    pq::NullDispatchUi ui;
    pq::GeneratorState st;
    st.selectedText = largest.name;
    st.SavedItemName = "-1";
    st.language = pq::language::kVbNet;
    st.buffer = largest.vb6;
    pq::ComboBox2Change(st, ui);
    const pq::GeneratorState rendered = st;
    for (auto _ : state) {
        st = rendered;
        st.language = pq::language::kVb6;
        pq::ComboBox2Change(st, ui);  // VB 6 table, restore, VB 6 table again
        benchmark::DoNotOptimize(st.buffer.data());
    }
    state.SetLabel(largest.name);
}
BENCHMARK(BM_SwitchLargestAutomatOutputBackToVb6)->Unit(benchmark::kMicrosecond);

void BM_ScopeSwitchLargestAutomatOutput(benchmark::State& state) {
    const LargestOutput& largest = largestAutomatOutput();
    pq::NullDispatchUi ui;
    pq::GeneratorState st;
    st.language = pq::language::kVb6;
    st.buffer = largest.vb6;
    int n = 0;
    for (auto _ : state) {
        st.scope = n++ % 2;
        pq::ComboBox3Change(st, ui);
        benchmark::DoNotOptimize(st.buffer.data());
    }
}
BENCHMARK(BM_ScopeSwitchLargestAutomatOutput)->Unit(benchmark::kMicrosecond);

}  // namespace
