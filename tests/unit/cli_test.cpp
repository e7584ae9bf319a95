#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_options.h"
#include "cli/cli_run.h"
#include "test_support.h"

namespace pq::cli {
namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

Result runCli(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = run(args, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> withFixture(std::vector<std::string> args) {
    args.insert(args.begin(), {"--catalogue", test::fixturePath("mini_catalogue.txt")});
    return args;
}

TEST(CliOptions, DefaultsAreTheWindowsBuiltInChoices) {
    const Options o = parseOptions({"GetDC"});
    EXPECT_EQ(o.apiType, 1);
    EXPECT_EQ(o.language, 1);
    EXPECT_EQ(o.scope, 1);
    EXPECT_TRUE(o.automat);
    EXPECT_FALSE(o.add || o.nulTerminated || o.list);
    EXPECT_EQ(o.names, std::vector<std::string>{"GetDC"});
}

TEST(CliOptions, ParsesEveryOptionInBothForms) {
    const Options o = parseOptions({"--type=types", "--lang", "vb6", "--scope=private", "--manual",
                                    "--add", "--null", "--catalogue", "c.txt", "A", "--", "--B"});
    EXPECT_EQ(o.apiType, 2);
    EXPECT_EQ(o.language, 0);
    EXPECT_EQ(o.scope, 0);
    EXPECT_FALSE(o.automat);
    EXPECT_TRUE(o.add && o.nulTerminated);
    EXPECT_EQ(o.catalogueFile, "c.txt");
    EXPECT_EQ(o.names, (std::vector<std::string>{"A", "--B"}));
}

TEST(CliOptions, UsageErrors) {
    const std::vector<std::vector<std::string>> bad = {
        {},                            // no NAME
        {"--bogus", "A"},              // unknown option
        {"--type", "functions", "A"},  // bad value
        {"--lang", "VB6", "A"},        // values are lower case
        {"--scope"},                   // missing value
        {"--list", "A"},               // --list takes no NAME
        {"--add=yes", "A"},            // a flag with a value
    };
    for (const auto& args : bad) {
        EXPECT_THROW(parseOptions(args), UsageError) << testing::PrintToString(args);
    }
    EXPECT_TRUE(parseOptions({"--help"}).help);
    EXPECT_TRUE(parseOptions({"--version"}).version);
}

TEST(CliRun, UsageErrorPrintsOneLineAndTheUsage) {
    const Result r = runCli({"--bogus"});
    EXPECT_EQ(r.status, kFailure);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.substr(0, r.err.find('\n')), "protoquill-cli: unknown option '--bogus'");
    EXPECT_NE(r.err.find(kUsage), std::string::npos);
}

TEST(CliRun, CatalogueThatFailsToLoadNamesFileAndLine) {
    const Result missing = runCli({"--catalogue", "/nonexistent/cat.txt", "A"});
    EXPECT_EQ(missing.status, kFailure);
    EXPECT_NE(missing.err.find("/nonexistent/cat.txt"), std::string::npos);
}

TEST(CliRun, PrintsEachBufferAndReportsMissingNames) {
    const Result r = runCli(withFixture({"--type", "constants", "--lang", "vb6", "--scope",
                                         "private", "ANYSIZE_ARRAY", "xyz", "MAX_PATH"}));
    EXPECT_EQ(r.status, kNotFound);
    EXPECT_EQ(r.out, "Private Const ANYSIZE_ARRAY = 1\nPrivate Const MAX_PATH = 260\n");
    EXPECT_EQ(r.err, "protoquill-cli: no declaration found for xyz\n");
}

TEST(CliRun, NullTerminatesBuffersThatHoldEmptyLines) {
    const Result r =
        runCli(withFixture({"--type", "types", "--lang", "vb6", "--null", "TOKEN_GROUPS", "RECT"}));
    EXPECT_EQ(r.status, kOk);
    const std::string tokenGroups =
        "Public Const ANYSIZE_ARRAY = 1\n\n"
        "Public Type SID_AND_ATTRIBUTES\n  Sid As Long\n  Attributes As Long\nEnd Type\n\n"
        "Public Type TOKEN_GROUPS\n  GroupCount As Long\n  Groups(ANYSIZE_ARRAY) As "
        "SID_AND_ATTRIBUTES\n"
        "End Type";
    const std::string rect =
        "Public Type RECT\n  Left As Long\n  Top As Long\n  Right As Long\n"
        "  Bottom As Long\nEnd Type";
    EXPECT_EQ(r.out, tokenGroups + '\0' + rect + '\0');
}

TEST(CliRun, AddMergesEachDeclarationOnce) {
    const Result r =
        runCli(withFixture({"--lang", "vb6", "--add", "CreatePenIndirect", "GetDCOrgEx"}));
    EXPECT_EQ(r.status, kOk);
    // POINTAPI comes with both; the second time it is already collected.
    const std::string pointapi = "Public Type POINTAPI\n  x As Long\n  y As Long\nEnd Type";
    const auto first = r.out.find(pointapi);
    ASSERT_NE(first, std::string::npos) << r.out;
    EXPECT_EQ(r.out.find(pointapi, first + 1), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Public Declare Function GetDCOrgEx"), std::string::npos);
    EXPECT_EQ(r.out.substr(r.out.size() - 3), "\n\n\n");
}

TEST(CliRun, VbNetIsTheDefaultLanguage) {
    const Result r = runCli(withFixture({"--type", "types", "--manual", "POINTS"}));
    EXPECT_EQ(r.status, kOk);
    EXPECT_EQ(r.out,
              "Public Structure POINTS\n  Dim x  As Short\n  Dim y  As Short\nEnd Structure\n");
}

TEST(CliRun, ListPrintsTheIndexInOrder) {
    const Result r = runCli(withFixture({"--type", "declares", "--list"}));
    EXPECT_EQ(r.status, kOk);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "AbortDoc");
    EXPECT_NE(r.out.find("OutputDebugString\nOutputDebugString\n"), std::string::npos);
    EXPECT_EQ(runCli({"--version"}).out, "protoquill-cli 1.0\n");
}

}  // namespace
}  // namespace pq::cli
