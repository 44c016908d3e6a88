#include "hostprocessor/HostProcessor.h"

#include <algorithm>
#include <cstddef>

#include "aax/AAX_CatchAll.h"
#include "aax/AAX_Enums.h"
#include "contract/ChannelConfig.h"
#include "hook/HostSpeakerOrder.h"
#include "hostprocessor/OfflineArithmetic.h"
#include "parameters/BlockHandOver.h"
#include "parameters/Parameters.h"
#include "util/BufferOps.h"

namespace {

// Nothing about the calling thread is recorded, so the offline requests carry 0.
constexpr std::uint32_t kArgument = 0;

}  // namespace

HostProcessor::HostProcessor() = default;

HostProcessor::~HostProcessor() = default;

AAX_Result HostProcessor::Initialize(IACFUnknown* controller) noexcept {
    try {
        transport_ = std::make_unique<AAX_VTransport>(controller);
    } catch (...) {
        transport_.reset();  // out of memory: the processor runs without the host's transport
    }
    const AAX_Result result = AAX_CHostProcessor::Initialize(controller);
    if (result != AAX_SUCCESS) return result;
    auto* instance = dynamic_cast<Parameters*>(EffectParameters());
    if (!instance) return AAX_ERROR_NULL_OBJECT;
    if (instance_ == instance) return AAX_SUCCESS;  // initialised again: already connected
    instance_ = instance;
    return AAX::CatchAll([&]() -> AAX_Result {
        instance->ChangeSignal().connect(*this, [this] {
            if (AAX_IHostProcessorDelegate* delegate = HostProcessorDelegate()) delegate->ForceAnalyze();
        });
        return AAX_SUCCESS;
    });
}

AAX_Result HostProcessor::Uninitialize() noexcept {
    instance_ = nullptr;
    return AAX_CHostProcessor::Uninitialize();
}

void HostProcessor::SendSelectionLength() {
    if (lengthSent_) return;
    selectionLength_ = SourceEnd() - SourceStart();
    instance_->SetSelectionLength(static_cast<std::uint64_t>(std::max<std::int64_t>(0, selectionLength_)));
    lengthSent_ = true;
}

bool HostProcessor::ConfigureFor(std::int32_t inputCount) {
    const ChannelConfig wanted = ChannelConfigForCount(static_cast<std::uint32_t>(std::max(0, inputCount)));
    // No layout has that many channels (or none): the core keeps the one it has.
    if (wanted == kChannelConfigNone || wanted == instance_->ChannelConfiguration()) return true;
    AAX_CSampleRate sampleRate = 0.0f;
    if (!Controller() || Controller()->GetSampleRate(&sampleRate) != AAX_SUCCESS) return false;
    instance_->Reconfigure(kArgument, sampleRate, wanted);
    return true;
}

void HostProcessor::ReadSelectionStart() {
    std::int64_t start = 0;
    if (!transport_ || transport_->GetTimelineSelectionStartPosition(&start) != AAX_SUCCESS) start = 0;
    selectionStart_ = start;
}

void HostProcessor::SendTimecodeOffset() {
    AAX_EFrameRate rate = AAX_eFrameRate_30NonDrop;
    std::int32_t offset = 0;
    if (!transport_ || transport_->GetTimeCodeInfo(&rate, &offset) != AAX_SUCCESS) return;
    AAX_CSampleRate sampleRate = 0.0f;
    if (!Controller() || Controller()->GetSampleRate(&sampleRate) != AAX_SUCCESS) return;
    std::uint64_t samples = 0;
    if (TimecodeOffsetSamples(rate, offset, sampleRate, samples))
        instance_->Notify(kArgument, kCoreEventTimecodeOffset, 0, samples);
}

void HostProcessor::SetTransportPosition() {
    instance_->SetSamplePosition(static_cast<double>(selectionStart_ + Location()));
}

// ---- Analysis ----

