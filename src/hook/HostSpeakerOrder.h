#pragma once
// Channel order between host and core. The host lays out the channels of some output
// stem formats in an order of its own (a table of speakers, position = host channel);
// the core wants the order of its channel configuration (SpeakerOf). Stem formats
// without a table are in the core's order already. Reordering moves channel pointers
// only, never samples. Pure functions, no allocation. [any-thread]

#include <cstdint>

#include "aax/AAX_StemFormat.h"
#include "contract/ChannelConfig.h"

// The speaker of host channel `channel` of `hostLayout` by the host's table;
// kSpeakerNone when the stem format has no table or the channel is beyond it.
Speaker HostSpeakerOf(AAX_EStemFormat hostLayout, std::uint32_t channel) noexcept;

// Whether the host orders `hostLayout` by a table of its own.
bool HasHostSpeakerTable(AAX_EStemFormat hostLayout) noexcept;

// Puts the first `channelCount` pointers of `channels` from host order into the order
// of `coreLayout`: host channel i (its speaker from the host table, or the core's own
// speaker i without a table) goes to the first core channel of the same speaker that
// no earlier host channel took (generic layouts repeat one speaker: identity). When
// any speaker has no match, or there are more channels than any layout has, the array
// is left as it was and the answer is false.
bool ToCoreOrder(std::uint32_t channelCount, AAX_EStemFormat hostLayout, ChannelConfig coreLayout,
                 float** channels) noexcept;

// The inverse of ToCoreOrder, with the same matching rule.
bool ToHostOrder(std::uint32_t channelCount, AAX_EStemFormat hostLayout, ChannelConfig coreLayout,
                 float** channels) noexcept;

// ToCoreOrder's matching for one channel count, host layout and core layout, made once
// and kept, so that a block only moves pointers. Pure, no allocation; one thread at a
// time uses one.
class ChannelOrder {
public:
    // The matching for these; an unmatched one (or none made yet) leaves arrays as they are.
    void MatchFor(std::uint32_t channelCount, AAX_EStemFormat hostLayout, ChannelConfig coreLayout) noexcept;
    bool IsFor(std::uint32_t channelCount, AAX_EStemFormat hostLayout, ChannelConfig coreLayout) const noexcept {
        return made_ && channelCount == channelCount_ && hostLayout == hostLayout_ && coreLayout == coreLayout_;
    }
    // ToCoreOrder with the kept matching; false (and nothing moved) when it is unmatched.
    bool ToCore(float** channels) const noexcept;
    // The same from the host's array into another: core[j] = the host pointer of core
    // channel j, for the matching's channels; nothing written when it is unmatched.
    bool ToCore(float* const* host, float** core) const noexcept {
        if (!host || !core || !matched_) return false;
        for (std::uint32_t i = 0; i < channelCount_; ++i) core[core_[i]] = host[i];
        return true;
    }

private:
    bool made_ = false;
    bool matched_ = false;
    bool identity_ = false;
    std::uint32_t channelCount_ = 0;
    AAX_EStemFormat hostLayout_ = AAX_eStemFormat_Mono;
    ChannelConfig coreLayout_ = 0;
    std::uint8_t core_[24] = {};  // core position of host channel i
};
