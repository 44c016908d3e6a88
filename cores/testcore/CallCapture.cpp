#include "CallCapture.h"

#include <cstring>
#include <type_traits>

#include "contract/CoreRequest.h"

namespace TestCore {
namespace {

template <CoreSelector S, class = void>
struct RecordSize : std::integral_constant<std::size_t, 0> {};  // no record

template <class Record>
constexpr std::size_t SizeOrZero() {
    if constexpr (std::is_void<Record>::value) {
        return 0;
    } else {
        return sizeof(Record);
    }
}

template <CoreSelector S>
struct RecordSize<S, std::void_t<typename CoreRecordFor<S>::type>>
    : std::integral_constant<std::size_t, SizeOrZero<typename CoreRecordFor<S>::type>()> {};

// clang-format off
#define LM_EVERY_SELECTOR(X)                                                                                \
    X(StaticInfo) X(CreateInstance) X(ParametersReady) X(InstanceClosing) X(DestroyInstance)                 \
    X(ParameterCount) X(ParameterInfo) X(SetParameter) X(Configure) X(Latency) X(OfflineMode)               \
    X(ProcessBlock) X(Midi) X(EditorEvent) X(Request30) X(Request31) X(State) X(LegacyStateLoad)            \
    X(QueryU32) X(QueryText) X(SelectionLength) X(TrackNameChanged) X(Notify)
// clang-format on

void Append(Bytes& bytes, const void* source, std::size_t size) {
    const auto* begin = static_cast<const std::uint8_t*>(source);
    bytes.insert(bytes.end(), begin, begin + size);
}

Bytes CaptureBlock(const BlockRecord& block, const CoreScript& script) {
    Bytes data;
    if (block.transport) {
        Append(data, block.transport, sizeof(TransportRecord));
    } else {
        data.resize(sizeof(TransportRecord));
    }
    for (std::uint32_t i = 0; i < script.blockChannels; ++i) {
        const std::uint64_t pointer = block.channels ? reinterpret_cast<std::uint64_t>(block.channels[i]) : 0;
        Append(data, &pointer, sizeof pointer);
    }
    if (script.captureSamples) {
        const std::size_t channelBytes = std::size_t{block.sampleCount} * sizeof(float);
        for (std::uint32_t i = 0; i < script.blockChannels; ++i) {
            const float* samples = block.channels ? block.channels[i] : nullptr;
            if (samples) {
                Append(data, samples, channelBytes);
            } else {
                data.resize(data.size() + channelBytes);
            }
        }
    }
    return data;
}

Bytes CaptureMidi(const MidiBatchRecord& midi) {
    Bytes data;
    const std::size_t bytes = static_cast<std::size_t>(midi.count) * sizeof(std::uint32_t);
    if (midi.words) Append(data, midi.words, bytes);
    if (midi.offsets) Append(data, midi.offsets, bytes);
    return data;
}

}  // namespace

bool IsKnownSelector(std::uint32_t selector) noexcept {
    switch (static_cast<CoreSelector>(selector)) {
#define LM_KNOWN(name) case CoreSelector::name:
        LM_EVERY_SELECTOR(LM_KNOWN)
#undef LM_KNOWN
        return true;
    }
    return false;
}

std::size_t RecordSizeOf(std::uint32_t selector) noexcept {
    switch (static_cast<CoreSelector>(selector)) {
#define LM_SIZE(name) \
    case CoreSelector::name: return RecordSize<CoreSelector::name>::value;
        LM_EVERY_SELECTOR(LM_SIZE)
#undef LM_SIZE
    }
    return 0;
}

Bytes CaptureData(std::uint32_t selector, const void* record, const CoreScript& script) {
    switch (static_cast<CoreSelector>(selector)) {
    case CoreSelector::ProcessBlock: return CaptureBlock(*static_cast<const BlockRecord*>(record), script);
    case CoreSelector::Midi: return CaptureMidi(*static_cast<const MidiBatchRecord*>(record));
    case CoreSelector::State: {
        const auto& request = *static_cast<const StateRequest*>(record);
        Bytes data;
        if ((request.operation == kStateLoad || request.operation == kStateCompare) && request.bytes)
            Append(data, request.bytes, request.size);
        return data;
    }
    case CoreSelector::LegacyStateLoad: {
        const auto& load = *static_cast<const LegacyStateLoad*>(record);
        Bytes data;
        if (load.bytes) Append(data, load.bytes, load.size);
        return data;
    }
    default: return {};
    }
}

}  // namespace TestCore
