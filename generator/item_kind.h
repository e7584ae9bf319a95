#pragma once
// Which line kind an API type looks up, and the name generation gives the
// item it found.

#include <optional>
#include <string>
#include <string_view>

#include "catalogue/line_kinds.h"
#include "generator/generator_state.h"

namespace pq {

// 0 constant lines, 1 declare lines, 2 type headers; any other position
// selects no kind, so its lookup finds nothing.
inline std::optional<LineKind> kindOfApiType(int apiType) {
    switch (apiType) {
        case api_type::kConstants:
            return LineKind::Constant;
        case api_type::kDeclares:
            return LineKind::Declare;
        case api_type::kTypes:
            return LineKind::TypeHeader;
        default:
            return std::nullopt;
    }
}

// The item's own name as the constant closure compares it: for a constant
// line the bare name (without a type clause), otherwise the name as the
// index takes it.
inline std::string itemNameOf(LineKind kind, std::string_view name) {
    return std::string(kind == LineKind::Constant ? bareName(name) : name);
}

}  // namespace pq
