#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "description/StemAvailability.h"

namespace {

struct VariantCase {
    PluginIdKind kind;
    std::uint32_t position;  // the availability flag the variant reads
};

// The realtime variants with the flag position each one reads.
const VariantCase kVariants[] = {
    {kPluginIdMono, 0},   {kPluginIdMonoToStereo, 1}, {kPluginIdStereo, 2},  {kPluginIdLrc, 3},
    {kPluginIdQuad, 6},   {kPluginIdLcrs, 5},         {kPluginId5_0, 7},     {kPluginId5_1, 8},
    {kPluginId7_0Dts, 9}, {kPluginId7_0Sdds, 10},     {kPluginId7_1Dts, 11}, {kPluginId7_1Sdds, 14},
    {kPluginId7_1_2, 12}, {kPluginId7_0_2, 13},
};

// The predicates as the variant table holds them, gate open.
CoreStaticInfoAccessor PredicateOf(PluginIdKind kind, bool gate = true) {
    switch (kind) {
    case kPluginIdMono: return VariantAvailable<kPluginIdMono>;
    case kPluginIdMonoToStereo: return VariantAvailable<kPluginIdMonoToStereo>;
    case kPluginIdStereo: return VariantAvailable<kPluginIdStereo>;
    case kPluginIdLrc: return VariantAvailable<kPluginIdLrc>;
    case kPluginIdQuad: return VariantAvailable<kPluginIdQuad>;
    case kPluginIdLcrs: return VariantAvailable<kPluginIdLcrs>;
    case kPluginId5_0: return VariantAvailable<kPluginId5_0>;
    case kPluginId5_1: return VariantAvailable<kPluginId5_1>;
    case kPluginId7_0Dts: return VariantAvailable<kPluginId7_0Dts>;
    case kPluginId7_0Sdds: return VariantAvailable<kPluginId7_0Sdds>;
    case kPluginId7_1Dts: return VariantAvailable<kPluginId7_1Dts>;
    case kPluginId7_1Sdds: return VariantAvailable<kPluginId7_1Sdds>;
    case kPluginId7_1_2: return VariantAvailableWithGate<kPluginId7_1_2>(gate);
    case kPluginId7_0_2: return VariantAvailableWithGate<kPluginId7_0_2>(gate);
    default: return {};
    }
}

std::unique_ptr<CoreStaticInfo> RecordWithFlag(std::uint32_t position, std::uint32_t value = 1) {
    auto info = std::make_unique<CoreStaticInfo>();
    info->stemAvailable[position] = value;
    return info;
}

TEST(VariantAvailability, EachVariantReadsOnlyItsOwnFlag) {
    for (std::uint32_t position = 0; position < kStemPositionCount; ++position) {
        const auto info = RecordWithFlag(position);
        for (const VariantCase& variant : kVariants) {
            EXPECT_EQ(PredicateOf(variant.kind)(*info), variant.position == position ? 1u : 0u)
                << PluginIdKindName(variant.kind) << " with flag " << position << " set";
        }
    }
}

TEST(VariantAvailability, AnyNonzeroFlagGivesExactlyOne) {
    EXPECT_EQ(VariantAvailable<kPluginIdQuad>(*RecordWithFlag(kStemQuad, 0x80000000u)), 1u);
    EXPECT_EQ(VariantAvailableWithGate<kPluginId7_1_2>(true)(*RecordWithFlag(kStem7_1_2, 2)), 1u);
}

TEST(VariantAvailability, HostVersionGateClosesSevenOneTwoAndSevenZeroTwo) {
    for (PluginIdKind kind : {kPluginId7_1_2, kPluginId7_0_2}) {
        SCOPED_TRACE(PluginIdKindName(kind));
        const auto withFlag = RecordWithFlag(StemPositionOf(kind));
        const auto withoutFlag = std::make_unique<CoreStaticInfo>();
        EXPECT_EQ(PredicateOf(kind, true)(*withFlag), 1u);
        EXPECT_EQ(PredicateOf(kind, false)(*withFlag), 0u);
        EXPECT_EQ(PredicateOf(kind, true)(*withoutFlag), 0u);
    }
}

TEST(VariantAvailability, KindsThatAreNoVariantHaveNoFlagPosition) {
    for (PluginIdKind kind :
         {kPluginIdProduct, kPluginIdChunk, kPluginIdAudioSuite, kPluginIdMultiOut, static_cast<PluginIdKind>(18)})
        EXPECT_EQ(StemPositionOf(kind), kStemPositionCount) << kind;
}

}  // namespace
