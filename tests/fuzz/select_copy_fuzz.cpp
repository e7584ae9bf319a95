// SelectCopy never crashes, keeps the staging text as the start of the
// result, leaves every non-empty block of the new text in the result on line
// boundaries, agrees with a plain scanning merge, and merging the same text a
// second time changes nothing.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "clipboard/clipboard.h"

namespace {

// Whether `block` stands in `text` on line boundaries, by scanning every
// occurrence: slow but plainly right.
bool presentOnLines(std::string_view text, std::string_view block) {
    for (std::size_t at = text.find(block); at != std::string_view::npos;
         at = text.find(block, at + 1)) {
        const std::size_t end = at + block.size();
        if ((at == 0 || text[at - 1] == '\n') && (end == text.size() || text[end] == '\n')) {
            return true;
        }
    }
    return false;
}

std::vector<std::string_view> blocksOf(std::string_view text) {
    std::vector<std::string_view> blocks;
    std::size_t start = 0;
    for (std::size_t p = text.find("\n\n"); p != std::string_view::npos;
         p = text.find("\n\n", p + 1)) {
        blocks.push_back(p > start ? text.substr(start, p - start) : std::string_view());
        start = p + 2;
    }
    blocks.push_back(start < text.size() ? text.substr(start) : std::string_view());
    return blocks;
}

std::string referenceMerge(std::string staging, std::string_view newText) {
    bool separated = false;
    for (const std::string_view block : blocksOf(newText)) {
        if (block.empty() || presentOnLines(staging, block)) {
            continue;
        }
        if (!separated && !staging.empty() && !staging.ends_with("\n\n")) {
            staging.append(staging.back() == '\n' ? 1 : 2, '\n');
        }
        separated = true;
        staging.append(block);
        staging.append("\n\n");
    }
    return staging;
}

void check(bool ok) {
    if (!ok) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    if (size < 3) {
        return 0;
    }
    // The first byte chooses where the staging text ends and the new text
    // begins; the next two pick a piece of the staging text that the new text
    // starts with, so that whole and partial repeats are common.
    // Odd first bytes fold the text onto three letters and the line feed:
    // short lines that repeat, where a wrong match shows quickly.
    std::string folded(input.substr(3));
    if (input[0] & 1) {
        for (char& ch : folded) {
            ch = "ab\nc"[static_cast<std::uint8_t>(ch) % 4];
        }
    }
    const std::string_view rest = folded;
    const auto scaled = [](std::uint8_t b, std::size_t n) { return b * n / 255; };
    const std::size_t split = scaled(static_cast<std::uint8_t>(input[0]), rest.size());
    const std::string staging(rest.substr(0, split));
    const std::size_t from = scaled(static_cast<std::uint8_t>(input[1]), staging.size());
    const std::size_t length = scaled(static_cast<std::uint8_t>(input[2]), staging.size() - from);
    const std::string newText = staging.substr(from, length) + std::string(rest.substr(split));

    std::string merged = staging;
    pq::SelectCopy(merged, newText);
    check(merged.starts_with(staging));
    for (const std::string_view block : blocksOf(newText)) {
        check(block.empty() || presentOnLines(merged, block));
    }
    check(merged == referenceMerge(staging, newText));

    std::string again = merged;
    pq::SelectCopy(again, newText);
    check(again == merged);
    return 0;
}
