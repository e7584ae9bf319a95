#include "generator/const_tree.h"

#include <algorithm>
#include <functional>

#include "catalogue/line_kinds.h"
#include "generator/const_references.h"
#include "generator/text_model.h"

namespace pq {

void ConstantPositions::build(const NameIndex& constants) {
    positions_.clear();
    maxLength_ = 0;
    for (int k = 0; k < constants.count(); ++k) {
        const std::string_view name = bareName(constants.entry(k));
        if (name.empty())
            continue;  // an empty name never occurs in a text
        positions_[std::string(name)].push_back(k);
        maxLength_ = std::max(maxLength_, name.size());
    }
}

const std::vector<int>* ConstantPositions::find(std::string_view bareName) const {
    const auto it = positions_.find(bareName);
    return it == positions_.end() ? nullptr : &it->second;
}

bool constTreePass(GeneratorState& state, DispatchUi& ui, const ConstTreeTables& tables,
                   std::string_view itemName) {
    ui.setStatus(" Looking for a constants...");
    bool result = true;

    // Index positions still to visit in this pass, smallest first. A position
    // at or before the one being visited is left to the next pass, which
    // scans the whole buffer again.
    std::vector<int> queue;
    int visiting = -1;
    auto enqueue = [&](std::string_view candidate) {
        const std::vector<int>* found = tables.positions.find(candidate);
        if (!found)
            return;
        for (const int k : *found) {
            if (k > visiting) {
                queue.push_back(k);
                std::push_heap(queue.begin(), queue.end(), std::greater<>{});
            }
        }
    };
    const std::size_t maxLength = tables.positions.maxLength();
    forEachReference(state.buffer, maxLength, enqueue);

    const std::string scopeText = scopeSelectorText(state.scope) + " ";
    std::string block;
    while (!queue.empty()) {
        std::pop_heap(queue.begin(), queue.end(), std::greater<>{});
        const int k = queue.back();
        queue.pop_back();
        if (k <= visiting)
            continue;  // queued more than once
        visiting = k;
        const std::string_view name = bareName(tables.constants.entry(k));
        if (isRegistered(state.DoneConstNames, name) || name == itemName)
            continue;
        result = false;
        const std::vector<std::size_t>& lines = tables.catalogue.constLines(name);
        for (const std::size_t n : lines) {
            block = scopeText;
            block += tables.lines.lineText(n);
            block += "\n\n";
            state.buffer.insert(0, block);
            registerName(state.DoneConstNames, name);
            // The added block stands at the top and ends in a line feed, so
            // its references are exactly the new ones of the buffer.
            forEachReference(block, maxLength, enqueue);
        }
        if (lines.empty())
            registerName(state.DoneConstNames, name);
    }
    return result;
}

}  // namespace pq
