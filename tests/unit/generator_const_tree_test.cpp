// The constant closure: which references it follows, what counts as already
// added, and how it ends.
#include <gtest/gtest.h>

#include <string>

#include "generator/catalogue_lookup.h"
#include "generator/const_tree.h"
#include "generator/literal_generator.h"
#include "generator_test_support.h"
#include "test_support.h"

namespace pq {
namespace {

using test::GeneratorRig;

using test::mendsCatalogue;

class ConstTreeTest : public ::testing::TestWithParam<GeneratorImpl> {};

struct ClosureCase {
    const Catalogue& (*catalogue)();
    const char* selected;
    const char* buffer;
    const char* doneConstNames;
    int passes;
};

TEST_P(ConstTreeTest, ConstantsThatAValueNames) {
    const ClosureCase cases[] = {
        // A literal value needs nothing.
        {test::miniCatalogue, "ANYSIZE_ARRAY", "Private Const ANYSIZE_ARRAY = 1", "", 1},
        // A name that ends the line, alone or after "Or".
        {test::miniCatalogue, "GMEM_LOWER",
         "Private Const GMEM_NOT_BANKED = &H1000\n\nPrivate Const GMEM_LOWER = GMEM_NOT_BANKED",
         "GMEM_NOT_BANKED\n", 2},
        {test::miniCatalogue, "GPTR",
         "Private Const GMEM_ZEROINIT = &H40\n\nPrivate Const GMEM_FIXED = &H0\n\n"
         "Private Const GPTR = GMEM_FIXED Or GMEM_ZEROINIT",
         "GMEM_FIXED\nGMEM_ZEROINIT\n", 2},
        // Names listed with a type clause are referred to without it.
        {test::miniCatalogue, "SQL_C_SLONG As Long",
         "Private Const SQL_SIGNED_OFFSET As Long = -20\n\n"
         "Private Const SQL_C_LONG As Long = 4\n\n"
         "Private Const SQL_C_SLONG As Long = SQL_C_LONG + SQL_SIGNED_OFFSET",
         "SQL_C_LONG\nSQL_SIGNED_OFFSET\n", 2},
        // A typed prefix finds a longer name; that item is not added again.
        {test::miniCatalogue, "SW_SHOWN", "Private Const SW_SHOWNORMAL = 1", "", 1},
        {test::miniCatalogue, "DM_COLLATE", "Private Const DM_COLLATE As Long = &H8000", "", 1},
        // "X" is a part of the registered "SMALL_X" but not an entry.
        {mendsCatalogue, "BIG",
         "Private Const X = 2\n\nPrivate Const SMALL_X = 1\n\nPrivate Const BIG = (SMALL_X Or X)",
         "SMALL_X\nX\n", 2},
        // Every line that declares the name is added, in catalogue order.
        {mendsCatalogue, "USES_TWICE",
         "Private Const TWICE = 2\n\nPrivate Const TWICE = 1\n\nPrivate Const USES_TWICE = (TWICE)",
         "TWICE\nTWICE\n", 2},
        // A line added in a pass is searched for the index positions after
        // the one that added it, in the same pass.
        {mendsCatalogue, "A_FIRST",
         "Private Const ZZ_LAST = 3\n\nPrivate Const Z_LATER = (ZZ_LAST)\n\n"
         "Private Const A_FIRST = (Z_LATER)",
         "Z_LATER\nZZ_LAST\n", 2},
    };
    for (const ClosureCase& c : cases) {
        GeneratorRig rig(c.catalogue(), GetParam());
        EXPECT_EQ(rig.generate(api_type::kConstants, c.selected), c.buffer) << c.selected;
        EXPECT_EQ(rig.gen.state().DoneConstNames, c.doneConstNames) << c.selected;
        EXPECT_EQ(rig.gen.lastPassCounts().constPasses, c.passes) << c.selected;
    }
}

TEST_P(ConstTreeTest, PublicScopeAndStatusPerPass) {
    GeneratorRig rig(test::miniCatalogue(), GetParam());
    rig.gen.state().scope = scope::kPublic;
    rig.ui.clearLogs();
    EXPECT_EQ(rig.generate(api_type::kConstants, "GHND"),
              "Public Const GMEM_ZEROINIT = &H40\n\nPublic Const GMEM_MOVEABLE = &H2\n\n"
              "Public Const GHND = (GMEM_MOVEABLE Or GMEM_ZEROINIT)");
    EXPECT_EQ(rig.ui.statusLog,
              (std::vector<std::string>{" Please wait...", " Looking for a constants...",
                                        " Looking for a constants...", " Ready:"}));
}

// A pass on any buffer reads it afresh; the text it held stays at the end.
TEST_P(ConstTreeTest, RunsOnAnyBuffer) {
    GeneratorRig rig(test::miniCatalogue(), GetParam());
    GeneratorState& s = rig.gen.state();
    s.apiType = api_type::kConstants;
    s.buffer = "x(1 To LF_FACESIZE) As Byte\ny As String * MAX_PATH";
    EXPECT_FALSE(rig.gen.ConstTree());
    EXPECT_TRUE(rig.gen.ConstTree());
    EXPECT_EQ(s.buffer,
              "Private Const MAX_PATH = 260\n\nPrivate Const LF_FACESIZE = 32\n\n"
              "x(1 To LF_FACESIZE) As Byte\ny As String * MAX_PATH");
}

INSTANTIATE_TEST_SUITE_P(BothImplementations, ConstTreeTest,
                         ::testing::Values(GeneratorImpl::Fast, GeneratorImpl::Literal),
                         [](const auto& info) { return test::implName(info.param); });

// An index name that no catalogue line declares is registered all the same,
// so the closure ends; nothing is added for it.
TEST(ConstTreeEnds, NameWithoutCatalogueLine) {
    const Catalogue& c = test::miniCatalogue();
    NameIndexes indexes = test::indexesOf(c);
    indexes.Constants.add("GHOST");
    const std::string start = "Private Const SOME = (GHOST Or READ_CONTROL)";
    const std::string added = "Private Const READ_CONTROL = &H20000\n\n";

    GeneratorState literalState;
    literalState.scope = scope::kPrivate;
    literalState.buffer = start;
    test::RecordingUi ui;
    std::string itemName;
    PassCounts passes;
    literal::Context ctx{c, indexes, literalState, ui, itemName, passes};
    EXPECT_FALSE(literal::ConstTree(ctx));
    EXPECT_TRUE(literal::ConstTree(ctx));
    EXPECT_EQ(literalState.buffer, added + start);
    EXPECT_EQ(literalState.DoneConstNames, "GHOST\nREAD_CONTROL\n");

    GeneratorState fastState;
    fastState.scope = scope::kPrivate;
    fastState.buffer = start;
    ConstantPositions positions;
    positions.build(indexes.Constants);
    const CatalogueLookup lookup(c);
    const ConstTreeTables tables{indexes.Constants, positions, lookup, c};
    EXPECT_FALSE(constTreePass(fastState, ui, tables, ""));
    EXPECT_TRUE(constTreePass(fastState, ui, tables, ""));
    EXPECT_EQ(fastState.buffer, literalState.buffer);
    EXPECT_EQ(fastState.DoneConstNames, literalState.DoneConstNames);
}

}  // namespace
}  // namespace pq
