#pragma once
// HostProcessor: the AudioSuite (offline) processor of one instance. The host makes one
// per processing run (CreateHostProcessor), initialises it with the instance's
// controller and drives passes over the selection:
//   PreAnalyze, AnalyzeAudio per window, PostAnalyze  - the core analyses the audio;
//   PreRender, RenderAudio per window, PostRender     - the core processes it.
// Each pass tells the core the selection's length (once per pass), its channel
// configuration, where the timeline's time code starts and that it runs offline, and
// brackets its blocks with phase events. A render first pulls the core's latency worth
// of audio ahead of the location (the pre-roll), so that the rendered output lines up
// with the selection; an analysis ends by feeding the core its tail as silence.
//
// The processor also asks the host for a new analysis (the delegate's ForceAnalyze)
// whenever the core says its result has changed (the instance's ChangeSignal); the
// connection ends with the processor.
//
// Threads: every host call on the host's offline thread [offline-thread]; the
// ForceAnalyze slot runs on the core's thread [core-thread] and only calls the host's
// delegate. Buffers are sized in PreAnalyze; after PreRender and PreAnalyze the blocks
// take no lock and allocate nothing.

#include <cstdint>
#include <memory>
#include <vector>

#include "aax/AAX_CHostProcessor.h"
#include "aax/AAX_VTransport.h"
#include "util/Trackable.h"

class Parameters;

// Core notification events (selector 42) of an offline pass.
constexpr std::uint32_t kCoreEventAnalysisStarts = 0x4460002;
constexpr std::uint32_t kCoreEventAnalysisEnds = 0x4460003;
constexpr std::uint32_t kCoreEventRenderStarts = 0x4460004;
constexpr std::uint32_t kCoreEventRenderEnds = 0x4460005;
// The timeline's time-code start in samples; the count travels in the pointer field.
constexpr std::uint32_t kCoreEventTimecodeOffset = 0x4460FADE;

class HostProcessor : public AAX_CHostProcessor, public Util::Trackable {
public:
    HostProcessor();
    ~HostProcessor() override;

    // Creates the transport wrapper, runs the base, then connects to the instance's
    // ChangeSignal. AAX_ERROR_NULL_OBJECT without this module's effect parameters object.
    AAX_Result Initialize(IACFUnknown* controller) noexcept override;
    // The base's, and the instance is forgotten.
    AAX_Result Uninitialize() noexcept override;

    AAX_Result PreAnalyze(std::int32_t inputCount, std::int32_t windowSize) noexcept override;
    // Hands the window's audio to the core; the location is the host's to advance.
    // AAX_ERROR_UNIMPLEMENTED for a negative window, or more channels or a longer
    // window than PreAnalyze prepared for.
    AAX_Result AnalyzeAudio(const float* const inputs[], std::int32_t inputCount,
                            std::int32_t* ioWindowSize) noexcept override;
    AAX_Result PostAnalyze() noexcept override;

    // A preview loop that is already running keeps its pass: nothing is sent.
    AAX_Result PreRender(std::int32_t inputCount, std::int32_t outputCount, std::int32_t windowSize) noexcept override;
    // AAX_ERROR_UNIMPLEMENTED for a negative window, an output count other than the
    // configuration's channel count (2 is also taken for Mono), or a latency the host
    // cannot give.
    AAX_Result RenderAudio(const float* const inputs[], std::int32_t inputCount, float* const outputs[],
                           std::int32_t outputCount, std::int32_t* ioWindowSize) noexcept override;
    AAX_Result PostRender() noexcept override;

    // ---- State, for tests ----
    bool Primed() const noexcept { return primed_; }
    std::int64_t SelectionStart() const noexcept { return selectionStart_; }
    std::int64_t SelectionLength() const noexcept { return selectionLength_; }
    bool LengthSent() const noexcept { return lengthSent_; }

private:
    void SendSelectionLength();
    // Reconfigures the core for `inputCount` channels when its configuration differs;
    // false when the sample rate cannot be read.
    bool ConfigureFor(std::int32_t inputCount);
    void ReadSelectionStart();
    void SendTimecodeOffset();
    void SetTransportPosition();
    // The offline block path: bypass delay lines, core order, the block unless the
    // hook bypasses the core.
    void HandOver(float* const* outputs, std::uint32_t outputCount, std::uint32_t samples);
    // Pulls `samples` at `location` into `inputs` and copies them to every output from
    // sample `at` on; returns what the host delivered.
    std::int32_t Pull(const float* const inputs[], std::int32_t inputCount, float* const outputs[],
                      std::int32_t outputCount, std::int64_t location, std::int32_t samples, std::int32_t at = 0);

    Parameters* instance_ = nullptr;  // the host's effect parameters object, between Initialize and Uninitialize
    bool primed_ = false;
    std::vector<float> analysisBuffer_;
    std::vector<float*> analysisChannels_;
    std::int32_t analysisWindow_ = 0;  // samples per analysis channel
    std::unique_ptr<AAX_VTransport> transport_;
    std::int64_t selectionStart_ = 0;
    std::int64_t selectionLength_ = 0;
    bool lengthSent_ = false;
};
