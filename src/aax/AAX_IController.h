#pragma once
// AAX_IController: the module's view of the host's side of one instance (see
// AAX_IACFController for what each call means and on which threads). The effect
// parameters object, the editor and the offline processor each keep one from
// Initialize to Uninitialize. Module-side only: it never crosses to the host.

#include <cstdint>

#include "aax/AAX.h"
#include "aax/AAX_IString.h"
#include "aax/AAX_StemFormat.h"

class AAX_IController {
public:
    virtual ~AAX_IController() = default;

    virtual AAX_Result GetEffectID(AAX_IString* outEffectID) const = 0;
    virtual AAX_Result GetSampleRate(AAX_CSampleRate* outRate) const = 0;
    virtual AAX_Result GetInputStemFormat(AAX_EStemFormat* outFormat) const = 0;
    virtual AAX_Result GetOutputStemFormat(AAX_EStemFormat* outFormat) const = 0;
    virtual AAX_Result GetSignalLatency(std::int32_t* outSamples) const = 0;
    virtual AAX_Result SetSignalLatency(std::int32_t samples) = 0;
    virtual AAX_Result SendNotification(AAX_CTypeID type, const void* data, std::uint32_t size) = 0;
    virtual AAX_Result GetHostName(AAX_IString* outName) const = 0;
    virtual AAX_Result GetIsAudioSuite(bool* outIsAudioSuite) const = 0;
};
