#include "aaxhost/validate/InstanceRig.h"

#include <algorithm>
#include <cstring>

#include "aax/AAX_CString.h"
#include "aaxhost/validate/Validation.h"

namespace aaxhost::validate {

bool IsRealtimeEffect(const EffectDescription& effect) {
    if (effect.components.empty()) return false;
    const ComponentDescription& component = effect.components.front();
    return component.InputStemFormat() != AAX_eStemFormat_Any && component.OutputStemFormat() != AAX_eStemFormat_Any &&
           !component.processProcedures.empty() && component.processProcedures.front().proc != nullptr;
}

std::string DescribeEffect(const EffectDescription& effect) {
    std::string text = "\"" + effect.identifier + "\"";
    if (!effect.components.empty()) {
        const ComponentDescription& component = effect.components.front();
        if (component.InputStemFormat() == component.OutputStemFormat())
            text += std::string(" (") + StemFormatName(component.OutputStemFormat()) + ")";
        else
            text += std::string(" (") + StemFormatName(component.InputStemFormat()) + " in, " +
                    StemFormatName(component.OutputStemFormat()) + " out)";
    }
    return text;
}

InstanceRig::InstanceRig(const EffectDescription& effect, float sampleRate, std::int32_t maxBlockSize)
    : effect_(effect), sampleRate_(sampleRate) {
    if (!IsRealtimeEffect(effect)) Fail("effect " + DescribeEffect(effect) + " has no realtime component");
    const ComponentDescription& component = effect.components.front();
    InstanceSetup setup = SetupFor(component);
    setup.sampleRate = sampleRate;
    instance_ = CreateEffectInstance(effect, setup);
    if (!instance_) Fail("effect " + DescribeEffect(effect) + ": its factory made no effect parameters object");
    const AAX_Result initialized = instance_->Initialize();
    if (initialized != AAX_SUCCESS)
        Fail("effect " + DescribeEffect(effect) + ": Initialize returned " + std::to_string(initialized));
    ContextOptions options;
    options.maxBlockSize = maxBlockSize;
    options.controller = instance_->Controller().AsInterface();
    context_ = std::make_unique<InstanceContext>(component, instance_->Parameters(), options);
    proc_ = component.processProcedures.front().proc;
    instances_[0] = const_cast<void**>(context_->Fields());
    if (SimulatedTransport* transport = instance_->Transport()) {
        transport->Update([](TransportState& state) {
            state.playing = true;
            state.sampleLocation = 0;
        });
    }
}

InstanceRig::~InstanceRig() {
    // The context's private data names the instance: it goes first.
    context_.reset();
    instance_.reset();
}

std::string InstanceRig::Describe() const {
    return DescribeEffect(effect_) + " at " + std::to_string(static_cast<long>(sampleRate_)) + " Hz";
}

std::int32_t InstanceRig::ReportedLatency() const {
    const std::vector<std::int32_t> reports = instance_->Controller().LatencyReports();
    return reports.empty() ? 0 : reports.back();
}

std::vector<std::string> InstanceRig::ParameterIDs() const {
    std::vector<std::string> identifiers;
    std::int32_t count = 0;
    if (instance_->Parameters()->GetNumberOfParameters(&count) != AAX_SUCCESS) return identifiers;
    for (std::int32_t index = 0; index < count; ++index) {
        AAX_CString identifier;
        if (instance_->Parameters()->GetParameterIDFromIndex(index, &identifier) == AAX_SUCCESS && !identifier.Empty())
            identifiers.push_back(identifier.StdString());
    }
    return identifiers;
}

void InstanceRig::ProcessBlock(std::int32_t samples) {
    context_->SetBlockLength(samples);
    if (SimulatedTransport* transport = instance_->Transport()) {
        const std::int64_t position = position_;
        const double rate = sampleRate_;
        transport->Update([position, rate](TransportState& state) {
            state.sampleLocation = position;
            // 120 beats per minute: 960000 ticks per quarter note, two quarters a second.
            state.tickPosition = static_cast<std::int64_t>(static_cast<double>(position) / rate * 2.0 * 960000.0);
        });
    }
    proc_(instances_, instances_ + 1);
    position_ += samples;
}

std::vector<std::vector<float>> InstanceRig::Run(const std::vector<std::vector<float>>& input, std::int32_t blockSize,
                                                 const BlockObserver& afterBlock) {
    const std::size_t length = input.empty() ? 0 : input.front().size();
    blockSize = std::max<std::int32_t>(1, std::min(blockSize, context_->MaxBlockSize()));
    std::vector<std::vector<float>> output(static_cast<std::size_t>(OutputCount()), std::vector<float>(length, 0.0f));
    for (std::size_t start = 0; start < length; start += static_cast<std::size_t>(blockSize)) {
        const std::int32_t samples = static_cast<std::int32_t>(std::min<std::size_t>(blockSize, length - start));
        for (std::int32_t channel = 0; channel < InputCount(); ++channel) {
            float* buffer = context_->Input(channel);
            const std::size_t c = static_cast<std::size_t>(channel);
            if (c < input.size() && input[c].size() >= start + static_cast<std::size_t>(samples))
                std::memcpy(buffer, input[c].data() + start, sizeof(float) * static_cast<std::size_t>(samples));
            else
                std::fill(buffer, buffer + samples, 0.0f);
        }
        ProcessBlock(samples);
        for (std::int32_t channel = 0; channel < OutputCount(); ++channel)
            std::memcpy(output[static_cast<std::size_t>(channel)].data() + start, context_->Output(channel),
                        sizeof(float) * static_cast<std::size_t>(samples));
        if (afterBlock) afterBlock(static_cast<std::int64_t>(start), samples);
    }
    return output;
}

}  // namespace aaxhost::validate
