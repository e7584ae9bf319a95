// Runs a fuzz target without libFuzzer: a fixed number of pseudo-random
// inputs from a fixed seed (repeatable), biased towards the bytes the text
// transforms care about. Exit status 0 means no check failed or crashed.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    const long runs = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 20000;
    static const char alphabet[] =
        "\n\n\n  ()~*,\"'_ATypeAnyByte()StructureDimPublicPrivateConstDeclareEndAsLongInteger"
        "ShortStringCharcChar1209xyz=&H\r\t\x01\xff";
    std::mt19937 rng(12345);
    for (long run = 0; run < runs; ++run) {
        const std::size_t len = rng() % (run % 100 == 0 ? 4000 : 200);
        std::string input;
        input.reserve(len);
        for (std::size_t i = 0; i < len; ++i) {
            const auto r = rng();
            input += (r % 8 == 0) ? static_cast<char>(r >> 8)
                                  : alphabet[(r >> 8) % (sizeof(alphabet) - 1)];
        }
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
    }
    std::printf("%ld inputs, no failure\n", runs);
    return 0;
}
