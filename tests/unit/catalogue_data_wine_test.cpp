// Checks the declares of the committed catalogue against the export tables
// of Wine's 32-bit PE DLLs: every Lib and export is exported by Wine, or is
// listed in catalogue_wine.txt as something Wine lacks.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "catalogue_data_support.h"

namespace pq::test {
namespace {

const char* const kWineDir = "/usr/lib/i386-linux-gnu/wine/i386-windows";

std::uint32_t le32(const std::string& b, std::size_t at) {
    if (at + 4 > b.size())
        return 0;
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}
std::uint16_t le16(const std::string& b, std::size_t at) {
    if (at + 2 > b.size())
        return 0;
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      static_cast<unsigned char>(b[at + 1]) << 8);
}

// The names a PE image exports; empty when the file is no PE image.
std::set<std::string> peExports(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::set<std::string> names;
    const std::size_t pe = le32(b, 0x3C);
    if (b.size() < 0x40 || le32(b, pe) != 0x4550)
        return names;
    const std::size_t coff = pe + 4;
    const std::uint16_t sections = le16(b, coff + 2);
    const std::size_t opt = coff + 20;
    const std::uint16_t optSize = le16(b, coff + 16);
    const std::size_t dirs = opt + (le16(b, opt) == 0x20B ? 112 : 96);
    const std::uint32_t exportRva = le32(b, dirs);
    auto fileOffset = [&](std::uint32_t rva) -> std::size_t {
        for (std::uint16_t i = 0; i < sections; ++i) {
            const std::size_t s = opt + optSize + 40u * i;
            const std::uint32_t va = le32(b, s + 12), rawSize = le32(b, s + 16),
                                raw = le32(b, s + 20);
            const std::uint32_t vsize = std::max(le32(b, s + 8), rawSize);
            if (rva >= va && rva < va + vsize)
                return raw + (rva - va);
        }
        return b.size();
    };
    if (exportRva == 0)
        return names;
    const std::size_t ed = fileOffset(exportRva);
    const std::uint32_t count = le32(b, ed + 24);
    const std::size_t table = fileOffset(le32(b, ed + 32));
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t at = fileOffset(le32(b, table + 4u * i));
        if (at >= b.size())
            continue;
        names.insert(std::string(b.c_str() + at));
    }
    return names;
}

TEST(CatalogueDataWine, EveryDeclareIsExportedByWineOrListedAsMissing) {
    if (!std::filesystem::is_directory(kWineDir))
        GTEST_SKIP() << "Wine's 32-bit DLLs are not installed";
    std::set<std::string> listedMissing, listedNoDll;
    for (const auto& l : dataFileLines("catalogue_wine.txt")) {
        if (l.rfind("missing: ", 0) == 0)
            listedMissing.insert(l.substr(9, l.find(' ', 9) - 9));
        else if (l.rfind("DLL not in Wine: ", 0) == 0)
            listedNoDll.insert(l.substr(17, l.find(' ', 17) - 17));
    }
    std::map<std::string, std::set<std::string>> exportsOf;
    std::vector<std::string> errors;
    std::size_t exported = 0;
    for (const auto& [name, d] : dataFacts().declares) {
        const std::string file = std::string(kWineDir) + "/" + d.lib +
                                 (d.lib.find('.') == std::string::npos ? ".dll" : "");
        if (!std::filesystem::exists(file)) {
            if (!listedNoDll.count(d.lib))
                errors.push_back(d.lib + " is not in Wine and not listed");
            continue;
        }
        auto it = exportsOf.find(d.lib);
        if (it == exportsOf.end())
            it = exportsOf.emplace(d.lib, peExports(file)).first;
        const bool has = it->second.count(d.exportName) != 0;
        const bool listed = listedMissing.count(d.lib + "!" + d.exportName) != 0;
        exported += has ? 1 : 0;
        if (has == listed)
            errors.push_back(
                d.lib + "!" + d.exportName +
                (has ? " is exported but listed as missing" : " is missing and not listed"));
    }
    EXPECT_GT(exported, dataFacts().declares.size() * 9 / 10);
    EXPECT_TRUE(errors.empty()) << errors.size()
                                << " problems, first: " << (errors.empty() ? "" : errors.front());
}

}  // namespace
}  // namespace pq::test
