#include "contract/ChannelConfig.h"

#include <cstddef>

namespace {

constexpr std::uint32_t kMaxOrderedChannels = 10;

// A layout with its own speaker order: codes 0 to 14 and 38 to 46. The generic codes
// follow a rule instead (see GenericChannelCount).
struct Layout {
    ChannelConfig code;
    const char* name;
    AAX_EStemFormat stem;
    std::uint32_t channelCount;
    Speaker order[kMaxOrderedChannels];  // core channel index -> speaker; zero past the count
};

constexpr Speaker L = kSpeakerLeft, R = kSpeakerRight, C = kSpeakerCentre, Lfe = kSpeakerLfe, Ls = kSpeakerLeftSurround,
                  Rs = kSpeakerRightSurround, Lrs = kSpeakerLeftRearSurround, Rrs = kSpeakerRightRearSurround,
                  Lc = kSpeakerLeftCentre, Rc = kSpeakerRightCentre, Lt = kSpeakerLeftTop, Rt = kSpeakerRightTop,
                  S = kSpeakerSurround;

constexpr AAX_EStemFormat kNoStem = AAX_eStemFormat_Any;

// Rows 0 to 14 hold codes 0 to 14, rows 15 to 23 codes 38 to 46 (checked below).
constexpr Layout kLayouts[] = {
    {0, "Mono", AAX_eStemFormat_Mono, 1, {kSpeakerMono}},
    {1, "Stereo", AAX_eStemFormat_Stereo, 2, {L, R}},
    {2, "two-channel", kNoStem, 2, {kSpeakerTwoChannelFirst, kSpeakerTwoChannelSecond}},
    {3, "LCR", AAX_eStemFormat_LCR, 3, {L, R, C}},
    {4, "LRS", kNoStem, 3, {L, R, S}},
    {5, "LCRS", AAX_eStemFormat_LCRS, 4, {L, R, C, S}},
    {6, "Quad", AAX_eStemFormat_Quad, 4, {L, R, Lrs, Rrs}},
    {7, "5.0", AAX_eStemFormat_5_0, 5, {L, R, C, Ls, Rs}},
    {8, "5.1", AAX_eStemFormat_5_1, 6, {L, R, C, Lfe, Ls, Rs}},
    {9, "7.0 DTS", AAX_eStemFormat_7_0_DTS, 7, {L, R, C, Ls, Rs, Lrs, Rrs}},
    {10, "7.0 SDDS", AAX_eStemFormat_7_0_SDDS, 7, {L, Lc, C, Rc, R, Ls, Rs}},
    {11, "7.0.2", AAX_eStemFormat_7_0_2, 9, {L, R, C, Ls, Rs, Lrs, Rrs, Lt, Rt}},
    {12, "7.1 DTS", AAX_eStemFormat_7_1_DTS, 8, {L, R, C, Lfe, Ls, Rs, Lrs, Rrs}},
    {13, "7.1 SDDS", AAX_eStemFormat_7_1_SDDS, 8, {L, Lc, C, Rc, R, Ls, Rs, Lfe}},
    {14, "7.1.2", AAX_eStemFormat_7_1_2, 10, {L, R, C, Lfe, Ls, Rs, Lrs, Rrs, Lt, Rt}},
    {38, "LCR, centre second", kNoStem, 3, {L, C, R}},
    {39, "5.0, centre second", kNoStem, 5, {L, C, R, Ls, Rs}},
    {40, "5.1, centre second, LFE fourth", kNoStem, 6, {L, C, R, Lfe, Ls, Rs}},
    {41, "5.1, surrounds third", kNoStem, 6, {L, R, Ls, Rs, C, Lfe}},
    {42, "5.1, centre second, LFE last", kNoStem, 6, {L, C, R, Ls, Rs, Lfe}},
    {43, "7.0, centre second", kNoStem, 7, {L, C, R, Ls, Rs, Lrs, Rrs}},
    {44, "7.1, centre second, LFE last", kNoStem, 8, {L, C, R, Ls, Rs, Lrs, Rrs, Lfe}},
    {45, "7.1.2, centre second", kNoStem, 10, {L, C, R, Ls, Rs, Lrs, Rrs, Lfe, Lt, Rt}},
    {46, "7.0.2, centre second", kNoStem, 9, {L, C, R, Ls, Rs, Lrs, Rrs, Lt, Rt}},
};

constexpr std::size_t kLayoutCount = sizeof(kLayouts) / sizeof(kLayouts[0]);
constexpr std::size_t kFirstReorderedRow = kChannelConfig7_1_2 + 1;

constexpr const Layout* FindLayout(ChannelConfig code) noexcept {
    if (code <= kChannelConfig7_1_2) return &kLayouts[code];
    if (code >= kChannelConfigLcrCentreSecond && code <= kChannelConfigLast)
        return &kLayouts[kFirstReorderedRow + (code - kChannelConfigLcrCentreSecond)];
    return nullptr;
}

// Every row sits where FindLayout looks for it, and its order names exactly
// channelCount speakers.
constexpr bool RowsAreConsistent() {
    for (std::size_t row = 0; row < kLayoutCount; ++row) {
        const Layout& layout = kLayouts[row];
        if (FindLayout(layout.code) != &layout) return false;
        if (layout.channelCount == 0 || layout.channelCount > kMaxOrderedChannels) return false;
        for (std::uint32_t channel = 0; channel < kMaxOrderedChannels; ++channel)
            if ((layout.order[channel] != kSpeakerNone) != (channel < layout.channelCount)) return false;
    }
    return kLayoutCount == kFirstReorderedRow + (kChannelConfigLast - kChannelConfigLcrCentreSecond + 1);
}
static_assert(RowsAreConsistent(), "channel layout table out of order");

constexpr bool IsGeneric(ChannelConfig code) noexcept {
    return code >= kChannelConfigGenericFirst && code <= kChannelConfigGenericLast;
}

constexpr std::uint32_t kGenericCodeOffset = 12;  // generic code = channel count + 12
constexpr std::uint32_t kMaxGenericChannels = kChannelConfigGenericLast - kGenericCodeOffset;
constexpr std::uint32_t kFirstGenericOnlyCount = 11;  // counts 3..10 have layouts of their own

// The code for each channel count up to 10: DTS and Quad, never SDDS or LCRS.
constexpr ChannelConfig kConfigForCount[] = {
    kChannelConfigNone,   kChannelConfigMono,  kChannelConfigStereo, kChannelConfigLcr,
    kChannelConfigQuad,   kChannelConfig5_0,   kChannelConfig5_1,    kChannelConfig7_0Dts,
    kChannelConfig7_1Dts, kChannelConfig7_0_2, kChannelConfig7_1_2,
};
static_assert(sizeof(kConfigForCount) / sizeof(kConfigForCount[0]) == kFirstGenericOnlyCount,
              "one code per channel count below the generic range");

}  // namespace

