#include "generator/literal_generator.h"

#include "generator/item_kind.h"
#include "generator/text_model.h"

namespace pq::literal {
namespace {

const char* const kStandardTypes[] = {"Long", "Integer", "String",  "Byte",    "Short",
                                      "Any",  "Double",  "Decimal", "Currency"};

}  // namespace

std::optional<std::size_t> CatalogueLookup(Context& c) {
    c.itemName.clear();
    const auto kind = kindOfApiType(c.state.apiType);
    if (!kind)
        return std::nullopt;
    const std::string& text = c.state.selectedText;
    const std::size_t count = c.catalogue.lineCount();
    for (std::size_t n = 0; n < count; ++n) {
        const auto name = lineName(*kind, c.catalogue.lineText(n));
        if (name && *name == text) {
            c.itemName = itemNameOf(*kind, *name);
            return n;
        }
    }
    for (std::size_t n = 0; n < count; ++n) {
        const auto name = lineName(*kind, c.catalogue.lineText(n));
        if (name && name->substr(0, text.size()) == text) {
            c.itemName = itemNameOf(*kind, *name);
            return n;
        }
    }
    return std::nullopt;
}

bool ManualGen(Context& c) {
    const auto n = CatalogueLookup(c);
    if (!n)
        return false;
    if (c.state.apiType == api_type::kTypes)
        GenTypes(c, *n);
    else
        c.state.buffer = c.catalogue.lineText(*n);
    c.state.buffer = scopeWord(c.state.scope) + c.state.buffer;
    return true;
}

void GenTypes(Context& c, std::size_t n) {
    std::string& buffer = c.state.buffer;
    buffer.clear();
    while (n < c.catalogue.lineCount() && !containsText(c.catalogue.lineText(n), "End Type")) {
        buffer += c.catalogue.lineText(n) + "\n";
        ++n;
    }
    buffer += "End Type";
}

bool AutoGen(Context& c) {
    GeneratorState& s = c.state;
    c.passes = {};
    const auto n = CatalogueLookup(c);
    if (!n)
        return false;
    if (s.apiType == api_type::kTypes)
        GenTypes(c, *n);
    else
        s.buffer = c.catalogue.lineText(*n);
    s.buffer = scopeWord(s.scope) + s.buffer;
    if (s.apiType != api_type::kConstants) {
        s.DoneTypeNames.clear();
        s.TypeScanText = s.buffer;
        s.AutoDeclText = s.buffer;
        s.TypeBlocksText.clear();
        while (!GenUserTypes(c)) {
        }
        s.AutoDeclText = s.TypeBlocksText + s.AutoDeclText;
        s.buffer = s.AutoDeclText;
    }
    s.DoneConstNames.clear();
    while (!ConstTree(c)) {
    }
    return true;
}

bool GenUserTypes(Context& c) {
    GeneratorState& s = c.state;
    c.ui.setStatus(" Looking for a structures...");
    ++c.passes.typePasses;
    bool result = true;
    while (containsText(s.TypeScanText, " As ")) {
        const std::size_t p = s.TypeScanText.find(" As ");
        const std::string rest = s.TypeScanText.substr(p + 4);
        const std::string reference = rest.substr(0, rest.find_first_of(",)\n "));
        s.TypeScanText = rest.substr(reference.size());
        if (IfStandardType(c, reference))
            result = false;
    }
    if (!result)
        s.TypeScanText = s.TypeBlocksText;
    return result;
}

bool IfStandardType(Context& c, const std::string& name) {
    for (const char* word : kStandardTypes) {
        if (name == word)
            return false;
    }
    GeneratorState& s = c.state;
    if (containsText("\n" + s.DoneTypeNames, "\n" + name + "\n"))
        return false;
    s.DoneTypeNames += name + "\n";
    NameIndex& types = c.indexes.Types;
    types.select(types.find(name));
    SingleGen(c);
    return true;
}

void SingleGen(Context& c) {
    const std::string header = "Type " + c.indexes.Types.currentText();
    const std::size_t count = c.catalogue.lineCount();
    for (std::size_t n = 0; n < count; ++n) {
        if (c.catalogue.lineText(n) != header)
            continue;
        std::string block = scopeWord(c.state.scope);
        while (n < count && !containsText(c.catalogue.lineText(n), "End Type")) {
            block += c.catalogue.lineText(n) + "\n";
            ++n;
        }
        block += "End Type\n\n";
        c.state.TypeBlocksText = block + c.state.TypeBlocksText;
        return;
    }
}

bool ConstTree(Context& c) {
    GeneratorState& s = c.state;
    c.ui.setStatus(" Looking for a constants...");
    ++c.passes.constPasses;
    bool result = true;
    const NameIndex& constants = c.indexes.Constants;
    for (int k = 0; k < constants.count(); ++k) {
        // A name with a type clause ("SQL_C_LONG As Long") is written
        // without it wherever the text refers to it.
        const std::string name(bareName(constants.entry(k)));
        const std::string& buffer = s.buffer;
        if (!containsText(buffer, name))
            continue;
        const bool referenced =
            containsText(buffer, "(" + name + ")") || containsText(buffer, " * " + name) ||
            containsText(buffer, "(" + name + " ") || containsText(buffer, " " + name + " ") ||
            containsText(buffer, " " + name + ")") || containsText(buffer, " " + name + "\n") ||
            endsWithText(buffer, " " + name);
        if (!referenced)
            continue;
        if (containsText("\n" + s.DoneConstNames, "\n" + name + "\n"))
            continue;
        if (name == c.itemName)
            continue;
        result = false;
        const std::string key = "Const " + name + " ";
        bool found = false;
        for (std::size_t n = 0; n < c.catalogue.lineCount(); ++n) {
            const std::string& line = c.catalogue.lineText(n);
            if (!containsText(line, key))
                continue;
            s.buffer = scopeSelectorText(s.scope) + " " + line + "\n\n" + s.buffer;
            s.DoneConstNames += name + "\n";
            found = true;
        }
        // A name without a catalogue line is registered all the same, so the
        // closure ends with any catalogue.
        if (!found)
            s.DoneConstNames += name + "\n";
    }
    return result;
}

}  // namespace pq::literal
