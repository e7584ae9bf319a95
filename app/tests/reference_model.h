#pragma once
// The core driven headless exactly as the window drives it: what the window
// must show for the same sequence of user actions.

#include <memory>
#include <string>

#include "catalogue/catalogue.h"
#include "generator/declaration_generator.h"
#include "generator/dispatch_ui.h"

namespace pq::apptest {

struct Choices {
    int apiType = 1;   // "Declares"
    int language = 1;  // "VB .NET"
    int scope = 1;     // "Public"
    bool automat = true;
};

class ReferenceModel {
public:
    // Runs the start-up: defaults, then the stored choices, then the indexes
    // and the first fill of the Selected Item list.
    explicit ReferenceModel(const Choices& stored = {});

    GeneratorState& state() { return gen_->state(); }
    const NameIndexes& indexes() const { return gen_->indexes(); }

    void selectText(const std::string& text);
    void setScope(int scope);
    void setLanguage(int language);
    void setAutomat(bool on);

    // The Declaration box's text: the buffer with CR LF line breaks.
    std::string shownDeclaration() const;

private:
    NullDispatchUi ui_;
    std::unique_ptr<DeclarationGenerator> gen_;
};

std::string crlf(const std::string& lfText);

}  // namespace pq::apptest
