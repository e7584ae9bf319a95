// Declare lines for the exported stdcall functions of the headers. Whether a
// function is stdcall is decided by the @N of its import, not by the header;
// the VB parameters must need exactly N bytes of stack.
#include "catgen.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace catgen {
namespace {

// True when a pointee spelled through typedefs is a wide character.
bool isWideChar(CXType pointee) {
    CXType t = pointee;
    for (int guard = 0; guard < 20 && t.kind == CXType_Typedef; ++guard) {
        const std::string n = str(clang_getCursorSpelling(clang_getTypeDeclaration(t)));
        if (n == "WCHAR" || n == "wchar_t" || n == "OLECHAR")
            return true;
        t = clang_getTypedefDeclUnderlyingType(clang_getTypeDeclaration(t));
    }
    return clang_getCanonicalType(pointee).kind == CXType_WChar;
}

// Structures that parameters point to but that VB cannot lay out exactly:
// such a parameter is passed As Any.
std::set<std::string>& anyFallbacks() {
    static std::set<std::string> s;
    return s;
}

// True when the type is spelled through a handle typedef over void*
// (HANDLE, HGLOBAL, HGDIOBJ) or an opaque pointer VB passes as a Long.
bool isVoidHandle(CXType t) {
    for (int guard = 0; guard < 20 && (t.kind == CXType_Typedef || t.kind == CXType_Elaborated);
         ++guard) {
        if (t.kind == CXType_Elaborated) {
            t = clang_Type_getNamedType(t);
            continue;
        }
        const std::string n = str(clang_getCursorSpelling(clang_getTypeDeclaration(t)));
        bool handle = n.size() > 1 && n[0] == 'H';
        for (char c : n)
            if (!(std::isupper(static_cast<unsigned char>(c)) ||
                  std::isdigit(static_cast<unsigned char>(c)) || c == '_'))
                handle = false;
        if (handle || n == "PSID" || n == "PSECURITY_DESCRIPTOR" || n == "va_list" ||
            n == "__gnuc_va_list" || n == "__builtin_va_list")
            return true;
        t = clang_getTypedefDeclUnderlyingType(clang_getTypeDeclaration(t));
    }
    return false;
}

struct Param {
    std::string text;  // "ByVal x As Long"
    int bytes = 4;
};

// One C parameter as VB parameters; false with a reason when impossible.
// Strips typedefs and elaboration until the type itself is a pointer (or
// is no typedef any more), keeping the pointee's own typedef names.
CXType desugarToPointer(CXType t) {
    for (int guard = 0; guard < 40; ++guard) {
        if (t.kind == CXType_Typedef)
            t = clang_getTypedefDeclUnderlyingType(clang_getTypeDeclaration(t));
        else if (t.kind == CXType_Elaborated)
            t = clang_Type_getNamedType(t);
        else if (t.kind == CXType_Attributed)
            t = clang_Type_getModifiedType(t);
        else
            break;
    }
    return t;
}

bool translateParam(CXType type, const std::string& name, TypeTable& types, std::vector<Param>& out,
                    std::set<std::string>& refs, std::string& why, bool typedAllowed) {
    const CXType canon = clang_getCanonicalType(type);
    const bool voidHandle = isVoidHandle(type);
    type = desugarToPointer(type);
    // An array parameter (CRYPT_ATTRIBUTE rgAttr[]) is a pointer to its first element.
    const bool isArray = canon.kind == CXType_IncompleteArray || canon.kind == CXType_ConstantArray;
    if (canon.kind == CXType_Pointer || isArray) {
        CXType pointee = isArray ? clang_getArrayElementType(type) : clang_getPointeeType(type);
        if (pointee.kind == CXType_Invalid)
            pointee = isArray ? clang_getArrayElementType(canon) : clang_getPointeeType(canon);
        const CXType pc = clang_getCanonicalType(pointee);
        if (voidHandle) {
            out.push_back(
                {"ByVal " + name + " As Long", 4});  // va_list: a pointer VB passes as a Long
        } else if (pc.kind == CXType_Char_S || pc.kind == CXType_SChar) {
            out.push_back({"ByVal " + name + " As String", 4});
        } else if (isWideChar(pointee)) {
            out.push_back({"ByVal " + name + " As Long", 4});
        } else if (pc.kind == CXType_Void && voidHandle) {
            out.push_back({"ByVal " + name + " As Long", 4});
        } else if (pc.kind == CXType_Void) {
            out.push_back({name + " As Any", 4});
        } else if (pc.kind == CXType_Record) {
            if (TypeTable::isHandle(pc) || TypeTable::isInterface(pc) ||
                clang_Type_getSizeOf(pc) <= 0) {
                out.push_back({"ByVal " + name + " As Long", 4});
            } else if (const VbType* t = typedAllowed ? types.forRecord(pc) : nullptr) {
                out.push_back({name + " As " + t->name, 4});
                refs.insert(t->name);
            } else {
                out.push_back({name + " As Any", 4});
                if (typedAllowed)
                    anyFallbacks().insert(str(clang_getTypeSpelling(pc)));
            }
        } else if (pc.kind == CXType_Pointer || pc.kind == CXType_FunctionProto ||
                   pc.kind == CXType_FunctionNoProto) {
            out.push_back({(pc.kind == CXType_Pointer ? "" : "ByVal ") + name + " As Long", 4});
        } else {
            const std::string vb = vbScalar(pc);
            if (vb.empty()) {
                why = "pointer to a type without a VB equivalent";
                return false;
            }
            out.push_back({name + " As " + vb, 4});
        }
        return true;
    }
    if (canon.kind == CXType_Record) {
        // A structure passed by value: its members as ByVal Longs, which is
        // what the stack holds (WindowFromPoint, PtInRect).
        const VbType* t = types.forRecord(canon);
        if (!t) {
            why = "structure by value that cannot be translated";
            return false;
        }
        bool allLongs = true;
        for (const auto& m : t->members)
            allLongs = allLongs && m.type == "Long" && m.count == 1;
        if (allLongs) {
            for (const auto& m : t->members)
                out.push_back({"ByVal " + name + "_" + m.name + " As Long", 4});
            return true;
        }
        // Smaller members packed into the stack's 4-byte slots
        // (BLENDFUNCTION for AlphaBlend is one ByVal Long).
        if (t->size % 4 != 0 || t->size > 16) {
            why = "structure by value with members other than Longs";
            return false;
        }
        if (t->size == 4) {
            out.push_back({"ByVal " + name + " As Long", 4});
            return true;
        }
        for (long long k = 0; k < t->size / 4; ++k)
            out.push_back({"ByVal " + name + "_" + std::to_string(k + 1) + " As Long", 4});
        return true;
    }
    const std::string vb = vbScalar(canon);
    if (vb.empty()) {
        why = "parameter type without a VB equivalent";
        return false;
    }
    out.push_back(
        {"ByVal " + name + " As " + vb, static_cast<int>(std::max(4LL, vbScalarSize(vb)))});
    return true;
}

}  // namespace

