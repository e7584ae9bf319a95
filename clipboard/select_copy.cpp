// Merging a new text into the staging text, block by block, without
// repeating a block that is already there.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "clipboard/clipboard.h"

namespace pq {
namespace {

constexpr char kLf = '\n';
constexpr std::string_view kBlockEnd = "\n\n";

std::size_t lineHash(std::string_view line) {
    return std::hash<std::string_view>{}(line);
}

// The lines of a growing text, indexed by content, so that asking whether a
// block stands in the text on line boundaries costs about the size of the
// block instead of a scan of the whole text. Only lines that end with a line
// feed are indexed (appending never changes them); the open last line is
// checked directly.
class LineIndex {
public:
    explicit LineIndex(const std::string& text) : text_(text) { catchUp(); }

    // Indexes the lines completed since the text last grew.
    void catchUp() {
        for (std::size_t lf = text_.find(kLf, openLine_); lf != std::string::npos;
             lf = text_.find(kLf, openLine_)) {
            starts_[lineHash(slice(openLine_, lf))].push_back(openLine_);
            openLine_ = lf + 1;
        }
    }

    // True when `block` occurs in the text beginning at its start or right
    // after a line feed, and ending at its end or right before a line feed.
    bool containsOnLineBoundaries(std::string_view block) const {
        // Anchor the search on the block's line with the fewest candidate
        // places in the text; verify each candidate byte for byte.
        const std::vector<std::size_t>* bestStarts = nullptr;
        std::size_t bestCount = 0;
        std::size_t bestOffset = 0;
        bool bestIsLast = false;
        bool first = true;
        for (std::size_t offset = 0;;) {
            const std::size_t lf = block.find(kLf, offset);
            const bool last = lf == std::string_view::npos;
            const std::string_view line = block.substr(offset, last ? block.npos : lf - offset);
            const auto it = starts_.find(lineHash(line));
            const std::vector<std::size_t>* found = it == starts_.end() ? nullptr : &it->second;
            // The last line of a block may also be the text's open last line.
            const std::size_t count = (found ? found->size() : 0) + (last ? 1 : 0);
            if (count == 0) {
                return false;
            }
            if (first || count < bestCount) {
                bestStarts = found;
                bestCount = count;
                bestOffset = offset;
                bestIsLast = last;
                first = false;
            }
            if (last) {
                break;
            }
            offset = lf + 1;
        }
        if (bestStarts) {
            for (const std::size_t lineStart : *bestStarts) {
                if (lineStart >= bestOffset && matchesAt(lineStart - bestOffset, block)) {
                    return true;
                }
            }
        }
        return bestIsLast && openLine_ >= bestOffset && matchesAt(openLine_ - bestOffset, block);
    }

private:
    std::string_view slice(std::size_t begin, std::size_t end) const {
        return std::string_view(text_).substr(begin, end - begin);
    }

    bool matchesAt(std::size_t start, std::string_view block) const {
        if (start > text_.size() || text_.size() - start < block.size()) {
            return false;
        }
        if (start != 0 && text_[start - 1] != kLf) {
            return false;
        }
        if (std::string_view(text_).substr(start, block.size()) != block) {
            return false;
        }
        const std::size_t end = start + block.size();
        return end == text_.size() || text_[end] == kLf;
    }

    const std::string& text_;
    std::unordered_map<std::size_t, std::vector<std::size_t>> starts_;
    std::size_t openLine_ = 0;  // start of the line not yet ended by a line feed
};

// Adds the line feeds that a non-empty text lacks to end with an empty line,
// so that an appended block never glues onto the text's last line.
void separate(std::string& staging) {
    if (staging.empty() || staging.ends_with(kBlockEnd)) {
        return;
    }
    staging.append(staging.back() == kLf ? 1 : 2, kLf);
}

}  // namespace

void SelectCopy(std::string& staging, std::string_view newText) {
    // Work on a copy: the caller's view may point into `staging` itself.
    const std::string text(newText);
    const std::string_view n(text);
    LineIndex index(staging);

    const auto take = [&](std::string_view block) {
        // Empty blocks (runs of three or more line feeds, a trailing pair)
        // would only add empty lines.
        if (block.empty() || index.containsOnLineBoundaries(block)) {
            return;
        }
        separate(staging);
        staging.append(block);
        staging.append(kBlockEnd);
        index.catchUp();
    };

    std::size_t blockStart = 0;
    for (std::size_t p = n.find(kBlockEnd); p != std::string_view::npos;
         p = n.find(kBlockEnd, p + 1)) {
        // In a run of line feeds every pair cuts, so p may lie before blockStart.
        take(p > blockStart ? n.substr(blockStart, p - blockStart) : std::string_view());
        blockStart = p + 2;
    }
    take(blockStart < n.size() ? n.substr(blockStart) : std::string_view());
}

}  // namespace pq
