// LF <-> CR LF at the clipboard boundary.
#include <gtest/gtest.h>

#include <string>

#include "clipboard/line_ends.h"

namespace pq {
namespace {

TEST(ClipboardLineEnds, ConvertsBothWays) {
    EXPECT_EQ(ToCrLf("A\nB\n\nC\n"), "A\r\nB\r\n\r\nC\r\n");
    EXPECT_EQ(FromCrLf("A\r\nB\r\n\r\nC\r\n"), "A\nB\n\nC\n");
    EXPECT_EQ(ToCrLf(""), "");
    EXPECT_EQ(FromCrLf(""), "");
}

TEST(ClipboardLineEnds, OtherProgramsLineEnds) {
    EXPECT_EQ(FromCrLf("a\rb"), "a\rb");              // CR only: kept, not a line end here
    EXPECT_EQ(FromCrLf("a\r\nb\nc\r"), "a\nb\nc\r");  // mixed
    EXPECT_EQ(FromCrLf("a\r\r\nb"), "a\r\nb");        // one CR LF, one CR before it
}

TEST(ClipboardLineEnds, RoundTripIsExact) {
    for (const std::string text :
         {"", "\n", "\r", "\r\n", "a\r\nb", "\n\r\n\r\r\n\n", "x\r", "\xFF\n\x80"}) {
        EXPECT_EQ(FromCrLf(ToCrLf(text)), text) << text;
    }
}

}  // namespace
}  // namespace pq
