// Placeholder bodies so that everything links while generation is written.
#include "generator/declaration_generator.h"

#include "rendering/rendering.h"

namespace pq {

struct DeclarationGenerator::Lookup {};

DeclarationGenerator::DeclarationGenerator(const Catalogue& catalogue, DispatchUi& ui)
    : catalogue_(catalogue), ui_(ui), lookup_(std::make_unique<Lookup>()) {}
DeclarationGenerator::~DeclarationGenerator() = default;

void DeclarationGenerator::LoadConstants() {
    pq::LoadConstants(catalogue_, indexes_.Constants);
}
void DeclarationGenerator::LoadFunctions() {
    pq::LoadFunctions(catalogue_, indexes_.Functions);
}
void DeclarationGenerator::LoadTypes() {
    pq::LoadTypes(catalogue_, indexes_.Types);
}

void DeclarationGenerator::ComboBox4Change() {}
void DeclarationGenerator::ComboBox1Change() {}
void DeclarationGenerator::CheckBox2Click() {
    ComboBox1Change();
}
void DeclarationGenerator::ComboBox2Change() {
    pq::ComboBox2Change(state_, ui_);
}
void DeclarationGenerator::ComboBox3Change() {
    pq::ComboBox3Change(state_, ui_);
}

void DeclarationGenerator::ManualGen() {}
void DeclarationGenerator::AutoGen() {}
void DeclarationGenerator::GenTypes(std::size_t) {}
bool DeclarationGenerator::ConstTree() {
    return true;
}
bool DeclarationGenerator::GenUserTypes() {
    return true;
}
bool DeclarationGenerator::IfStandardType(const std::string&) {
    return false;
}
void DeclarationGenerator::SingleGen() {}

}  // namespace pq
