#pragma once
// InstanceRig: one realtime instance of an effect as a host runs it: the instance made
// through the effect's factory and initialised at a sample rate with the component's
// stem formats, its instance context, and a playing transport whose sample location
// follows the blocks. Blocks go straight to the component's process procedure with a
// run of instances built once, so that running a block makes no host-side allocation.
// Construction, parameters and teardown: [ui-thread]; ProcessBlock and Run:
// [audio-thread], the one thread that processes this rig at a time.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "aaxhost/EffectInstance.h"
#include "aaxhost/InstanceContext.h"
#include "aaxhost/PackageDescription.h"

namespace aaxhost::validate {

// The effects a realtime rig can run: a component with stem formats and a process
// procedure. AudioSuite-only effects are not among them.
bool IsRealtimeEffect(const EffectDescription& effect);
// "\"LmDemo Stereo\" (Stereo)".
std::string DescribeEffect(const EffectDescription& effect);

class InstanceRig {
public:
    // Throws CheckFailure, naming the effect, when the instance cannot be made or
    // initialised or the component has no process procedure.
    InstanceRig(const EffectDescription& effect, float sampleRate, std::int32_t maxBlockSize);
    ~InstanceRig();
    InstanceRig(const InstanceRig&) = delete;
    InstanceRig& operator=(const InstanceRig&) = delete;

    EffectInstance& Instance() noexcept { return *instance_; }
    InstanceContext& Context() noexcept { return *context_; }
    const EffectDescription& Effect() const noexcept { return effect_; }
    float SampleRate() const noexcept { return sampleRate_; }
    // "\"LmDemo Stereo\" (Stereo) at 48000 Hz"
    std::string Describe() const;
    std::int32_t InputCount() const noexcept { return context_->InputChannelCount(); }
    std::int32_t OutputCount() const noexcept { return context_->MainOutputChannelCount(); }
    // The latency the module last reported to the host (0 when it reported none).
    std::int32_t ReportedLatency() const;
    // The identifiers of the instance's parameters, in the module's order.
    std::vector<std::string> ParameterIDs() const;

    // One block of `samples` over what the input buffers hold now.
    void ProcessBlock(std::int32_t samples);
    // Called after each block of Run with the block's position in the run and length;
    // the context still holds the block's inputs and outputs.
    using BlockObserver = std::function<void(std::int64_t position, std::int32_t samples)>;
    // Feeds `input` (one vector per input channel, all as long as the first; missing
    // channels get silence) in blocks of `blockSize` and returns the main outputs,
    // each as long as the input.
    std::vector<std::vector<float>> Run(const std::vector<std::vector<float>>& input, std::int32_t blockSize,
                                        const BlockObserver& afterBlock = {});

private:
    const EffectDescription& effect_;
    float sampleRate_;
    std::unique_ptr<EffectInstance> instance_;
    std::unique_ptr<InstanceContext> context_;
    AAX_CProcessProc proc_ = nullptr;
    void* instances_[2] = {nullptr, nullptr};
    std::int64_t position_ = 0;
};

}  // namespace aaxhost::validate