AAX_Result HostProcessor::PreAnalyze(std::int32_t inputCount, std::int32_t windowSize) noexcept {
    if (!instance_) return AAX_ERROR_NULL_OBJECT;
    const AAX_Result prepared = AAX::CatchAll([&]() -> AAX_Result {
        SendSelectionLength();
        if (!ConfigureFor(inputCount)) return AAX_ERROR_UNIMPLEMENTED;
        const auto channels = static_cast<std::size_t>(std::max(0, inputCount));
        const auto window = static_cast<std::size_t>(std::max(0, windowSize));
        analysisBuffer_.assign(channels * window, 0.0f);
        analysisChannels_.resize(channels);
        for (std::size_t k = 0; k < channels; ++k) analysisChannels_[k] = analysisBuffer_.data() + k * window;
        analysisWindow_ = static_cast<std::int32_t>(window);
        ReadSelectionStart();
        SendTimecodeOffset();
        instance_->SetOfflineMode(true);
        instance_->Notify(kArgument, kCoreEventAnalysisStarts, 0, 0);
        return AAX_SUCCESS;
    });
    return prepared != AAX_SUCCESS ? prepared : AAX_CHostProcessor::PreAnalyze(inputCount, windowSize);
}

AAX_Result HostProcessor::AnalyzeAudio(const float* const inputs[], std::int32_t inputCount,
                                       std::int32_t* ioWindowSize) noexcept {
    if (!instance_) return AAX_ERROR_NULL_OBJECT;
    if (!ioWindowSize) return AAX_ERROR_NULL_ARGUMENT;
    const std::int32_t window = *ioWindowSize;
    // Each channel has its own stretch of the buffer: neither more channels nor a
    // longer window than PreAnalyze prepared fits without overrunning it.
    if (window < 0 || inputCount < 0 || window > analysisWindow_ ||
        static_cast<std::size_t>(inputCount) > analysisChannels_.size())
        return AAX_ERROR_UNIMPLEMENTED;
    const std::int32_t n = AnalysisReadLength(window, SourceStart(), SourceEnd(), Location());
    for (std::int32_t k = 0; k < inputCount; ++k) {
        const float* from = inputs ? inputs[k] : nullptr;
        if (from)
            Util::CopyFloats(analysisChannels_[static_cast<std::size_t>(k)], from, static_cast<std::size_t>(n));
        else
            Util::ZeroFloats(analysisChannels_[static_cast<std::size_t>(k)], static_cast<std::size_t>(n));
    }
    SetTransportPosition();
    float* channels[kMostBlockChannels] = {};
    const std::size_t count = std::min<std::size_t>(analysisChannels_.size(), kMostBlockChannels);
    std::copy(analysisChannels_.begin(), analysisChannels_.begin() + static_cast<std::ptrdiff_t>(count), channels);
    const ChannelConfig layout = instance_->ChannelConfiguration();
    ToCoreOrder(static_cast<std::uint32_t>(count), StemFormatOf(layout), layout, channels);
    try {
        instance_->ProcessBlock(static_cast<std::uint32_t>(n), channels, 1, 0, nullptr, 0);
    } catch (...) {
        // A core that failed one analysis block only misses that block's samples.
    }
    return AAX_SUCCESS;
}

