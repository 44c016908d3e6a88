#pragma once
// AAX_IACFHostProcessor, AAX_IACFHostProcessor_V2: the offline (AudioSuite) processor of one instance as the
// host calls it. Made by the effect's kAAX_ProcPtrID_Create_HostProcessor factory for
// a processing run; the host initialises it, sets the selection's bounds, then runs
// passes: PreAnalyze, AnalyzeAudio..., PostAnalyze and PreRender, RenderAudio...,
// PostRender. Locations are in samples from the selection start. Slots 3 to 12 follow
// IACFUnknown's three in this order; V2 adds slot 13. [offline-thread]

#include <cstdint>

#include "aax/AAX.h"
#include "aax/AAX_IString.h"
#include "aax/AAX_UIDs.h"
#include "aax/acfunknown.h"

class AAX_IACFHostProcessor : public IACFUnknown {
public:
    // `controller` is the instance's controller (borrowed); it also answers
    // IID_IAAXEffectParametersV1 with the instance's effect parameters object and the
    // host-processor delegate's IDs with the delegate of this run.
    virtual AAX_Result Initialize(IACFUnknown* controller) noexcept = 0;
    virtual AAX_Result Uninitialize() noexcept = 0;
    // The selection's source bounds; the processor writes where its output goes.
    virtual AAX_Result InitOutputBounds(std::int64_t sourceStart, std::int64_t sourceEnd,
                                        std::int64_t* outDestinationStart,
                                        std::int64_t* outDestinationEnd) noexcept = 0;
    // Where the next block starts.
    virtual AAX_Result SetLocation(std::int64_t sample) noexcept = 0;
    // One block: `inputs` are the host's buffers (filled through the delegate's
    // GetAudio), `outputs` the host's buffers for the result; *ioWindowSize samples.
    virtual AAX_Result RenderAudio(const float* const inputs[], std::int32_t inputCount, float* const outputs[],
                                   std::int32_t outputCount, std::int32_t* ioWindowSize) noexcept = 0;
    virtual AAX_Result PreRender(std::int32_t inputCount, std::int32_t outputCount,
                                 std::int32_t windowSize) noexcept = 0;
    virtual AAX_Result PostRender() noexcept = 0;
    virtual AAX_Result AnalyzeAudio(const float* const inputs[], std::int32_t inputCount,
                                    std::int32_t* ioWindowSize) noexcept = 0;
    virtual AAX_Result PreAnalyze(std::int32_t inputCount, std::int32_t windowSize) noexcept = 0;
    virtual AAX_Result PostAnalyze() noexcept = 0;

protected:
    ~AAX_IACFHostProcessor() = default;
};

class AAX_IACFHostProcessor_V2 : public AAX_IACFHostProcessor {
public:
    // A suffix of at most `maxLength` characters for the name of the clip the render
    // makes; a failing result gives none.
    virtual AAX_Result GetClipNameSuffix(std::int32_t maxLength, AAX_IString* outSuffix) noexcept = 0;

protected:
    ~AAX_IACFHostProcessor_V2() = default;
};
