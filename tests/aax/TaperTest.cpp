#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "aax/AAX_CBinaryTaperDelegate.h"
#include "aax/AAX_CLinearTaperDelegate.h"
#include "aax/AAX_CLogTaperDelegate.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct ToRealCase {
    double normalized;
    double real;
};

template <typename T>
void ExpectToReal(const AAX_ITaperDelegate<T>& taper, const ToRealCase& c) {
    SCOPED_TRACE(testing::Message() << "normalised " << c.normalized);
    EXPECT_DOUBLE_EQ(static_cast<double>(taper.NormalizedToReal(c.normalized)), c.real);
}

TEST(LinearTaper, MapsTheUnitIntervalOntoTheRangeAndClampsOutsideIt) {
    const AAX_CLinearTaperDelegate<float, 0> taper(-12.0f, 12.0f);
    const ToRealCase cases[] = {
        {0.0, -12.0}, {0.25, -6.0}, {0.5, 0.0}, {1.0, 12.0}, {-0.5, -12.0}, {1.5, 12.0}, {kNaN, -12.0},
    };
    for (const ToRealCase& c : cases) ExpectToReal(taper, c);
}

TEST(LinearTaper, RealToNormalizedInvertsTheMappingAndClamps) {
    const AAX_CLinearTaperDelegate<float, 0> taper(-12.0f, 12.0f);
    EXPECT_DOUBLE_EQ(taper.RealToNormalized(-6.0f), 0.25);
    EXPECT_DOUBLE_EQ(taper.RealToNormalized(12.0f), 1.0);
    EXPECT_DOUBLE_EQ(taper.RealToNormalized(20.0f), 1.0);
    EXPECT_DOUBLE_EQ(taper.RealToNormalized(-20.0f), 0.0);
    EXPECT_DOUBLE_EQ(taper.RealToNormalized(std::numeric_limits<float>::quiet_NaN()), 0.0);
    for (double n = 0.0; n <= 1.0; n += 0.125) EXPECT_NEAR(taper.RealToNormalized(taper.NormalizedToReal(n)), n, 1e-7);
}

TEST(LinearTaper, IntegersRoundToWholeValuesBothWays) {
    const AAX_CLinearTaperDelegate<std::int32_t, 1> taper(1, 4);
    const ToRealCase cases[] = {{0.0, 1}, {0.4, 2}, {0.5, 3}, {1.0, 4}, {2.0, 4}};
    for (const ToRealCase& c : cases) ExpectToReal(taper, c);
    EXPECT_NEAR(taper.RealToNormalized(3), 2.0 / 3.0, 1e-12);
    EXPECT_DOUBLE_EQ(taper.RealToNormalized(99), 1.0);
    for (std::int32_t value = 1; value <= 4; ++value)
        EXPECT_EQ(taper.NormalizedToReal(taper.RealToNormalized(value)), value);
}

TEST(LinearTaper, AnEmptyRangeNormalizesToZero) {
    const AAX_CLinearTaperDelegate<float, 0> taper(5.0f, 5.0f);
    EXPECT_DOUBLE_EQ(taper.RealToNormalized(5.0f), 0.0);
    EXPECT_FLOAT_EQ(taper.NormalizedToReal(0.7), 5.0f);
}

TEST(LogTaper, MapsEqualStepsToEqualRatios) {
    const AAX_CLogTaperDelegate<float, 1000> taper(20.0f, 20000.0f);
    EXPECT_FLOAT_EQ(taper.NormalizedToReal(0.0), 20.0f);
    EXPECT_FLOAT_EQ(taper.NormalizedToReal(1.0 / 3.0), 200.0f);
    EXPECT_FLOAT_EQ(taper.NormalizedToReal(2.0 / 3.0), 2000.0f);
    EXPECT_FLOAT_EQ(taper.NormalizedToReal(1.0), 20000.0f);
    // 20 x 1000^0.5 = 632.4555..., rounded to thousandths.
    EXPECT_FLOAT_EQ(taper.NormalizedToReal(0.5), 632.456f);
    EXPECT_NEAR(taper.RealToNormalized(200.0f), 1.0 / 3.0, 1e-7);
    EXPECT_NEAR(taper.RealToNormalized(632.456f), 0.5, 1e-6);
    EXPECT_DOUBLE_EQ(taper.RealToNormalized(5.0f), 0.0);
    EXPECT_DOUBLE_EQ(taper.RealToNormalized(1e6f), 1.0);
}

TEST(LogTaper, RangesThatTouchZeroOrBelowFallBackToLinearInsteadOfNaN) {
    const AAX_CLogTaperDelegate<float, 0> fromZero(0.0f, 10.0f);
    const AAX_CLogTaperDelegate<float, 0> acrossZero(-10.0f, 10.0f);
    EXPECT_FLOAT_EQ(fromZero.NormalizedToReal(0.5), 5.0f);
    EXPECT_DOUBLE_EQ(fromZero.RealToNormalized(5.0f), 0.5);
    EXPECT_DOUBLE_EQ(fromZero.RealToNormalized(0.0f), 0.0);
    EXPECT_FLOAT_EQ(acrossZero.NormalizedToReal(0.25), -5.0f);
    EXPECT_DOUBLE_EQ(acrossZero.RealToNormalized(0.0f), 0.5);
}

TEST(BinaryTaper, HalfWayAndAboveReadsTrue) {
    const AAX_CBinaryTaperDelegate<bool> taper;
    EXPECT_FALSE(taper.NormalizedToReal(0.0));
    EXPECT_FALSE(taper.NormalizedToReal(0.49));
    EXPECT_TRUE(taper.NormalizedToReal(0.5));
    EXPECT_TRUE(taper.NormalizedToReal(1.0));
    EXPECT_FALSE(taper.NormalizedToReal(kNaN));
    EXPECT_DOUBLE_EQ(taper.RealToNormalized(true), 1.0);
    EXPECT_DOUBLE_EQ(taper.RealToNormalized(false), 0.0);
}

}  // namespace