AAX_Result HostProcessor::PostAnalyze() noexcept {
    if (!instance_) return AAX_ERROR_NULL_OBJECT;
    const AAX_Result prepared = AAX::CatchAll([&]() -> AAX_Result {
        lengthSent_ = false;
        std::uint32_t tail = instance_->QueryLatency(0);
        Util::ZeroFloats(analysisBuffer_.data(), analysisBuffer_.size());
        float* channels[kMostBlockChannels] = {};
        const std::size_t count = std::min<std::size_t>(analysisChannels_.size(), kMostBlockChannels);
        const ChannelConfig layout = instance_->ChannelConfiguration();
        // At most one channel's stretch per block; without one there is nothing to feed.
        const auto most = static_cast<std::uint32_t>(analysisWindow_);
        while (tail > 0 && most > 0 && count > 0) {
            SetTransportPosition();
            std::copy(analysisChannels_.begin(), analysisChannels_.begin() + static_cast<std::ptrdiff_t>(count),
                      channels);
            ToCoreOrder(static_cast<std::uint32_t>(count), StemFormatOf(layout), layout, channels);
            const std::uint32_t n = std::min(tail, most);
            instance_->ProcessBlock(n, channels, 1, 0, nullptr, 0);
            tail -= n;
            SetLocation(Location() + n);
            // The core may have written into the silence: clear it for the next block.
            Util::ZeroFloats(analysisBuffer_.data(), analysisBuffer_.size());
        }
        instance_->SetOfflineMode(false);
        instance_->Notify(kArgument, kCoreEventAnalysisEnds, 0, 0);
        return AAX_SUCCESS;
    });
    return prepared != AAX_SUCCESS ? prepared : AAX_CHostProcessor::PostAnalyze();
}

// ---- Render ----

AAX_Result HostProcessor::PreRender(std::int32_t inputCount, std::int32_t outputCount,
                                    std::int32_t windowSize) noexcept {
    if (!instance_) return AAX_ERROR_NULL_OBJECT;
    if (instance_->OfflineMode() && instance_->PreviewActive()) return AAX_SUCCESS;
    const AAX_Result prepared = AAX::CatchAll([&]() -> AAX_Result {
        SendSelectionLength();
        instance_->SetOfflineMode(false);
        if (!instance_->StaticInfo().HasFixedAudioSuiteLayout() && !ConfigureFor(inputCount))
            return AAX_ERROR_UNIMPLEMENTED;
        ReadSelectionStart();
        SendTimecodeOffset();
        instance_->SetOfflineMode(true);
        instance_->Notify(kArgument, kCoreEventRenderStarts, 0, 0);
        primed_ = false;
        return AAX_SUCCESS;
    });
    return prepared != AAX_SUCCESS ? prepared : AAX_CHostProcessor::PreRender(inputCount, outputCount, windowSize);
}

std::int32_t HostProcessor::Pull(const float* const inputs[], std::int32_t inputCount, float* const outputs[],
                                 std::int32_t outputCount, std::int64_t location, std::int32_t samples,
                                 std::int32_t at) {
    // The host writes a read that goes on from sample `at` there in its own buffers, so
    // that a host whose inputs are its outputs keeps what the earlier reads gave.
    const float* shifted[kMostBlockChannels] = {};
    const std::int32_t channels = std::min<std::int32_t>(std::max(inputCount, 0), kMostBlockChannels);
    for (std::int32_t k = 0; inputs && k < channels; ++k) shifted[k] = inputs[k] ? inputs[k] + at : nullptr;
    const float* const* from = inputs ? shifted : nullptr;
    std::int32_t answered = samples;
    const bool read = GetAudio(from, channels, location, &answered) == AAX_SUCCESS;
    const std::int32_t n = DeliveredSamples(read, samples, answered);
    for (std::int32_t k = 0; k < outputCount; ++k) {
        float* to = outputs[k] ? outputs[k] + at : nullptr;
        if (!to) continue;
        const float* source = from && channels > 0 ? from[k < channels ? k : 0] : nullptr;
        if (source && source != to)
            Util::CopyFloats(to, source, static_cast<std::size_t>(n));
        else if (!source)
            Util::ZeroFloats(to, static_cast<std::size_t>(n));
    }
    return n;
}

void HostProcessor::HandOver(float* const* outputs, std::uint32_t outputCount, std::uint32_t samples) {
    const ChannelConfig layout = instance_->ChannelConfiguration();
    BlockChannels block;
    block.outputs = outputs;
    block.outputCount = outputCount;
    block.mainCount = ChannelCountOf(layout);
    block.hostLayout = StemFormatOf(layout);
    block.hookBypass = instance_->HookBypassEngaged();
    HandBlockToCore(*instance_, block, samples);
}

