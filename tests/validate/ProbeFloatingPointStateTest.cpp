// The validator's floating-point state probe: a change to MXCSR or the x87 control
// word is seen and named, and the distinct state it sets is legal and different.

#include <gtest/gtest.h>

#include "aaxhost/validate/FloatingPointState.h"

using namespace aaxhost::validate;

namespace {

// Restores the thread's state whatever a test does to it.
class FloatingPointStateTest : public ::testing::Test {
protected:
    void TearDown() override { SetFloatingPointState(original_); }
    const FloatingPointState original_ = CurrentFloatingPointState();
};

TEST_F(FloatingPointStateTest, FlushToZeroSetBehindTheProbesBackIsSeenAndNamed) {
    const FloatingPointState before = CurrentFloatingPointState();
    FloatingPointState changed = before;
    changed.mxcsr ^= kMxcsrFlushToZero;
    SetFloatingPointState(changed);
    const FloatingPointState after = CurrentFloatingPointState();
    EXPECT_NE(after, before);
    const std::string change = DescribeFloatingPointChange(before, after);
    EXPECT_NE(change.find("MXCSR"), std::string::npos) << change;
    EXPECT_NE(change.find((before.mxcsr & kMxcsrFlushToZero) ? "flush-to-zero cleared" : "flush-to-zero set"),
              std::string::npos)
        << change;
    EXPECT_EQ(change.find("denormals-are-zero"), std::string::npos) << change;
}

TEST_F(FloatingPointStateTest, ArithmeticFlagsAreNoChange) {
    const FloatingPointState before = CurrentFloatingPointState();
    volatile float a = 1.0f, b = 3.0f;
    volatile float inexact = a / b;  // raises the inexact flag, a status bit
    (void)inexact;
    EXPECT_EQ(CurrentFloatingPointState(), before);
    EXPECT_EQ(DescribeFloatingPointChange(before, CurrentFloatingPointState()), "");
}

TEST_F(FloatingPointStateTest, DistinctStateDiffersInFlushingAndPrecisionAndKeepsExceptionsMasked) {
    const FloatingPointState distinct = DistinctFloatingPointState(original_);
    SetFloatingPointState(distinct);
    const FloatingPointState applied = CurrentFloatingPointState();
    EXPECT_EQ(applied.mxcsr, distinct.mxcsr);
    EXPECT_NE(applied.mxcsr & kMxcsrFlushToZero, original_.mxcsr & kMxcsrFlushToZero);
    EXPECT_NE(applied.mxcsr & kMxcsrDenormalsAreZero, original_.mxcsr & kMxcsrDenormalsAreZero);
    EXPECT_EQ(applied.mxcsr & kMxcsrExceptionMasks, kMxcsrExceptionMasks);
    EXPECT_EQ(applied.mxcsr & kMxcsrRounding, 0u);
    if (applied.x87Known) {
        EXPECT_EQ(applied.x87Control, distinct.x87Control);
        EXPECT_NE(applied.x87Control & kX87Precision, original_.x87Control & kX87Precision);
        const std::string change = DescribeFloatingPointChange(original_, applied);
        EXPECT_NE(change.find("x87 control word"), std::string::npos) << change;
        EXPECT_NE(change.find("precision changed"), std::string::npos) << change;
    }
    SetFloatingPointState(original_);
    EXPECT_EQ(CurrentFloatingPointState(), original_);
}

}  // namespace
