// Add of a large new text into a large clipboard text.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>

#include "clipboard/clipboard.h"

namespace {

// Declarations shaped like generated ones, separated by empty lines, about
// `bytes` long; `salt` keeps two texts from sharing blocks.
std::string declarations(std::size_t bytes, const std::string& salt) {
    std::string text;
    for (int i = 0; text.size() < bytes; ++i) {
        const std::string id = salt + std::to_string(i);
        switch (i % 3) {
            case 0:
                text += "Public Const WM_" + id + " = &H" + std::to_string(i) + "\n\n";
                break;
            case 1:
                text += "Public Declare Function Func" + id + " Lib \"user32\" Alias \"Func" + id +
                        "A\" (ByVal hWnd As Long, lpRect As RECT) As Long\n\n";
                break;
            default:
                text += "Public Type STRUCT_" + id +
                        "\n    cbSize As Long\n    rc As RECT\n    szName As String * 32\nEnd "
                        "Type\n\n";
                break;
        }
    }
    return text;
}

// 1 MB of new declarations, half of them already on a 10 MB clipboard text.
void BM_SelectCopy1MbInto10Mb(benchmark::State& state) {
    const std::string staging = declarations(10u << 20, "s");
    const std::string newText =
        declarations(512u << 10, "n") + staging.substr(staging.size() / 2, 512u << 10);
    for (auto _ : state) {
        state.PauseTiming();
        std::string merged = staging;
        state.ResumeTiming();
        pq::SelectCopy(merged, newText);
        benchmark::DoNotOptimize(merged.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(staging.size() + newText.size()));
}
BENCHMARK(BM_SelectCopy1MbInto10Mb)->Unit(benchmark::kMillisecond);

// Many one-line blocks that are all present: every one is a successful lookup.
void BM_SelectCopyAllPresent(benchmark::State& state) {
    const std::string staging = declarations(10u << 20, "s");
    const std::string newText = staging.substr(0, 1u << 20);
    for (auto _ : state) {
        state.PauseTiming();
        std::string merged = staging;
        state.ResumeTiming();
        pq::SelectCopy(merged, newText);
        benchmark::DoNotOptimize(merged.data());
    }
}
BENCHMARK(BM_SelectCopyAllPresent)->Unit(benchmark::kMillisecond);

// The everyday case: one declaration onto a small collection.
void BM_SelectCopySmall(benchmark::State& state) {
    const std::string staging = declarations(4u << 10, "s");
    const std::string newText = declarations(300, "n");
    for (auto _ : state) {
        std::string merged = staging;
        pq::SelectCopy(merged, newText);
        benchmark::DoNotOptimize(merged.data());
    }
}
BENCHMARK(BM_SelectCopySmall)->Unit(benchmark::kMicrosecond);

}  // namespace