AAX_Result HostProcessor::RenderAudio(const float* const inputs[], std::int32_t inputCount, float* const outputs[],
                                      std::int32_t outputCount, std::int32_t* ioWindowSize) noexcept {
    if (!instance_) return AAX_ERROR_NULL_OBJECT;
    if (!ioWindowSize || !outputs) return AAX_ERROR_NULL_ARGUMENT;
    const std::int32_t window = *ioWindowSize;
    if (window < 0) return AAX_ERROR_UNIMPLEMENTED;
    const auto channelCount = static_cast<std::int32_t>(ChannelCountOf(instance_->ChannelConfiguration()));
    if (outputCount != channelCount && !(channelCount == 1 && outputCount == 2)) return AAX_ERROR_UNIMPLEMENTED;
    std::int32_t latency = 0;
    if (!Controller() || Controller()->GetSignalLatency(&latency) != AAX_SUCCESS || latency < 0)
        return AAX_ERROR_UNIMPLEMENTED;
    const auto outputs32 = static_cast<std::uint32_t>(outputCount);
    return AAX::CatchAll([&]() -> AAX_Result {
        if (!primed_ && latency >= 1) {
            // The core's lookahead is primed with the selection's own first samples: a
            // short read (hosts deliver less near a selection's end) hands the core what
            // it got, and the next read goes on from there. Once a read delivers nothing
            // the rest of the pre-roll is silence, so the pre-roll always ends.
            bool silent = false;
            std::int32_t done = 0;
            for (std::int32_t want; (want = PreRollReadLength(latency, done, window)) > 0;) {
                std::int32_t n = 0;
                if (!silent) n = Pull(inputs, inputCount, outputs, outputCount, Location() + done, want);
                if (n == 0) {
                    silent = true;
                    n = want;
                    for (std::int32_t k = 0; k < outputCount; ++k)
                        if (outputs[k]) Util::ZeroFloats(outputs[k], static_cast<std::size_t>(n));
                }
                HandOver(outputs, outputs32, static_cast<std::uint32_t>(n));
                done += n;
            }
            primed_ = window >= 1;
        }
        // A short read within the selection is read on, as the pre-roll does: silence in
        // the middle of the window would reach the core as if it were the selection's.
        // Past the selection's end, or after a read that delivers nothing, the rest of
        // the window is silence.
        const std::int32_t wanted = RenderReadLength(window, SourceEnd(), Location());
        std::int32_t n = Pull(inputs, inputCount, outputs, outputCount, Location() + latency, wanted);
        for (std::int32_t got = n; got > 0 && n < wanted && Location() + latency + n < SourceEnd(); n += got)
            got = Pull(inputs, inputCount, outputs, outputCount, Location() + latency + n, wanted - n, n);
        for (std::int32_t k = 0; k < outputCount; ++k)
            if (outputs[k]) Util::ZeroFloats(outputs[k] + n, static_cast<std::size_t>(window - n));
        SetTransportPosition();
        HandOver(outputs, outputs32, static_cast<std::uint32_t>(window));
        SetLocation(Location() + n);
        return AAX_SUCCESS;
    });
}

AAX_Result HostProcessor::PostRender() noexcept {
    if (!instance_) return AAX_ERROR_NULL_OBJECT;
    const AAX_Result ended = AAX::CatchAll([&]() -> AAX_Result {
        if (instance_->PreviewActive()) return AAX_SUCCESS;
        lengthSent_ = false;
        instance_->SetOfflineMode(false);
        instance_->Notify(kArgument, kCoreEventRenderEnds, 0, 0);
        return AAX_SUCCESS;
    });
    return ended != AAX_SUCCESS ? ended : AAX_CHostProcessor::PostRender();
}
