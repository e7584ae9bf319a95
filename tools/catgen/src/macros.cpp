// Constants: the final definition of every object-like macro of the Windows
// headers, evaluated by clang itself, and the enumerators of those headers.
#include "catgen.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

namespace catgen {
namespace {

bool isMingwPath(const std::string& f) {
    return f.rfind("/usr/i686-w64-mingw32/include/", 0) == 0 ||
           f.rfind("/usr/share/mingw-w64/include/", 0) == 0;
}

// Headers of the C runtime and the compiler glue: their macros are not Win32 API.
bool isRuntimeHeader(const std::string& path) {
    std::string f = path.substr(path.rfind("/include/") + 9);
    static const std::set<std::string> crt = {
        "stdio.h",  "stdlib.h",   "string.h",      "wchar.h",           "errno.h",
        "limits.h", "ctype.h",    "locale.h",      "malloc.h",          "math.h",
        "time.h",   "stddef.h",   "stdarg.h",      "excpt.h",           "crtdefs.h",
        "vadefs.h", "corecrt.h",  "swprintf.inl",  "process.h",         "io.h",
        "fcntl.h",  "signal.h",   "setjmp.h",      "float.h",           "memory.h",
        "search.h", "conio.h",    "direct.h",      "mbstring.h",        "mbctype.h",
        "stdint.h", "inttypes.h", "specstrings.h", "sdks/_mingw_ddk.h", "psdk_inc/intrin-impl.h",
        "intrin.h", "sal.h",      "driverspecs.h", "concurrencysal.h",  "stralign.h",
        "strsafe.h"};
    if (crt.count(f))
        return true;
    return f.rfind("_mingw", 0) == 0 || f.rfind("sec_api/", 0) == 0 || f.rfind("sys/", 0) == 0 ||
           f.rfind("corecrt_", 0) == 0;
}

struct Tok {
    std::string text;
    bool ident = false, number = false, string = false;
};

std::vector<Tok> tokenize(const std::string& s) {
    std::vector<Tok> out;
    std::size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (std::isspace(c)) {
            ++i;
            continue;
        }
        Tok t;
        std::size_t j = i;
        const bool strPrefix = (c == 'L' || c == 'u' || c == 'U') && i + 1 < s.size() &&
                               (s[i + 1] == '"' || s[i + 1] == '\'');
        const bool u8 = c == 'u' && i + 2 < s.size() && s[i + 1] == '8' && s[i + 2] == '"';
        if (c == '"' || c == '\'' || strPrefix || u8) {
            j = u8 ? i + 2 : (strPrefix ? i + 1 : i);
            const char q = s[j];
            ++j;
            while (j < s.size() && s[j] != q) {
                if (s[j] == '\\')
                    ++j;
                ++j;
            }
            ++j;
            t.string = q == '"';
            t.number = q == '\'';
        } else if (std::isalpha(c) || c == '_') {
            while (j < s.size() && (std::isalnum(static_cast<unsigned char>(s[j])) || s[j] == '_'))
                ++j;
            t.ident = true;
        } else if (std::isdigit(c)) {
            while (j < s.size() && (std::isalnum(static_cast<unsigned char>(s[j])) || s[j] == '.'))
                ++j;
            t.number = true;
        } else {
            j = i + 1;
        }
        t.text = s.substr(i, std::min(j, s.size()) - i);
        out.push_back(t);
        i = j;
    }
    return out;
}

// Decodes a sequence of C string literals; false for anything VB cannot hold.
bool decodeStrings(const std::vector<Tok>& toks, std::string& out) {
    out.clear();
    for (const auto& t : toks) {
        if (!t.string)
            return false;
        std::size_t i = t.text.find('"') + 1;
        const std::size_t end = t.text.size() - 1;
        while (i < end) {
            char c = t.text[i++];
            if (c == '\\') {
                const char e = t.text[i++];
                switch (e) {
                    case 'n':
                        c = '\n';
                        break;
                    case 't':
                        c = '\t';
                        break;
                    case 'r':
                        c = '\r';
                        break;
                    case '0':
                        c = '\0';
                        break;
                    case '\\':
                        c = '\\';
                        break;
                    case '"':
                        c = '"';
                        break;
                    case '\'':
                        c = '\'';
                        break;
                    default:
                        return false;  // octal, hex: not printable text anyway
                }
            }
            out += c;
        }
    }
    return true;
}

std::vector<Tok> stripParens(std::vector<Tok> t) {
    while (t.size() >= 2 && t.front().text == "(" && t.back().text == ")") {
        int depth = 0;
        bool wraps = true;
        for (std::size_t i = 0; i < t.size(); ++i) {
            if (t[i].text == "(")
                ++depth;
            else if (t[i].text == ")" && --depth == 0 && i + 1 < t.size()) {
                wraps = false;
                break;
            }
        }
        if (!wraps)
            break;
        t = std::vector<Tok>(t.begin() + 1, t.end() - 1);
    }
    return t;
}

// "A | B | (C)" -> {A, B, C}; empty unless every operand is one identifier.
std::vector<std::string> orOperands(const std::string& body) {
    const auto toks = stripParens(tokenize(body));
    std::vector<std::vector<Tok>> parts(1);
    int depth = 0;
    for (const auto& t : toks) {
        if (t.text == "(")
            ++depth;
        if (t.text == ")")
            --depth;
        if (t.text == "|" && depth == 0)
            parts.emplace_back();
        else
            parts.back().push_back(t);
    }
    std::vector<std::string> names;
    if (parts.size() < 2)
        return names;
    for (auto& p : parts) {
        p = stripParens(p);
        if (p.size() != 1 || !p[0].ident)
            return {};
        names.push_back(p[0].text);
    }
    return names;
}

struct MacroDef {
    std::string body;
    std::string file;
    unsigned line = 0;
    long seq = 0;
};

// The 1-based lines of the probe file on which clang reports an error.
std::set<unsigned> errorLines(CXTranslationUnit tu, const std::string& probePath) {
    std::set<unsigned> bad;
    const unsigned n = clang_getNumDiagnostics(tu);
    for (unsigned i = 0; i < n; ++i) {
        CXDiagnostic d = clang_getDiagnostic(tu, i);
        if (clang_getDiagnosticSeverity(d) >= CXDiagnostic_Error) {
            CXFile f;
            unsigned line, col, off;
            clang_getExpansionLocation(clang_getDiagnosticLocation(d), &f, &line, &col, &off);
            if (f && str(clang_getFileName(f)) == probePath)
                bad.insert(line);
        }
        clang_disposeDiagnostic(d);
    }
    return bad;
}

std::map<std::string, long long> enumValues(CXTranslationUnit tu) {
    std::map<std::string, long long> vals;
    clang_visitChildren(
        clang_getTranslationUnitCursor(tu),
        [](CXCursor c, CXCursor, CXClientData data) {
            auto& v = *static_cast<std::map<std::string, long long>*>(data);
            if (clang_getCursorKind(c) == CXCursor_EnumDecl) {
                clang_visitChildren(
                    c,
                    [](CXCursor e, CXCursor, CXClientData d2) {
                        const std::string n = str(clang_getCursorSpelling(e));
                        if (n.rfind("pq", 0) == 0)
                            (*static_cast<std::map<std::string, long long>*>(
                                d2))[n] = clang_getEnumConstantDeclValue(e),
                        (*static_cast<std::map<std::string, long long>*>(d2))[n + "u"] =
                                static_cast<long long>(clang_getEnumConstantDeclUnsignedValue(e));
                        return CXChildVisit_Continue;
                    },
                    &v);
            }
            return CXChildVisit_Continue;
        },
        &vals);
    return vals;
}

CXTranslationUnit parseProbe(const Options& opt, const std::string& path, CXIndex index) {
    auto args = compilerArgs(opt);
    args.push_back("-I" + opt.masterHeader.substr(0, opt.masterHeader.rfind('/')));
    args.push_back("-Wno-everything");
    std::vector<const char*> argv;
    for (const auto& a : args)
        argv.push_back(a.c_str());
    CXTranslationUnit tu = nullptr;
    const auto err =
        clang_parseTranslationUnit2(index, path.c_str(), argv.data(), static_cast<int>(argv.size()),
                                    nullptr, 0, CXTranslationUnit_SkipFunctionBodies, &tu);
    if (err != CXError_Success || !tu)
        throw std::runtime_error("cannot parse " + path);
    return tu;
}

std::string shellArgs(const Options& opt) {
    std::string s;
    for (const auto& a : compilerArgs(opt))
        s += " '" + a + "'";
    return s;
}

}  // namespace

