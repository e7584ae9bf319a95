// catgen: writes the API catalogue (VB 6 declaration lines), its facts file
// (what clang and the import libraries say, for the checks) and its stats
// file from the mingw-w64 headers and import libraries.
//
// Usage: catgen <repo root> <imports cache> <cache dir>
#include "catgen.h"
#include "output.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <tuple>

namespace catgen {
namespace {

// Enumerators of the API headers, as constants.
void addEnumerators(CXTranslationUnit tu, MacroInfo& info) {
    struct Ctx {
        MacroInfo* info;
        std::set<std::string> have;
    } ctx{&info, {}};
    for (const auto& c : info.constants)
        ctx.have.insert(c.name);
    clang_visitChildren(
        clang_getTranslationUnitCursor(tu),
        [](CXCursor c, CXCursor, CXClientData d) {
            auto& x = *static_cast<Ctx*>(d);
            if (clang_getCursorKind(c) == CXCursor_TypedefDecl)
                return CXChildVisit_Recurse;
            if (clang_getCursorKind(c) != CXCursor_EnumDecl)
                return CXChildVisit_Continue;
            if (!fromMingwHeader(c) || !isApiHeader(fileOf(c)))
                return CXChildVisit_Continue;
            const CXType it = clang_getCanonicalType(clang_getEnumDeclIntegerType(c));
            const bool isUnsigned = it.kind == CXType_UInt || it.kind == CXType_ULong ||
                                    it.kind == CXType_ULongLong || it.kind == CXType_UShort ||
                                    it.kind == CXType_UChar;
            const int size = static_cast<int>(clang_Type_getSizeOf(it));
            std::tuple<Ctx*, bool, int> y(&x, isUnsigned, size);
            clang_visitChildren(
                c,
                [](CXCursor e, CXCursor, CXClientData d2) {
                    auto& y = *static_cast<std::tuple<Ctx*, bool, int>*>(d2);
                    Ctx& x2 = *std::get<0>(y);
                    if (clang_getCursorKind(e) != CXCursor_EnumConstantDecl)
                        return CXChildVisit_Continue;
                    Constant k;
                    k.name = str(clang_getCursorSpelling(e));
                    if (k.name.empty() || k.name[0] == '_' || !x2.have.insert(k.name).second)
                        return CXChildVisit_Continue;
                    k.fromEnum = true;
                    k.file = fileOf(e);
                    CXFile f;
                    unsigned line, col, off;
                    clang_getExpansionLocation(clang_getCursorLocation(e), &f, &line, &col, &off);
                    k.line = line;
                    auto fi = x2.info->fileIndex.find(k.file);
                    k.fileIndex = fi == x2.info->fileIndex.end() ? 1000000 : fi->second;
                    k.isUnsigned = std::get<1>(y);
                    k.size = std::get<2>(y);
                    k.value =
                        k.isUnsigned
                            ? static_cast<long long>(clang_getEnumConstantDeclUnsignedValue(e))
                            : clang_getEnumConstantDeclValue(e);
                    x2.info->constants.push_back(k);
                    return CXChildVisit_Continue;
                },
                &y);
            return CXChildVisit_Continue;
        },
        &ctx);
    std::stable_sort(info.constants.begin(), info.constants.end(),
                     [](const Constant& a, const Constant& b) {
                         if (a.fileIndex != b.fileIndex)
                             return a.fileIndex < b.fileIndex;
                         return a.line < b.line;
                     });
}

// The 32 bits VB holds for a value, or false when VB's Long cannot hold it.
bool vbBits(const Constant& c, std::uint32_t& bits) {
    const long long v = c.value;
    if (c.size <= 4) {
        if (c.isUnsigned ? (v < 0 || v > 0xFFFFFFFFLL) : (v < -2147483648LL || v > 2147483647LL))
            return false;
    } else if (v < -2147483648LL || v > 2147483647LL) {
        return false;  // a 64-bit value that a Long cannot hold
    }
    bits = static_cast<std::uint32_t>(v);
    return true;
}

std::string literal(const Constant& c, std::uint32_t bits) {
    const auto sv = static_cast<std::int32_t>(bits);
    char buf[32];
    const bool hex = c.hexSource || (c.value > 2147483647LL) || sv == INT32_MIN;
    if (!hex) {
        std::snprintf(buf, sizeof buf, "%d", sv);
        return buf;
    }
    std::snprintf(buf, sizeof buf, "&H%X", bits);
    std::string s = buf;
    // &H8000 to &HFFFF alone would be a negative Integer in VB 6.
    if (bits >= 0x8000 && bits <= 0xFFFF)
        s += "&";
    return s;
}

bool stringFits(const std::string& s) {
    for (unsigned char ch : s)
        if (ch < 32 || ch > 126 || ch == '\'')
            return false;
    for (const char* w : {"Const ", "Declare ", "Type ", "End Type"})
        if (s.find(w) != std::string::npos)
            return false;
    return true;
}

std::string quoted(const std::string& s) {
    std::string q = "\"";
    for (char ch : s) {
        q += ch;
        if (ch == '"')
            q += '"';
    }
    return q + "\"";
}

}  // namespace
}  // namespace catgen

