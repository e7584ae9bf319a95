#pragma once
// Reading the committed catalogue (catalogue/data/) for the checks of its
// format and of its facts: a small parser of the four line kinds.

#include <cstdint>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"

namespace pq::test {

inline std::string catalogueDataPath(const std::string& name) {
    return std::string(PQ_SOURCE_DIR) + "/catalogue/data/" + name;
}

inline const Catalogue& dataCatalogue() {
    static const Catalogue c = Catalogue::fromFile(catalogueDataPath("catalogue.txt"));
    return c;
}

inline std::vector<std::string> dataFileLines(const std::string& name) {
    std::ifstream in(catalogueDataPath(name));
    std::vector<std::string> lines;
    std::string l;
    while (std::getline(in, l))
        lines.push_back(l);
    return lines;
}

inline bool isIdentifier(std::string_view s) {
    if (s.empty() || !((s[0] >= 'A' && s[0] <= 'Z') || (s[0] >= 'a' && s[0] <= 'z')))
        return false;
    for (char c : s)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
              c == '_'))
            return false;
    return true;
}

struct ConstLine {
    std::string name, value;
};
inline std::optional<ConstLine> parseConstLine(std::string_view l) {
    if (l.substr(0, 6) != "Const ")
        return std::nullopt;
    const auto eq = l.find(" = ");
    if (eq == std::string_view::npos || l.find(" = ", eq + 1) != std::string_view::npos)
        return std::nullopt;
    ConstLine c{std::string(l.substr(6, eq - 6)), std::string(l.substr(eq + 3))};
    if (!isIdentifier(c.name) || c.value.empty())
        return std::nullopt;
    return c;
}

struct Param {
    bool byVal = false;
    std::string name, type;
};
struct DeclareLine {
    bool isSub = false;
    std::string name, lib, alias, result;
    std::vector<Param> params;
};
// "Declare Function N Lib "l" [Alias "a"] (params) As T" / "Declare Sub ...)".
inline std::optional<DeclareLine> parseDeclareLine(std::string_view l) {
    DeclareLine d;
    std::size_t p;
    if (l.substr(0, 17) == "Declare Function ")
        p = 17;
    else if (l.substr(0, 12) == "Declare Sub ")
        p = 12, d.isSub = true;
    else
        return std::nullopt;
    const auto lib = l.find(" Lib \"", p);
    if (lib == std::string_view::npos)
        return std::nullopt;
    d.name = std::string(l.substr(p, lib - p));
    const auto libEnd = l.find('"', lib + 6);
    if (libEnd == std::string_view::npos)
        return std::nullopt;
    d.lib = std::string(l.substr(lib + 6, libEnd - lib - 6));
    p = libEnd + 1;
    if (l.substr(p, 8) == " Alias \"") {
        const auto e = l.find('"', p + 8);
        if (e == std::string_view::npos)
            return std::nullopt;
        d.alias = std::string(l.substr(p + 8, e - p - 8));
        p = e + 1;
    }
    if (l.substr(p, 2) != " (")
        return std::nullopt;
    const auto close = l.find(')', p);
    if (close == std::string_view::npos)
        return std::nullopt;
    std::string_view list = l.substr(p + 2, close - p - 2);
    while (!list.empty()) {
        const auto comma = list.find(", ");
        std::string_view one = list.substr(0, comma);
        Param prm;
        if (one.substr(0, 6) == "ByVal ")
            prm.byVal = true, one.remove_prefix(6);
        const auto as = one.find(" As ");
        if (as == std::string_view::npos)
            return std::nullopt;
        prm.name = std::string(one.substr(0, as));
        prm.type = std::string(one.substr(as + 4));
        if (!isIdentifier(prm.name) || prm.type.empty())
            return std::nullopt;
        d.params.push_back(prm);
        if (comma == std::string_view::npos)
            break;
        list.remove_prefix(comma + 2);
    }
    std::string_view rest = l.substr(close + 1);
    if (d.isSub ? !rest.empty() : rest.substr(0, 4) != " As ")
        return std::nullopt;
    if (!d.isSub)
        d.result = std::string(rest.substr(4));
    if (!isIdentifier(d.name))
        return std::nullopt;
    return d;
}

struct MemberLine {
    std::string name, bounds, type;  // bounds without parentheses
};
inline std::optional<MemberLine> parseMemberLine(std::string_view l) {
    if (l.substr(0, 2) != "  " || l.size() < 3 || l[2] == ' ')
        return std::nullopt;
    const auto as = l.find(" As ");
    if (as == std::string_view::npos)
        return std::nullopt;
    MemberLine m;
    std::string_view head = l.substr(2, as - 2);
    const auto par = head.find('(');
    if (par != std::string_view::npos) {
        if (head.back() != ')')
            return std::nullopt;
        m.bounds = std::string(head.substr(par + 1, head.size() - par - 2));
        head = head.substr(0, par);
    }
    m.name = std::string(head);
    m.type = std::string(l.substr(as + 4));
    if (!isIdentifier(m.name) || m.type.empty())
        return std::nullopt;
    return m;
}

// Facts: "C name value [u32]", "S name hex", "D name lib export bytes",
// "T name size offset...".
struct Facts {
    struct Int {
        long long value = 0;
        bool u32 = false;
    };
    std::map<std::string, Int> ints;
    std::map<std::string, std::string> strings;
    struct Decl {
        std::string lib, exportName;
        int bytes = 0;
    };
    std::map<std::string, Decl> declares;
    struct Type {
        long long size = 0;
        std::vector<long long> offsets;
    };
    std::map<std::string, Type> types;
};

inline const Facts& dataFacts() {
    static const Facts f = [] {
        Facts r;
        for (const auto& l : dataFileLines("catalogue_facts.txt")) {
            std::istringstream s(l);
            std::string kind, name;
            s >> kind >> name;
            if (kind == "C") {
                Facts::Int v;
                std::string u;
                s >> v.value >> u;
                v.u32 = u == "u32";
                r.ints[name] = v;
            } else if (kind == "S") {
                s >> r.strings[name];
            } else if (kind == "D") {
                auto& d = r.declares[name];
                s >> d.lib >> d.exportName >> d.bytes;
            } else if (kind == "T") {
                auto& t = r.types[name];
                s >> t.size;
                long long o;
                while (s >> o)
                    t.offsets.push_back(o);
            }
        }
        return r;
    }();
    return f;
}

}  // namespace pq::test
