// Reads the import-library scan and picks, for every C function name, the
// DLL a VB programmer would name: the classic DLLs first, API sets never.
#include "catgen.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace catgen {
namespace {

// Classic DLLs in the order in which they win when one name is in several.
const std::vector<std::string> kClassic = {
    "kernel32",     "user32",   "gdi32",    "advapi32", "shell32",  "comdlg32", "comctl32",
    "winspool.drv", "winmm",    "ole32",    "oleaut32", "version",  "netapi32", "mpr",
    "wininet",      "ws2_32",   "wsock32",  "psapi",    "shlwapi",  "imm32",    "msimg32",
    "winhttp",      "crypt32",  "secur32",  "setupapi", "iphlpapi", "dbghelp",  "imagehlp",
    "rasapi32",     "msvfw32",  "avifil32", "avicap32", "riched20", "uxtheme",  "dwmapi",
    "userenv",      "wtsapi32", "powrprof", "msacm32",  "opengl32", "glu32",    "rpcrt4",
    "ntdll"};

std::string vbLibName(std::string dll) {
    std::transform(dll.begin(), dll.end(), dll.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (dll.size() > 4 && dll.compare(dll.size() - 4, 4, ".dll") == 0)
        dll.resize(dll.size() - 4);
    return dll;
}

bool acceptedDll(const std::string& lib) {
    if (lib.rfind("api-ms-", 0) == 0 || lib.rfind("ext-ms-", 0) == 0)
        return false;
    // Kernel-mode images and drivers are not callable from VB.
    for (const char* ext : {".exe", ".sys"})
        if (lib.size() > 4 && lib.compare(lib.size() - 4, 4, ext) == 0)
            return false;
    return lib.find('.') == std::string::npos || lib.size() > 4;
}

int rankOf(const std::string& lib) {
    auto it = std::find(kClassic.begin(), kClassic.end(), lib);
    if (it != kClassic.end())
        return static_cast<int>(it - kClassic.begin());
    return 1000;
}

}  // namespace

std::map<std::string, Import> readImports(const std::string& path) {
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::map<std::string, Import> best;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream ss(line);
        std::string libFile, dll, importName, symbol;
        if (!(ss >> libFile >> dll >> importName >> symbol))
            continue;
        // __imp__Name@N (stdcall) or __imp__Name (cdecl, data)
        if (symbol.rfind("__imp__", 0) != 0)
            continue;
        std::string cname = symbol.substr(7);
        int bytes = -1;
        const auto at = cname.rfind('@');
        if (at != std::string::npos && at + 1 < cname.size() &&
            cname.find_first_not_of("0123456789", at + 1) == std::string::npos) {
            bytes = std::stoi(cname.substr(at + 1));
            cname.resize(at);
        }
        Import imp;
        imp.dll = vbLibName(dll);
        if (!acceptedDll(imp.dll))
            continue;
        imp.exportName = importName;
        imp.stackBytes = bytes;
        imp.rank = rankOf(imp.dll);
        auto it = best.find(cname);
        // Ties between unranked DLLs go to the alphabetically first, so the
        // result does not depend on the order of the scan.
        if (it == best.end() || imp.rank < it->second.rank ||
            (imp.rank == it->second.rank && imp.dll < it->second.dll))
            best[cname] = imp;
    }
    return best;
}

}  // namespace catgen
