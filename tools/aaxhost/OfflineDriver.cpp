#include "aaxhost/OfflineDriver.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "aax/AAX_CString.h"

namespace aaxhost {

bool PassResult::Succeeded() const noexcept {
    if (begin != AAX_SUCCESS || end != AAX_SUCCESS) return false;
    return std::all_of(blocks.begin(), blocks.end(), [](AAX_Result r) { return r == AAX_SUCCESS; });
}

OfflineDriver::OfflineDriver(ACFPtr<AAX_IACFHostProcessor> processor, SimulatedController& controller,
                             SelectionDelegate& selection)
    : processor_(std::move(processor)), controller_(controller), selection_(selection) {
    if (!processor_) throw std::invalid_argument("an offline pass needs a processor");
}

OfflineDriver::~OfflineDriver() {
    if (initialized_) processor_->Uninitialize();
    controller_.SetHostProcessorDelegate(nullptr);
    processor_.Reset();
}

AAX_Result OfflineDriver::Initialize() {
    controller_.SetHostProcessorDelegate(selection_.AsInterface());
    initialized_ = true;  // the processor may hold the controller even after a failure
    return processor_->Initialize(controller_.AsInterface());
}

AAX_Result OfflineDriver::InitOutputBounds(std::int64_t* outDestinationStart, std::int64_t* outDestinationEnd) {
    std::int64_t start = 0;
    std::int64_t end = 0;
    const AAX_Result result = processor_->InitOutputBounds(0, selection_.Length(), &start, &end);
    if (outDestinationStart != nullptr) *outDestinationStart = start;
    if (outDestinationEnd != nullptr) *outDestinationEnd = end;
    return result;
}

void OfflineDriver::PrepareBuffers(std::int32_t window, std::int32_t outputCount) {
    if (window < 1) throw std::invalid_argument("an offline window holds at least one sample");
    const auto samples = static_cast<std::size_t>(window);
    inputs_.assign(static_cast<std::size_t>(selection_.ChannelCount()), std::vector<float>(samples));
    outputs_.assign(static_cast<std::size_t>(outputCount), std::vector<float>(samples));
    inputPointers_.clear();
    outputPointers_.clear();
    for (auto& buffer : inputs_) inputPointers_.push_back(buffer.data());
    for (auto& buffer : outputs_) outputPointers_.push_back(buffer.data());
    inputPointers_.push_back(nullptr);
    outputPointers_.push_back(nullptr);
    selection_.SetBufferCapacity(window);
}

void OfflineDriver::FillInputs(std::int64_t position, std::int32_t window) {
    selection_.Read(position, window, inputPointers_.data());
}

PassResult OfflineDriver::Analyze(std::int32_t window) {
    PrepareBuffers(window, 0);
    const std::int32_t inputCount = selection_.ChannelCount();
    PassResult pass;
    pass.begin = processor_->PreAnalyze(inputCount, window);
    for (std::int64_t position = 0; position < selection_.Length(); position += window) {
        processor_->SetLocation(position);
        FillInputs(position, window);
        std::int32_t size = window;
        pass.blocks.push_back(processor_->AnalyzeAudio(inputPointers_.data(), inputCount, &size));
        selection_.RethrowReadFailure();
    }
    pass.end = processor_->PostAnalyze();
    return pass;
}

namespace {

// Keeps the whole output, for Rendered().
class KeepingSink final : public RenderSink {
public:
    explicit KeepingSink(std::vector<std::vector<float>>& rendered) : rendered_(rendered) {}
    void Take(std::int64_t position, std::int32_t length, const float* const* channels) override {
        for (std::size_t k = 0; k < rendered_.size(); ++k)
            std::copy(channels[k], channels[k] + length, rendered_[k].begin() + position);
    }

private:
    std::vector<std::vector<float>>& rendered_;
};

}  // namespace

PassResult OfflineDriver::Render(std::int32_t window, std::int32_t outputCount) {
    if (outputCount <= 0) outputCount = selection_.ChannelCount();
    rendered_.assign(static_cast<std::size_t>(outputCount),
                     std::vector<float>(static_cast<std::size_t>(selection_.Length())));
    KeepingSink sink(rendered_);
    return RenderInto(window, outputCount, sink);
}

PassResult OfflineDriver::Render(std::int32_t window, std::int32_t outputCount, RenderSink& sink) {
    rendered_.clear();
    return RenderInto(window, outputCount, sink);
}

PassResult OfflineDriver::RenderInto(std::int32_t window, std::int32_t outputCount, RenderSink& sink) {
    const std::int32_t inputCount = selection_.ChannelCount();
    if (outputCount <= 0) outputCount = inputCount;
    PrepareBuffers(window, outputCount);
    const std::int64_t length = selection_.Length();
    PassResult pass;
    pass.begin = processor_->PreRender(inputCount, outputCount, window);
    for (std::int64_t position = 0; position < length; position += window) {
        processor_->SetLocation(position);
        FillInputs(position, window);
        for (auto& buffer : outputs_) std::fill(buffer.begin(), buffer.end(), 0.0f);
        std::int32_t size = window;
        pass.blocks.push_back(
            processor_->RenderAudio(inputPointers_.data(), inputCount, outputPointers_.data(), outputCount, &size));
        selection_.RethrowReadFailure();
        sink.Take(position, static_cast<std::int32_t>(std::min<std::int64_t>(window, length - position)),
                  outputPointers_.data());
    }
    pass.end = processor_->PostRender();
    return pass;
}

AAX_Result OfflineDriver::ClipNameSuffix(std::int32_t maxLength, std::string* outSuffix) const {
    const auto processor = ACFPtr<AAX_IACFHostProcessor_V2>::Query(processor_.Get(), IID_IAAXHostProcessorV2);
    if (!processor) return AAX_ERROR_UNIMPLEMENTED;
    AAX_CString suffix;
    const AAX_Result result = processor->GetClipNameSuffix(maxLength, &suffix);
    if (result == AAX_SUCCESS && outSuffix != nullptr) *outSuffix = suffix.StdString();
    return result;
}

}  // namespace aaxhost
