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
#include "generator/pass_counts.h"

namespace pq {

// Fast: lookup tables and a queue of referenced names (what the program
// uses). Literal: the step-by-step reference that scans the catalogue and
// the Constants index on every search (tests and benchmarks only).
enum class GeneratorImpl { Fast, Literal };

class DeclarationGenerator {
public:
    DeclarationGenerator(const Catalogue& catalogue, DispatchUi& ui,
                         GeneratorImpl impl = GeneratorImpl::Fast);
    ~DeclarationGenerator();
    DeclarationGenerator(const DeclarationGenerator&) = delete;
    DeclarationGenerator& operator=(const DeclarationGenerator&) = delete;

    const Catalogue& catalogue() const { return catalogue_; }
    GeneratorState& state() { return state_; }
    const GeneratorState& state() const { return state_; }
    const NameIndexes& indexes() const { return indexes_; }
    NameIndex& Types() { return indexes_.Types; }

    // Start-up: each builds its name index (once; later calls do nothing)
    // and whatever lookup tables the generation needs for it.
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

    // Whether the last ManualGen or AutoGen found a catalogue line for the
    // selected text. Without one the buffer was left as it was and the
    // dispatch does not render it again.
    bool lastLookupFound() const { return lastLookupFound_; }
    // The passes of both closures in the last AutoGen (ConstTree and
    // GenUserTypes called directly add to them too).
    const PassCounts& lastPassCounts() const { return passes_; }
    GeneratorImpl impl() const { return impl_; }

private:
    struct Lookup;  // name -> line tables of the fast implementation

    Lookup& lookup();
    bool lookupItem(std::size_t& line);
    void writeItem(std::size_t line);

    const Catalogue& catalogue_;
    DispatchUi& ui_;
    GeneratorImpl impl_;
    GeneratorState state_;
    NameIndexes indexes_;
    std::unique_ptr<Lookup> lookup_;
    bool constantsLoaded_ = false;
    bool functionsLoaded_ = false;
    bool typesLoaded_ = false;
    bool lastLookupFound_ = false;
    std::string itemName_;  // the item the last lookup found (see ConstTree)
    PassCounts passes_;
};

}  // namespace pq
