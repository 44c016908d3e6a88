#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <vector>

#include "contract/ChannelConfig.h"

// Stem formats print by name in failure messages.
void PrintTo(AAX_EStemFormat format, std::ostream* os) {
    *os << StemFormatName(format) << " (0x" << std::hex << static_cast<std::uint32_t>(format) << std::dec << ")";
}

namespace {

struct LayoutCase {
    ChannelConfig code;
    std::vector<Speaker> order;  // the core's speaker order; its length is the channel count
    AAX_EStemFormat stem;
};

// Every code with a speaker order of its own, transcribed from the hook-core contract.
const LayoutCase kLayoutCases[] = {
    {0, {1}, AAX_eStemFormat_Mono},
    {1, {4, 5}, AAX_eStemFormat_Stereo},
    {2, {2, 3}, AAX_eStemFormat_Any},
    {3, {4, 5, 6}, AAX_eStemFormat_LCR},
    {4, {4, 5, 3}, AAX_eStemFormat_Any},
    {5, {4, 5, 6, 3}, AAX_eStemFormat_LCRS},
    {6, {4, 5, 10, 11}, AAX_eStemFormat_Quad},
    {7, {4, 5, 6, 8, 9}, AAX_eStemFormat_5_0},
    {8, {4, 5, 6, 7, 8, 9}, AAX_eStemFormat_5_1},
    {9, {4, 5, 6, 8, 9, 10, 11}, AAX_eStemFormat_7_0_DTS},
    {10, {4, 12, 6, 13, 5, 8, 9}, AAX_eStemFormat_7_0_SDDS},
    {11, {4, 5, 6, 8, 9, 10, 11, 14, 15}, AAX_eStemFormat_7_0_2},
    {12, {4, 5, 6, 7, 8, 9, 10, 11}, AAX_eStemFormat_7_1_DTS},
    {13, {4, 12, 6, 13, 5, 8, 9, 7}, AAX_eStemFormat_7_1_SDDS},
    {14, {4, 5, 6, 7, 8, 9, 10, 11, 14, 15}, AAX_eStemFormat_7_1_2},
    {38, {4, 6, 5}, AAX_eStemFormat_Any},
    {39, {4, 6, 5, 8, 9}, AAX_eStemFormat_Any},
    {40, {4, 6, 5, 7, 8, 9}, AAX_eStemFormat_Any},
    {41, {4, 5, 8, 9, 6, 7}, AAX_eStemFormat_Any},
    {42, {4, 6, 5, 8, 9, 7}, AAX_eStemFormat_Any},
    {43, {4, 6, 5, 8, 9, 10, 11}, AAX_eStemFormat_Any},
    {44, {4, 6, 5, 8, 9, 10, 11, 7}, AAX_eStemFormat_Any},
    {45, {4, 6, 5, 8, 9, 10, 11, 7, 14, 15}, AAX_eStemFormat_Any},
    {46, {4, 6, 5, 8, 9, 10, 11, 14, 15}, AAX_eStemFormat_Any},
};

TEST(ChannelConfigTable, EveryOrderedCodeHasItsCountSpeakerOrderAndStem) {
    for (const LayoutCase& c : kLayoutCases) {
        SCOPED_TRACE(testing::Message() << "code " << c.code << " (" << ChannelConfigName(c.code) << ")");
        const auto count = static_cast<std::uint32_t>(c.order.size());
        EXPECT_EQ(ChannelCountOf(c.code), count);
        for (std::uint32_t channel = 0; channel < count; ++channel)
            EXPECT_EQ(SpeakerOf(c.code, channel), c.order[channel]) << "channel " << channel;
        EXPECT_EQ(SpeakerOf(c.code, count), kSpeakerNone) << "one past the last channel";
        EXPECT_EQ(StemFormatOf(c.code), c.stem);
    }
}

TEST(ChannelConfigTable, GenericRangeRunsFrom15To36WithEverySpeakerMono) {
    for (ChannelConfig code = kChannelConfigGenericFirst; code <= kChannelConfigGenericLast; ++code) {
        SCOPED_TRACE(testing::Message() << "code " << code);
        const std::uint32_t count = code - 12;
        EXPECT_EQ(ChannelCountOf(code), count);
        for (std::uint32_t channel = 0; channel < count; ++channel) EXPECT_EQ(SpeakerOf(code, channel), kSpeakerMono);
        EXPECT_EQ(SpeakerOf(code, count), kSpeakerNone);
        EXPECT_EQ(StemFormatOf(code), AAX_eStemFormat_Any);
    }
    // Just outside the range: 14 has its own order, 37 is none.
    EXPECT_EQ(SpeakerOf(14, 0), kSpeakerLeft);
    EXPECT_EQ(ChannelCountOf(kChannelConfigNone), 0u);
    EXPECT_EQ(SpeakerOf(kChannelConfigNone, 0), kSpeakerNone);
    EXPECT_EQ(StemFormatOf(kChannelConfigNone), AAX_eStemFormat_Any);
}

TEST(ChannelConfigTable, UnknownCodesHaveNoChannelsNoSpeakersAndNoStem) {
    for (ChannelConfig code : {47u, 100u, 1000u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(testing::Message() << "code " << code);
        EXPECT_EQ(ChannelCountOf(code), 0u);
        EXPECT_EQ(SpeakerOf(code, 0), kSpeakerNone);
        EXPECT_EQ(StemFormatOf(code), AAX_eStemFormat_Any);
        EXPECT_STREQ(ChannelConfigName(code), "unknown");
    }
}

TEST(ChannelConfigForCount, PicksQuadAndDtsLayoutsNeverLcrsOrSdds) {
    const ChannelConfig expected[] = {37, 0, 1, 3, 6, 7, 8, 9, 12, 11, 14};
    for (std::uint32_t count = 0; count < sizeof(expected) / sizeof(expected[0]); ++count)
        EXPECT_EQ(ChannelConfigForCount(count), expected[count]) << count << " channels";
    EXPECT_NE(ChannelConfigForCount(4), kChannelConfigLcrs);
    EXPECT_NE(ChannelConfigForCount(7), kChannelConfig7_0Sdds);
    EXPECT_NE(ChannelConfigForCount(8), kChannelConfig7_1Sdds);
}

TEST(ChannelConfigForCount, UpToTwentyFourChannelsGetACodeOfThatManyElseNone) {
    for (std::uint32_t count = 1; count <= 24; ++count)
        EXPECT_EQ(ChannelCountOf(ChannelConfigForCount(count)), count) << count << " channels";
    EXPECT_EQ(ChannelConfigForCount(11), 23u);  // the generic layouts, every speaker mono
    EXPECT_EQ(ChannelConfigForCount(24), 36u);
    for (std::uint32_t count : {25u, 26u, 1000u, 0xFFFFFFFFu})
        EXPECT_EQ(ChannelConfigForCount(count), kChannelConfigNone) << count << " channels";
}

TEST(StemFormat, NoneKeepsItsBitPatternAndEveryFormatHasAName) {
    EXPECT_EQ(static_cast<std::uint32_t>(AAX_eStemFormat_Any), 0xFFFF0000u);
    EXPECT_STREQ(StemFormatName(AAX_eStemFormat_Any), "None");
    EXPECT_STREQ(StemFormatName(AAX_eStemFormat_7_1_DTS), "7.1 DTS");
    EXPECT_STREQ(StemFormatName(static_cast<AAX_EStemFormat>(0x70007)), "unknown stem format");
}

}  // namespace
