#pragma once
// AAX_CEffectParameters: the base of an effect's parameters object. It keeps the
// effect's parameters in a parameter manager and answers the host's parameter calls
// from it (all four interface versions); an effect derives from it, adds its parameters
// in EffectInit and replaces the operations it needs.
//
// Lifecycle: construction (by the factory), Initialize(controller): the controller, the
// host's automation delegate and, when the host offers one, the transport are kept; the
// parameters are registered with the delegate; then EffectInit runs. Uninitialize
// drops all of it (parameters unregister first); the host's last Release destroys the
// object. Every host-facing operation is noexcept: an exception from EffectInit turns
// into AAX_ERROR_UNKNOWN_EXCEPTION, and an override must catch its own.
//
// Base behaviours:
// - parameter queries and normalised get and set by identifier or position, out of
//   the manager; SetParameterNormalizedValue (and the relative form) is a request to the
//   host (AAX_IParameter); TouchParameter / ReleaseParameter post the edit to the host;
// - UpdateParameterNormalizedValue stores the value in the parameter and counts one
//   change; the relative form adds to the current value, clamped to [0, 1];
// - texts: display texts cut to the length the host asks for (no cut for 0 or less);
//   a name of a given length is the longest of the name's lines that fits, else the
//   name cut; a text to value goes through the parameter's display delegate;
// - GetMasterBypassParameter: the empty text (no bypass parameter);
// - orientation: the default for every parameter; value info: 0, AAX_ERROR_UNIMPLEMENTED;
// - NotificationReceived, UpdateParameterTouch, GenerateCoefficients, TimerWakeup,
//   SetCustomData, DoMIDITransfers, UpdateMIDINodes, UpdateControlMIDINodes,
//   UpdatePageTable: nothing, AAX_SUCCESS; GetCustomData: 0 bytes written;
//   GetCurveData and its meter IDs and ranges, RenderAudio_Hybrid: AAX_ERROR_UNIMPLEMENTED;
// - ResetFieldData: zero-fills the block;
// - chunks: none (0 chunks; any index AAX_ERROR_INVALID_CHUNK_INDEX, any ID
//   AAX_ERROR_INVALID_CHUNK_ID, a compare reports "equal" with AAX_ERROR_INVALID_CHUNK_ID).
// Threads as AAX_IACFEffectParameters says; the object takes no lock.

#include <cstdint>
#include <memory>

#include "aax/AAX_CParameterManager.h"
#include "aax/AAX_IAutomationDelegate.h"
#include "aax/AAX_IController.h"
#include "aax/AAX_IEffectParameters.h"
#include "aax/AAX_ITransport.h"

class AAX_VAutomationDelegate;
class AAX_VController;
class AAX_VTransport;

class AAX_CEffectParameters : public AAX_IEffectParameters {
public:
    AAX_CEffectParameters();
    ~AAX_CEffectParameters() override;

    AAX_Result Initialize(IACFUnknown* controller) noexcept override;
    AAX_Result Uninitialize() noexcept override;
    AAX_Result NotificationReceived(AAX_CTypeID type, const void* data, std::uint32_t size) noexcept override;

    AAX_Result GetNumberOfParameters(std::int32_t* outCount) noexcept override;
    AAX_Result GetMasterBypassParameter(AAX_IString* outIdentifier) noexcept override;
    AAX_Result GetParameterIsAutomatable(AAX_CParamID identifier, AAX_CBoolean* outAutomatable) noexcept override;
    AAX_Result GetParameterNumberOfSteps(AAX_CParamID identifier, std::int32_t* outSteps) noexcept override;
    AAX_Result GetParameterName(AAX_CParamID identifier, AAX_IString* outName) noexcept override;
    AAX_Result GetParameterNameOfLength(AAX_CParamID identifier, AAX_IString* outName,
                                        std::int32_t length) noexcept override;
    AAX_Result GetParameterDefaultNormalizedValue(AAX_CParamID identifier, double* outValue) noexcept override;
    AAX_Result SetParameterDefaultNormalizedValue(AAX_CParamID identifier, double value) noexcept override;
    AAX_Result GetParameterType(AAX_CParamID identifier, AAX_EParameterType* outType) noexcept override;
    AAX_Result GetParameterOrientation(AAX_CParamID identifier,
                                       AAX_EParameterOrientation* outOrientation) noexcept override;
    AAX_Result GetParameter(AAX_CParamID identifier, AAX_IParameter** outParameter) noexcept override;
    AAX_Result GetParameterIndex(AAX_CParamID identifier, std::int32_t* outIndex) noexcept override;
    AAX_Result GetParameterIDFromIndex(std::int32_t index, AAX_IString* outIdentifier) noexcept override;
    AAX_Result GetParameterValueInfo(AAX_CParamID identifier, std::int32_t selector,
                                     std::int32_t* outValue) noexcept override;
    AAX_Result GetParameterValueFromString(AAX_CParamID identifier, double* outValue,
                                           const AAX_IString& text) noexcept override;
    AAX_Result GetParameterStringFromValue(AAX_CParamID identifier, double value, AAX_IString* outText,
                                           std::int32_t maxLength) noexcept override;
    AAX_Result GetParameterValueString(AAX_CParamID identifier, AAX_IString* outText,
                                       std::int32_t maxLength) noexcept override;
    AAX_Result GetParameterNormalizedValue(AAX_CParamID identifier, double* outValue) noexcept override;
    AAX_Result SetParameterNormalizedValue(AAX_CParamID identifier, double value) noexcept override;
    AAX_Result SetParameterNormalizedRelative(AAX_CParamID identifier, double delta) noexcept override;
    AAX_Result TouchParameter(AAX_CParamID identifier) noexcept override;
    AAX_Result ReleaseParameter(AAX_CParamID identifier) noexcept override;
    AAX_Result UpdateParameterTouch(AAX_CParamID identifier, AAX_CBoolean touched) noexcept override;
    AAX_Result UpdateParameterNormalizedValue(AAX_CParamID identifier, double value,
                                              AAX_EUpdateSource source) noexcept override;
    AAX_Result UpdateParameterNormalizedRelative(AAX_CParamID identifier, double delta) noexcept override;
    AAX_Result GenerateCoefficients() noexcept override;
    AAX_Result ResetFieldData(AAX_CFieldIndex field, void* data, std::uint32_t size) noexcept override;

