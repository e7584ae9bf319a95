#include "catalogue/catalogue.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace pq {
namespace {

[[noreturn]] void fail(std::string_view source, std::size_t lineNo, const std::string& what) {
    std::ostringstream msg;
    msg << source << ":" << lineNo << ": " << what;
    throw CatalogueError(msg.str());
}

std::string describeByte(unsigned char c) {
    static const char* hex = "0123456789ABCDEF";
    std::string s = "0x";
    s += hex[c >> 4];
    s += hex[c & 0xF];
    return s;
}

void checkLine(std::string_view line, std::string_view source, std::size_t lineNo) {
    if (line.empty())
        fail(source, lineNo, "empty line");
    if (line.size() > Catalogue::kMaxLineLength) {
        fail(source, lineNo,
             "line of " + std::to_string(line.size()) + " characters is longer than the limit of " +
                 std::to_string(Catalogue::kMaxLineLength));
    }
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (c == '\t')
            fail(source, lineNo, "tab at column " + std::to_string(i + 1));
        if (c < 0x20 || c > 0x7E) {
            fail(source, lineNo,
                 "byte " + describeByte(c) + " at column " + std::to_string(i + 1) +
                     " is not printable ASCII");
        }
    }
}

}  // namespace

Catalogue Catalogue::fromText(std::string_view text, std::string_view source) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    std::size_t pos = 0;
    std::size_t lineNo = 0;
    while (pos < text.size()) {
        ++lineNo;
        std::size_t end = text.find('\n', pos);
        const bool lastLine = end == std::string_view::npos;
        if (lastLine)
            end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        checkLine(line, source, lineNo);
        lines.emplace_back(line);
        pos = lastLine ? text.size() : end + 1;
    }
    return Catalogue(std::move(lines));
}

Catalogue Catalogue::fromFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw CatalogueError(path + ": cannot open the file");
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        throw CatalogueError(path + ": cannot read the file");
    return fromText(content.str(), path);
}

}  // namespace pq
