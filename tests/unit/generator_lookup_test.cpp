// The catalogue lookup and manual generation: which line a picked or typed
// text gives, and the text written for it.
#include <gtest/gtest.h>

#include <string>

#include "generator_test_support.h"
#include "test_support.h"

namespace pq {
namespace {

using test::GeneratorRig;

using test::mendsCatalogue;

class LookupTest : public ::testing::TestWithParam<GeneratorImpl> {};

struct LookupCase {
    int apiType;
    const char* text;
    const char* expected;  // nullptr: no line, the buffer stays as it was
};

// A name gives its own line even when a longer name that begins with it, or
// a value naming it, comes first; partial text gives the first line whose
// name begins with it; member lines, other kinds and other letter cases give
// nothing.
TEST_P(LookupTest, WhatEachTextFinds) {
    const LookupCase cases[] = {
        {api_type::kConstants, "SW_SHOW", "Private Const SW_SHOW = 5"},
        {api_type::kConstants, "SW_SHOWN", "Private Const SW_SHOWNORMAL = 1"},
        {api_type::kConstants, "SW_MAX", "Private Const SW_MAX = 10"},
        {api_type::kConstants, "", "Private Const ANYSIZE_ARRAY = 1"},
        {api_type::kConstants, "REG_OPTION_NON_VOLATILE",
         "Private Const REG_OPTION_NON_VOLATILE = 0"},
        {api_type::kConstants, "DM_COLLATE As Long", "Private Const DM_COLLATE As Long = &H8000"},
        {api_type::kConstants, "DM_COLLATE", "Private Const DM_COLLATE As Long = &H8000"},
        {api_type::kConstants, "DT_EDITCONTROL   As Long",
         "Private Const DT_EDITCONTROL   As Long = &H2000&"},
        {api_type::kConstants, "sw_show", nullptr},
        {api_type::kConstants, "AbortDoc", nullptr},
        {api_type::kDeclares, "GetDC",
         "Private Declare Function GetDC Lib \"user32\" Alias \"GetDC\" (ByVal hwnd As Long) As "
         "Long"},
        {api_type::kDeclares, "GetWindow",
         "Private Declare Function GetWindow Lib \"user32\" Alias \"GetWindow\" (ByVal hwnd As "
         "Long, ByVal wCmd As Long) As Long"},
        {api_type::kDeclares, "MapViewOfFileE",
         "Private Declare Function MapViewOfFileEx Lib \"kernel32\" Alias \"MapViewOfFileEx\" "
         "(ByVal hFileMappingObject As Long, ByVal dwDesiredAccess As Long, ByVal "
         "dwFileOffsetHigh As Long, ByVal dwFileOffsetLow As Long, ByVal dwNumberOfBytesToMap As "
         "Long, lpBaseAddress As Any) As Long"},
        {api_type::kDeclares, "Get",
         "Private Declare Function GetDCOrgEx Lib \"gdi32\" Alias \"GetDCOrgEx\" (ByVal hdc As "
         "Long, lpPoint As POINTAPI) As Long"},
        {api_type::kDeclares, "",
         "Private Declare Function AbortDoc Lib \"gdi32\" Alias \"AbortDoc\" (ByVal hdc As Long) "
         "As Long"},
        {api_type::kDeclares, "OutputDebugString",
         "Private Declare Sub OutputDebugString Lib \"kernel32\" Alias \"OutputDebugStringA\" "
         "(ByVal lpOutputString As String)"},
        {api_type::kDeclares, "SHFileOperation", nullptr},
        {api_type::kDeclares, "xyz", nullptr},
        {api_type::kDeclares, "hwnd", nullptr},
        {api_type::kTypes, "BITMAPINFO",
         "Private Type BITMAPINFO\n  bmiHeader As BITMAPINFOHEADER\n  bmiColors As RGBQUAD\n"
         "End Type"},
        {api_type::kTypes, "",
         "Private Type RECT\n  Left As Long\n  Top As Long\n  Right As Long\n  Bottom As Long\n"
         "End Type"},
        {api_type::kTypes, "POINTS",
         "Private Type POINTS\n  x  As Integer\n  y  As Integer\nEnd Type"},
        {api_type::kTypes, "Rect", nullptr},
        {api_type::kTypes, "dwType", nullptr},
        {api_type::kTypes, "hFile", nullptr},
        {-1, "AbortDoc", nullptr},
        {3, "RECT", nullptr},
    };
    for (const LookupCase& c : cases) {
        GeneratorRig rig(test::miniCatalogue(), GetParam());
        rig.gen.state().buffer = "previous text";
        const std::string& buffer = rig.generate(c.apiType, c.text, /*automat=*/false);
        EXPECT_EQ(buffer, c.expected ? c.expected : "previous text")
            << "api type " << c.apiType << ", text \"" << c.text << "\"";
        EXPECT_EQ(rig.gen.lastLookupFound(), c.expected != nullptr) << c.text;
    }
}

// With declarations listed before the types, a partial type name that first
// occurs in a parameter gives the type, not a run of lines from that
// declaration.
TEST_P(LookupTest, PartialTypeNameGivesTheTypeNotAParameter) {
    GeneratorRig rig(mendsCatalogue(), GetParam());
    EXPECT_EQ(rig.generate(api_type::kTypes, "STR_INFO", false),
              "Private Type STR_INFO_EX\n  cb As Long\n  dwType As Long\nEnd Type");
}

// A type block without a closing line is copied to the last line and
// closed, in manual mode and as a dependency.
TEST_P(LookupTest, UnclosedLastBlockStopsAtTheLastLine) {
    GeneratorRig rig(mendsCatalogue(), GetParam());
    EXPECT_EQ(rig.generate(api_type::kTypes, "OPEN_END", false),
              "Private Type OPEN_END\n  a(LAST_ONE) As Long\nEnd Type");
    EXPECT_EQ(rig.generate(api_type::kDeclares, "UseOpen", true),
              "Private Const LAST_ONE = 7\n\n"
              "Private Type OPEN_END\n  a(LAST_ONE) As Long\nEnd Type\n\n"
              "Private Declare Function UseOpen Lib \"k\" (p As OPEN_END) As Long");
}

TEST_P(LookupTest, ScopeWordGoesInFrontOfTheFirstLineOnly) {
    GeneratorRig rig(test::miniCatalogue(), GetParam());
    rig.gen.state().scope = scope::kPublic;
    EXPECT_EQ(rig.generate(api_type::kTypes, "COORD", false),
              "Public Type COORD\n  x As Integer\n  y As Integer\nEnd Type");
    rig.gen.state().scope = -1;  // no choice shown: any position but 0 is "Public "
    EXPECT_EQ(rig.generate(api_type::kConstants, "SW_HIDE", false), "Public Const SW_HIDE = 0");
}

// Manual generation writes only the buffer: the automat fields keep
// whatever they held.
TEST_P(LookupTest, ManualGenerationLeavesTheClosureFieldsAlone) {
    GeneratorRig rig(test::miniCatalogue(), GetParam());
    rig.generate(api_type::kTypes, "TOKEN_GROUPS", true);
    const GeneratorState before = rig.gen.state();
    rig.generate(api_type::kTypes, "RECT", false);
    const GeneratorState& after = rig.gen.state();
    EXPECT_EQ(after.TypeBlocksText, before.TypeBlocksText);
    EXPECT_EQ(after.DoneTypeNames, before.DoneTypeNames);
    EXPECT_EQ(after.DoneConstNames, before.DoneConstNames);
    EXPECT_EQ(after.AutoDeclText, before.AutoDeclText);
}

INSTANTIATE_TEST_SUITE_P(BothImplementations, LookupTest,
                         ::testing::Values(GeneratorImpl::Fast, GeneratorImpl::Literal),
                         [](const auto& info) { return test::implName(info.param); });

}  // namespace
}  // namespace pq
