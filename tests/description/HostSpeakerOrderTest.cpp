#include <gtest/gtest.h>

#include <vector>

#include "hook/HostSpeakerOrder.h"

namespace {

float g[24][1];
float* P(int i) { return g[i]; }

std::vector<float*> Pointers(int count) {
    std::vector<float*> pointers;
    for (int i = 0; i < count; ++i) pointers.push_back(P(i));
    return pointers;
}

struct OrderCase {
    AAX_EStemFormat stem;
    ChannelConfig config;
    std::vector<int> coreOrder;  // host channel index at each core position
};

class HostToCoreOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(HostToCoreOrder, PutsEachHostChannelAtItsCoreSpeakerAndBackAgain) {
    const OrderCase& c = GetParam();
    const auto count = static_cast<std::uint32_t>(c.coreOrder.size());
    std::vector<float*> pointers = Pointers(static_cast<int>(count));
    ASSERT_TRUE(ToCoreOrder(count, c.stem, c.config, pointers.data()));
    for (std::uint32_t j = 0; j < count; ++j) EXPECT_EQ(pointers[j], P(c.coreOrder[j])) << "core channel " << j;
    ASSERT_TRUE(ToHostOrder(count, c.stem, c.config, pointers.data()));
    EXPECT_EQ(pointers, Pointers(static_cast<int>(count)));
}

INSTANTIATE_TEST_SUITE_P(Layouts, HostToCoreOrder,
                         ::testing::Values(
                             // L C R Ls Rs LFE -> L R C LFE Ls Rs
                             OrderCase{AAX_eStemFormat_5_1, kChannelConfig5_1, {0, 2, 1, 5, 3, 4}},
                             OrderCase{AAX_eStemFormat_LCR, kChannelConfigLcr, {0, 2, 1}},
                             OrderCase{AAX_eStemFormat_LCRS, kChannelConfigLcrs, {0, 2, 1, 3}},
                             OrderCase{AAX_eStemFormat_5_0, kChannelConfig5_0, {0, 2, 1, 3, 4}},
                             OrderCase{AAX_eStemFormat_7_1_2, kChannelConfig7_1_2, {0, 2, 1, 7, 3, 4, 5, 6, 8, 9}},
                             OrderCase{AAX_eStemFormat_7_0_2, kChannelConfig7_0_2, {0, 2, 1, 3, 4, 5, 6, 7, 8}},
                             OrderCase{AAX_eStemFormat_7_1_DTS, kChannelConfig7_1Dts, {0, 2, 1, 7, 3, 4, 5, 6}},
                             // SDDS: the host's order is the core's already
                             OrderCase{AAX_eStemFormat_7_1_SDDS, kChannelConfig7_1Sdds, {0, 1, 2, 3, 4, 5, 6, 7}},
                             // No host table: the core's order as it is
                             OrderCase{AAX_eStemFormat_Quad, kChannelConfigQuad, {0, 1, 2, 3}},
                             OrderCase{AAX_eStemFormat_Stereo, kChannelConfigStereo, {0, 1}},
                             OrderCase{AAX_eStemFormat_Mono, kChannelConfigMono, {0}},
                             // A reordered core layout under a host table: 5.1 with the LFE last
                             OrderCase{AAX_eStemFormat_5_1, kChannelConfig5_1CentreSecondLfeLast, {0, 1, 2, 3, 4, 5}},
                             // Generic layouts repeat one speaker: every channel keeps its place
                             OrderCase{StemFormatOf(kChannelConfigGenericFirst), kChannelConfigGenericFirst, {0, 1, 2}},
                             OrderCase{StemFormatOf(kChannelConfigGenericFirst + 9),
                                       kChannelConfigGenericFirst + 9,
                                       {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
                             OrderCase{StemFormatOf(kChannelConfigGenericLast),
                                       kChannelConfigGenericLast,
                                       {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                        12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23}}));

TEST(HostSpeakerOrder, UnmatchedSpeakersLeaveThePointersInHostOrder) {
    // 5.1 host order against a Quad core: centre and LFE have no place.
    std::vector<float*> pointers = Pointers(6);
    EXPECT_FALSE(ToCoreOrder(6, AAX_eStemFormat_5_1, kChannelConfigQuad, pointers.data()));
    EXPECT_EQ(pointers, Pointers(6));
    EXPECT_FALSE(ToHostOrder(6, AAX_eStemFormat_5_1, kChannelConfigQuad, pointers.data()));
    EXPECT_EQ(pointers, Pointers(6));
    EXPECT_FALSE(ToCoreOrder(25, AAX_eStemFormat_Quad, kChannelConfigQuad, pointers.data()));
    EXPECT_FALSE(ToCoreOrder(2, AAX_eStemFormat_Stereo, kChannelConfigStereo, nullptr));
}

TEST(HostSpeakerOrder, TablesGiveTheHostSpeakersOnlyForTheirLayouts) {
    EXPECT_EQ(HostSpeakerOf(AAX_eStemFormat_7_0_SDDS, 1), kSpeakerLeftCentre);
    EXPECT_EQ(HostSpeakerOf(AAX_eStemFormat_5_1, 5), kSpeakerLfe);
    EXPECT_EQ(HostSpeakerOf(AAX_eStemFormat_5_1, 6), kSpeakerNone);
    EXPECT_EQ(HostSpeakerOf(AAX_eStemFormat_Quad, 0), kSpeakerNone);
    EXPECT_FALSE(HasHostSpeakerTable(AAX_eStemFormat_Stereo));
    EXPECT_TRUE(HasHostSpeakerTable(AAX_eStemFormat_7_0_2));
}

}  // namespace