bool isApiHeader(const std::string& path) {
    return isMingwPath(path) && !isRuntimeHeader(path);
}

MacroInfo readMacros(const Options& opt) {
    MacroInfo info;
    // 1. Final definitions, with the header each came from.
    const std::string dd =
        runCommand("clang-14" + shellArgs(opt) + " -E -dD '" + opt.masterHeader + "'");
    std::map<std::string, MacroDef> defs;
    std::map<std::string, int>& fileIndex = info.fileIndex;
    std::istringstream in(dd);
    std::string line, curFile;
    unsigned curLine = 0;
    long seq = 0;
    while (std::getline(in, line)) {
        if (line.rfind("# ", 0) == 0 && line.size() > 2 &&
            std::isdigit(static_cast<unsigned char>(line[2]))) {
            std::istringstream ls(line.substr(2));
            unsigned n;
            std::string f;
            ls >> n >> f;
            curLine = n;
            curFile = f.size() >= 2 ? f.substr(1, f.size() - 2) : f;
            if (!fileIndex.count(curFile))
                fileIndex[curFile] = static_cast<int>(fileIndex.size());
            continue;
        }
        if (line.rfind("#define ", 0) == 0) {
            std::size_t i = 8, j = i;
            while (j < line.size() &&
                   (std::isalnum(static_cast<unsigned char>(line[j])) || line[j] == '_'))
                ++j;
            const std::string name = line.substr(i, j - i);
            if (j < line.size() && line[j] == '(') {
                defs.erase(name);  // function-like: not a constant
            } else {
                MacroDef d;
                d.body = j < line.size() ? line.substr(j + 1) : "";
                d.file = curFile;
                d.line = curLine;
                d.seq = ++seq;
                defs[name] = d;
            }
        } else if (line.rfind("#undef ", 0) == 0) {
            defs.erase(line.substr(7, line.find_first_of(" \t", 7) - 7));
        }
        ++curLine;
    }

    std::vector<std::string> cands;
    for (const auto& [name, d] : defs) {
        if (!isMingwPath(d.file) || isRuntimeHeader(d.file) || name.empty() || name[0] == '_')
            continue;
        cands.push_back(name);
    }

    // 2. Expand every candidate once to see what it stands for.
    {
        std::ofstream f(opt.cacheDir + "/expand.c");
        f << "#include \"" << opt.masterHeader << "\"\n";
        for (std::size_t i = 0; i < cands.size(); ++i)
            f << "pqMARK" << i << " " << cands[i] << "\n";
    }
    const std::string ex =
        runCommand("clang-14" + shellArgs(opt) + " -E -P '" + opt.cacheDir + "/expand.c'");
    std::istringstream exs(ex);
    while (std::getline(exs, line)) {
        if (line.rfind("pqMARK", 0) != 0)
            continue;
        const std::size_t sp = line.find(' ');
        const std::size_t idx = std::stoul(line.substr(6, sp - 6));
        if (idx < cands.size())
            info.expansion[cands[idx]] = sp == std::string::npos ? "" : line.substr(sp + 1);
    }

    // 3. Let clang evaluate the integers: value, size and signedness.
    std::vector<std::string> ints;
    std::map<std::string, Constant> result;
    for (const auto& name : cands) {
        const std::string& e = info.expansion[name];
        Constant c;
        c.name = name;
        c.file = defs[name].file;
        c.fileIndex = fileIndex[c.file];
        c.line = defs[name].line;
        c.seq = defs[name].seq;
        const auto toks = tokenize(e);
        if (toks.empty()) {
            ++info.dropCounts["empty macro"];
            continue;
        }
        if (toks[0].string) {
            std::string s;
            if (!decodeStrings(toks, s)) {
                ++info.dropCounts["string constant with escapes VB cannot write"];
                continue;
            }
            c.isString = true;
            c.text = s;
            result[name] = c;
            continue;
        }
        for (const auto& t : toks)
            if (t.number && (t.text.rfind("0x", 0) == 0 || t.text.rfind("0X", 0) == 0))
                c.hexSource = true;
        int depth = 0;
        bool sane = true;
        for (const auto& t : toks) {
            depth += t.text == "(" ? 1 : t.text == ")" ? -1 : 0;
            if (t.text == "{" || t.text == "}" || t.text == ";" || t.text == "#" || depth < 0)
                sane = false;
        }
        if (!sane || depth != 0) {
            ++info.dropCounts["not an expression (braces, statements)"];
            continue;
        }
        c.orOperands = orOperands(defs[name].body);
        result[name] = c;
        ints.push_back(name);
    }

    CXIndex index = clang_createIndex(0, 0);
    std::vector<std::string> retry;
    // Error recovery can swallow the lines after a broken one without a
    // diagnostic of their own; those are probed again in a file of their own.
    std::vector<std::string> pending = ints;
    for (int round = 0; !pending.empty(); ++round) {
        const std::string path = opt.cacheDir + "/probe_int" + std::to_string(round) + ".c";
        {
            std::ofstream f(path);
            f << "#include \"" << opt.masterHeader << "\"\n";
            for (std::size_t i = 0; i < pending.size(); ++i)
                f << "enum { pqE" << i << " = (" << pending[i] << "), pqS" << i << " = sizeof("
                  << pending[i] << "), pqU" << i << " = ((" << pending[i] << ")*0-1 > 0) };\n";
        }
        CXTranslationUnit tu = parseProbe(opt, path, index);
        const auto bad = errorLines(tu, path);
        const auto vals = enumValues(tu);
        std::vector<std::string> next;
        for (std::size_t i = 0; i < pending.size(); ++i) {
            const std::string k = std::to_string(i);
            if (bad.count(static_cast<unsigned>(i + 2))) {
                retry.push_back(pending[i]);
                continue;
            }
            if (!vals.count("pqE" + k) || !vals.count("pqS" + k) || !vals.count("pqU" + k)) {
                next.push_back(pending[i]);
                continue;
            }
            Constant& c = result[pending[i]];
            c.value = vals.at("pqE" + k);
            c.size = static_cast<int>(vals.at("pqS" + k));
            c.isUnsigned = vals.at("pqU" + k) != 0;
            // clang reports the value sign-extended from its own width.
            if (c.isUnsigned)
                c.value = vals.at("pqE" + k + "u");
        }
        clang_disposeTranslationUnit(tu);
        if (next.size() == pending.size() || round == 5) {
            retry.insert(retry.end(), next.begin(), next.end());
            break;
        }
        pending = std::move(next);
    }
    std::set<std::string> failed;
    // Pointer-typed constants (HKEY_CLASSES_ROOT, INVALID_HANDLE_VALUE),
    // again in rounds for lines that error recovery swallowed.
    pending = retry;
    for (int round = 0; !pending.empty(); ++round) {
        const std::string path = opt.cacheDir + "/probe_ptr" + std::to_string(round) + ".c";
        {
            std::ofstream f(path);
            f << "#include \"" << opt.masterHeader << "\"\n";
            for (std::size_t i = 0; i < pending.size(); ++i)
                f << "enum { pqP" << i << " = (long long)(__INTPTR_TYPE__)(" << pending[i]
                  << ") };\n";
        }
        CXTranslationUnit tu = parseProbe(opt, path, index);
        const auto bad = errorLines(tu, path);
        const auto vals = enumValues(tu);
        std::vector<std::string> next;
        for (std::size_t i = 0; i < pending.size(); ++i) {
            const std::string k = "pqP" + std::to_string(i);
            if (bad.count(static_cast<unsigned>(i + 2))) {
                failed.insert(pending[i]);
                continue;
            }
            if (!vals.count(k)) {
                next.push_back(pending[i]);
                continue;
            }
            Constant& c = result[pending[i]];
            c.value = vals.at(k);
            c.size = 4;
            c.orOperands.clear();
        }
        clang_disposeTranslationUnit(tu);
        if (next.size() == pending.size() || round == 5) {
            failed.insert(next.begin(), next.end());
            break;
        }
        pending = std::move(next);
    }
    clang_disposeIndex(index);
    for (const auto& n : failed) {
        result.erase(n);
        ++info.dropCounts
              ["not an integer or string constant (type, function alias, float, expression clang "
               "cannot evaluate)"];
    }
    for (auto& [n, c] : result)
        info.constants.push_back(c);
    std::sort(info.constants.begin(), info.constants.end(),
              [](const Constant& a, const Constant& b) {
                  if (a.fileIndex != b.fileIndex)
                      return a.fileIndex < b.fileIndex;
                  if (a.line != b.line)
                      return a.line < b.line;
                  return a.seq < b.seq;
              });
    return info;
}

}  // namespace catgen
