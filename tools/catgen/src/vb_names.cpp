// Names that VB 6 or VB .NET reserve, and how the catalogue avoids them.
//
// Source of the table: the keyword lists of the VB 6 language reference
// ("Keywords by task" and the statement and function names that the VB 6
// parser treats as reserved inside a declaration) and the VB .NET language
// reference, "Keywords (Visual Basic)", reserved keywords. Names of VB's own
// types and the statement words that cannot name a member or parameter
// (Len, Name, Open, Print, ...) are included.
#include "catgen.h"

#include <algorithm>
#include <cctype>

namespace catgen {

const std::vector<std::string>& reservedWords() {
    static const std::vector<std::string> words = {
        // VB 6
        "Alias", "And", "Any", "As", "Boolean", "ByRef", "Byte", "ByVal", "Call", "Case", "Close",
        "Const", "Currency", "Date", "Debug", "Declare", "DefBool", "DefByte", "DefCur", "DefDate",
        "DefDbl", "DefInt", "DefLng", "DefObj", "DefSng", "DefStr", "DefVar", "Dim", "Do", "Double",
        "Each", "Else", "ElseIf", "Empty", "End", "Enum", "Eqv", "Erase", "Error", "Event", "Exit",
        "False", "For", "Friend", "Function", "Get", "Global", "GoSub", "GoTo", "If", "Imp",
        "Implements", "In", "Input", "Integer", "Is", "Len", "Let", "Lib", "Like", "Line", "Lock",
        "Long", "Loop", "LSet", "Me", "Mod", "Name", "New", "Next", "Not", "Nothing", "Null",
        "Object", "On", "Open", "Option", "Optional", "Or", "ParamArray", "Preserve", "Print",
        "Private", "Property", "Public", "Put", "RaiseEvent", "ReDim", "Rem", "Resume", "Return",
        "RSet", "Seek", "Select", "Set", "Single", "Static", "Step", "Stop", "String", "Sub",
        "Then", "To", "True", "Type", "TypeOf", "Unlock", "Until", "Variant", "Wend", "While",
        "With", "WithEvents", "Write", "Xor", "Decimal", "Width",
        // VB .NET adds
        "AddHandler", "AddressOf", "AndAlso", "Catch", "CBool", "CByte", "CChar", "CDate", "CDbl",
        "CDec", "Char", "CInt", "Class", "CLng", "CObj", "Continue", "CSByte", "CShort", "CSng",
        "CStr", "CType", "CUInt", "CULng", "CUShort", "Default", "Delegate", "DirectCast",
        "Finally", "GetType", "GetXMLNamespace", "Handles", "Inherits", "Interface", "Module",
        "MustInherit", "MustOverride", "MyBase", "MyClass", "Namespace", "Narrowing",
        "NotInheritable", "NotOverridable", "Of", "Operator", "OrElse", "Overloads", "Overridable",
        "Overrides", "Partial", "Protected", "ReadOnly", "RemoveHandler", "SByte", "Shadows",
        "Shared", "Short", "Structure", "SyncLock", "Throw", "Try", "TryCast", "UInteger", "ULong",
        "UShort", "Using", "Widening", "WriteOnly"};
    return words;
}

bool isReservedWord(const std::string& name) {
    for (const auto& w : reservedWords())
        if (w.size() == name.size() &&
            std::equal(w.begin(), w.end(), name.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) ==
                       std::tolower(static_cast<unsigned char>(b));
            }))
            return true;
    return false;
}

namespace {
std::set<std::string>& renameSet() {
    static std::set<std::string> s;
    return s;
}
}  // namespace

void noteRename(const std::string& kind, const std::string& from, const std::string& to) {
    renameSet().insert(kind + ": " + from + " -> " + to);
}

const std::set<std::string>& renames() {
    return renameSet();
}

std::string vbIdentifier(const std::string& name, bool isParameter) {
    std::string n = name;
    if (n.empty())
        return n;
    if (n[0] == '_')
        n = "x" + n;
    if (isReservedWord(n)) {
        noteRename(isParameter ? "parameter" : "member", name, n + "_");
        return n + "_";
    }
    // Constant and declare lines are recognised by "Const " and "Declare ",
    // and the constant closure looks for "Const NAME " anywhere in a line; a
    // name that ends in one of these words would put it into a line of
    // another kind. VB names ignore case, so a lower-case ending is the same
    // name to VB. ("Type " may stand anywhere: type lookups match headers.)
    auto lowerEnding = [&](const std::string& word) {
        if (n.size() > word.size() && n.compare(n.size() - word.size(), word.size(), word) == 0)
            for (std::size_t i = n.size() - word.size(); i < n.size(); ++i)
                n[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(n[i])));
    };
    lowerEnding("Const");
    lowerEnding("Declare");
    return n;
}

}  // namespace catgen
