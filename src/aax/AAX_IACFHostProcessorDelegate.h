#pragma once
// AAX_IACFHostProcessorDelegate, _V2, _V3: the host's side of an offline (AudioSuite)
// run, implemented by the host and reached by querying the controller passed to the
// processor's Initialize (the newest version first). [offline-thread] unless stated.

#include <cstdint>

#include "aax/AAX.h"
#include "aax/AAX_UIDs.h"
#include "aax/acfunknown.h"

class AAX_IACFHostProcessorDelegate : public IACFUnknown {
public:
    // Reads the selection's audio at `location` (samples from the selection start) into
    // the host's own input buffers, the ones it passed to RenderAudio or AnalyzeAudio:
    // `inputs` holds `inputCount` of them. *ioSamples asks for a count and returns the
    // count read, which may be smaller at the end of the selection.
    virtual AAX_Result GetAudio(const float* const inputs[], std::int32_t inputCount, std::int64_t location,
                                std::int32_t* ioSamples) noexcept = 0;
    // The index of the side-chain input among the inputs, or 0 when there is none.
    virtual std::int32_t GetSideChainInputNum() noexcept = 0;

protected:
    ~AAX_IACFHostProcessorDelegate() = default;
};

class AAX_IACFHostProcessorDelegate_V2 : public AAX_IACFHostProcessorDelegate {
public:
    // Asks the host to run the analysis pass again. [any-thread]
    virtual AAX_Result ForceAnalyze() noexcept = 0;

protected:
    ~AAX_IACFHostProcessorDelegate_V2() = default;
};

class AAX_IACFHostProcessorDelegate_V3 : public AAX_IACFHostProcessorDelegate_V2 {
public:
    // Asks the host to run the render pass again. [any-thread]
    virtual AAX_Result ForceProcess() noexcept = 0;

protected:
    ~AAX_IACFHostProcessorDelegate_V3() = default;
};
