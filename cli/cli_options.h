#pragma once
// The command line of protoquill-cli, parsed into options.

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace pq::cli {

struct Options {
    std::optional<std::string> catalogueFile;  // --catalogue FILE
    int apiType = 1;                           // --type: 0 constants, 1 declares, 2 types
    int language = 1;                          // --lang: 0 vb6, 1 vbnet
    int scope = 1;                             // --scope: 0 private, 1 public
    bool automat = true;                       // --manual turns it off
    bool add = false;                          // --add
    bool nulTerminated = false;                // --null
    bool list = false;                         // --list
    bool help = false;                         // --help
    bool version = false;                      // --version
    std::vector<std::string> names;
};

// A command line that does not fit the usage; the message is one line.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// `args` without the program name. Throws UsageError.
Options parseOptions(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace pq::cli
