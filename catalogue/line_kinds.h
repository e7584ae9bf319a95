#pragma once
// How catalogue lines are recognised and how the indexes take their names.

#include <optional>
#include <string_view>

namespace pq {

// The three kinds of line that carry a name: "Const ..." lines, "Declare
// Function ..."/"Declare Sub ..." lines and "Type ..." headers.
enum class LineKind { Constant, Declare, TypeHeader };

// The name a constant line gives the Constants index: everything between
// "Const " and the first " = ", a type clause included ("DM_COLLATE As
// Long"); empty when there is no " = ". nullopt for any other line.
std::optional<std::string_view> constantName(std::string_view line);

// The name a declare line gives the Functions index: everything between the
// keyword and the first " Lib". A line that holds "Declare Function " other
// than at its start ("Public Declare Function ...") is no declare line.
std::optional<std::string_view> declareName(std::string_view line);

// The name of a type header: the rest of the line after "Type ".
std::optional<std::string_view> typeName(std::string_view line);

std::optional<std::string_view> lineName(LineKind kind, std::string_view line);

// The name without a type clause: its text before the first blank.
inline std::string_view bareName(std::string_view name) {
    return name.substr(0, name.find(' '));
}

}  // namespace pq
