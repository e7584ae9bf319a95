#include "catalogue/name_index.h"

#include <algorithm>

#include "catalogue/name_order.h"

namespace pq {

void NameIndex::add(std::string name) {
    auto at = std::upper_bound(names_.begin(), names_.end(), name, FoldedLess{});
    names_.insert(at, std::move(name));
}

void NameIndex::addAll(std::vector<std::string> names) {
    // A stable sort keeps equal names in the order given, which is what adding
    // them one by one after the existing ones gives.
    std::stable_sort(names.begin(), names.end(), FoldedLess{});
    if (names_.empty()) {
        names_ = std::move(names);
        return;
    }
    const auto middle = static_cast<std::ptrdiff_t>(names_.size());
    names_.insert(names_.end(), std::make_move_iterator(names.begin()),
                  std::make_move_iterator(names.end()));
    std::inplace_merge(names_.begin(), names_.begin() + middle, names_.end(), FoldedLess{});
}

void NameIndex::clear() {
    names_.clear();
    current_ = -1;
}

int NameIndex::lowerBound(std::string_view name) const {
    auto at = std::lower_bound(names_.begin(), names_.end(), name, FoldedLess{});
    return static_cast<int>(at - names_.begin());
}

int NameIndex::find(std::string_view name) const {
    const int k = lowerBound(name);
    if (k < count() && equalsFolded(names_[static_cast<std::size_t>(k)], name))
        return k;
    return -1;
}

void NameIndex::select(int k) {
    current_ = (k >= 0 && k < count()) ? k : -1;
}

std::string NameIndex::currentText() const {
    return current_ >= 0 ? names_[static_cast<std::size_t>(current_)] : std::string();
}

}  // namespace pq
