#pragma once
// The generator as one configured object: the window, the command-line tool
// and the tests only feed it choices and text and read its state back.

#include <cstddef>
#include <memory>
#include <string>

#include "catalogue/catalogue.h"
#include "catalogue/indexes.h"
#include "generator/dispatch_ui.h"
#include "generator/generator_state.h"

namespace pq {

class DeclarationGenerator {
public:
    DeclarationGenerator(const Catalogue& catalogue, DispatchUi& ui);
    ~DeclarationGenerator();
    DeclarationGenerator(const DeclarationGenerator&) = delete;
    DeclarationGenerator& operator=(const DeclarationGenerator&) = delete;

    const Catalogue& catalogue() const { return catalogue_; }
    GeneratorState& state() { return state_; }
    const GeneratorState& state() const { return state_; }
    const NameIndexes& indexes() const { return indexes_; }
    NameIndex& Types() { return indexes_.Types; }

    // Start-up: each builds its name index (once) and whatever lookup tables
    // the generation needs for it.
    void LoadConstants();
    void LoadFunctions();
    void LoadTypes();

    // Handlers. The caller sets the state's choices or selected text first
    // (setting a choice from code runs no handler), then runs the handler of
    // the control that changed.
    void ComboBox4Change();  // API type changed: refill the list, regenerate
    void ComboBox1Change();  // selected text changed: regenerate
    void CheckBox2Click();   // automat switched: regenerate
    void ComboBox2Change();  // language changed: render the buffer
    void ComboBox3Change();  // scope changed: swap the scope word in place

    // Generation steps.
    void ManualGen();
    void AutoGen();
    void GenTypes(std::size_t n);
    bool ConstTree();
    bool GenUserTypes();
    bool IfStandardType(const std::string& name);
    void SingleGen();

private:
    struct Lookup;  // name -> line tables of the fast implementation

    const Catalogue& catalogue_;
    DispatchUi& ui_;
    GeneratorState state_;
    NameIndexes indexes_;
    std::unique_ptr<Lookup> lookup_;
};

}  // namespace pq
