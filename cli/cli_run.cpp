#include "cli/cli_run.h"

#include <ostream>

#include "catalogue/catalogue.h"
#include "cli/cli_options.h"
#include "clipboard/clipboard.h"
#include "generator/declaration_generator.h"

namespace pq::cli {
namespace {

constexpr const char* kProgram = "protoquill-cli";

// The generator as the window has it after start-up with these choices.
void configure(DeclarationGenerator& gen, const Options& o) {
    GeneratorState& s = gen.state();
    s.apiType = o.apiType;
    s.language = o.language;
    s.scope = o.scope;
    s.automat = o.automat;
    s.SavedItemName = "-1";
    gen.LoadConstants();
    gen.LoadFunctions();
    gen.LoadTypes();
}

const NameIndex& chosenIndex(const DeclarationGenerator& gen, int apiType) {
    const NameIndexes& ix = gen.indexes();
    if (apiType == 0)
        return ix.Constants;
    if (apiType == 2)
        return ix.Types;
    return ix.Functions;
}

// The buffer the window shows right after `name` is typed, or false when the
// catalogue has no line for it (the window then keeps its previous text).
bool generate(DeclarationGenerator& gen, const std::string& name, std::string& buffer) {
    gen.state().selectedText = name;
    gen.ComboBox1Change();
    if (!gen.lastLookupFound())
        return false;
    buffer = gen.state().buffer;
    return true;
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Options o;
    try {
        o = parseOptions(args);
    } catch (const UsageError& e) {
        err << kProgram << ": " << e.what() << "\n" << kUsage;
        return kFailure;
    }
    if (o.help) {
        out << kUsage;
        return kOk;
    }
    if (o.version) {
        out << kProgram << " 1.0\n";
        return kOk;
    }

    Catalogue catalogue;
    try {
        catalogue =
            o.catalogueFile ? Catalogue::fromFile(*o.catalogueFile) : loadBuiltinCatalogue();
    } catch (const CatalogueError& e) {
        err << kProgram << ": " << e.what() << "\n";
        return kFailure;
    }
    NullDispatchUi ui;
    DeclarationGenerator gen(catalogue, ui);
    configure(gen, o);

    const char terminator = o.nulTerminated ? '\0' : '\n';
    if (o.list) {
        for (const std::string& name : chosenIndex(gen, o.apiType).wholeList())
            out << name << '\n';
        return kOk;
    }

    int status = kOk;
    std::string staging;
    std::string buffer;
    for (const std::string& name : o.names) {
        if (!generate(gen, name, buffer)) {
            err << kProgram << ": no declaration found for " << name << "\n";
            status = kNotFound;
            continue;
        }
        if (o.add) {
            SelectCopy(staging, buffer);
        } else {
            out << buffer << terminator;
        }
    }
    if (o.add)
        out << staging << terminator;
    out.flush();
    return status;
}

}  // namespace pq::cli
