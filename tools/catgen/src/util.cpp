// Small helpers: libclang strings, running tools, where a cursor comes from.
#include "catgen.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <stdexcept>

namespace catgen {

const std::vector<std::string>& pinnedDefines() {
    static const std::vector<std::string> defs = {"_WIN32_WINNT=0x0601", "WINVER=0x0601",
                                                  "_WIN32_IE=0x0800", "PSAPI_VERSION=1"};
    return defs;
}

std::vector<std::string> compilerArgs(const Options& opt) {
    std::vector<std::string> a = {"-x",
                                  "c",
                                  "--target=i686-w64-mingw32",
                                  "-nostdinc",
                                  "-isystem",
                                  opt.resourceDir + "/include",
                                  "-isystem",
                                  "/usr/i686-w64-mingw32/include",
                                  "-ferror-limit=0"};
    for (const auto& d : pinnedDefines())
        a.push_back("-D" + d);
    return a;
}

std::string lower(std::string s) {
    for (auto& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string str(CXString s) {
    const char* c = clang_getCString(s);
    std::string r = c ? c : "";
    clang_disposeString(s);
    return r;
}

std::string runCommand(const std::string& cmd) {
    FILE* p = popen(cmd.c_str(), "r");
    if (!p)
        throw std::runtime_error("cannot run: " + cmd);
    std::string out;
    std::array<char, 65536> buf{};
    std::size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0)
        out.append(buf.data(), n);
    if (pclose(p) != 0)
        throw std::runtime_error("command failed: " + cmd);
    return out;
}

std::string fileOf(CXCursor c) {
    CXFile f;
    unsigned line, col, off;
    clang_getExpansionLocation(clang_getCursorLocation(c), &f, &line, &col, &off);
    return f ? str(clang_getFileName(f)) : std::string();
}

bool fromMingwHeader(CXCursor c) {
    const std::string f = fileOf(c);
    return f.rfind("/usr/i686-w64-mingw32/include/", 0) == 0 ||
           f.rfind("/usr/share/mingw-w64/include/", 0) == 0;
}

}  // namespace catgen
