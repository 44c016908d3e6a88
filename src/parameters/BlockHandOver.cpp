#include "parameters/BlockHandOver.h"

#include <algorithm>

#include "hook/HostSpeakerOrder.h"
#include "parameters/Parameters.h"

// Generic layout c has c - 12 channels; the last is the widest configuration.
static_assert(kMostMainChannels == kChannelConfigGenericLast - 12, "the widest channel configuration");

void HandBlockToCore(Parameters& parameters, const BlockChannels& block, std::uint32_t samples) noexcept {
    const std::uint32_t outputCount = std::min(block.outputCount, kMostBlockChannels);
    if (!parameters.CoreOwnsBypass() && block.outputs)
        parameters.BypassLines().Run(block.outputs, outputCount, samples, parameters.HookBypassEngaged());
    if (parameters.HookBypassEngaged()) {
        parameters.HoldBackNoteEndings();
        return;
    }
    float* channels[kMostBlockChannels] = {};
    if (block.outputs) std::copy(block.outputs, block.outputs + outputCount, channels);
    const std::uint32_t mainCount = std::min({block.mainCount, outputCount, kMostMainChannels});
    ChannelOrder& order = parameters.RenderChannelOrder();
    const ChannelConfig coreLayout = parameters.ChannelConfiguration();
    if (!order.IsFor(mainCount, block.hostLayout, coreLayout)) order.MatchFor(mainCount, block.hostLayout, coreLayout);
    order.ToCore(channels);
    try {
        parameters.ProcessBlock(samples, mainCount ? channels : nullptr, 0, 0, block.sideChain,
                                block.sideChain ? block.sideChainEntries : 0);
    } catch (...) {
        // The host's thread goes on; the outputs keep their pre-filled input.
    }
}
