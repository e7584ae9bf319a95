// Loading the catalogue and building the three name indexes.
#include <benchmark/benchmark.h>

#include <string>

#include "catalogue/catalogue.h"
#include "catalogue/indexes.h"

namespace {

// A catalogue of about `lines` lines shaped like the real one.
std::string syntheticCatalogue(int lines) {
    std::string text;
    int n = 0;
    for (int i = 0; n < lines; ++i) {
        const std::string id = std::to_string(i * 7919 % 100003);
        if (i % 10 < 6) {
            text += "Const NAME_" + id + "_VALUE = &H" + id + "&\n";
            ++n;
        } else if (i % 10 < 9) {
            text += "Declare Function Func" + id + " Lib \"kernel32\" Alias \"Func" + id +
                    "A\" (ByVal hWnd As Long, ByVal lpText As String, lpRect As RECT) As Long\n";
            ++n;
        } else {
            text += "Type STRUCT_" + id +
                    "\n  cbSize As Long\n  rc As RECT\n  szName As String * 32\nEnd Type\n";
            n += 5;
        }
    }
    return text;
}

void BM_LoadCatalogueAndIndexes(benchmark::State& state) {
    const std::string text = syntheticCatalogue(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        pq::Catalogue c = pq::Catalogue::fromText(text, "bench");
        pq::NameIndexes ix;
        pq::LoadAll(c, ix);
        benchmark::DoNotOptimize(ix.Constants.count());
    }
}
BENCHMARK(BM_LoadCatalogueAndIndexes)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_LoadBuiltinCatalogueAndIndexes(benchmark::State& state) {
    for (auto _ : state) {
        pq::Catalogue c = pq::loadBuiltinCatalogue();
        pq::NameIndexes ix;
        pq::LoadAll(c, ix);
        benchmark::DoNotOptimize(ix.Constants.count());
    }
}
BENCHMARK(BM_LoadBuiltinCatalogueAndIndexes)->Unit(benchmark::kMillisecond);

}  // namespace
