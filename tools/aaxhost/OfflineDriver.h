#pragma once
// OfflineDriver: runs an offline (AudioSuite) processor over a SelectionDelegate's
// selection the way a host does. Initialize hands the processor the instance's
// controller, which then also offers the selection as the host-processor delegate. A
// pass brackets its blocks: PreAnalyze, AnalyzeAudio per window, PostAnalyze; PreRender,
// RenderAudio per window, PostRender. Before each block the driver sets the location
// to the block's start and fills the input buffers with the selection's audio there
// (silence past its end); rendered output goes, window by window, to a RenderSink, or is
// kept whole for Rendered(). Windows cover the selection from its start; the last may
// reach past its end. A failing read of the selection's source, or a sink's failure,
// ends the pass with that exception.
// [offline-thread]: the thread that drives it.

#include <cstdint>
#include <string>
#include <vector>

#include "aax/AAX_IACFHostProcessor.h"
#include "aax/ACFPtr.h"
#include "aaxhost/SelectionDelegate.h"
#include "aaxhost/SimulatedController.h"

namespace aaxhost {

struct PassResult {
    AAX_Result begin = AAX_SUCCESS;  // PreAnalyze or PreRender
    std::vector<AAX_Result> blocks;  // AnalyzeAudio or RenderAudio, per window
    AAX_Result end = AAX_SUCCESS;    // PostAnalyze or PostRender
    bool Succeeded() const noexcept;
};

// Takes a render pass's output in order, a window at a time. [offline-thread]
class RenderSink {
public:
    virtual ~RenderSink() = default;
    // `length` rendered samples of each output channel from `position`, within the
    // selection; may throw to end the pass.
    virtual void Take(std::int64_t position, std::int32_t length, const float* const* channels) = 0;
};

class OfflineDriver {
public:
    // Takes over `processor` (std::invalid_argument when empty); `controller` and
    // `selection` are borrowed and must outlive the driver.
    OfflineDriver(ACFPtr<AAX_IACFHostProcessor> processor, SimulatedController& controller,
                  SelectionDelegate& selection);
    // Uninitialize when Initialize ran; the controller stops offering the delegate.
    ~OfflineDriver();
    OfflineDriver(const OfflineDriver&) = delete;
    OfflineDriver& operator=(const OfflineDriver&) = delete;

    AAX_Result Initialize();
    // InitOutputBounds over the whole selection, 0 to its length.
    AAX_Result InitOutputBounds(std::int64_t* outDestinationStart = nullptr, std::int64_t* outDestinationEnd = nullptr);

    // `window` samples per block, at least 1 (std::invalid_argument otherwise).
    PassResult Analyze(std::int32_t window);
    // `outputCount` output channels; 0 means as many as the selection has. The output is
    // kept for Rendered().
    PassResult Render(std::int32_t window, std::int32_t outputCount = 0);
    // The same, the output going to `sink` instead; Rendered() is left empty.
    PassResult Render(std::int32_t window, std::int32_t outputCount, RenderSink& sink);

    // The suffix the processor gives the rendered clip's name (at most `maxLength`
    // characters), through the processor's V2 interface; AAX_ERROR_UNIMPLEMENTED when it
    // does not offer V2, otherwise its result. `outSuffix` changes only on success.
    AAX_Result ClipNameSuffix(std::int32_t maxLength, std::string* outSuffix) const;

    // The last render: outputCount channels of the selection's length.
    const std::vector<std::vector<float>>& Rendered() const noexcept { return rendered_; }
    AAX_IACFHostProcessor* Processor() const noexcept { return processor_.Get(); }

private:
    // Fills the input buffers with `window` samples of the selection from `position`.
    void FillInputs(std::int64_t position, std::int32_t window);
    PassResult RenderInto(std::int32_t window, std::int32_t outputCount, RenderSink& sink);
    void PrepareBuffers(std::int32_t window, std::int32_t outputCount);

    ACFPtr<AAX_IACFHostProcessor> processor_;
    SimulatedController& controller_;
    SelectionDelegate& selection_;
    bool initialized_ = false;
    std::vector<std::vector<float>> inputs_;
    std::vector<std::vector<float>> outputs_;
    std::vector<float*> inputPointers_;
    std::vector<float*> outputPointers_;
    std::vector<std::vector<float>> rendered_;
};

}  // namespace aaxhost
