#pragma once
// Shared data of the catalogue generator: what each stage produces and the
// next one reads.

#include <clang-c/Index.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace catgen {

struct Options {
    std::string masterHeader;   // tools/catgen/master.h
    std::string importsFile;    // cache of scan_imports.sh
    std::string overridesFile;  // tools/catgen/overrides.txt
    std::string outDir;         // catalogue/data
    std::string resourceDir;    // clang's resource directory
    std::string cacheDir;       // tools/catgen/cache (probe files)
};

// Compiler arguments shared by every parse and preprocessor run.
std::vector<std::string> compilerArgs(const Options& opt);
// Pinned version macros, written into the build notes.
const std::vector<std::string>& pinnedDefines();

// ---- import libraries -----------------------------------------------------
struct Import {
    std::string dll;         // as VB programmers write it: "kernel32", "winspool.drv"
    std::string exportName;  // the DLL's export
    int stackBytes = -1;     // @N, or -1 for an undecorated (cdecl or data) import
    int rank = 0;            // lower is better
};
// C name -> best import.
std::map<std::string, Import> readImports(const std::string& path);

// ---- constants ------------------------------------------------------------
struct Constant {
    std::string name;
    std::string file;   // header it came from
    int fileIndex = 0;  // order of first inclusion of that header
    unsigned line = 0;  // line in that header
    bool fromEnum = false;
    long seq = 0;  // position of its final definition
    bool isString = false;
    std::string text;     // string value (bytes)
    long long value = 0;  // integer value as clang computed it
    bool isUnsigned = false;
    int size = 0;
    bool hexSource = false;
    std::vector<std::string> orOperands;  // when the body is A | B | ...
    std::string vbValue;                  // final VB text
};

struct MacroInfo {
    std::map<std::string, std::string> expansion;  // object-like macro -> expanded text
    std::vector<Constant> constants;               // evaluated, in header order
    std::map<std::string, int> dropCounts;
    std::map<std::string, int> fileIndex;  // header path -> order of first inclusion
};
MacroInfo readMacros(const Options& opt);

// ---- VB names -------------------------------------------------------------
bool isReservedWord(const std::string& name);
const std::vector<std::string>& reservedWords();
// Every name the generator changed, for the left-out list: "kind: from -> to".
void noteRename(const std::string& kind, const std::string& from, const std::string& to);
const std::set<std::string>& renames();
// Member or parameter name safe for VB: reserved words get a trailing "_".
std::string vbIdentifier(const std::string& name, bool isParameter);

// ---- types ----------------------------------------------------------------
struct VbMember {
    std::string name;
    std::string bounds;     // "" or "(0 To 3)" / "(1 To NAME)"
    std::string type;       // "Long", "String * 32", a type name
    long long cOffset = 0;  // where C puts it
    long long elemSize = 0, count = 1, align = 1;
    bool bitField = false;
};
struct VbType {
    std::string name;
    std::string usr;
    long long size = 0, align = 1;
    std::vector<VbMember> members;
    std::set<std::string> typeRefs;  // other VB types it uses
    unsigned order = 0;
    bool ok = false;
    std::string whyNot;
};

// Translates C records into VB 6 types with C's exact layout.
class TypeTable {
public:
    TypeTable(CXTranslationUnit tu, const MacroInfo& macros,
              const std::map<std::string, long long>& intConsts);
    // The VB type for a record type, translated on first use; nullptr when
    // it cannot be made exact (whyNot() tells why).
    const VbType* forRecord(CXType recordType);
    void translateAll();
    std::vector<const VbType*> emitted() const;  // translated, in header order
    std::map<std::string, std::vector<std::string>> failures() const;
    static bool isInterface(CXType recordType);
    static bool isHandle(CXType recordType);

private:
    CXTranslationUnit tu_;
    const MacroInfo& macros_;
    const std::map<std::string, long long>& consts_;
    std::map<std::string, VbType> byUsr_;
    std::map<std::string, std::string> nameOf_;  // usr -> VB name
    std::map<std::string, unsigned> orderOf_;    // usr -> header order
    std::vector<std::pair<std::string, CXType>> records_;
    std::set<std::string> takenLower_;
    void collectNames();
    bool recordInto(CXType t, long long base, std::vector<VbMember>& out, VbType& owner,
                    std::string& why);
    bool fieldInto(CXCursor field, long long base, std::vector<VbMember>& out, VbType& owner,
                   std::string& why);
    bool layout(VbType& t, long long cSize, std::string& why);
    bool layoutWithCap(VbType& t, long long cSize, long long cap, std::string& why);
};
// VB scalar type for a C scalar, or "" (pointers, enums, integers, floats).
std::string vbScalar(CXType canonical);
long long vbScalarSize(const std::string& vb);

// ---- declares -------------------------------------------------------------
struct Declare {
    std::string name;  // VB name
    std::string line;  // full catalogue line
    std::string dll;
    std::string exportName;
    int stackBytes = 0;
    unsigned seq = 0;
    std::vector<std::string> typeRefs;
};
struct DeclareResult {
    std::vector<Declare> declares;
    std::map<std::string, std::vector<std::string>> leftOut;  // reason -> names
};
DeclareResult translateFunctions(CXTranslationUnit tu, const MacroInfo& macros,
                                 const std::map<std::string, Import>& imports, TypeTable& types);
void addOverrides(const std::string& path, const std::map<std::string, Import>& imports,
                  DeclareResult& result);

// ---- helpers --------------------------------------------------------------
std::string str(CXString s);       // takes ownership
std::string lower(std::string s);  // ASCII letters to lower case
std::string runCommand(const std::string& cmd);
bool fromMingwHeader(CXCursor c);
// A Windows API header (not the C runtime or compiler glue).
bool isApiHeader(const std::string& path);
std::string fileOf(CXCursor c);

}  // namespace catgen