std::uint32_t ChannelCountOf(ChannelConfig code) noexcept {
    if (IsGeneric(code)) return code - kGenericCodeOffset;
    const Layout* layout = FindLayout(code);
    return layout ? layout->channelCount : 0;
}

Speaker SpeakerOf(ChannelConfig code, std::uint32_t channel) noexcept {
    if (IsGeneric(code)) return channel < code - kGenericCodeOffset ? kSpeakerMono : kSpeakerNone;
    const Layout* layout = FindLayout(code);
    if (!layout || channel >= layout->channelCount) return kSpeakerNone;
    return layout->order[channel];
}

ChannelConfig ChannelConfigForCount(std::uint32_t channelCount) noexcept {
    if (channelCount < kFirstGenericOnlyCount) return kConfigForCount[channelCount];
    if (channelCount <= kMaxGenericChannels) return channelCount + kGenericCodeOffset;
    return kChannelConfigNone;
}

AAX_EStemFormat StemFormatOf(ChannelConfig code) noexcept {
    const Layout* layout = FindLayout(code);
    return layout ? layout->stem : AAX_eStemFormat_Any;
}

const char* ChannelConfigName(ChannelConfig code) noexcept {
    if (IsGeneric(code)) return "generic";
    if (code == kChannelConfigNone) return "none";
    const Layout* layout = FindLayout(code);
    return layout ? layout->name : "unknown";
}
