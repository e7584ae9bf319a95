#pragma once
// A generator over a fixture catalogue with its indexes built and the VB 6
// language chosen, so that tests see the text generation wrote.

#include <memory>
#include <string>

#include "catalogue/catalogue.h"
#include "generator/declaration_generator.h"
#include "recording_ui.h"

namespace pq::test {

// The small catalogue of the lookup and closure mends.
inline const Catalogue& mendsCatalogue() {
    static const Catalogue c =
        Catalogue::fromFile(std::string(PQ_FIXTURE_DIR) + "/generator_mends.txt");
    return c;
}

struct GeneratorRig {
    explicit GeneratorRig(const Catalogue& c, GeneratorImpl impl = GeneratorImpl::Fast)
        : gen(c, ui, impl) {
        gen.LoadConstants();
        gen.LoadFunctions();
        gen.LoadTypes();
        GeneratorState& s = gen.state();
        s.language = language::kVb6;
        s.scope = scope::kPrivate;
        s.SavedItemName = "-1";
    }

    // Selects `text` as if typed, with the given API type and mode, and
    // returns the buffer.
    const std::string& generate(int apiType, const std::string& text, bool automat = true) {
        GeneratorState& s = gen.state();
        s.apiType = apiType;
        s.automat = automat;
        s.selectedText = text;
        gen.ComboBox1Change();
        return s.buffer;
    }

    RecordingUi ui;
    DeclarationGenerator gen;
};

inline const char* implName(GeneratorImpl impl) {
    return impl == GeneratorImpl::Fast ? "Fast" : "Literal";
}

}  // namespace pq::test
