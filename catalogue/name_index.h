#pragma once
// A name index: names in case-folded order (name_order.h), duplicates kept in
// the order they were added, and a current entry.

#include <string>
#include <string_view>
#include <vector>

namespace pq {

class NameIndex {
public:
    // Adds one name at its sorted place, after any equal names already there.
    void add(std::string name);
    // Adds many names at once (faster than one by one); same result as
    // adding them in sequence.
    void addAll(std::vector<std::string> names);
    void clear();

    int count() const { return static_cast<int>(names_.size()); }
    const std::string& entry(int k) const { return names_.at(static_cast<std::size_t>(k)); }
    const std::vector<std::string>& wholeList() const { return names_; }

    // Position of the first entry equal to name ignoring letter case, or -1.
    int find(std::string_view name) const;
    // First position whose entry is not before `name` in index order.
    int lowerBound(std::string_view name) const;

    // k = -1 leaves no current entry; any other k outside the list does too.
    void select(int k);
    int current() const { return current_; }
    // The name at the current entry, or empty.
    std::string currentText() const;

private:
    std::vector<std::string> names_;
    int current_ = -1;
};

}  // namespace pq
