#pragma once
// How many passes each closure of the last automat generation took, the
// final pass that found nothing new included.

namespace pq {

struct PassCounts {
    int typePasses = 0;   // GenUserTypes
    int constPasses = 0;  // ConstTree

    bool operator==(const PassCounts&) const = default;
};

}  // namespace pq
