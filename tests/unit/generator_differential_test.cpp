// The table-driven generator against the step-by-step reference: both run
// the same selections in turn and must leave the same buffer, state texts,
// pass counts and status texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "generator/declaration_generator.h"
#include "recording_ui.h"
#include "test_support.h"

namespace pq {
namespace {

struct Selection {
    int apiType;
    std::string text;
    int scopePos;
    bool automat;
};

std::string describe(const Selection& s) {
    return "api type " + std::to_string(s.apiType) + ", text \"" + s.text + "\", scope " +
           std::to_string(s.scopePos) + (s.automat ? ", automat" : ", manual");
}

class Differential {
public:
    explicit Differential(const Catalogue& c)
        : fast_(c, fastUi_, GeneratorImpl::Fast), literal_(c, literalUi_, GeneratorImpl::Literal) {
        for (DeclarationGenerator* g : {&fast_, &literal_}) {
            g->LoadConstants();
            g->LoadFunctions();
            g->LoadTypes();
            g->state().language = language::kVb6;
        }
    }

    const NameIndexes& indexes() const { return fast_.indexes(); }

    // Runs one selection on both; false (with a test failure) on a difference.
    bool agree(const Selection& sel) {
        for (DeclarationGenerator* g : {&fast_, &literal_}) {
            GeneratorState& s = g->state();
            s.apiType = sel.apiType;
            s.scope = sel.scopePos;
            s.automat = sel.automat;
            s.selectedText = sel.text;
        }
        fastUi_.clearLogs();
        literalUi_.clearLogs();
        fast_.ComboBox1Change();
        literal_.ComboBox1Change();
        ++runs_;

        const GeneratorState& f = fast_.state();
        const GeneratorState& l = literal_.state();
        const bool same =
            f.buffer == l.buffer && f.DoneConstNames == l.DoneConstNames &&
            f.DoneTypeNames == l.DoneTypeNames && f.TypeBlocksText == l.TypeBlocksText &&
            f.TypeScanText == l.TypeScanText && f.AutoDeclText == l.AutoDeclText &&
            fast_.lastPassCounts() == literal_.lastPassCounts() &&
            fast_.lastLookupFound() == literal_.lastLookupFound() &&
            fastUi_.statusLog == literalUi_.statusLog && fastUi_.cursorLog == literalUi_.cursorLog;
        if (same)
            return true;
        ADD_FAILURE() << describe(sel);
        EXPECT_EQ(f.buffer, l.buffer);
        EXPECT_EQ(f.DoneConstNames, l.DoneConstNames);
        EXPECT_EQ(f.DoneTypeNames, l.DoneTypeNames);
        EXPECT_EQ(f.TypeBlocksText, l.TypeBlocksText);
        EXPECT_EQ(f.TypeScanText, l.TypeScanText);
        EXPECT_EQ(f.AutoDeclText, l.AutoDeclText);
        EXPECT_EQ(fast_.lastPassCounts().typePasses, literal_.lastPassCounts().typePasses);
        EXPECT_EQ(fast_.lastPassCounts().constPasses, literal_.lastPassCounts().constPasses);
        EXPECT_EQ(fastUi_.statusLog, literalUi_.statusLog);
        return false;
    }

