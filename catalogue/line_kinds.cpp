#include "catalogue/line_kinds.h"

namespace pq {
namespace {

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

// The text from `start` (0-based) up to the first `end` marker of the whole
// line; empty when the marker is missing or stands before `start`.
std::string_view between(std::string_view line, std::size_t start, std::string_view end) {
    const std::size_t p = line.find(end);
    if (p == std::string_view::npos || p < start)
        return {};
    return line.substr(start, p - start);
}

}  // namespace

std::optional<std::string_view> constantName(std::string_view line) {
    constexpr std::string_view kConst = "Const ";
    if (!startsWith(line, kConst))
        return std::nullopt;
    return between(line, kConst.size(), " = ");
}

std::optional<std::string_view> declareName(std::string_view line) {
    constexpr std::string_view kFunction = "Declare Function ";
    constexpr std::string_view kSub = "Declare Sub ";
    std::size_t start = 0;
    if (startsWith(line, kFunction)) {
        start = kFunction.size();
    } else if (line.find(kFunction) != std::string_view::npos) {
        return std::nullopt;
    } else if (startsWith(line, kSub)) {
        start = kSub.size();
    } else {
        return std::nullopt;
    }
    return between(line, start, " Lib");
}

std::optional<std::string_view> typeName(std::string_view line) {
    constexpr std::string_view kType = "Type ";
    if (!startsWith(line, kType))
        return std::nullopt;
    return line.substr(kType.size());
}

std::optional<std::string_view> lineName(LineKind kind, std::string_view line) {
    switch (kind) {
        case LineKind::Constant:
            return constantName(line);
        case LineKind::Declare:
            return declareName(line);
        case LineKind::TypeHeader:
            return typeName(line);
    }
    return std::nullopt;
}

}  // namespace pq
