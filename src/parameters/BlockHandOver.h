#pragma once
// The last steps of every audio block the hook gives the core, realtime and offline
// alike: the pre-fill of the outputs from the inputs, the hook-made bypass's delay
// lines over the outputs (both in one pass while the bypass is engaged), the channel
// pointers put into the core's order (in an array of its own: the host's array is
// never written), and the block itself, unless the hook's bypass is engaged (then the
// core gets no block and only what ends notes is kept for it). No lock, no allocation.
// [audio-thread] [offline-thread]

#include <cstdint>

#include "aax/AAX_StemFormat.h"
#include "contract/BlockRecord.h"
#include "contract/ChannelConfig.h"

class Parameters;

// The widest channel configuration, and the aux output stems a block record holds: the
// core never reads more channel pointers than these give.
constexpr std::uint32_t kMostMainChannels = 24;
constexpr std::uint32_t kMostAuxStems = static_cast<std::uint32_t>(kMaxAuxOutputStems);
constexpr std::uint32_t kMostBlockChannels = kMostMainChannels + 2 * kMostAuxStems;

struct BlockChannels {
    float* const* outputs = nullptr;  // the host's output pointers, host order; main, then 2 per aux stem
    std::uint32_t outputCount = 0;    // entries of `outputs`
    // The host's inputs the outputs are pre-filled from (output k from input k, or from
    // input 0 past the inputs; a null input or one that is its output fills nothing);
    // null when the outputs hold the block already.
    const float* const* inputs = nullptr;
    std::uint32_t inputCount = 0;
    std::uint32_t mainCount = 0;                        // main channels among them
    AAX_EStemFormat hostLayout = AAX_eStemFormat_Mono;  // the order the host laid them out in
    float** sideChain = nullptr;                        // side-chain entries, or null for none
    std::uint32_t sideChainEntries = 0;
    // The hook's bypass as the caller read it once for this block (it may change on
    // another thread meanwhile): engaged, the core gets no block.
    bool hookBypass = false;
};

// Pre-fills, runs the delay lines and hands `samples` samples of `channels` to the
// core. A core that throws loses its block; the outputs keep what they hold.
void HandBlockToCore(Parameters& parameters, const BlockChannels& channels, std::uint32_t samples) noexcept;
