#include "description/StemAvailability.h"

namespace {

// Flag position of each realtime variant, in kind order from Mono (4) to 7.0.2 (17).
constexpr std::uint32_t kVariantPositions[] = {
    kStemMono, kStemMonoInStereoOut, kStemStereo,  kStemLcr,    kStemQuad,    kStemLcrs,  kStem5_0,
    kStem5_1,  kStem7_0Dts,          kStem7_0Sdds, kStem7_1Dts, kStem7_1Sdds, kStem7_1_2, kStem7_0_2,
};
static_assert(sizeof(kVariantPositions) / sizeof(kVariantPositions[0]) == kPluginId7_0_2 - kPluginIdMono + 1,
              "one position per realtime variant");

}  // namespace

std::uint32_t StemPositionOf(PluginIdKind kind) noexcept {
    return IsRealtimeVariantKind(kind) ? kVariantPositions[kind - kPluginIdMono] : kStemPositionCount;
}