    AAX_Result GetNumberOfChunks(std::int32_t* outCount) noexcept override;
    AAX_Result GetChunkIDFromIndex(std::int32_t index, AAX_CTypeID* outChunkID) noexcept override;
    AAX_Result GetChunkSize(AAX_CTypeID chunkID, std::uint32_t* outSize) noexcept override;
    AAX_Result GetChunk(AAX_CTypeID chunkID, AAX_SPlugInChunk* outChunk) noexcept override;
    AAX_Result SetChunk(AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk) noexcept override;
    AAX_Result CompareActiveChunk(const AAX_SPlugInChunk* chunk, AAX_CBoolean* outIsEqual) noexcept override;
    AAX_Result GetNumberOfChanges(std::int32_t* outChanges) noexcept override;

    AAX_Result TimerWakeup() noexcept override;
    AAX_Result GetCurveData(AAX_CTypeID curveType, const float* values, std::uint32_t count,
                            float* outValues) noexcept override;
    AAX_Result GetCustomData(AAX_CTypeID blockID, std::uint32_t size, void* outData,
                             std::uint32_t* outWritten) noexcept override;
    AAX_Result SetCustomData(AAX_CTypeID blockID, std::uint32_t size, const void* data) noexcept override;
    AAX_Result DoMIDITransfers() noexcept override;

    AAX_Result RenderAudio_Hybrid(AAX_SHybridRenderInfo* renderInfo) noexcept override;
    AAX_Result UpdateMIDINodes(AAX_CFieldIndex field, AAX_CMidiPacket& packet) noexcept override;
    AAX_Result UpdateControlMIDINodes(AAX_CTypeID nodeID, AAX_CMidiPacket& packet) noexcept override;

    AAX_Result GetCurveDataMeterIds(AAX_CTypeID curveType, std::uint32_t* outXMeterID,
                                    std::uint32_t* outYMeterID) noexcept override;
    AAX_Result GetCurveDataDisplayRange(AAX_CTypeID curveType, float* outXMin, float* outXMax, float* outYMin,
                                        float* outYMax) noexcept override;

    AAX_Result UpdatePageTable(std::uint32_t tableType, std::int32_t tablePageSize, IACFUnknown* host,
                               IACFUnknown* pageTable) noexcept override;

    // The instance's controller, automation delegate and transport between Initialize
    // and Uninitialize; null otherwise, and the transport null when the host offers
    // none. Owned by this object. [any-thread]
    AAX_IController* Controller() const noexcept;
    AAX_IAutomationDelegate* AutomationDelegate() const noexcept;
    AAX_ITransport* Transport() const noexcept;
    // The same transport as its concrete class, whose host interfaces the render reads.
    const AAX_VTransport* HostTransport() const noexcept { return transport_.get(); }

protected:
    // Runs once at the end of Initialize, with the controller attached: the effect adds
    // its parameters here. Its result is Initialize's. [ui-thread]
    virtual AAX_Result EffectInit();

    AAX_CParameterManager& ParameterManager() noexcept { return parameterManager_; }
    const AAX_CParameterManager& ParameterManager() const noexcept { return parameterManager_; }

private:
    void DropHostObjects() noexcept;

    AAX_CParameterManager parameterManager_;
    std::unique_ptr<AAX_VController> controller_;
    std::unique_ptr<AAX_VAutomationDelegate> automationDelegate_;
    std::unique_ptr<AAX_VTransport> transport_;
    std::int32_t numberOfChanges_ = 0;
};
