#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "hook/PluginIds.h"

namespace {

using Accessor = unsigned (*)(const CoreStaticInfo&);

struct KindAccessor {
    PluginIdKind kind;
    Accessor accessor;
};

// Every accessor the host-facing code uses, with the kind it must answer for.
const KindAccessor kAccessors[] = {
    {kPluginIdProduct, ProductIdOf},
    {kPluginIdChunk, ChunkIdOf},
    {kPluginIdAudioSuite, AudioSuiteIdOf},
    {kPluginIdMono, PluginIdOf<kPluginIdMono>},
    {kPluginIdMonoToStereo, PluginIdOf<kPluginIdMonoToStereo>},
    {kPluginIdStereo, PluginIdOf<kPluginIdStereo>},
    {kPluginIdLrc, PluginIdOf<kPluginIdLrc>},
    {kPluginIdQuad, PluginIdOf<kPluginIdQuad>},
    {kPluginIdLcrs, PluginIdOf<kPluginIdLcrs>},
    {kPluginId5_0, PluginIdOf<kPluginId5_0>},
    {kPluginId5_1, PluginIdOf<kPluginId5_1>},
    {kPluginId7_0Dts, PluginIdOf<kPluginId7_0Dts>},
    {kPluginId7_0Sdds, PluginIdOf<kPluginId7_0Sdds>},
    {kPluginId7_1Dts, PluginIdOf<kPluginId7_1Dts>},
    {kPluginId7_1Sdds, PluginIdOf<kPluginId7_1Sdds>},
    {kPluginId7_1_2, PluginIdOf<kPluginId7_1_2>},
    {kPluginId7_0_2, PluginIdOf<kPluginId7_0_2>},
};

std::unique_ptr<CoreStaticInfo> Record(std::uint32_t explicitFlag, std::uint32_t deriveFlag, std::uint32_t base) {
    auto info = std::make_unique<CoreStaticInfo>();
    info->explicitIdsFlag = explicitFlag;
    info->deriveIdsFlag = deriveFlag;
    info->basePluginId = base;
    for (std::uint32_t kind = 0; kind < 18; ++kind) info->explicitIds[kind] = 0xE0000000u + kind;
    return info;
}

TEST(PluginIdKind, NamesAreTheEighteenVariantNames) {
    const char* const expected[] = {"Product", "Chunk",    "Audiosuite", "Multi Out", "Mono",  "Mono To Stereo",
                                    "Stereo",  "LRC",      "Quad",       "LCRS",      "5.0",   "5.1",
                                    "7.0 DTS", "7.0 SDDS", "7.1 DTS",    "7.1 SDDS",  "7.1.2", "7.0.2"};
    for (std::uint32_t kind = 0; kind < 18; ++kind)
        EXPECT_STREQ(PluginIdKindName(static_cast<PluginIdKind>(kind)), expected[kind]) << "kind " << kind;
    EXPECT_STREQ(PluginIdKindName(static_cast<PluginIdKind>(18)), "");
}

TEST(PluginTypeId, ExplicitFlagTakesEveryKindFromTheTable) {
    const auto info = Record(1, 1, 0x100);  // the derive flag and base must not matter
    for (std::uint32_t kind = 0; kind < 18; ++kind)
        EXPECT_EQ(PluginTypeIdOf(*info, static_cast<PluginIdKind>(kind)), 0xE0000000u + kind) << "kind " << kind;
    for (const KindAccessor& entry : kAccessors)
        EXPECT_EQ(entry.accessor(*info), 0xE0000000u + entry.kind) << PluginIdKindName(entry.kind);
}

TEST(PluginTypeId, WithoutFlagsProductAndChunkDeriveAndVariantsUseFixedCodes) {
    const auto info = Record(0, 0, 0x4C000000);
    const std::uint32_t expected[] = {
        0x4C000000, 0x4C000001, 0x41756453, 0,          0x4D6F6E6F, 0x4D746F53, 0x5374656F, 0x4C524320, 0x51756164,
        0x4C435253, 0x352E3020, 0x352E3120, 0x372E3020, 0x372E3073, 0x372E3120, 0x372E3173, 0x37313220, 0x37303220,
    };
    for (const KindAccessor& entry : kAccessors)
        EXPECT_EQ(entry.accessor(*info), expected[entry.kind]) << PluginIdKindName(entry.kind);
}

TEST(PluginTypeId, DeriveFlagAddsTheKindToTheBase) {
    const auto info = Record(0, 1, 0x4C000000);
    for (const KindAccessor& entry : kAccessors)
        EXPECT_EQ(entry.accessor(*info), 0x4C000000u + entry.kind) << PluginIdKindName(entry.kind);
    EXPECT_EQ(PluginIdOf<kPluginIdStereo>(*info), 0x4C000006u);
    EXPECT_EQ(PluginIdOf<kPluginId7_0_2>(*info), 0x4C000011u);
}

TEST(PluginTypeId, BasePlusKindWrapsAroundAtTheTopOfTheRange) {
    const auto fixed = Record(0, 0, 0xFFFFFFFF);
    EXPECT_EQ(ProductIdOf(*fixed), 0xFFFFFFFFu);
    EXPECT_EQ(ChunkIdOf(*fixed), 0u);
    const auto derived = Record(0, 1, 0xFFFFFFF0);
    EXPECT_EQ(PluginIdOf<kPluginId7_0_2>(*derived), 1u);
}

TEST(PluginTypeId, KindOutsideTheTableIsZeroNotTheNextField) {
    auto info = Record(1, 0, 0);
    info->audioSuiteProperty101 = 0x12345678;  // the field right behind the table
    EXPECT_EQ(PluginTypeIdOf(*info, static_cast<PluginIdKind>(18)), 0u);
}

}  // namespace
