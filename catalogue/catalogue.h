#pragma once
// The API catalogue: the ordered, read-only list of VB 6 declaration lines
// that every generation step copies from. Lines are addressed 0-based.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pq {

// A catalogue that cannot be loaded. The message names the source (a file
// name, or "built-in catalogue") and, where it applies, the 1-based line.
class CatalogueError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Catalogue {
public:
    // Longest line accepted. Real declare lines reach about 1,000 characters
    // (VB 6's own limit is 1,023); nothing may cut a line shorter than that.
    static constexpr std::size_t kMaxLineLength = 4096;

    Catalogue() = default;
    explicit Catalogue(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    // Parses catalogue text: one line per entry, LF or CR LF line ends, the
    // final line feed optional. Throws CatalogueError naming `source` and the
    // line on an empty line, a tab or control character, a byte outside
    // printable ASCII, or a line longer than kMaxLineLength.
    static Catalogue fromText(std::string_view text, std::string_view source);

    // Reads and parses a file; an unreadable file is a CatalogueError too.
    static Catalogue fromFile(const std::string& path);

    std::size_t lineCount() const { return lines_.size(); }
    const std::string& lineText(std::size_t n) const { return lines_.at(n); }
    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

// The catalogue carried inside the executable (embedded data natively, a
// resource on Windows). Throws CatalogueError when it is missing or bad.
// Defined by the pq_builtin_catalogue library, which an executable links.
std::string_view builtinCatalogueText();
inline Catalogue loadBuiltinCatalogue() {
    return Catalogue::fromText(builtinCatalogueText(), "built-in catalogue");
}

}  // namespace pq
