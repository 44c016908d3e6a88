#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>

#include "aax/AAX_CBinaryDisplayDelegate.h"
#include "aax/AAX_CNumberDisplayDelegate.h"
#include "aax/AAX_CStringDisplayDelegate.h"

namespace {

template <typename T>
std::string TextOf(const AAX_IDisplayDelegate<T>& display, T value) {
    AAX_CString text("unchanged");
    EXPECT_TRUE(display.ValueToString(value, &text));
    return text.StdString();
}

struct NumberCase {
    float value;
    const char* text;
};

TEST(NumberDisplay, ShowsPrecisionDigitsWithAPointAndNoNegativeZero) {
    const AAX_CNumberDisplayDelegate<float, 2, 0> display;
    const NumberCase cases[] = {
        {1.5f, "1.50"},         {-3.14159f, "-3.14"}, {0.0f, "0.00"},
        {-0.001f, "0.00"},      {1.005f, "1.00"},  // the float is 1.00499...
        {20000.0f, "20000.00"},
    };
    for (const NumberCase& c : cases) EXPECT_EQ(TextOf<float>(display, c.value), c.text) << c.value;
}

TEST(NumberDisplay, SpacingAppendsBlanksAndZeroPrecisionDropsThePoint) {
    EXPECT_EQ(TextOf<float>(AAX_CNumberDisplayDelegate<float, 1, 1>(), 12.25f), "12.2 ");
    EXPECT_EQ(TextOf<float>(AAX_CNumberDisplayDelegate<float, 0, 0>(), 2.5f), "2");
    EXPECT_EQ(TextOf<float>(AAX_CNumberDisplayDelegate<float, 0, 3>(), 7.0f), "7   ");
}

TEST(NumberDisplay, IntegersPrintWholeAndIgnorePrecision) {
    const AAX_CNumberDisplayDelegate<std::int32_t, 2, 1> display;
    EXPECT_EQ(TextOf<std::int32_t>(display, 42), "42 ");
    EXPECT_EQ(TextOf<std::int32_t>(display, -7), "-7 ");
}

TEST(BinaryDisplay, ShowsTheCallersTexts) {
    const AAX_CBinaryDisplayDelegate<bool> display("off", "on");
    EXPECT_EQ(TextOf<bool>(display, false), "off");
    EXPECT_EQ(TextOf<bool>(display, true), "on");
}

TEST(StringDisplay, ValuesWithoutALabelShowStringNotFound) {
    const AAX_CStringDisplayDelegate<std::int32_t> display({{0, ""}, {1, "one"}, {3, "three"}});
    EXPECT_EQ(TextOf<std::int32_t>(display, 0), "");
    EXPECT_EQ(TextOf<std::int32_t>(display, 1), "one");
    EXPECT_EQ(TextOf<std::int32_t>(display, 2), "String Not Found");
    EXPECT_EQ(TextOf<std::int32_t>(display, 3), "three");
    EXPECT_EQ(TextOf<std::int32_t>(display, -1), "String Not Found");
}

TEST(DisplayDelegates, ANullOutTextIsRefused) {
    EXPECT_FALSE((AAX_CNumberDisplayDelegate<float, 2, 0>().ValueToString(1.0f, nullptr)));
    EXPECT_FALSE(AAX_CBinaryDisplayDelegate<bool>("off", "on").ValueToString(true, nullptr));
    EXPECT_FALSE(AAX_CStringDisplayDelegate<std::int32_t>({}).ValueToString(1, nullptr));
}

}  // namespace
