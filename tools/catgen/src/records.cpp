// Structures and unions as VB 6 types. VB aligns a member to at most four
// bytes, so every member is placed where C places it, with explicit Byte
// padding where C leaves a gap; a record that VB cannot lay out exactly is
// left out, and so is everything that contains it.
#include "catgen.h"

#include <algorithm>
#include <functional>

namespace catgen {
namespace {

long long roundUp(long long v, long long a) {
    return a <= 1 ? v : (v + a - 1) / a * a;
}

// Type names that VB programmers know under another name, or that clash
// with VB's own types.
std::string vbTypeRename(const std::string& n) {
    if (n == "POINT")
        return "POINTAPI";
    if (isReservedWord(n))
        return n + "_API";
    return n;
}

std::string usrOf(CXType t) {
    return str(clang_getCursorUSR(clang_getTypeDeclaration(clang_getCanonicalType(t))));
}

std::vector<CXCursor> fieldsOf(CXType t) {
    std::vector<CXCursor> fields;
    clang_Type_visitFields(
        clang_getCanonicalType(t),
        [](CXCursor c, CXClientData d) {
            static_cast<std::vector<CXCursor>*>(d)->push_back(c);
            return CXVisit_Continue;
        },
        &fields);
    return fields;
}

}  // namespace

std::string vbScalar(CXType t) {
    t = clang_getCanonicalType(t);
    switch (t.kind) {
        case CXType_Pointer:
        case CXType_BlockPointer:
            return "Long";
        case CXType_Enum:
        case CXType_Bool:
        case CXType_Char_S:
        case CXType_SChar:
        case CXType_UChar:
        case CXType_Char_U:
        case CXType_Short:
        case CXType_UShort:
        case CXType_WChar:
        case CXType_Int:
        case CXType_UInt:
        case CXType_Long:
        case CXType_ULong:
        case CXType_LongLong:
        case CXType_ULongLong:
            switch (clang_Type_getSizeOf(t)) {
                case 1:
                    return "Byte";
                case 2:
                    return "Integer";
                case 4:
                    return "Long";
                case 8:
                    return "Currency";
                default:
                    return "";
            }
        case CXType_Float:
            return "Single";
        case CXType_Double:
            return "Double";
        default:
            return "";
    }
}

long long vbScalarSize(const std::string& vb) {
    if (vb == "Byte")
        return 1;
    if (vb == "Integer")
        return 2;
    if (vb == "Long" || vb == "Single")
        return 4;
    if (vb == "Double" || vb == "Currency")
        return 8;
    return 0;
}

TypeTable::TypeTable(CXTranslationUnit tu, const MacroInfo& macros,
                     const std::map<std::string, long long>& intConsts)
    : tu_(tu), macros_(macros), consts_(intConsts) {
    collectNames();
}

bool TypeTable::isInterface(CXType t) {
    const auto f = fieldsOf(t);
    return !f.empty() && str(clang_getCursorSpelling(f[0])) == "lpVtbl";
}

bool TypeTable::isHandle(CXType t) {
    // DECLARE_HANDLE(HWND) makes "struct HWND__ { int unused; }".
    const std::string n =
        str(clang_getCursorSpelling(clang_getTypeDeclaration(clang_getCanonicalType(t))));
    return n.size() > 2 && n.compare(n.size() - 2, 2, "__") == 0;
}

void TypeTable::collectNames() {
    struct Ctx {
        TypeTable* self;
        std::map<std::string, std::string> typedefUsr;  // typedef name -> record usr
        std::vector<std::string> order;
    } ctx{this, {}, {}};
    clang_visitChildren(
        clang_getTranslationUnitCursor(tu_),
        [](CXCursor c, CXCursor, CXClientData d) {
            auto& x = *static_cast<Ctx*>(d);
            if (!fromMingwHeader(c) || !isApiHeader(fileOf(c)))
                return CXChildVisit_Continue;
            const auto kind = clang_getCursorKind(c);
            if ((kind == CXCursor_StructDecl || kind == CXCursor_UnionDecl) &&
                clang_isCursorDefinition(c)) {
                const std::string usr = str(clang_getCursorUSR(c));
                if (!x.self->orderOf_.count(usr)) {
                    x.self->orderOf_[usr] = static_cast<unsigned>(x.self->orderOf_.size());
                    x.self->records_.emplace_back(usr, clang_getCursorType(c));
                }
            } else if (kind == CXCursor_TypedefDecl) {
                const CXType u = clang_getCanonicalType(clang_getTypedefDeclUnderlyingType(c));
                if (u.kind != CXType_Record)
                    return CXChildVisit_Continue;
                const std::string name = str(clang_getCursorSpelling(c));
                const std::string usr = usrOf(u);
                x.typedefUsr[name] = usr;
                if (!name.empty() && name[0] != '_' && !x.self->nameOf_.count(usr))
                    x.self->nameOf_[usr] = name;
            }
            return CXChildVisit_Continue;
        },
        &ctx);
    // Records named by a macro ("#define RASCONNA struct tagRASCONNA"): the
    // shortest such name, so that the ANSI form takes the bare one.
    std::map<std::string, std::string> macroFor;  // "struct tag" -> name
    for (const auto& [name, exp] : macros_.expansion) {
        if (name.empty() || name[0] == '_' ||
            (exp.rfind("struct ", 0) != 0 && exp.rfind("union ", 0) != 0))
            continue;
        auto& best = macroFor[exp];
        if (best.empty() || name.size() < best.size() ||
            (name.size() == best.size() && name < best))
            best = name;
    }
    for (const auto& [usr, type] : records_) {
        if (nameOf_.count(usr))
            continue;
        const CXCursor d = clang_getTypeDeclaration(type);
        const std::string tag = str(clang_getCursorSpelling(d));
        const std::string kw = clang_getCursorKind(d) == CXCursor_UnionDecl ? "union " : "struct ";
        auto m = macroFor.find(kw + tag);
        if (!tag.empty() && m != macroFor.end())
            nameOf_[usr] = m->second;
    }
    // Tag names for records without a typedef ("struct tagFOO" stays unnamed).
    for (const auto& [usr, type] : records_) {
        if (nameOf_.count(usr))
            continue;
        const std::string tag = str(clang_getCursorSpelling(clang_getTypeDeclaration(type)));
        if (!tag.empty() && tag[0] != '_' && tag.rfind("tag", 0) != 0 &&
            tag.find(' ') == std::string::npos)
            nameOf_[usr] = tag;
    }
    // A/W pairs: the ANSI form takes the bare name (OSVERSIONINFOA -> OSVERSIONINFO).
    for (auto& [usr, name] : nameOf_) {
        if (name.size() < 2 || name.back() != 'A')
            continue;
        const std::string bare = name.substr(0, name.size() - 1);
        auto t = ctx.typedefUsr.find(bare);
        auto m = macros_.expansion.find(bare);
        if ((t != ctx.typedefUsr.end() && t->second == usr) ||
            (m != macros_.expansion.end() && m->second == name))
            name = bare;
    }
    for (auto& [usr, name] : nameOf_) {
        const std::string vb = vbTypeRename(name);
        if (vb != name)
            noteRename("type", name, vb);
        name = vb;
    }
}

const VbType* TypeTable::forRecord(CXType t) {
    t = clang_getCanonicalType(t);
    const std::string usr = usrOf(t);
    auto it = byUsr_.find(usr);
    if (it != byUsr_.end())
        return it->second.ok ? &it->second : nullptr;
    VbType& vt = byUsr_[usr];
    vt.usr = usr;
    auto n = nameOf_.find(usr);
    vt.order =
        orderOf_.count(usr) ? orderOf_[usr] : 1000000u + static_cast<unsigned>(byUsr_.size());
    std::string why;
    const long long size = clang_Type_getSizeOf(t);
    if (n == nameOf_.end())
        why = "no type name";
    else if (size <= 0)
        why = "incomplete or empty";
    else if (isInterface(t) || isHandle(t))
        why = "interface or handle";
    else if (takenLower_.count(lower(n->second)))
        why = "name equal to another type ignoring case";
    else {
        vt.name = n->second;
        std::vector<VbMember> members;
        if (recordInto(t, 0, members, vt, why)) {
            vt.members = std::move(members);
            if (layout(vt, size, why)) {
                vt.ok = true;
                takenLower_.insert(lower(vt.name));
            }
        }
    }
    vt.whyNot = why;
    return vt.ok ? &vt : nullptr;
}

bool TypeTable::recordInto(CXType t, long long base, std::vector<VbMember>& out, VbType& owner,
                           std::string& why) {
    t = clang_getCanonicalType(t);
    const auto fields = fieldsOf(t);
    if (fields.empty()) {
        why = "record without members";
        return false;
    }
    if (clang_getCursorKind(clang_getTypeDeclaration(t)) == CXCursor_UnionDecl) {
        // The largest alternative (the first of them that translates); the
        // layout pass pads it to the union's size.
        std::vector<CXCursor> alts(fields);
        std::stable_sort(alts.begin(), alts.end(), [](CXCursor a, CXCursor b) {
            return clang_Type_getSizeOf(clang_getCursorType(a)) >
                   clang_Type_getSizeOf(clang_getCursorType(b));
        });
        for (const auto& f : alts) {
            std::vector<VbMember> tmp;
            std::string w;
            if (fieldInto(f, base, tmp, owner, w)) {
                out.insert(out.end(), tmp.begin(), tmp.end());
                return true;
            }
            why = w;
        }
        return false;
    }
    for (const auto& f : fields)
        if (!fieldInto(f, base, out, owner, why))
            return false;
    return true;
}

bool TypeTable::fieldInto(CXCursor field, long long base, std::vector<VbMember>& out, VbType& owner,
                          std::string& why) {
    const std::string cname = str(clang_getCursorSpelling(field));
    const long long bitOff = clang_Cursor_getOffsetOfField(field);
    if (bitOff < 0) {
        why = "field offset unknown";
        return false;
    }
    const long long off = base + bitOff / 8;
    const CXType ft = clang_getCanonicalType(clang_getCursorType(field));
    const CXCursor decl = clang_getTypeDeclaration(ft);
    if (ft.kind == CXType_Record && clang_Cursor_isAnonymousRecordDecl(decl))
        return recordInto(ft, off, out, owner, why);  // C11 anonymous: flatten
    if (ft.kind == CXType_Record && !nameOf_.count(usrOf(ft)) && clang_Type_getSizeOf(ft) > 0) {
        // A named member of a structure or union type without a VB name
        // ("union {...} u;", "union __MIDL_IWinTypes_0009 u;"):
        // flattened too; a union that comes down to one member takes the
        // member's own name (KEY_EVENT_RECORD.uChar As Integer).
        std::vector<VbMember> tmp;
        if (!recordInto(ft, off, tmp, owner, why))
            return false;
        if (tmp.size() == 1 && clang_getCursorKind(decl) == CXCursor_UnionDecl) {
            tmp[0].name = vbIdentifier(cname, false);
        } else {
            // Members that repeat an earlier name take the field's name in
            // front (NTFS_STATISTICS: MftWritesUserLevel_Write).
            std::set<std::string> have;
            for (const auto& m : out)
                have.insert(lower(m.name));
            bool clash = false;
            for (const auto& m : tmp)
                clash = clash || have.count(lower(m.name));
            if (clash)
                for (auto& m : tmp)
                    m.name = vbIdentifier(cname + "_" + m.name, false);
        }
        out.insert(out.end(), tmp.begin(), tmp.end());
        return true;
    }
    VbMember m;
    m.name = vbIdentifier(cname, false);
    m.cOffset = off;
    if (clang_Cursor_isBitField(field)) {
        // One integer per storage unit, named after its first bit-field.
        const long long unit = clang_Type_getSizeOf(ft);
        m.type = vbScalar(ft);
        if (m.type.empty() || unit <= 0) {
            why = "bit-field type";
            return false;
        }
        m.cOffset = base + (bitOff / 8) / unit * unit;
        if (!out.empty() && out.back().bitField && out.back().cOffset == m.cOffset)
            return true;
        m.bitField = true;
        m.elemSize = unit;
        m.align = std::min(unit, 4LL);
        out.push_back(m);
        return true;
    }
    CXType elem = ft;
    long long count = 1;
    bool isArray = false, multi = false;
    while (elem.kind == CXType_ConstantArray) {
        multi = isArray;
        isArray = true;
        count *= clang_getArraySize(elem);
        elem = clang_getCanonicalType(clang_getArrayElementType(elem));
    }
    if (ft.kind == CXType_IncompleteArray || (isArray && count == 0))
        return true;    // a trailing open array takes no room in C either
    std::string bound;  // a macro that spells the bound, when the header used one
    if (isArray && !multi) {
        CXToken* toks = nullptr;
        unsigned nt = 0;
        clang_tokenize(tu_, clang_getCursorExtent(field), &toks, &nt);
        for (unsigned i = 0; i + 2 < nt; ++i) {
            if (str(clang_getTokenSpelling(tu_, toks[i])) == "[" &&
                str(clang_getTokenSpelling(tu_, toks[i + 2])) == "]") {
                const std::string id = str(clang_getTokenSpelling(tu_, toks[i + 1]));
                auto c = consts_.find(id);
                if (c != consts_.end() && c->second == count)
                    bound = id;
                break;
            }
        }
        clang_disposeTokens(tu_, toks, nt);
    }
    if (isArray && (elem.kind == CXType_Char_S || elem.kind == CXType_SChar)) {
        m.type = "String * " + (bound.empty() ? std::to_string(count) : bound);
        m.elemSize = count;
        m.align = 1;
        out.push_back(m);
        return true;
    }
    if (elem.kind == CXType_Record) {
        const VbType* sub = forRecord(elem);
        if (!sub) {
            why = "uses a type that cannot be translated";
            return false;
        }
        m.type = sub->name;
        m.elemSize = sub->size;
        m.align = sub->align;
        owner.typeRefs.insert(sub->name);
    } else {
        m.type = vbScalar(elem);
        if (m.type.empty()) {
            why = "member type without a VB equivalent";
            return false;
        }
        m.elemSize = vbScalarSize(m.type);
        m.align = std::min(m.elemSize, 4LL);
    }
    if (isArray) {
        m.count = count;
        m.bounds =
            bound.empty() ? "(0 To " + std::to_string(count - 1) + ")" : "(1 To " + bound + ")";
    }
    out.push_back(m);
    return true;
}

namespace {

// A scalar member (or array of scalars) that C places off its VB alignment,
// or whose alignment exceeds `cap`, becomes an array of smaller integers
// covering the same bytes: "x(0 To 1) As Integer" for a Long at offset 2.
bool splitMember(VbMember& m, long long cap) {
    if (m.align <= cap && m.cOffset % m.align == 0)
        return true;
    if (vbScalarSize(m.type) == 0)
        return false;  // a nested type or a fixed string cannot be split
    const long long piece = (m.cOffset % 2 == 0 && cap >= 2) ? 2 : 1;
    const long long bytes = m.elemSize * m.count;
    m.type = piece == 2 ? "Integer" : "Byte";
    m.elemSize = piece;
    m.align = piece;
    m.count = bytes / piece;
    m.bounds = "(0 To " + std::to_string(m.count - 1) + ")";
    return true;
}

}  // namespace

bool TypeTable::layout(VbType& t, long long cSize, std::string& why) {
    // First with VB's own alignment, then, for a packed record whose size is
    // no multiple of 4, with every member split down to the record's packing.
    const long long lowBit = cSize & -cSize;
    for (long long cap : {4LL, std::min(4LL, lowBit)}) {
        if (layoutWithCap(t, cSize, cap, why))
            return true;
        if (cap <= lowBit)
            break;
    }
    return false;
}

bool TypeTable::layoutWithCap(VbType& t, long long cSize, long long cap, std::string& why) {
    std::vector<VbMember> placed;
    std::set<std::string> names;
    for (const auto& m : t.members)
        names.insert(lower(m.name));
    int padNo = 0;
    auto pad = [&](long long at, long long bytes) {
        VbMember p;
        do
            p.name = "Padding" + std::to_string(++padNo);
        while (names.count(lower(p.name)));
        p.type = "Byte";
        p.bounds = "(0 To " + std::to_string(bytes - 1) + ")";
        p.cOffset = at;
        p.elemSize = 1;
        p.count = bytes;
        placed.push_back(p);
    };
    // A nested type that the packing puts off its alignment is replaced by
    // its own members, named after it (NMLVKEYDOWN: hdr_hwndFrom, ...).
    std::vector<VbMember> members;
    std::function<bool(const VbMember&, int)> expand = [&](const VbMember& m, int depth) {
        const bool fits = m.align <= cap && m.cOffset % m.align == 0;
        if (fits || vbScalarSize(m.type) != 0 || m.type.rfind("String * ", 0) == 0 || depth > 8) {
            members.push_back(m);
            return true;
        }
        const VbType* sub = nullptr;
        for (const auto& [u, x] : byUsr_)
            if (x.ok && x.name == m.type)
                sub = &x;
        if (!sub || m.count != 1)
            return false;
        for (VbMember s : sub->members) {
            s.name = m.name + "_" + s.name;
            s.cOffset += m.cOffset;
            if (!expand(s, depth + 1))
                return false;
        }
        return true;
    };
    for (const auto& m : t.members)
        if (!expand(m, 0)) {
            why = "packed: an array of structures is not on its VB alignment";
            return false;
        }
    long long cur = 0, maxAlign = 1;
    std::set<std::string> seen;
    for (auto m : members) {
        if (!seen.insert(lower(m.name)).second) {
            why = "two members with one name";
            return false;
        }
        if (m.cOffset < cur) {
            why = "members overlap";
            return false;
        }
        if (!splitMember(m, cap)) {
            why = "packed: a structure member is not on its VB alignment";
            return false;
        }
        if (roundUp(cur, m.align) != m.cOffset)
            pad(cur, m.cOffset - cur);
        maxAlign = std::max(maxAlign, m.align);
        cur = m.cOffset + m.elemSize * m.count;
        placed.push_back(m);
    }
    if (roundUp(cur, maxAlign) != cSize) {
        if (cSize < cur || cSize % maxAlign != 0) {
            why = "packed: C size is not a multiple of the VB alignment";
            return false;
        }
        pad(cur, cSize - cur);
    }
    t.members = std::move(placed);
    t.size = cSize;
    t.align = maxAlign;
    return true;
}

void TypeTable::translateAll() {
    for (const auto& [usr, type] : records_)
        if (nameOf_.count(usr))
            forRecord(type);
}

std::vector<const VbType*> TypeTable::emitted() const {
    std::vector<const VbType*> v;
    for (const auto& [usr, t] : byUsr_)
        if (t.ok)
            v.push_back(&t);
    std::sort(v.begin(), v.end(),
              [](const VbType* a, const VbType* b) { return a->order < b->order; });
    return v;
}

std::map<std::string, std::vector<std::string>> TypeTable::failures() const {
    std::map<std::string, std::vector<std::string>> f;
    for (const auto& [usr, t] : byUsr_) {
        if (t.ok)
            continue;
        auto n = nameOf_.find(usr);
        if (n != nameOf_.end())
            f[t.whyNot].push_back(n->second);
    }
    return f;
}

}  // namespace catgen
