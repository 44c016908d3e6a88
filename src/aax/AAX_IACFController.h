#pragma once
// AAX_IACFController: the host's side of one plug-in instance, implemented by the
// host. It is the IACFUnknown the host passes to Initialize of the instance's effect
// parameters, editor and offline processor. The same object answers QueryInterface for
// IID_IAAXTransportV1 when the host offers a transport, and, for an offline
// processor, for IID_IAAXHostProcessorDelegateV1.
//
// Automation: the module never changes a parameter behind the host's back. An edit is
// TouchParameter, any number of RequestParameterValue, then ReleaseParameter; the host
// records them and answers each accepted value with UpdateParameterNormalizedValue on
// the effect parameters object (synchronously or later; the module relies on neither).
// Texts are borrowed for the call.

#include <cstdint>

#include "aax/AAX.h"
#include "aax/AAX_IString.h"
#include "aax/AAX_StemFormat.h"
#include "aax/AAX_UIDs.h"
#include "aax/acfunknown.h"

class AAX_IACFController : public IACFUnknown {
public:
    // [any-thread]
    virtual AAX_Result GetSampleRate(AAX_CSampleRate* outRate) noexcept = 0;
    // The instance's main input and output layouts. [any-thread], also [audio-thread]
    virtual AAX_Result GetInputStemFormat(AAX_EStemFormat* outFormat) noexcept = 0;
    virtual AAX_Result GetOutputStemFormat(AAX_EStemFormat* outFormat) noexcept = 0;
    // The latency the instance reported, in samples. [any-thread]
    virtual AAX_Result GetSignalLatency(std::int32_t* outSamples) noexcept = 0;
    // Reports the instance's latency; the host compensates for it. [any-thread]
    virtual AAX_Result SetSignalLatency(std::int32_t samples) noexcept = 0;
    // The host application's name with its version, e.g. "Pro Tools 2023.6.0". [any-thread]
    virtual AAX_Result GetHostName(AAX_IString* outName) noexcept = 0;
    // The instance's effect parameters object (made by its kAAX_ProcPtrID_Create_EffectParameters
    // factory); an added reference. [ui-thread]
    virtual AAX_Result GetEffectParameters(IACFUnknown** outParameters) noexcept = 0;
    // An edit of one parameter begins. [any-thread]
    virtual AAX_Result TouchParameter(AAX_CParamID parameterID) noexcept = 0;
    // Asks the host to set a parameter to a normalised value in [0, 1]. [any-thread]
    virtual AAX_Result RequestParameterValue(AAX_CParamID parameterID, double normalizedValue) noexcept = 0;
    // The edit ends. [any-thread]
    virtual AAX_Result ReleaseParameter(AAX_CParamID parameterID) noexcept = 0;

protected:
    ~AAX_IACFController() = default;
};

