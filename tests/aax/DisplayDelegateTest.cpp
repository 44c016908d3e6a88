#include <gtest/gtest.h>

#include <cstdint>
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

TEST(DisplayDelegates, ANullOutTextIsRefused) {
    EXPECT_FALSE((AAX_CNumberDisplayDelegate<float, 2, 0>().ValueToString(1.0f, nullptr)));
    EXPECT_FALSE(AAX_CBinaryDisplayDelegate<bool>("off", "on").ValueToString(true, nullptr));
    EXPECT_FALSE(AAX_CStringDisplayDelegate<std::int32_t>({}).ValueToString(1, nullptr));
}

}  // namespace
