// Automat generation on the fixture catalogue: the user-type closure, the
// constant closure and the layout they produce, for both implementations.
#include <gtest/gtest.h>

#include <string>

#include "generator_test_support.h"
#include "test_support.h"

namespace pq {
namespace {

using test::GeneratorRig;

class AutomatTest : public ::testing::TestWithParam<GeneratorImpl> {
protected:
    GeneratorRig rig{test::miniCatalogue(), GetParam()};
    const GeneratorState& s() const { return rig.gen.state(); }
    PassCounts passes() const { return rig.gen.lastPassCounts(); }
};

TEST_P(AutomatTest, ConstantClosureOverTwoPasses) {
    EXPECT_EQ(rig.generate(api_type::kConstants, "STANDARD_RIGHTS_READ"),
              "Private Const READ_CONTROL = &H20000\n\n"
              "Private Const STANDARD_RIGHTS_READ = (READ_CONTROL)");
    EXPECT_EQ(s().DoneConstNames, "READ_CONTROL\n");
    EXPECT_EQ(passes(), (PassCounts{0, 2}));
}

// READ_CONTROL stands before STANDARD_RIGHTS_READ in the index, so it is
// found only by the next pass, from the line that the first pass added.
TEST_P(AutomatTest, ConstantClosureOverThreePassesInIndexOrder) {
    EXPECT_EQ(rig.generate(api_type::kConstants, "FILE_GENERIC_READ"),
              "Private Const READ_CONTROL = &H20000\n\n"
              "Private Const SYNCHRONIZE = &H100000\n\n"
              "Private Const STANDARD_RIGHTS_READ = (READ_CONTROL)\n\n"
              "Private Const FILE_READ_EA = (&H8)\n\n"
              "Private Const FILE_READ_DATA = (&H1)\n\n"
              "Private Const FILE_READ_ATTRIBUTES = (&H80)\n\n"
              "Private Const FILE_GENERIC_READ = (STANDARD_RIGHTS_READ Or FILE_READ_DATA Or "
              "FILE_READ_ATTRIBUTES Or FILE_READ_EA Or SYNCHRONIZE)");
    EXPECT_EQ(s().DoneConstNames,
              "FILE_READ_ATTRIBUTES\nFILE_READ_DATA\nFILE_READ_EA\nSTANDARD_RIGHTS_READ\n"
              "SYNCHRONIZE\nREAD_CONTROL\n");
    EXPECT_EQ(passes(), (PassCounts{0, 3}));
}

TEST_P(AutomatTest, TypeWithMemberTypeAndArrayBound) {
    EXPECT_EQ(rig.generate(api_type::kTypes, "TOKEN_GROUPS"),
              "Private Const ANYSIZE_ARRAY = 1\n\n"
              "Private Type SID_AND_ATTRIBUTES\n"
              "  Sid As Long\n"
              "  Attributes As Long\n"
              "End Type\n\n"
              "Private Type TOKEN_GROUPS\n"
              "  GroupCount As Long\n"
              "  Groups(ANYSIZE_ARRAY) As SID_AND_ATTRIBUTES\n"
              "End Type");
    EXPECT_EQ(s().DoneTypeNames, "SID_AND_ATTRIBUTES\n");
    EXPECT_EQ(s().TypeBlocksText,
              "Private Type SID_AND_ATTRIBUTES\n  Sid As Long\n  Attributes As Long\nEnd Type\n\n");
    EXPECT_EQ(s().DoneConstNames, "ANYSIZE_ARRAY\n");
    EXPECT_EQ(passes(), (PassCounts{2, 2}));
}

// Blocks of one pass go on top in the order their references occur; a type
// named twice gets one block.
TEST_P(AutomatTest, BlocksOfOnePassStackInReferenceOrder) {
    const std::string& buffer = rig.generate(api_type::kDeclares, "CreateProcess");
    const auto at = [&](const char* text) { return buffer.find(text); };
    ASSERT_NE(at("Private Type PROCESS_INFORMATION\n"), std::string::npos);
    EXPECT_EQ(at("Private Type PROCESS_INFORMATION\n"), 0u);
    EXPECT_LT(at("Private Type PROCESS_INFORMATION\n"), at("Private Type STARTUPINFO\n"));
    EXPECT_LT(at("Private Type STARTUPINFO\n"), at("Private Type SECURITY_ATTRIBUTES\n"));
    EXPECT_LT(at("Private Type SECURITY_ATTRIBUTES\n"), at("Private Declare Function"));
    EXPECT_EQ(buffer.find("Type SECURITY_ATTRIBUTES", at("Type SECURITY_ATTRIBUTES") + 1),
              std::string::npos);
    EXPECT_NE(buffer.find("  hStdError As Long\nEnd Type\n\nPrivate Type SECURITY_ATTRIBUTES"),
              std::string::npos);
    EXPECT_EQ(s().DoneTypeNames, "SECURITY_ATTRIBUTES\nSTARTUPINFO\nPROCESS_INFORMATION\n");
    EXPECT_EQ(passes(), (PassCounts{2, 1}));
}

TEST_P(AutomatTest, TypeNamedInsideABlockComesInALaterPassAboveIt) {
    EXPECT_EQ(rig.generate(api_type::kDeclares, "CreatePenIndirect"),
              "Private Type POINTAPI\n  x As Long\n  y As Long\nEnd Type\n\n"
              "Private Type LOGPEN\n  lopnStyle As Long\n  lopnWidth As POINTAPI\n"
              "  lopnColor As Long\nEnd Type\n\n"
              "Private Declare Function CreatePenIndirect Lib \"gdi32\" Alias "
              "\"CreatePenIndirect\" (lpLogPen As LOGPEN) As Long");
    EXPECT_EQ(passes(), (PassCounts{3, 1}));
}

TEST_P(AutomatTest, StandardTypesOnlyNeedOnePassEach) {
    EXPECT_EQ(rig.generate(api_type::kDeclares, "CopyMemory"),
              "Private Declare Sub CopyMemory Lib \"kernel32\" Alias \"RtlMoveMemory\" "
              "(Destination As Any, Source As Any, ByVal Length As Long)");
    EXPECT_EQ(s().DoneTypeNames, "");
    EXPECT_EQ(passes(), (PassCounts{1, 1}));
}

TEST_P(AutomatTest, MissingTypeIsRegisteredWithoutBlockAndCostsAPass) {
    const std::string line =
        "Declare Function NetUserAdd Lib \"netapi32\" (ByVal servername As String, ByVal level "
        "As Long, buf As USER_INFO_3_API, parm_err As Long) As Long";
    EXPECT_EQ(rig.generate(api_type::kDeclares, "NetUserAdd"), "Private " + line);
    EXPECT_EQ(s().DoneTypeNames, "USER_INFO_3_API\n");
    EXPECT_EQ(s().TypeBlocksText, "");
    EXPECT_EQ(passes(), (PassCounts{2, 1}));
}

// Member types are found in Types ignoring case ("Rect" -> RECT, "xform" ->
// XFORM) and registered as written; an enum name has no block.
TEST_P(AutomatTest, TypeReferencesInAnotherLetterCase) {
    const std::string& buffer = rig.generate(api_type::kTypes, "WINDOWPLACEMENT");
    EXPECT_EQ(buffer.find("Private Type RECT\n"), 0u);
    EXPECT_EQ(s().DoneTypeNames, "POINTAPI\nRect\n");

    rig.generate(api_type::kTypes, "WORLD_XFORM_PAIR");
    EXPECT_EQ(s().DoneTypeNames, "xform\nXFORM\n");
    EXPECT_EQ(std::string(s().TypeBlocksText).find("Type XFORM"), 8u);
    EXPECT_NE(s().TypeBlocksText.find("Type XFORM", 9), std::string::npos) << "two blocks";

    EXPECT_EQ(rig.generate(api_type::kTypes, "USER_INFO_23").find("Private Type USER_INFO_23"), 0u);
    EXPECT_EQ(s().DoneTypeNames, "g_netSID_NAME_USE\n");
    EXPECT_EQ(passes().typePasses, 2);
}

TEST_P(AutomatTest, FixedStringLengthsAndRangeBoundsPullInConstants) {
    rig.generate(api_type::kTypes, "DISPLAY_DEVICE");
    EXPECT_EQ(s().DoneConstNames, "CCHDEVICENAME\n");
    EXPECT_EQ(s().buffer.find("Private Const CCHDEVICENAME = 32\n\nPrivate Type DISPLAY_DEVICE"),
              0u);

    rig.generate(api_type::kDeclares, "CreateFontIndirect");
    EXPECT_EQ(s().DoneConstNames, "LF_FACESIZE\n");
    EXPECT_EQ(s().buffer.find("Private Const LF_FACESIZE = 32\n\nPrivate Type LOGFONT\n"), 0u);
}

// Constants declare no types: only the constant closure runs, and the type
// fields keep what the dispatch left.
TEST_P(AutomatTest, ConstantsRunNoTypeClosure) {
    rig.generate(api_type::kConstants, "KEY_TYPE_NAME");
    EXPECT_EQ(s().buffer, "Private Const KEY_TYPE_NAME = \"Key Type\"");
    EXPECT_EQ(passes(), (PassCounts{0, 1}));
    EXPECT_EQ(s().TypeScanText, "");
    EXPECT_EQ(s().AutoDeclText, "");
}

TEST_P(AutomatTest, PublicScopeOnEveryBlockAndLine) {
    rig.gen.state().scope = scope::kPublic;
    EXPECT_EQ(rig.generate(api_type::kTypes, "TOKEN_GROUPS"),
              "Public Const ANYSIZE_ARRAY = 1\n\n"
              "Public Type SID_AND_ATTRIBUTES\n  Sid As Long\n  Attributes As Long\nEnd Type\n\n"
              "Public Type TOKEN_GROUPS\n  GroupCount As Long\n"
              "  Groups(ANYSIZE_ARRAY) As SID_AND_ATTRIBUTES\nEnd Type");
}

// Each generation starts both closures afresh.
TEST_P(AutomatTest, NothingLeaksIntoTheNextGeneration) {
    rig.generate(api_type::kDeclares, "CreatePenIndirect");
    rig.generate(api_type::kDeclares, "CreatePenIndirect");
    EXPECT_EQ(s().DoneTypeNames, "LOGPEN\nPOINTAPI\n");
    EXPECT_EQ(passes(), (PassCounts{3, 1}));
    rig.generate(api_type::kTypes, "RECT");
    EXPECT_EQ(s().TypeBlocksText, "");
    EXPECT_EQ(s().DoneTypeNames, "");
}

INSTANTIATE_TEST_SUITE_P(BothImplementations, AutomatTest,
                         ::testing::Values(GeneratorImpl::Fast, GeneratorImpl::Literal),
                         [](const auto& info) { return test::implName(info.param); });

}  // namespace
}  // namespace pq
