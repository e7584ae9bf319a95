// Checks of the committed catalogue's format: every line is one of the line
// kinds, the properties that generation relies on hold, names are unique,
// every name that a line refers to is defined, and the stats file is current.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "catalogue/name_order.h"
#include "catalogue_data_support.h"

namespace pq::test {
namespace {

std::string lower(std::string s) {
    for (auto& c : s)
        c = static_cast<char>(foldAscii(static_cast<unsigned char>(c)));
    return s;
}

const std::set<std::string> kStandardTypes = {"Long",   "Integer", "String",   "Byte",
                                              "Double", "Single",  "Currency", "Any"};

struct Parsed {
    std::vector<ConstLine> consts;
    std::vector<DeclareLine> declares;
    std::map<std::string, std::vector<MemberLine>> types;  // exact name -> members
    std::vector<std::string> typeOrder;
    std::vector<std::size_t> headerLines;
    std::vector<std::string> errors;
};

const Parsed& parsed() {
    static const Parsed p = [] {
        Parsed r;
        const auto& lines = dataCatalogue().lines();
        enum { Consts, Declares, Types } section = Consts;
        std::string openType;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string& l = lines[i];
            auto bad = [&](const char* why) {
                r.errors.push_back(std::to_string(i + 1) + " " + why + ": " + l);
            };
            if (!openType.empty()) {
                if (l == "End Type") {
                    if (r.types[openType].empty())
                        bad("empty type");
                    openType.clear();
                } else if (auto m = parseMemberLine(l)) {
                    r.types[openType].push_back(*m);
                } else {
                    bad("not a member line");
                }
                continue;
            }
            if (auto c = parseConstLine(l)) {
                if (section != Consts)
                    bad("constant after other kinds");
                r.consts.push_back(*c);
            } else if (auto d = parseDeclareLine(l)) {
                if (section == Types)
                    bad("declare among the types");
                section = Declares;
                r.declares.push_back(*d);
            } else if (l.rfind("Type ", 0) == 0 && isIdentifier(l.substr(5))) {
                section = Types;
                openType = l.substr(5);
                if (r.types.count(openType))
                    bad("type defined twice");
                r.types[openType];
                r.typeOrder.push_back(openType);
                r.headerLines.push_back(i);
            } else {
                bad("no line kind");
            }
        }
        if (!openType.empty())
            r.errors.push_back("last type not closed");
        return r;
    }();
    return p;
}

void expectNoErrors(const std::vector<std::string>& errors) {
    EXPECT_TRUE(errors.empty()) << errors.size() << " problems, first: " << errors.front();
}

TEST(CatalogueData, EveryLineIsOfOneKindInOrderConstantsDeclaresTypes) {
    expectNoErrors(parsed().errors);
    EXPECT_GT(parsed().consts.size(), 20000u);
    EXPECT_GT(parsed().declares.size(), 3000u);
    EXPECT_GT(parsed().types.size(), 1000u);
}

TEST(CatalogueData, LinesKeepTheWordsThatGenerationSearchesForInTheirPlace) {
    std::vector<std::string> errors;
    for (const auto& l : dataCatalogue().lines()) {
        if (l.size() > 1023)
            errors.push_back("longer than VB 6 allows: " + l.substr(0, 60));
        if (l.find('\'') != std::string::npos)
            errors.push_back("apostrophe: " + l);
        if (const auto p = l.find("Const "); p != std::string::npos && p != 0)
            errors.push_back("\"Const \" inside: " + l);
        if (l.find("Const ") == 0 && l.find("Const ", 1) != std::string::npos)
            errors.push_back("\"Const \" twice: " + l);
        if (const auto p = l.find("Declare "); p != std::string::npos && p != 0)
            errors.push_back("\"Declare \" inside: " + l);
        if (l.find("End Type") != std::string::npos && l != "End Type")
            errors.push_back("\"End Type\" inside: " + l);
    }
    // Nothing after the last closing line.
    EXPECT_EQ(dataCatalogue().lines().back(), "End Type");
    if (!errors.empty())
        expectNoErrors(errors);
}

// Names are unique ignoring case across constants, types and procedures,
// except that a type and a procedure may share one (CHOOSECOLOR, ChooseColor).
TEST(CatalogueData, NamesAreUniqueIgnoringCase) {
    std::map<std::string, std::string> kindOf;
    std::vector<std::string> errors;
    auto add = [&](const std::string& name, const std::string& kind) {
        const auto [it, fresh] = kindOf.emplace(lower(name), kind);
        if (!fresh && !((it->second == "type" && kind == "procedure") ||
                        (it->second == "procedure" && kind == "type")))
            errors.push_back(kind + " " + name + " clashes with a " + it->second);
    };
    std::set<std::string> procs;
    for (const auto& c : parsed().consts)
        add(c.name, "constant");
    for (const auto& d : parsed().declares)
        if (procs.insert(lower(d.name)).second)
            add(d.name, "procedure");
        else
            errors.push_back("procedure twice: " + d.name);
    std::set<std::string> typesLower;
    for (const auto& t : parsed().typeOrder) {
        if (!typesLower.insert(lower(t)).second)
            errors.push_back("type twice ignoring case: " + t);
        if (!procs.count(lower(t)))
            add(t, "type");
    }
    if (!errors.empty())
        expectNoErrors(errors);
}

// No name of a line is a word that VB 6 reserves: such a declaration does
// not compile ("Declare Function select ...", "  Type As Long").
TEST(CatalogueData, NoNameIsAVbKeyword) {
    static const std::set<std::string> keywords = {
        "alias",    "and",        "any",     "as",         "boolean",    "byref",    "byte",
        "byval",    "call",       "case",    "close",      "const",      "currency", "date",
        "declare",  "dim",        "do",      "double",     "each",       "else",     "elseif",
        "empty",    "end",        "enum",    "eqv",        "erase",      "error",    "event",
        "exit",     "false",      "for",     "friend",     "function",   "get",      "global",
        "gosub",    "goto",       "if",      "imp",        "implements", "in",       "input",
        "integer",  "is",         "len",     "let",        "lib",        "like",     "lock",
        "long",     "loop",       "lset",    "me",         "mod",        "name",     "new",
        "next",     "not",        "nothing", "null",       "object",     "on",       "open",
        "option",   "optional",   "or",      "paramarray", "preserve",   "print",    "private",
        "property", "public",     "put",     "raiseevent", "redim",      "rem",      "resume",
        "return",   "rset",       "seek",    "select",     "set",        "single",   "static",
        "step",     "stop",       "string",  "sub",        "then",       "to",       "true",
        "type",     "typeof",     "unlock",  "until",      "variant",    "wend",     "while",
        "with",     "withevents", "write",   "xor"};
    std::vector<std::string> errors;
    auto check = [&](const std::string& what, const std::string& name) {
        if (keywords.count(lower(name)))
            errors.push_back(what + " " + name);
    };
    const auto& p = parsed();
    for (const auto& c : p.consts)
        check("constant", c.name);
    for (const auto& d : p.declares) {
        check("procedure", d.name);
        for (const auto& prm : d.params)
            check("parameter of " + d.name, prm.name);
    }
    for (const auto& [name, members] : p.types) {
        check("type", name);
        for (const auto& m : members)
            check("member of " + name, m.name);
    }
    if (!errors.empty())
        expectNoErrors(errors);
}

// A substring lookup would take the first line that holds a blank followed by
// the name and the kind word ("Const ", "Declare "). For every constant and
// procedure name of the catalogue that line must be the item's own line, or
// that of a longer name of the same kind that begins with it (SW_SHOW finds
// SW_SHOWNORMAL): never another kind of line, an expression, a parameter or a
// member.
std::vector<std::string> lookupMisses(const std::vector<std::string>& names,
                                      const std::string& kindWord,
                                      std::optional<std::string> (*ownName)(const std::string&)) {
    const auto& lines = dataCatalogue().lines();
    const std::unordered_set<std::string> wanted(names.begin(), names.end());
    std::unordered_map<std::string, std::size_t> firstHit;
    for (std::size_t i = 0; i < lines.size() && firstHit.size() < wanted.size(); ++i) {
        const std::string& l = lines[i];
        if (l.find(kindWord) == std::string::npos)
            continue;
        for (std::size_t b = l.find(' '); b != std::string::npos; b = l.find(' ', b + 1)) {
            std::size_t e = b + 1;
            while (e < l.size() && (std::isalnum(static_cast<unsigned char>(l[e])) || l[e] == '_'))
                ++e;
            for (std::size_t len = 1; len <= e - b - 1; ++len) {
                std::string cand = l.substr(b + 1, len);
                if (wanted.count(cand))
                    firstHit.emplace(std::move(cand), i);
            }
        }
    }
    std::vector<std::string> misses;
    for (const auto& name : names) {
        auto hit = firstHit.find(name);
        if (hit == firstHit.end()) {
            misses.push_back(name + " is found nowhere");
            continue;
        }
        const auto own = ownName(lines[hit->second]);
        if (!own || own->compare(0, name.size(), name) != 0)
            misses.push_back(name + " is found first in line " + std::to_string(hit->second + 1) +
                             ": " + lines[hit->second]);
    }
    return misses;
}

TEST(CatalogueData, LookupFindsEveryItemsOwnLineOrALongerNameOfItsKind) {
    const auto& p = parsed();
    std::vector<std::string> consts, procs;
    for (const auto& c : p.consts)
        consts.push_back(c.name);
    for (const auto& d : p.declares)
        procs.push_back(d.name);
    const auto constMisses =
        lookupMisses(consts, "Const ", [](const std::string& l) -> std::optional<std::string> {
            auto c = parseConstLine(l);
            return c ? std::optional<std::string>(c->name) : std::nullopt;
        });
    const auto procMisses =
        lookupMisses(procs, "Declare ", [](const std::string& l) -> std::optional<std::string> {
            auto d = parseDeclareLine(l);
            return d ? std::optional<std::string>(d->name) : std::nullopt;
        });
    // Types are not held to this: their lookup matches type headers only, so
    // a declare named "GetTrusteeType" may name its structure parameter
    // (pTrustee As TRUSTEE_) and a parameter may be called dwType.
    for (const auto* m : {&constMisses, &procMisses})
        if (!m->empty())
            expectNoErrors(*m);
}

// Every type named after " As " is a standard type or a type block, every
// constant that a value, bound or string length names is a constant line.
TEST(CatalogueData, EveryReferencedNameIsDefined) {
    const auto& p = parsed();
    std::set<std::string> consts;
    for (const auto& c : p.consts)
        consts.insert(c.name);
    std::vector<std::string> errors;
    auto typeKnown = [&](const std::string& t) {
        return kStandardTypes.count(t) || p.types.count(t);
    };
    for (const auto& d : p.declares) {
        for (const auto& prm : d.params)
            if (!typeKnown(prm.type))
                errors.push_back(d.name + ": parameter type " + prm.type);
        if (!d.isSub && !kStandardTypes.count(d.result))
            errors.push_back(d.name + ": result " + d.result);
    }
    for (const auto& [name, members] : p.types)
        for (const auto& m : members) {
            std::string t = m.type;
            if (t.rfind("String * ", 0) == 0) {
                const std::string len = t.substr(9);
                if (len.find_first_not_of("0123456789") != std::string::npos && !consts.count(len))
                    errors.push_back(name + "." + m.name + ": length " + len);
                continue;
            }
            if (!typeKnown(t) || t == "Any" || t == "String")
                errors.push_back(name + "." + m.name + ": type " + t);
            if (m.bounds.rfind("1 To ", 0) == 0 && !consts.count(m.bounds.substr(5)))
                errors.push_back(name + "." + m.name + ": bound " + m.bounds);
        }
    for (const auto& c : p.consts)
        if (c.value[0] == '(') {
            std::string inner = c.value.substr(1, c.value.size() - 2);
            std::size_t s = 0;
            while (true) {
                const auto e = inner.find(" Or ", s);
                const std::string op =
                    inner.substr(s, e == std::string::npos ? std::string::npos : e - s);
                if (!consts.count(op))
                    errors.push_back(c.name + ": operand " + op);
                if (e == std::string::npos)
                    break;
                s = e + 4;
            }
        }
    if (!errors.empty())
        expectNoErrors(errors);
}

TEST(CatalogueData, StatsFileMatchesTheCatalogue) {
    const auto& p = parsed();
    std::size_t subs = 0, members = 0;
    for (const auto& d : p.declares)
        subs += d.isSub ? 1 : 0;
    for (const auto& [n, m] : p.types)
        members += m.size();
    std::map<std::string, std::size_t> expected = {
        {"constant line", p.consts.size()},
        {"declare line (Function)", p.declares.size() - subs},
        {"declare line (Sub)", subs},
        {"type header", p.types.size()},
        {"member line", members},
        {"closing line", p.types.size()},
        {"total", dataCatalogue().lineCount()}};
    std::size_t seen = 0;
    for (const auto& l : dataFileLines("catalogue_stats.txt")) {
        for (const auto& [kind, count] : expected)
            if (l == "| " + kind + " | " + std::to_string(count) + " |")
                ++seen;
    }
    EXPECT_EQ(seen, expected.size())
        << "catalogue_stats.txt is out of date: run tools/catgen/regenerate.sh";
}

}  // namespace
}  // namespace pq::test
