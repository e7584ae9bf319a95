// Over the items of a catalogue, in every API type, both scopes, automat and
// manual: generation with "VB 6", a switch to "VB .NET" and back gives the
// generated text byte for byte, and the VB .NET form is free of the faults
// the plain substitutions used to make.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "generator/declaration_generator.h"
#include "recording_ui.h"
#include "rendering/rendering.h"
#include "rendering/replace_text.h"
#include "test_support.h"

namespace {

using pq::test::RecordingUi;

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// A structure header behind any number of scope words, so that a catalogue
// line with a scope word of its own counts too.
bool isStructureHeader(std::string_view line) {
    for (;;) {
        if (startsWith(line, "Private "))
            line.remove_prefix(8);
        else if (startsWith(line, "Public "))
            line.remove_prefix(7);
        else
            return startsWith(line, "Structure ");
    }
}

// Empty when the VB .NET text is sound, else what is wrong with it.
std::string faultsOf(const std::string& vbNet) {
    for (std::size_t p = vbNet.find("Byte()"); p != std::string::npos;
         p = vbNet.find("Byte()", p + 1)) {
        // An array named like LeadByte gets "()" too; it is followed by " As ".
        const std::size_t end = p + 6;
        const bool gluedBefore =
            p > 0 && pq::isIdentifierChar(vbNet[p - 1]) && vbNet.compare(end, 4, " As ") != 0;
        if (gluedBefore || (end < vbNet.size() && pq::isIdentifierChar(vbNet[end])))
            return "\"Byte()\" glued to a name";
    }
    for (std::size_t p = vbNet.find('='); p != std::string::npos; p = vbNet.find('=', p + 1)) {
        const std::size_t q = vbNet.find_first_not_of(' ', p + 1);
        if (q != std::string::npos && vbNet.compare(q, 2, "()") == 0)
            return "\"()\" after \"=\"";
    }
    if (vbNet.find("String * ") != std::string::npos)
        return "fixed-length string left";
    bool inBlock = false;
    std::size_t pos = 0;
    while (pos <= vbNet.size()) {
        std::size_t eol = vbNet.find('\n', pos);
        if (eol == std::string::npos)
            eol = vbNet.size();
        const std::string_view line(vbNet.data() + pos, eol - pos);
        if (isStructureHeader(line))
            inBlock = true;
        else if (startsWith(line, "End Structure"))
            inBlock = false;
        else if (inBlock && startsWith(line, "  ")) {
            const std::size_t open = line.find('(');
            if (open != std::string_view::npos && line.find(')', open) != std::string_view::npos &&
                line[open + 1] != ')')
                return "bounds left in member line: " + std::string(line);
        }
        pos = eol + 1;
    }
    return {};
}

struct RoundTripRig {
    explicit RoundTripRig(const pq::Catalogue& c) : gen(c, ui) {
        gen.LoadConstants();
        gen.LoadFunctions();
        gen.LoadTypes();
        gen.state().SavedItemName = "-1";
    }

    // Generates `name` in VB 6, renders it for VB .NET, checks the rendering,
    // swaps the scope while VB .NET is shown when `swapScope`, and switches
    // back. Empty when everything held, else a description of the first fault.
    std::string check(int apiType, int scopePos, bool automat, const std::string& name,
                      bool swapScope) {
        pq::GeneratorState& s = gen.state();
        s.apiType = apiType;
        s.scope = scopePos;
        s.automat = automat;
        s.language = pq::language::kVb6;
        s.selectedText = name;
        gen.ComboBox1Change();
        const std::string vb6 = s.buffer;
        const std::string where = name + " (type " + std::to_string(apiType) + ", scope " +
                                  std::to_string(scopePos) + (automat ? ", automat" : "") + ")";
        if (vb6.empty())
            return where + ": nothing generated";

        s.language = pq::language::kVbNet;
        gen.ComboBox2Change();
        if (const std::string fault = faultsOf(s.buffer); !fault.empty())
            return where + ": " + fault + "\n" + s.buffer;

        std::string expected = vb6;
        if (swapScope) {
            s.scope = scopePos == pq::scope::kPrivate ? pq::scope::kPublic : pq::scope::kPrivate;
            gen.ComboBox3Change();
            expected = scopePos == pq::scope::kPrivate
                           ? pq::ReplaceTextA("Private ", "Public ", vb6)
                           : pq::ReplaceTextA("Public ", "Private ", vb6);
        }
        s.language = pq::language::kVb6;
        gen.ComboBox2Change();
        if (s.buffer != expected)
            return where + ": the switch back differs\n--- generated\n" + expected +
                   "\n--- after VB .NET and back\n" + s.buffer;
        return {};
    }

    // Every item of each API type in all four combinations of scope and
    // mode. Returns the faults found, at most ten.
    std::vector<std::string> run() {
        std::vector<std::string> faults;
        const pq::NameIndex* lists[] = {&gen.indexes().Constants, &gen.indexes().Functions,
                                        &gen.indexes().Types};
        int n = 0;
        for (int type = 0; type < 3; ++type) {
            const auto& names = lists[type]->wholeList();
            for (std::size_t k = 0; k < names.size(); ++k) {
                for (const int scopePos : {pq::scope::kPrivate, pq::scope::kPublic}) {
                    for (const bool automat : {true, false}) {
                        std::string fault = check(type, scopePos, automat, names[k], ++n % 3 == 0);
                        if (!fault.empty() && faults.size() < 10)
                            faults.push_back(std::move(fault));
                    }
                }
            }
        }
        checked = n;
        return faults;
    }

    RecordingUi ui;
    pq::DeclarationGenerator gen;
    int checked = 0;
};

std::string joined(const std::vector<std::string>& faults) {
    std::string text;
    for (const auto& f : faults)
        text += f + "\n\n";
    return text;
}

TEST(RenderingRoundTrip, HoldsForEveryItemOfTheFixtureCatalogue) {
    RoundTripRig rig(pq::test::miniCatalogue());
    const auto faults = rig.run();
    EXPECT_TRUE(faults.empty()) << joined(faults);
    const auto& ix = rig.gen.indexes();
    EXPECT_EQ(rig.checked, 4 * (ix.Constants.count() + ix.Functions.count() + ix.Types.count()));
}

// Every item of the built-in catalogue, four times: under a second natively.
TEST(RenderingRoundTrip, HoldsForEveryItemOfTheBuiltinCatalogue) {
    static const pq::Catalogue catalogue = pq::loadBuiltinCatalogue();
    RoundTripRig rig(catalogue);
    const auto faults = rig.run();
    EXPECT_TRUE(faults.empty()) << joined(faults);
}

TEST(RenderingRoundTrip, AutomatOutputGetsSizeCommentsInEveryStructure) {
    RoundTripRig rig(pq::test::miniCatalogue());
    pq::GeneratorState& s = rig.gen.state();
    s.apiType = pq::api_type::kDeclares;
    s.scope = pq::scope::kPrivate;
    s.automat = true;
    s.language = pq::language::kVbNet;
    s.selectedText = "GetTimeZoneInformation";
    rig.gen.ComboBox1Change();
    EXPECT_NE(s.buffer.find("  Dim StandardName() As Short  'Size:  1 to 32\n"), std::string::npos)
        << s.buffer;
    EXPECT_NE(s.buffer.find("  Dim DaylightName() As Short  'Size:  1 to 32\n"), std::string::npos)
        << s.buffer;
    EXPECT_NE(s.buffer.find("Private Structure SYSTEMTIME\n"), std::string::npos) << s.buffer;
}

}  // namespace
