#include "catalogue/catalogue.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "test_support.h"

namespace pq {
namespace {

TEST(Catalogue, FixtureLoadsEveryLineInOrder) {
    const Catalogue& c = test::miniCatalogue();
    ASSERT_GT(c.lineCount(), 200u);
    EXPECT_EQ(c.lineText(0), "Const ANYSIZE_ARRAY = 1");
    EXPECT_EQ(c.lineText(c.lineCount() - 1), "End Enum");
    EXPECT_THROW((void)c.lineText(c.lineCount()), std::out_of_range);
}

TEST(Catalogue, LongLineComesBackWhole) {
    const Catalogue& c = test::miniCatalogue();
    std::size_t longest = 0;
    for (const auto& line : c.lines())
        longest = std::max(longest, line.size());
    EXPECT_GE(longest, 496u);
    const std::string line(Catalogue::kMaxLineLength, 'x');
    const Catalogue big = Catalogue::fromText("Const A = 1\n" + line + "\n", "t");
    EXPECT_EQ(big.lineText(1), line);
}

TEST(Catalogue, AcceptsCrLfAndMissingFinalLineFeed) {
    const Catalogue c = Catalogue::fromText("Const A = 1\r\nConst B = 2\r\nType T", "t");
    ASSERT_EQ(c.lineCount(), 3u);
    EXPECT_EQ(c.lineText(0), "Const A = 1");
    EXPECT_EQ(c.lineText(1), "Const B = 2");
    EXPECT_EQ(c.lineText(2), "Type T");
    EXPECT_EQ(Catalogue::fromText("", "t").lineCount(), 0u);
}

struct BadText {
    const char* name;
    std::string text;
    const char* expected;  // part of the message after "bad.txt:"
};

class CatalogueRejects : public testing::TestWithParam<BadText> {};

TEST_P(CatalogueRejects, NamesFileAndLine) {
    const BadText& bad = GetParam();
    try {
        (void)Catalogue::fromText(bad.text, "bad.txt");
        FAIL() << "loaded without error";
    } catch (const CatalogueError& e) {
        EXPECT_NE(std::string(e.what()).find(std::string("bad.txt:") + bad.expected),
                  std::string::npos)
            << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, CatalogueRejects,
    testing::Values(BadText{"EmptyLine", "Const A = 1\n\nConst B = 2\n", "2: empty line"},
                    BadText{"EmptyCrLfLine", "Const A = 1\r\n\r\n", "2: empty line"},
                    BadText{"Tab", "Const A = 1\nConst\tB = 2\n", "2: tab"},
                    BadText{"ControlChar", "Const A = 1\nConst B = \x01\n", "2: byte 0x01"},
                    BadText{"LoneCarriageReturn", "Const A\r= 1\n", "1: byte 0x0D"},
                    BadText{"HighByte", "Const A = 1\nConst B = 2\nConst \xE9 = 3", "3: byte 0xE9"},
                    BadText{"Delete", "Const A = \x7F\n", "1: byte 0x7F"},
                    BadText{"TooLong",
                            "Const A = 1\n" + std::string(Catalogue::kMaxLineLength + 1, 'x'),
                            "2: line of 4097 characters"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Catalogue, UnreadableFileNamesTheFile) {
    const std::string path = test::fixturePath("no-such-catalogue.txt");
    try {
        (void)Catalogue::fromFile(path);
        FAIL() << "loaded a missing file";
    } catch (const CatalogueError& e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
}

TEST(Catalogue, BadFileNamesItsPathAndLine) {
    const std::string path = std::string(PQ_BINARY_DIR) + "/bad_catalogue_test.txt";
    {
        std::ofstream out(path, std::ios::binary);
        out << "Const A = 1\nConst B = 2\n\n";
    }
    try {
        (void)Catalogue::fromFile(path);
        FAIL() << "loaded a bad file";
    } catch (const CatalogueError& e) {
        EXPECT_EQ(std::string(e.what()), path + ":3: empty line");
    }
    std::remove(path.c_str());
}

TEST(Catalogue, BuiltinCatalogueLoads) {
    const Catalogue c = loadBuiltinCatalogue();
    EXPECT_GT(c.lineCount(), 100u);
}

}  // namespace
}  // namespace pq