    int runs() const { return runs_; }

private:
    test::RecordingUi fastUi_;
    test::RecordingUi literalUi_;
    DeclarationGenerator fast_;
    DeclarationGenerator literal_;
    int runs_ = 0;
};

// About `perIndex` names spread evenly over each index (all of them with 0),
// each under its own API type, plus a typed prefix of it, in both scopes,
// automat and manual. `fullModes` runs all four scope/mode pairs per name;
// otherwise the scope alternates.
void runIndexes(Differential& d, int perIndex, bool fullModes) {
    const NameIndex* indexes[] = {&d.indexes().Constants, &d.indexes().Functions,
                                  &d.indexes().Types};
    for (int apiType = 0; apiType < 3; ++apiType) {
        const NameIndex& index = *indexes[apiType];
        const int stride = perIndex > 0 ? std::max(1, index.count() / perIndex) : 1;
        for (int k = 0; k < index.count(); k += stride) {
            const std::string& name = index.entry(k);
            std::vector<Selection> selections;
            for (const bool automat : {true, false}) {
                if (fullModes) {
                    selections.push_back({apiType, name, scope::kPrivate, automat});
                    selections.push_back({apiType, name, scope::kPublic, automat});
                } else {
                    selections.push_back({apiType, name, k % 2, automat});
                }
            }
            selections.push_back({apiType, name.substr(0, (name.size() + 1) / 2), k % 2, true});
            for (const Selection& sel : selections) {
                if (!d.agree(sel))
                    return;  // one described difference is enough
            }
        }
    }
}

// Texts that match nothing, or the names of one kind under another API type.
void runOddSelections(Differential& d) {
    const std::vector<Selection> odd = {{api_type::kDeclares, "xyz", 0, true},
                                        {api_type::kTypes, "Rect", 1, true},
                                        {api_type::kTypes, "dwType", 0, false},
                                        {api_type::kConstants, "", 1, true},
                                        {api_type::kDeclares, "", 0, true},
                                        {api_type::kTypes, "", 1, true},
                                        {-1, "AbortDoc", 0, true},
                                        {api_type::kTypes, "AbortDoc", 0, true},
                                        {api_type::kConstants, "RECT", 1, true}};
    for (const Selection& sel : odd)
        d.agree(sel);
}

// Catalogues made to trip a table-driven closure: short names over a tiny
// alphabet, so that names are prefixes and substrings of one another; values
// that name constants in every delimiter context and in none; type clauses,
// names holding ")", lines without " = ", "Const " inside quoted text, types
// named in another letter case or not at all, and an unclosed last block.
std::string randomCatalogue(unsigned seed) {
    std::mt19937 rng(seed);
    const auto pick = [&](std::size_t n) { return static_cast<std::size_t>(rng() % n); };
    const auto word = [&]() {
        static const std::string alphabet = "AB_1a";
        std::string w(1, "ABC"[pick(3)]);
        for (std::size_t i = pick(3); i > 0; --i)
            w += alphabet[pick(alphabet.size())];
        return w;
    };
    std::vector<std::string> constants(20 + pick(15));
    for (std::string& c : constants)
        c = word();
    std::vector<std::string> types(4 + pick(4));
    for (std::string& t : types)
        t = std::string("T").append(word());
    const auto constRef = [&]() { return constants[pick(constants.size())]; };
    const auto typeRef = [&]() -> std::string {
        static const char* const standard[] = {"Long", "Integer", "String", "Any", "Byte"};
        switch (pick(6)) {
            case 0:
            case 1:
                return standard[pick(5)];
            case 2: {
                std::string t = types[pick(types.size())];
                std::transform(t.begin(), t.end(), t.begin(), [](char ch) {
                    return ch == 'a' ? 'A' : ch == 'A' ? 'a' : ch;
                });
                return t;
            }
            case 3:
                return "String * " + constRef();
            default:
                return types[pick(types.size())];
        }
    };
    const auto value = [&]() {
        static const char* const glue[] = {"(", ")", " ", " * ", " Or ", ",", "&H1", " + "};
        std::string v;
        for (std::size_t i = 1 + pick(5); i > 0; --i)
            v += pick(2) ? constRef() : glue[pick(8)];
        if (pick(8) == 0)
            v += "\"Const " + constRef() + " x\"";
        return v.empty() ? std::string("1") : v;
    };

    std::string text;
    const auto line = [&](const std::string& l) { text += l + "\n"; };
    for (const std::string& c : constants) {
        switch (pick(10)) {
            case 0:
                line("Const " + c + " As Long = " + value());
                break;
            case 1:
                line("Const " + c + "   As Long = " + value());
                break;
            case 2:
                line("Const " + c + ")" + word() + " = " + value());
                break;
            case 3:
                line("Const " + c + " " + value());  // no " = ": an empty name
                break;
            default:
                line("Const " + c + " = " + value());
        }
    }
    for (std::size_t i = 4 + pick(4); i > 0; --i) {
        std::string params;
        for (std::size_t p = pick(4); p > 0; --p) {
            params += params.empty() ? "" : ", ";
            params +=
                (pick(3) ? "ByVal p" : "b(" + constRef() + ")") + std::string(" As ") + typeRef();
        }
        line((pick(4) ? "Declare Function F" : "Declare Sub F") + word() + " Lib \"k\" (" + params +
             ")" + (pick(2) ? " As " + typeRef() : ""));
    }
    for (std::size_t t = 0; t < types.size(); ++t) {
        line("Type " + types[t]);
        for (std::size_t m = 1 + pick(3); m > 0; --m) {
            std::string bound;
            if (pick(3) == 0)
                bound.append("(").append(pick(2) ? "" : "1 To ").append(constRef()).append(")");
            line("  m" + word() + bound + (pick(5) ? " As " : "  as ") + typeRef());
        }
        if (pick(6) == 0)
            line("  dwType As Long");
        if (t + 1 < types.size() || pick(2))
            line("End Type");
    }
    return text;
}

// Every name of the index and typed prefixes, on catalogues of many shapes.
TEST(GeneratorDifferential, RandomCatalogues) {
    for (unsigned seed = 1; seed <= 150; ++seed) {
        const Catalogue c = Catalogue::fromText(randomCatalogue(seed), "random");
        Differential d(c);
        runIndexes(d, 0, true);
        runOddSelections(d);
        if (::testing::Test::HasFailure()) {
            ADD_FAILURE() << "seed " << seed << ":\n" << randomCatalogue(seed);
            return;
        }
    }
}

TEST(GeneratorDifferential, EveryNameOfTheFixture) {
    Differential d(test::miniCatalogue());
    ASSERT_GT(d.indexes().Constants.count(), 0);
    runIndexes(d, 0, true);
    runOddSelections(d);
}

// Thousands of generations spread over the three indexes of the built-in
// catalogue (PQ_DIFFERENTIAL_SAMPLE names per index, 500 by default).
TEST(GeneratorDifferential, SampleOfTheBuiltinCatalogue) {
    static const Catalogue c = loadBuiltinCatalogue();
    int sample = 500;
    if (const char* env = std::getenv("PQ_DIFFERENTIAL_SAMPLE"))
        sample = std::max(1, std::atoi(env));
    Differential d(c);
    runIndexes(d, sample, false);
    runOddSelections(d);
}

// All names, all four scope/mode pairs: minutes on the real catalogue.
// Run with --gtest_also_run_disabled_tests --gtest_filter='*AllNames*'.
TEST(GeneratorDifferential, DISABLED_AllNamesOfTheBuiltinCatalogue) {
    static const Catalogue c = loadBuiltinCatalogue();
    Differential d(c);
    runIndexes(d, 0, true);
    runOddSelections(d);
}

}  // namespace
}  // namespace pq
