#include <gtest/gtest.h>

#include "support/StringPrinting.h"
#include "util/ParseVersion.h"

using Util::ParsedVersion;
using Util::ParseVersion;
using Util::String;

namespace {

struct ValidCase {
    const char* text;
    std::uint32_t major, minor, third, fourth;
};

TEST(ParseVersion, ReadsTwoToFourNumbersWithBetaAndDevelopmentMarkers) {
    const ValidCase cases[] = {
        {"11.3.1b2", 11, 3, 1, 2},         {"12.8", 12, 8, 0, 0},
        {"1.2.3d4", 1, 2, 3, 4},           {"1.2.3", 1, 2, 3, 0},
        {"2023.6.0.123", 2023, 6, 0, 123}, {" +7 . 8 ", 7, 8, 0, 0},
        {"\t1\r\n.2", 1, 2, 0, 0},         {"4294967295.0.4294967295.1", 4294967295u, 0, 4294967295u, 1},
    };
    for (const ValidCase& c : cases) {
        SCOPED_TRACE(c.text);
        const ParsedVersion v = ParseVersion(String(c.text));
        ASSERT_EQ(v.valid, 1);
        EXPECT_EQ(v.major, c.major);
        EXPECT_EQ(v.minor, c.minor);
        EXPECT_EQ(v.third, c.third);
        EXPECT_EQ(v.fourth, c.fourth);
    }
}

TEST(ParseVersion, RejectsMalformedTexts) {
    const char* const cases[] = {
        "12",            // one part
        "1.2.3.4.5",     // five parts
        "1..2",          // empty part
        "1.2.",          // empty third part
        "1.2x",          // trailing garbage
        "1.2 3",         // garbage after trailing space
        "4294967296.1",  // above 32 bits
        "1.2.3b4b5",     // two beta markers
        "1.2.3b",        // beta without number
        "1.2.3d4b5",     // splits at 'b' first, leaving "3d4"
        "1.2.3.4b5",     // markers only in a three-part version
        "-1.2",
        "+ 1.2",  // white space between '+' and the digits
        "",
    };
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ParseVersion(String(text)).valid, 0);
    }
    EXPECT_EQ(ParseVersion(String()).valid, 0);
}

}  // namespace
