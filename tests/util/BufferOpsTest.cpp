#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "util/BufferOps.h"

namespace {

// Each operation writes exactly elements 1..n of a buffer with a guard element on each side.
TEST(BufferOps, CopyAndZeroTouchExactlyTheGivenCount) {
    const float sourceFloats[4] = {0.5f, -1.0f, 2.25f, 3.0f};
    float floats[6] = {9, 9, 9, 9, 9, 9};
    Util::CopyFloats(floats + 1, sourceFloats, 4);
    EXPECT_EQ(std::vector<float>(floats, floats + 6), (std::vector<float>{9, 0.5f, -1.0f, 2.25f, 3.0f, 9}));
    Util::ZeroFloats(floats + 1, 3);
    EXPECT_EQ(std::vector<float>(floats, floats + 6), (std::vector<float>{9, 0, 0, 0, 3.0f, 9}));
}

TEST(BufferOps, FloatZeroIsPositiveZero) {
    float samples[3] = {-1.0f, -0.0f, -3.5f};
    Util::ZeroFloats(samples, 3);
    for (float sample : samples) {
        EXPECT_EQ(sample, 0.0f);
        EXPECT_FALSE(std::signbit(sample));
    }
}

}  // namespace