DeclareResult translateFunctions(CXTranslationUnit tu, const MacroInfo& macros,
                                 const std::map<std::string, Import>& imports, TypeTable& types) {
    std::vector<CXCursor> funcs;
    clang_visitChildren(
        clang_getTranslationUnitCursor(tu),
        [](CXCursor c, CXCursor, CXClientData d) {
            if (clang_getCursorKind(c) == CXCursor_FunctionDecl && fromMingwHeader(c) &&
                isApiHeader(fileOf(c)))
                static_cast<std::vector<CXCursor>*>(d)->push_back(c);
            return CXChildVisit_Continue;
        },
        &funcs);
    DeclareResult r;
    std::set<std::string> seen, vbNames;
    unsigned seq = 0;
    for (CXCursor c : funcs) {
        const std::string cname = str(clang_getCursorSpelling(c));
        if (!seen.insert(cname).second)
            continue;
        auto imp = imports.find(cname);
        if (imp == imports.end()) {
            r.leftOut["not imported from a classic DLL by the import libraries"].push_back(cname);
            continue;
        }
        if (imp->second.stackBytes < 0) {
            r.leftOut["cdecl (no @N in the import library): VB 6 cannot call it"].push_back(cname);
            continue;
        }
        const CXType ft = clang_getCursorType(c);
        if (clang_isFunctionTypeVariadic(ft)) {
            r.leftOut["variadic"].push_back(cname);
            continue;
        }
        // The ANSI function of an A/W pair goes under the bare name.
        std::string vbName = cname;
        if (cname.size() > 1 && cname.back() == 'A') {
            const std::string bare = cname.substr(0, cname.size() - 1);
            auto m = macros.expansion.find(bare);
            if (m != macros.expansion.end() && m->second == cname)
                vbName = bare;
        }
        // VB names cannot begin with "_" (_lopen) nor be a reserved word
        // (select): the export stays the alias.
        while (!vbName.empty() && vbName[0] == '_')
            vbName.erase(0, 1);
        if (vbName.empty())
            continue;
        if (isReservedWord(vbName))
            vbName += "_";
        if (vbName != cname && vbName + "A" != cname)
            noteRename("procedure", cname, vbName);
        std::string why;
        std::vector<Param> params;
        std::set<std::string> refs;
        std::set<std::string> paramNames;
        const int n = clang_Cursor_getNumArguments(c);
        for (int i = 0; i < n && why.empty(); ++i) {
            CXCursor a = clang_Cursor_getArgument(c, static_cast<unsigned>(i));
            std::string pn = vbIdentifier(str(clang_getCursorSpelling(a)), true);
            if (pn.empty())
                pn = "p" + std::to_string(i + 1);
            while (!paramNames.insert(lower(pn)).second || lower(pn) == lower(vbName))
                pn += "_";
            if (!translateParam(clang_getCursorType(a), pn, types, params, refs, why, true))
                break;
        }
        const CXType res = clang_getResultType(ft);
        const CXType rc = clang_getCanonicalType(res);
        std::string resVb;
        if (why.empty() && rc.kind != CXType_Void) {
            if (rc.kind == CXType_Record)
                why = "returns a structure";
            else if ((resVb = vbScalar(rc)).empty())
                why = "result type without a VB equivalent";
        }
        if (!why.empty()) {
            r.leftOut[why].push_back(cname);
            continue;
        }
        int bytes = 0;
        std::string list;
        for (const auto& p : params) {
            bytes += p.bytes;
            list += (list.empty() ? "" : ", ") + p.text;
        }
        if (bytes != imp->second.stackBytes) {
            r.leftOut["@N of the import differs from the header's parameters"].push_back(cname);
            continue;
        }
        if (!vbNames.insert(lower(vbName)).second) {
            r.leftOut["name equal to another procedure ignoring case"].push_back(cname);
            continue;
        }
        Declare d;
        d.name = vbName;
        d.dll = imp->second.dll;
        d.exportName = imp->second.exportName;
        d.stackBytes = bytes;
        d.seq = seq++;
        d.typeRefs.assign(refs.begin(), refs.end());
        d.line = std::string("Declare ") + (resVb.empty() ? "Sub " : "Function ") + vbName +
                 " Lib \"" + d.dll + "\"";
        if (d.exportName != vbName)
            d.line += " Alias \"" + d.exportName + "\"";
        d.line += " (" + list + ")";
        if (!resVb.empty())
            d.line += " As " + resVb;
        if (d.line.size() > 1023) {
            r.leftOut["line longer than VB 6 allows"].push_back(cname);
            continue;
        }
        r.declares.push_back(d);
    }
    for (const auto& t : anyFallbacks())
        r.leftOut["(kept, parameter As Any) pointer to a structure VB cannot lay out exactly"]
            .push_back(t);
    return r;
}