int main(int argc, char** argv) {
    using namespace catgen;
    if (argc < 4) {
        std::cerr << "usage: catgen <repo root> <imports cache> <cache dir>\n";
        return 2;
    }
    const std::string root = argv[1];
    Options opt;
    opt.masterHeader = root + "/tools/catgen/master.h";
    opt.importsFile = argv[2];
    opt.cacheDir = argv[3];
    opt.overridesFile = root + "/tools/catgen/overrides.txt";
    opt.outDir = root + "/catalogue/data";
    opt.resourceDir = runCommand("clang-14 -print-resource-dir");
    while (!opt.resourceDir.empty() &&
           std::isspace(static_cast<unsigned char>(opt.resourceDir.back())))
        opt.resourceDir.pop_back();
    try {
        Report rep;
        const auto imports = readImports(opt.importsFile);
        std::cerr << "imports: " << imports.size() << "\n";
        MacroInfo macros = readMacros(opt);
        std::cerr << "macro constants: " << macros.constants.size() << "\n";

        CXIndex index = clang_createIndex(0, 0);
        auto args = compilerArgs(opt);
        args.push_back("-Wno-everything");
        std::vector<const char*> argv2;
        for (const auto& a : args)
            argv2.push_back(a.c_str());
        CXTranslationUnit tu = nullptr;
        if (clang_parseTranslationUnit2(
                index, opt.masterHeader.c_str(), argv2.data(), static_cast<int>(argv2.size()),
                nullptr, 0, CXTranslationUnit_SkipFunctionBodies, &tu) != CXError_Success)
            throw std::runtime_error("cannot parse the master header");
        addEnumerators(tu, macros);
        std::cerr << "constants with enumerators: " << macros.constants.size() << "\n";

        // Integer constants by name, for array bounds written with a macro.
        std::map<std::string, long long> intConsts;
        for (const auto& c : macros.constants)
            if (!c.isString)
                intConsts[c.name] = c.value;
        TypeTable types(tu, macros, intConsts);
        DeclareResult decls = translateFunctions(tu, macros, imports, types);
        addOverrides(opt.overridesFile, imports, decls);
        types.translateAll();
        rep.typeFailures = types.failures();
        rep.declLeftOut = decls.leftOut;
        rep.macroDrops = macros.dropCounts;

        // Names: procedures and types first; constants give way on a clash.
        std::set<std::string> procLower, typeLower;
        for (const auto& d : decls.declares)
            procLower.insert(lower(d.name));
        const auto vbTypes = types.emitted();
        for (const auto* t : vbTypes)
            typeLower.insert(lower(t->name));

        std::set<std::string> constLower;
        std::vector<Constant*> kept;
        for (auto& c : macros.constants) {
            const std::string l = lower(c.name);
            std::string why;
            if (isReservedWord(c.name))
                why = "reserved word in VB";
            else if (procLower.count(l))
                why = "name equal to a procedure ignoring case";
            else if (typeLower.count(l))
                why = "name equal to a type ignoring case";
            else if (constLower.count(l))
                why = "name equal to another constant ignoring case";
            else if (c.isString && !stringFits(c.text))
                why =
                    "string VB 6 cannot hold in one catalogue line (control characters, "
                    "apostrophe, line words)";
            std::uint32_t bits = 0;
            if (why.empty() && !c.isString && !vbBits(c, bits))
                why = "value out of the range of a VB Long";
            if (!why.empty()) {
                rep.constLeftOut[why].push_back(c.name);
                continue;
            }
            constLower.insert(l);
            kept.push_back(&c);
        }
        // Values: OR-expressions of emitted constants keep their form.
        std::map<std::string, std::uint32_t> bitsOf;
        for (auto* c : kept) {
            std::uint32_t b = 0;
            if (!c->isString && vbBits(*c, b))
                bitsOf[c->name] = b;
        }
        // An operand must stand above the expression that names it, so that
        // looking the operand up finds its own line, not the expression.
        std::set<std::string> above;
        for (auto* c : kept) {
            above.insert(c->name);
            if (c->isString) {
                c->vbValue = quoted(c->text);
                continue;
            }
            const std::uint32_t bits = bitsOf[c->name];
            c->vbValue = literal(*c, bits);
            if (c->orOperands.size() >= 2) {
                std::uint32_t acc = 0;
                bool all = true;
                for (const auto& o : c->orOperands) {
                    auto it = bitsOf.find(o);
                    if (it == bitsOf.end() || o == c->name || !above.count(o)) {
                        all = false;
                        break;
                    }
                    acc |= it->second;
                }
                if (all && acc == bits) {
                    std::string e = "(";
                    for (std::size_t i = 0; i < c->orOperands.size(); ++i)
                        e += (i ? " Or " : "") + c->orOperands[i];
                    c->vbValue = e + ")";
                }
            }
        }
        // A string that names a constant defined below it (after a blank)
        // would be what looking up that constant finds first.
        {
            std::map<std::string, std::size_t> pos;
            for (std::size_t i = 0; i < kept.size(); ++i)
                pos[kept[i]->name] = i;
            std::vector<Constant*> ok;
            for (std::size_t i = 0; i < kept.size(); ++i) {
                const std::string line = "Const " + kept[i]->name + " = " + kept[i]->vbValue;
                bool clash = false;
                for (std::size_t b = line.find(' ', 6);
                     kept[i]->isString && b != std::string::npos && !clash;
                     b = line.find(' ', b + 1)) {
                    std::size_t e = b + 1;
                    while (e < line.size() &&
                           (std::isalnum(static_cast<unsigned char>(line[e])) || line[e] == '_'))
                        ++e;
                    for (std::size_t len = 1; len <= e - b - 1 && !clash; ++len) {
                        auto p = pos.find(line.substr(b + 1, len));
                        clash = p != pos.end() && p->second > i;
                    }
                }
                if (clash)
                    rep.constLeftOut["string that names a constant defined below it"].push_back(
                        kept[i]->name);
                else
                    ok.push_back(kept[i]);
            }
            kept.swap(ok);
        }
        writeOutputs(opt, kept, decls.declares, vbTypes, rep);
        clang_disposeTranslationUnit(tu);
        clang_disposeIndex(index);
    } catch (const std::exception& e) {
        std::cerr << "catgen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
