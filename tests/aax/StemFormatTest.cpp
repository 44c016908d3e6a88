// The layout a host offers for a channel count.

#include <gtest/gtest.h>

#include "aax/AAX_StemFormat.h"

namespace {

TEST(StemFormatForChannelCount, GivesTheUsualLayoutForOneToTenChannelsAndNoneOtherwise) {
    const struct {
        std::int32_t channels;
        AAX_EStemFormat format;
    } cases[] = {
        {-1, AAX_eStemFormat_Any},   {0, AAX_eStemFormat_Any},    {1, AAX_eStemFormat_Mono},
        {2, AAX_eStemFormat_Stereo}, {6, AAX_eStemFormat_5_1},    {8, AAX_eStemFormat_7_1_DTS},
        {9, AAX_eStemFormat_7_0_2},  {10, AAX_eStemFormat_7_1_2}, {11, AAX_eStemFormat_Any},
    };
    for (const auto& c : cases) EXPECT_EQ(StemFormatForChannelCount(c.channels), c.format) << c.channels;
    // Every layout it gives has as many channels as asked: the low 16 bits of the code.
    for (std::int32_t channels = 1; channels <= 10; ++channels)
        EXPECT_EQ(static_cast<std::int32_t>(StemFormatForChannelCount(channels)) & 0xFFFF, channels) << channels;
}

}  // namespace
