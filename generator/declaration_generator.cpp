#include "generator/declaration_generator.h"

#include <optional>
#include <string_view>
#include <vector>

#include "generator/catalogue_lookup.h"
#include "generator/const_tree.h"
#include "generator/item_kind.h"
#include "generator/literal_generator.h"
#include "generator/text_model.h"
#include "rendering/rendering.h"

namespace pq {
namespace {

// Type names that need no block, tested as whole texts, case-sensitive.
constexpr std::string_view kStandardTypes[] = {"Long", "Integer", "String",  "Byte",    "Short",
                                               "Any",  "Double",  "Decimal", "Currency"};

bool isStandardType(std::string_view name) {
    for (const std::string_view word : kStandardTypes) {
        if (name == word)
            return true;
    }
    return false;
}

}  // namespace

struct DeclarationGenerator::Lookup {
    Lookup(const Catalogue& lines, NameIndexes& indexes, GeneratorState& state, DispatchUi& ui,
           std::string& itemName, PassCounts& passes)
        : literal{lines, indexes, state, ui, itemName, passes} {}

    // Built on first use, from the catalogue alone, so that a generation
    // before the indexes exist finds the same lines as a scan would.
    std::optional<CatalogueLookup> catalogue;
    ConstantPositions constants;
    literal::Context literal;
};

DeclarationGenerator::DeclarationGenerator(const Catalogue& catalogue, DispatchUi& ui,
                                           GeneratorImpl impl)
    : catalogue_(catalogue),
      ui_(ui),
      impl_(impl),
      lookup_(std::make_unique<Lookup>(catalogue_, indexes_, state_, ui_, itemName_, passes_)) {}
DeclarationGenerator::~DeclarationGenerator() = default;

DeclarationGenerator::Lookup& DeclarationGenerator::lookup() {
    if (!lookup_->catalogue)
        lookup_->catalogue.emplace(catalogue_);
    return *lookup_;
}

void DeclarationGenerator::LoadConstants() {
    if (constantsLoaded_)
        return;
    constantsLoaded_ = true;
    pq::LoadConstants(catalogue_, indexes_.Constants);
    lookup_->constants.build(indexes_.Constants);
    lookup();  // the catalogue tables, so that the first keystroke does not wait for them
}
void DeclarationGenerator::LoadFunctions() {
    if (functionsLoaded_)
        return;
    functionsLoaded_ = true;
    pq::LoadFunctions(catalogue_, indexes_.Functions);
}
void DeclarationGenerator::LoadTypes() {
    if (typesLoaded_)
        return;
    typesLoaded_ = true;
    pq::LoadTypes(catalogue_, indexes_.Types);
}

// ---------------------------------------------------------------------------
// Dispatch
// ---------------------------------------------------------------------------

void DeclarationGenerator::ComboBox4Change() {
    BusyScope busy(ui_);
    static const std::vector<std::string> kNoNames;
    const std::vector<std::string>* names = &kNoNames;
    if (state_.apiType == api_type::kConstants)
        names = &indexes_.Constants.wholeList();
    if (state_.apiType == api_type::kDeclares)
        names = &indexes_.Functions.wholeList();
    if (state_.apiType == api_type::kTypes)
        names = &indexes_.Types.wholeList();
    state_.selectedText.clear();
    ui_.setSelectedItemList(*names);
    if (!names->empty())
        state_.selectedText = names->front();
    ComboBox1Change();
}

void DeclarationGenerator::ComboBox1Change() {
    BusyScope busy(ui_);
    if (state_.automat) {
        state_.TypeScanText.clear();
        state_.DoneTypeNames.clear();
        state_.AutoDeclText.clear();
        AutoGen();
    } else {
        ManualGen();
    }
    // Text that matched no line left the buffer as it was, already rendered
    // for the chosen language: rendering it again would translate it twice.
    if (state_.language != language::kVb6 && lastLookupFound_)
        ComboBox2Change();
}

void DeclarationGenerator::CheckBox2Click() {
    ComboBox1Change();
}
void DeclarationGenerator::ComboBox2Change() {
    pq::ComboBox2Change(state_, ui_);
}
void DeclarationGenerator::ComboBox3Change() {
    pq::ComboBox3Change(state_, ui_);
}

// ---------------------------------------------------------------------------
// Generation
// ---------------------------------------------------------------------------

bool DeclarationGenerator::lookupItem(std::size_t& line) {
    itemName_.clear();
    const auto kind = kindOfApiType(state_.apiType);
    if (!kind)
        return false;
    const auto n = lookup().catalogue->findItem(*kind, state_.selectedText);
    if (!n)
        return false;
    itemName_ = itemNameOf(*kind, lineName(*kind, catalogue_.lineText(*n)).value_or(""));
    line = *n;
    return true;
}

// The item's own text with the scope word in front: its type block for
// "Types", its line otherwise.
void DeclarationGenerator::writeItem(std::size_t line) {
    if (state_.apiType == api_type::kTypes)
        GenTypes(line);
    else
        state_.buffer = catalogue_.lineText(line);
    state_.buffer.insert(0, scopeWord(state_.scope));
}

void DeclarationGenerator::ManualGen() {
    if (impl_ == GeneratorImpl::Literal) {
        lastLookupFound_ = literal::ManualGen(lookup_->literal);
        return;
    }
    std::size_t line = 0;
    lastLookupFound_ = lookupItem(line);
    if (lastLookupFound_)
        writeItem(line);
}

void DeclarationGenerator::AutoGen() {
    if (impl_ == GeneratorImpl::Literal) {
        lastLookupFound_ = literal::AutoGen(lookup_->literal);
        return;
    }
    passes_ = {};
    std::size_t line = 0;
    lastLookupFound_ = lookupItem(line);
    if (!lastLookupFound_)
        return;
    writeItem(line);
    GeneratorState& s = state_;
    if (s.apiType != api_type::kConstants) {
        s.DoneTypeNames.clear();
        s.TypeScanText = s.buffer;
        s.AutoDeclText = s.buffer;
        s.TypeBlocksText.clear();
        while (!GenUserTypes()) {
        }
        s.AutoDeclText.insert(0, s.TypeBlocksText);
        s.buffer = s.AutoDeclText;
    }
    s.DoneConstNames.clear();
    while (!ConstTree()) {
    }
}

void DeclarationGenerator::GenTypes(std::size_t n) {
    if (impl_ == GeneratorImpl::Literal) {
        literal::GenTypes(lookup_->literal, n);
        return;
    }
    // Copies up to the closing line, never past the last line.
    std::string& buffer = state_.buffer;
    buffer.clear();
    for (; n < catalogue_.lineCount(); ++n) {
        const std::string& text = catalogue_.lineText(n);
        if (containsText(text, "End Type"))
            break;
        buffer += text;
        buffer += '\n';
    }
    buffer += "End Type";
}

bool DeclarationGenerator::GenUserTypes() {
    if (impl_ == GeneratorImpl::Literal)
        return literal::GenUserTypes(lookup_->literal);
    ui_.setStatus(" Looking for a structures...");
    ++passes_.typePasses;
    bool result = true;
    // Scans by position instead of cutting the text after every reference;
    // only IfStandardType runs meanwhile, and it leaves TypeScanText alone.
    const std::string_view scan = state_.TypeScanText;
    constexpr std::string_view kAs = " As ";
    std::size_t pos = 0;
    std::string reference;
    for (std::size_t p = scan.find(kAs); p != std::string_view::npos; p = scan.find(kAs, pos)) {
        const std::size_t start = p + kAs.size();
        std::size_t end = scan.find_first_of(",)\n ", start);
        if (end == std::string_view::npos)
            end = scan.size();
        reference.assign(scan.substr(start, end - start));
        pos = end;
        if (IfStandardType(reference))
            result = false;
    }
    if (result)
        state_.TypeScanText.erase(0, pos);
    else
        state_.TypeScanText = state_.TypeBlocksText;
    return result;
}

bool DeclarationGenerator::IfStandardType(const std::string& name) {
    if (impl_ == GeneratorImpl::Literal)
        return literal::IfStandardType(lookup_->literal, name);
    if (isStandardType(name) || isRegistered(state_.DoneTypeNames, name))
        return false;
    registerName(state_.DoneTypeNames, name);
    NameIndex& types = indexes_.Types;
    types.select(types.find(name));
    SingleGen();
    return true;
}

void DeclarationGenerator::SingleGen() {
    if (impl_ == GeneratorImpl::Literal) {
        literal::SingleGen(lookup_->literal);
        return;
    }
    // The first line whose whole text is "Type " and the current name.
    const auto header =
        lookup().catalogue->firstLineNamed(LineKind::TypeHeader, indexes_.Types.currentText());
    if (!header)
        return;
    std::string block = scopeWord(state_.scope);
    for (std::size_t n = *header; n < catalogue_.lineCount(); ++n) {
        const std::string& text = catalogue_.lineText(n);
        if (containsText(text, "End Type"))
            break;
        block += text;
        block += '\n';
    }
    block += "End Type\n\n";
    state_.TypeBlocksText.insert(0, block);
}

bool DeclarationGenerator::ConstTree() {
    if (impl_ == GeneratorImpl::Literal)
        return literal::ConstTree(lookup_->literal);
    ++passes_.constPasses;
    Lookup& tables = lookup();
    return constTreePass(state_, ui_,
                         {indexes_.Constants, tables.constants, *tables.catalogue, catalogue_},
                         itemName_);
}

}  // namespace pq
