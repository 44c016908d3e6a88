#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "support/StringPrinting.h"
#include "util/Error.h"
#include "util/FormatArg.h"
#include "util/NumberText.h"

using Util::FormatArg;
using Util::String;

namespace {

TEST(PlaceholderFilling, FillsLowestNumberedLeftmostPlaceholderPerCall) {
    const struct {
        const char* templ;
        const char* first;
        const char* second;  // null: only one value is filled
        const char* expected;
    } cases[] = {
        {"%2 before %1", "A", "B", "B before A"},
        {"%1%1", "A", "B", "AB"},
        {"no placeholder ", "X", nullptr, "no placeholder X"},  // appended
        {"", "X", nullptr, "X"},
        {"50%", "X", nullptr, "50%X"},  // a trailing lone percent is literal
        {"%10", "X", nullptr, "X0"},    // a placeholder is two bytes
        {"%a%1", "X", nullptr, "%aX"},
        {"%3 %2 %9", "A", "B", "B A %9"},  // the lowest digit wins over position
        {"[%1]", "", nullptr, "[]"},
        {"%1 and %2", "%1", "Y", "Y and %2"},  // a value holding a placeholder is filled later
    };
    for (const auto& c : cases) {
        String result = FormatArg(String(c.templ), String(c.first));
        if (c.second) result = FormatArg(result, String(c.second));
        EXPECT_EQ(result, String(c.expected)) << c.templ;
        EXPECT_FALSE(result.IsNull());
    }
}

TEST(PlaceholderFilling, PathMessageUsesSecondPercentOneForThePath) {
    const String templ(
        "One of the files this plug-in needs is corrupt or invalid, please reinstall or contact technical "
        "support for assistance [0x%1] (attempting to load %1)");
    const String message = FormatArg(FormatArg(templ, std::uint64_t{0x7F}, 16), String("C:\\x\\core.dll"));
    const std::string tail = "[0x7F] (attempting to load C:\\x\\core.dll)";
    ASSERT_GE(message.Size(), tail.size());
    EXPECT_EQ(message.Bytes().substr(message.Size() - tail.size()), tail);
}

TEST(PlaceholderFilling, WindowsErrorCodesAreUpperHexWithoutPrefix) {
    EXPECT_EQ(FormatArg(String("[0x%1]"), std::uint64_t{0xC1}, 16), String("[0xC1]"));
    EXPECT_EQ(FormatArg(String("[0x%1]"), std::uint64_t{126}, 16), String("[0x7E]"));
}

TEST(PlaceholderFilling, NullValueFillsAsEmpty) { EXPECT_EQ(FormatArg(String("a%1b"), String()), String("ab")); }

TEST(NumberConversion, GivesTheDigitsOfEachFormAndFormatArgUsesThem) {
    const struct {
        String text;
        const char* expected;
    } cases[] = {
        {Util::UInt32ToText(255, 2, 10), "0011111111"},
        {Util::UInt32ToText(255, 1), "255"},  // radix outside 2..36: decimal
        {Util::UInt32ToText(35, 36), "Z"},
        {Util::UInt32ToText(0xFFFFFFFFu, 16), "FFFFFFFF"},
        {Util::UInt32ToText(12345, 10, 2), "12345"},  // a width shorter than the digits
        {Util::UInt64ToText(0xDEADBEEFCAFEull, 16), "DEADBEEFCAFE"},
        {Util::UInt64ToText(255, 2), "255"},  // 64-bit: only 10 and 16
        {Util::UInt64ToText(0x409, 16, 4), "0409"},
        {Util::Int64ToText(-5, 10, 3), "-005"},
        {Util::Int64ToText(INT64_MIN, 10), "-9223372036854775808"},
        {Util::Int64ToText(-1, 16), "FFFFFFFFFFFFFFFF"},  // two's complement
        {FormatArg(String("%1"), std::int64_t{-5}, 10, 3), "-005"},
        {FormatArg(String("%1"), std::uint64_t{255}, 2), "255"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.text, String(c.expected));
        EXPECT_FALSE(c.text.IsNull()) << c.expected;
    }
}

class TestError : public Util::BasicError<TestError> {
public:
    using BasicError::BasicError;
};

TEST(ErrorValue, MessageFillsArgumentsInOrderAndCopiesWhole) {
    const TestError original(String("File"), 5, String("%2 then %1"), {String("a"), String("b")});
    const TestError copy = original;
    const Util::Error& error = copy;
    EXPECT_EQ(error.Category(), String("File"));
    EXPECT_EQ(error.Code(), 5u);
    EXPECT_EQ(error.Message(), String("b then a"));
    EXPECT_EQ(TestError(String("File"), 5, String("Close failed")).Message(), String("Close failed"));
}

}  // namespace
