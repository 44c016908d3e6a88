#include "hook/HostSpeakerOrder.h"

#include <cstddef>

namespace {

constexpr std::uint32_t kMostChannels = 24;  // the widest channel configuration

struct HostTable {
    AAX_EStemFormat stemFormat;
    std::uint32_t count;
    Speaker speakers[10];
};

// The host's channel order of the stem formats it does not lay out in the core's order.
constexpr HostTable kHostTables[] = {
    {AAX_eStemFormat_LCR, 3, {4, 6, 5}},
    {AAX_eStemFormat_LCRS, 4, {4, 6, 5, 3}},
    {AAX_eStemFormat_5_0, 5, {4, 6, 5, 8, 9}},
    {AAX_eStemFormat_5_1, 6, {4, 6, 5, 8, 9, 7}},
    {AAX_eStemFormat_7_0_DTS, 7, {4, 6, 5, 8, 9, 10, 11}},
    {AAX_eStemFormat_7_0_SDDS, 7, {4, 12, 6, 13, 5, 8, 9}},
    {AAX_eStemFormat_7_1_DTS, 8, {4, 6, 5, 8, 9, 10, 11, 7}},
    {AAX_eStemFormat_7_1_SDDS, 8, {4, 12, 6, 13, 5, 8, 9, 7}},
    {AAX_eStemFormat_7_1_2, 10, {4, 6, 5, 8, 9, 10, 11, 7, 14, 15}},
    {AAX_eStemFormat_7_0_2, 9, {4, 6, 5, 8, 9, 10, 11, 14, 15}},
};

const HostTable* TableOf(AAX_EStemFormat hostLayout) noexcept {
    for (const HostTable& table : kHostTables)
        if (table.stemFormat == hostLayout) return &table;
    return nullptr;
}

// core[i] = the core position of host channel i; false when a speaker has no match.
bool MatchChannels(std::uint32_t channelCount, AAX_EStemFormat hostLayout, ChannelConfig coreLayout,
                   std::uint32_t* core) noexcept {
    if (channelCount > kMostChannels) return false;
    const HostTable* table = TableOf(hostLayout);
    // A layout may name one speaker more than once (every channel of a generic layout
    // is the same): each host channel takes the first core channel of its speaker that
    // no earlier host channel took, so the match stays one to one.
    bool taken[kMostChannels] = {};
    for (std::uint32_t i = 0; i < channelCount; ++i) {
        const Speaker speaker = table ? HostSpeakerOf(hostLayout, i) : SpeakerOf(coreLayout, i);
        std::uint32_t j = 0;
        while (j < channelCount && (taken[j] || SpeakerOf(coreLayout, j) != speaker)) ++j;
        if (j == channelCount) return false;
        taken[j] = true;
        core[i] = j;
    }
    return true;
}

}  // namespace

Speaker HostSpeakerOf(AAX_EStemFormat hostLayout, std::uint32_t channel) noexcept {
    const HostTable* table = TableOf(hostLayout);
    return table && channel < table->count ? table->speakers[channel] : kSpeakerNone;
}

bool HasHostSpeakerTable(AAX_EStemFormat hostLayout) noexcept { return TableOf(hostLayout) != nullptr; }

bool ToCoreOrder(std::uint32_t channelCount, AAX_EStemFormat hostLayout, ChannelConfig coreLayout,
                 float** channels) noexcept {
    ChannelOrder order;
    order.MatchFor(channelCount, hostLayout, coreLayout);
    return order.ToCore(channels);
}

bool ToHostOrder(std::uint32_t channelCount, AAX_EStemFormat hostLayout, ChannelConfig coreLayout,
                 float** channels) noexcept {
    std::uint32_t core[kMostChannels];
    if (!channels || !MatchChannels(channelCount, hostLayout, coreLayout, core)) return false;
    float* reordered[kMostChannels] = {};
    for (std::uint32_t i = 0; i < channelCount; ++i) reordered[i] = channels[core[i]];
    for (std::uint32_t i = 0; i < channelCount; ++i) channels[i] = reordered[i];
    return true;
}

void ChannelOrder::MatchFor(std::uint32_t channelCount, AAX_EStemFormat hostLayout, ChannelConfig coreLayout) noexcept {
    made_ = true;
    channelCount_ = channelCount;
    hostLayout_ = hostLayout;
    coreLayout_ = coreLayout;
    std::uint32_t core[kMostChannels];
    matched_ = MatchChannels(channelCount, hostLayout, coreLayout, core);
    identity_ = matched_;
    for (std::uint32_t i = 0; matched_ && i < channelCount; ++i) {
        core_[i] = static_cast<std::uint8_t>(core[i]);
        identity_ = identity_ && core[i] == i;
    }
}

bool ChannelOrder::ToCore(float** channels) const noexcept {
    if (!channels || !matched_) return false;
    if (identity_) return true;
    float* host[kMostChannels];
    for (std::uint32_t i = 0; i < channelCount_; ++i) host[i] = channels[i];
    return ToCore(host, channels);
}
