#include "catalogue/name_index.h"

#include <gtest/gtest.h>

#include "catalogue/line_kinds.h"
#include "catalogue/name_order.h"
#include "test_support.h"

namespace pq {
namespace {

TEST(NameOrder, FoldsCaseThenComparesBytes) {
    // blank < digits < underscore < letters, whatever the letter case.
    EXPECT_LT(compareFolded("DM_COLLATE As Long", "DM_COLLATE_X"), 0);
    EXPECT_LT(compareFolded("A1", "A_"), 0);
    EXPECT_LT(compareFolded("A_", "Ab"), 0);
    EXPECT_LT(compareFolded("SW_SHOW", "SW_SHOWNORMAL"), 0);
    EXPECT_EQ(compareFolded("Rect", "RECT"), 0);
    EXPECT_LT(compareFolded("abc", "ABD"), 0);
    EXPECT_GT(compareFolded("b", "A"), 0);
}

TEST(NameIndex, KeepsDuplicatesInInsertionOrderAndFindsIgnoringCase) {
    NameIndex ix;
    ix.add("beta");
    ix.add("Alpha");
    ix.add("BETA");
    ix.add("alpha");
    ASSERT_EQ(ix.count(), 4);
    EXPECT_EQ(ix.entry(0), "Alpha");
    EXPECT_EQ(ix.entry(1), "alpha");
    EXPECT_EQ(ix.entry(2), "beta");
    EXPECT_EQ(ix.entry(3), "BETA");
    EXPECT_EQ(ix.find("ALPHA"), 0);
    EXPECT_EQ(ix.find("Beta"), 2);
    EXPECT_EQ(ix.find("gamma"), -1);
    EXPECT_EQ(ix.find("alph"), -1);

    NameIndex bulk;
    bulk.addAll({"beta", "Alpha", "BETA", "alpha"});
    EXPECT_EQ(bulk.wholeList(), ix.wholeList());
}

TEST(NameIndex, SelectSetsTheCurrentText) {
    NameIndex ix;
    ix.addAll({"RECT", "POINTAPI"});
    EXPECT_EQ(ix.current(), -1);
    EXPECT_EQ(ix.currentText(), "");
    ix.select(ix.find("Rect"));
    EXPECT_EQ(ix.currentText(), "RECT");
    ix.select(ix.find("g_netSID_NAME_USE"));
    EXPECT_EQ(ix.current(), -1);
    EXPECT_EQ(ix.currentText(), "");
}

TEST(LineKinds, NamesAsTheIndexesTakeThem) {
    struct Row {
        const char* line;
        LineKind kind;
        const char* name;  // nullptr: not a line of that kind
    };
    const Row rows[] = {
        {"Const DM_COLLATE As Long = &H8000", LineKind::Constant, "DM_COLLATE As Long"},
        {"Const DT_EDITCONTROL   As Long = &H2000&", LineKind::Constant,
         "DT_EDITCONTROL   As Long"},
        {"Const A = B = C", LineKind::Constant, "A"},
        {"Const NOEQUALS 1", LineKind::Constant, ""},
        {"Const = 1", LineKind::Constant, ""},
        {" Const A = 1", LineKind::Constant, nullptr},
        {"Declare Function GetDC Lib \"user32\" (ByVal hwnd As Long) As Long", LineKind::Declare,
         "GetDC"},
        {"Declare Sub CopyMemory Lib \"kernel32\" Alias \"RtlMoveMemory\" (a As Any)",
         LineKind::Declare, "CopyMemory"},
        {"Declare Function NoLibHere (ByVal a As Long) As Long", LineKind::Declare, ""},
        {"Public Declare Function SHFileOperation Lib \"shell32.dll\" (x As Long) As Long",
         LineKind::Declare, nullptr},
        {"Declare Sub X Lib \"a\" (ByVal s As String = \"Declare Function \")", LineKind::Declare,
         nullptr},
        {"Type RECT", LineKind::TypeHeader, "RECT"},
        {"  dwType As Long", LineKind::TypeHeader, nullptr},
        {"End Type", LineKind::TypeHeader, nullptr},
    };
    for (const Row& row : rows) {
        const auto name = lineName(row.kind, row.line);
        if (row.name == nullptr) {
            EXPECT_FALSE(name.has_value()) << row.line;
        } else {
            ASSERT_TRUE(name.has_value()) << row.line;
            EXPECT_EQ(*name, row.name) << row.line;
        }
    }
    EXPECT_EQ(bareName("SQL_C_LONG As Long"), "SQL_C_LONG");
    EXPECT_EQ(bareName("SW_SHOW"), "SW_SHOW");
}

TEST(Indexes, FixtureIndexesHoldEveryNameOfItsKindSorted) {
    const NameIndexes ix = test::indexesOf(test::miniCatalogue());
    EXPECT_EQ(ix.Constants.entry(0), "ANYSIZE_ARRAY");
    EXPECT_EQ(ix.Functions.entry(0), "AbortDoc");
    EXPECT_EQ(ix.Types.entry(0), "BITMAPINFO");

    EXPECT_NE(ix.Constants.find("DM_COLLATE As Long"), -1);
    EXPECT_NE(ix.Constants.find("DT_EDITCONTROL   As Long"), -1);
    EXPECT_EQ(ix.Constants.find("DM_COLLATE"), -1);

    // Declared twice: two entries side by side. The line that begins with
    // "Public " is no declare line.
    const int ods = ix.Functions.find("OutputDebugString");
    ASSERT_NE(ods, -1);
    EXPECT_EQ(ix.Functions.entry(ods + 1), "OutputDebugString");
    EXPECT_EQ(ix.Functions.find("SHFileOperation"), -1);

    EXPECT_EQ(ix.Types.entry(ix.Types.find("Rect")), "RECT");
    EXPECT_EQ(ix.Types.find("g_netSID_NAME_USE"), -1);
    EXPECT_EQ(ix.Types.find("dwType"), -1);

    for (const NameIndex* index : {&ix.Constants, &ix.Functions, &ix.Types}) {
        for (int k = 1; k < index->count(); ++k) {
            EXPECT_LE(compareFolded(index->entry(k - 1), index->entry(k)), 0) << index->entry(k);
        }
    }

    // Every line of a kind adds exactly one name.
    int constants = 0, declares = 0, types = 0;
    for (const auto& line : test::miniCatalogue().lines()) {
        constants += constantName(line).has_value();
        declares += declareName(line).has_value();
        types += typeName(line).has_value();
    }
    EXPECT_EQ(ix.Constants.count(), constants);
    EXPECT_EQ(ix.Functions.count(), declares);
    EXPECT_EQ(ix.Types.count(), types);
}

}  // namespace
}  // namespace pq
