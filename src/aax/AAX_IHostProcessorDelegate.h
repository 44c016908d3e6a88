#pragma once
// AAX_IHostProcessorDelegate: the module's view of the host's side of an offline run
// (see AAX_IACFHostProcessorDelegate and its versions). [offline-thread] unless stated.

#include <cstdint>

#include "aax/AAX.h"

class AAX_IHostProcessorDelegate {
public:
    virtual ~AAX_IHostProcessorDelegate() = default;

    virtual AAX_Result GetAudio(const float* const inputs[], std::int32_t inputCount, std::int64_t location,
                                std::int32_t* ioSamples) = 0;
    virtual std::int32_t GetSideChainInputNum() = 0;
    // [any-thread]
    virtual AAX_Result ForceAnalyze() = 0;
    // [any-thread]
    virtual AAX_Result ForceProcess() = 0;
};
