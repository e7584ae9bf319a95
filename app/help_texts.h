#pragma once
// The two fixed texts of the help window, 48 lines each, LF line ends.

#include <string>

namespace pq::app {

const std::string& manualText();
const std::string& asAnyText();

}  // namespace pq::app
