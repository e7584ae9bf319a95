#include "reference_model.h"

namespace pq::apptest {

namespace {

const Catalogue& builtin() {
    static const Catalogue catalogue = loadBuiltinCatalogue();
    return catalogue;
}

}  // namespace

std::string crlf(const std::string& lfText) {
    std::string out;
    for (char c : lfText) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

ReferenceModel::ReferenceModel(const Choices& stored)
    : gen_(std::make_unique<DeclarationGenerator>(builtin(), ui_)) {
    GeneratorState& s = gen_->state();
    s.SavedItemName = "-1";
    s.apiType = stored.apiType;
    s.language = stored.language;
    s.scope = stored.scope;
    if (!stored.automat) {
        // The settings loader unchecks the box: its click handler runs now.
        s.automat = false;
        gen_->CheckBox2Click();
    }
    gen_->LoadConstants();
    gen_->LoadFunctions();
    gen_->LoadTypes();
    gen_->ComboBox4Change();
}

void ReferenceModel::selectText(const std::string& text) {
    state().selectedText = text;
    gen_->ComboBox1Change();
}

void ReferenceModel::setScope(int scope) {
    state().scope = scope;
    gen_->ComboBox3Change();
}

void ReferenceModel::setLanguage(int language) {
    state().language = language;
    gen_->ComboBox2Change();
}

void ReferenceModel::setAutomat(bool on) {
    state().automat = on;
    gen_->CheckBox2Click();
}

std::string ReferenceModel::shownDeclaration() const {
    return crlf(gen_->state().buffer);
}

}  // namespace pq::apptest