// Hand knowledge: whole declare lines, each checked against the import
// libraries (the DLL must export the alias with the line's stack bytes).
void addOverrides(const std::string& path, const std::map<std::string, Import>& imports,
                  DeclareResult& result) {
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::string line;
    unsigned seq = 1000000;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        Declare d;
        d.line = line;
        const auto kw = line.rfind("Declare Function ", 0) == 0 ? 17u : 12u;
        d.name = line.substr(kw, line.find(' ', kw) - kw);
        const auto lib = line.find(" Lib \"") + 6;
        d.dll = line.substr(lib, line.find('"', lib) - lib);
        const auto al = line.find(" Alias \"");
        d.exportName =
            al == std::string::npos ? d.name : line.substr(al + 8, line.find('"', al + 8) - al - 8);
        auto imp = imports.find(d.exportName);
        if (imp == imports.end() || imp->second.dll != d.dll)
            throw std::runtime_error("override not exported as written: " + line);
        d.stackBytes = imp->second.stackBytes;
        d.seq = seq++;
        // Replace a generated line of the same name, if any.
        result.declares.erase(
            std::remove_if(result.declares.begin(), result.declares.end(),
                           [&](const Declare& x) { return lower(x.name) == lower(d.name); }),
            result.declares.end());
        result.declares.push_back(d);
    }
}

}  // namespace catgen
