#pragma once
// InstanceContext: the instance context a host builds for one instance of a component,
// laid out from the fields the component declared: an array of pointers, one per field
// index up to the highest declared, null at indices nobody declared.
//
//   AudioIn       -> array of input channel pointers: the main input's channels (by the
//                    input stem format), then the side-chain channel when connected
//   AudioOut      -> array of output channel pointers: the main output's channels, then
//                    each aux output stem's, in declaration order
//   BufferLength  -> int32_t: the samples of this block
//   PrivateData   -> a block of the declared size, zeroed and then filled once through
//                    the effect parameters object's ResetFieldData(field, block, size)
//   SideChainIn   -> int32_t: the index of the side-chain channel in the input array,
//                    or null while no side chain is connected
//   MIDINode      -> the node's AAX_IMIDINode (SimulatedMIDINode)
//
// Channel pointer arrays end with a null entry. Every buffer holds MaxBlockSize samples,
// starts zeroed and is owned by the context. A layout the host cannot build (a field
// index outside 0..kMaxFieldIndex, one index declared twice, a private-data size outside
// 0..kMaxPrivateDataSize, an aux stem on an undeclared audio-out field) is refused with
// std::invalid_argument.
// [ui-thread] to build and fill; the process procedure reads it on [audio-thread]
// during RunProcessProcedure. Not copyable: the pointers point into the object.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "aax/AAX_IACFEffectParameters.h"
#include "aax/ACFPtr.h"
#include "aaxhost/ChannelBuffers.h"
#include "aaxhost/PackageDescription.h"
#include "aaxhost/SimulatedMIDINode.h"

namespace aaxhost {

struct ContextOptions {
    std::int32_t maxBlockSize = 1024;
    // Connects a side-chain channel when the component declares a side-chain field.
    bool connectSideChain = false;
    // The stem formats of the instance; by default the component's (properties 51, 52).
    std::optional<AAX_EStemFormat> inputStemFormat;
    std::optional<AAX_EStemFormat> outputStemFormat;
    // The instance's controller (borrowed, may be null): the MIDI nodes' transport.
    IACFUnknown* controller = nullptr;
};

class InstanceContext {
public:
    static constexpr AAX_CFieldIndex kMaxFieldIndex = 255;
    static constexpr std::int32_t kMaxPrivateDataSize = 1 << 20;
    static constexpr std::int32_t kMaxBlockSize = 1 << 20;

    // `parameters` (borrowed, may be null: blocks stay zeroed) fills the private data.
    InstanceContext(const ComponentDescription& component, AAX_IACFEffectParameters* parameters,
                    const ContextOptions& options = {});
    ~InstanceContext();
    InstanceContext(const InstanceContext&) = delete;
    InstanceContext& operator=(const InstanceContext&) = delete;

    // The pointer array the process procedure receives, FieldCount() entries.
    void* const* Fields() const noexcept { return fields_.data(); }
    std::int32_t FieldCount() const noexcept { return static_cast<std::int32_t>(fields_.size()); }
    // Null for an index outside the array or not declared.
    void* Field(AAX_CFieldIndex field) const noexcept;

    std::int32_t MaxBlockSize() const noexcept { return maxBlockSize_; }
    std::int32_t InputChannelCount() const noexcept { return mainInputs_; }  // without the side chain
    std::int32_t OutputChannelCount() const noexcept { return static_cast<std::int32_t>(buffers_.OutputCount()); }
    std::int32_t MainOutputChannelCount() const noexcept { return mainOutputs_; }
    // Channel buffers; std::out_of_range for a channel that does not exist.
    float* Input(std::int32_t channel);
    float* Output(std::int32_t channel);
    // The side-chain channel; null when none is connected.
    float* SideChainInput() noexcept;

    // 0 to MaxBlockSize, else std::invalid_argument. Starts at MaxBlockSize.
    void SetBlockLength(std::int32_t samples);
    std::int32_t BlockLength() const noexcept { return blockLength_; }

    // Null when the component declared no such field.
    SimulatedMIDINode* MIDINode(AAX_CFieldIndex field) const noexcept;
    unsigned char* PrivateData(AAX_CFieldIndex field) const noexcept;
    std::int32_t PrivateDataSize(AAX_CFieldIndex field) const noexcept;
    // ResetFieldData's result per private-data field, in declaration order.
    const std::vector<AAX_Result>& ResetResults() const noexcept { return resetResults_; }

private:
    struct PrivateBlock {
        std::unique_ptr<unsigned char[]> bytes;
        std::int32_t size = 0;
    };

    std::int32_t maxBlockSize_;
    std::int32_t mainInputs_ = 0;
    std::int32_t mainOutputs_ = 0;
    std::int32_t blockLength_;
    std::int32_t sideChainIndex_ = 0;
    ChannelBuffers buffers_;  // inputs: main, then the side chain; outputs: main, then aux stems
    bool sideChainConnected_ = false;
    std::vector<const float*> inputPointers_;
    std::vector<float*> outputPointers_;
    std::map<AAX_CFieldIndex, PrivateBlock> privateData_;
    std::map<AAX_CFieldIndex, std::unique_ptr<SimulatedMIDINode>> midiNodes_;
    std::vector<AAX_Result> resetResults_;
    std::vector<void*> fields_;
};

// Calls the process procedure once with the contexts as one run of instances, each with
// its own block length. [audio-thread] for the call; the caller's thread here.
void RunProcessProcedure(AAX_CProcessProc proc, const std::vector<InstanceContext*>& contexts);

}  // namespace aaxhost
