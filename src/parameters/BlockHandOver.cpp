#include "parameters/BlockHandOver.h"

#include <algorithm>

#include "hook/HostSpeakerOrder.h"
#include "parameters/Parameters.h"
#include "util/BufferOps.h"

// Generic layout c has c - 12 channels; the last is the widest configuration.
static_assert(kMostMainChannels == kChannelConfigGenericLast - 12, "the widest channel configuration");

namespace {

const float* InputFor(const BlockChannels& block, std::uint32_t k) noexcept {
    return block.inputs[k < block.inputCount ? k : 0];
}

void PreFill(const BlockChannels& block, std::uint32_t first, std::uint32_t samples) noexcept {
    for (std::uint32_t k = first; k < block.outputCount; ++k) {
        const float* from = InputFor(block, k);
        float* to = block.outputs[k];
        if (from && to && from != to) Util::CopyFloats(to, from, samples);
    }
}

}  // namespace

void HandBlockToCore(Parameters& parameters, const BlockChannels& block, std::uint32_t samples) noexcept {
    const std::uint32_t outputCount = std::min(block.outputCount, kMostBlockChannels);
    const bool engaged = block.hookBypass;
    const bool runsLines = !parameters.CoreOwnsBypass() && block.outputs;
    if (block.inputs && block.outputs && runsLines && engaged) {
        const float* sources[kMostBlockChannels];
        for (std::uint32_t k = 0; k < outputCount; ++k) sources[k] = InputFor(block, k);
        parameters.BypassLines().BypassFrom(sources, block.outputs, outputCount, samples);
        if (outputCount < block.outputCount) PreFill(block, outputCount, samples);
    } else {
        if (block.inputs && block.outputs) PreFill(block, 0, samples);
        if (runsLines) parameters.BypassLines().Run(block.outputs, outputCount, samples, engaged);
    }
    if (engaged) {
        parameters.HoldBackNoteEndings();
        return;
    }
    // Only the entries the core reads are set: clearing the whole array would cost more
    // than the rest of the hand-over.
    float* channels[kMostBlockChannels];
    const std::uint32_t reach = std::max(outputCount, std::min(parameters.BlockChannelCount(), kMostBlockChannels));
    // One loop rather than a copy and a fill: the compiler would make each of those a
    // library call, dearer than the handful of pointers it moves.
    for (std::uint32_t k = 0; k < reach; ++k)
        channels[k] = block.outputs && k < outputCount ? block.outputs[k] : nullptr;
    const std::uint32_t mainCount = std::min({block.mainCount, outputCount, kMostMainChannels});
    ChannelOrder& order = parameters.RenderChannelOrder();
    const ChannelConfig coreLayout = parameters.ChannelConfiguration();
    if (!order.IsFor(mainCount, block.hostLayout, coreLayout)) order.MatchFor(mainCount, block.hostLayout, coreLayout);
    order.ToCore(block.outputs, channels);
    try {
        parameters.ProcessBlock(samples, mainCount ? channels : nullptr, 0, 0, block.sideChain,
                                block.sideChain ? block.sideChainEntries : 0);
    } catch (...) {
        // The host's thread goes on; the outputs keep their pre-filled input.
    }
}
