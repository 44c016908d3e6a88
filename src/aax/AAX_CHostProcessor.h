#pragma once
// AAX_CHostProcessor: the base of an effect's offline processor. It keeps what the host
// gives it and the selection's bounds and location. Base behaviour, slot by slot:
//
//   3  Initialize(controller)  null: AAX_ERROR_NOT_INITIALIZED. Otherwise keeps the
//                              controller, the host-processor delegate and the instance's
//                              effect parameters object (the controller's answers to the
//                              delegate's and IID_IAAXEffectParametersV1; each null when not
//                              offered); AAX_SUCCESS.
//   4  Uninitialize            releases them; AAX_SUCCESS.
//   5  InitOutputBounds        a null out pointer: AAX_ERROR_NULL_ARGUMENT, nothing recorded.
//                              Records the source bounds, asks TranslateOutputBounds for the
//                              destination bounds, records and writes them; its result.
//   6  SetLocation             location := sample; AAX_SUCCESS.
//   7  RenderAudio, 10 AnalyzeAudio: AAX_ERROR_UNIMPLEMENTED: a processor must override
//                              the passes it runs.
//   8  PreRender, 9 PostRender, 11 PreAnalyze, 12 PostAnalyze: AAX_SUCCESS.
//   13 GetClipNameSuffix       AAX_ERROR_UNIMPLEMENTED (V2).
//   14 TranslateOutputBounds   destination := source; AAX_SUCCESS.
//   15 GetAudio                the delegate's GetAudio at that location: AAX_ERROR_NULL_OBJECT
//                              without a delegate, AAX_ERROR_NULL_ARGUMENT for a null count.
//   16 GetSideChainInputNum    the delegate's; 0 without one.
// Every slot, Initialize and Uninitialize included: [offline-thread].

#include <cstdint>
#include <memory>

#include "aax/AAX_IController.h"
#include "aax/AAX_IEffectParameters.h"
#include "aax/AAX_IHostProcessor.h"
#include "aax/AAX_IHostProcessorDelegate.h"
#include "aax/ACFPtr.h"

class AAX_VController;
class AAX_VHostProcessorDelegate;

class AAX_CHostProcessor : public AAX_IHostProcessor {
public:
    AAX_CHostProcessor();

    AAX_Result Initialize(IACFUnknown* controller) noexcept override;
    AAX_Result Uninitialize() noexcept override;
    AAX_Result InitOutputBounds(std::int64_t sourceStart, std::int64_t sourceEnd, std::int64_t* outDestinationStart,
                                std::int64_t* outDestinationEnd) noexcept override;
    AAX_Result SetLocation(std::int64_t sample) noexcept override;
    AAX_Result RenderAudio(const float* const inputs[], std::int32_t inputCount, float* const outputs[],
                           std::int32_t outputCount, std::int32_t* ioWindowSize) noexcept override;
    AAX_Result PreRender(std::int32_t inputCount, std::int32_t outputCount, std::int32_t windowSize) noexcept override;
    AAX_Result PostRender() noexcept override;
    AAX_Result AnalyzeAudio(const float* const inputs[], std::int32_t inputCount,
                            std::int32_t* ioWindowSize) noexcept override;
    AAX_Result PreAnalyze(std::int32_t inputCount, std::int32_t windowSize) noexcept override;
    AAX_Result PostAnalyze() noexcept override;
    AAX_Result GetClipNameSuffix(std::int32_t maxLength, AAX_IString* outSuffix) noexcept override;

    virtual AAX_Result TranslateOutputBounds(std::int64_t sourceStart, std::int64_t sourceEnd,
                                             std::int64_t& destinationStart, std::int64_t& destinationEnd);
    virtual AAX_Result GetAudio(const float* const inputs[], std::int32_t inputCount, std::int64_t location,
                                std::int32_t* ioSamples);
    virtual std::int32_t GetSideChainInputNum();

    ~AAX_CHostProcessor() override;

    // What the host gave; null when absent. Owned (or referenced) by this object.
    AAX_IController* Controller() const noexcept;
    AAX_IHostProcessorDelegate* HostProcessorDelegate() const noexcept;
    // The instance's effect parameters object: this module's own, as the host made it
    // with the effect's factory, so a derived processor may convert it to its class.
    AAX_IEffectParameters* EffectParameters() const noexcept;

    std::int64_t SourceStart() const noexcept { return sourceStart_; }
    std::int64_t SourceEnd() const noexcept { return sourceEnd_; }
    std::int64_t DestinationStart() const noexcept { return destinationStart_; }
    std::int64_t DestinationEnd() const noexcept { return destinationEnd_; }
    std::int64_t Location() const noexcept { return location_; }

private:
    std::unique_ptr<AAX_VController> controller_;
    std::unique_ptr<AAX_VHostProcessorDelegate> delegate_;
    ACFPtr<AAX_IACFEffectParameters> effectParameters_;
    std::int64_t sourceStart_ = 0;
    std::int64_t sourceEnd_ = 0;
    std::int64_t destinationStart_ = 0;
    std::int64_t destinationEnd_ = 0;
    std::int64_t location_ = 0;
};
