#pragma once
// protoquill-cli as a function over streams, so tests run it in-process.

#include <iosfwd>
#include <string>
#include <vector>

namespace pq::cli {

// Exit statuses.
constexpr int kOk = 0;
constexpr int kNotFound = 1;  // some NAME had no catalogue line
constexpr int kFailure = 2;   // usage error, or the catalogue did not load

// `args` without the program name. Output bytes go to `out` unchanged (LF
// line ends); messages go to `err`.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace pq::cli
