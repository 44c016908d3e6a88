#pragma once
// AAX_IACFEffectParameters (and _V2, _V3, _V4): the effect parameters object of one
// instance as the host calls it. Made by the effect's kAAX_ProcPtrID_Create_EffectParameters
// factory, initialised with the instance's controller, released by the host at the end.
// Each version extends the one before; the host finds them by IID_IAAXEffectParametersV1..V4.
// The slot order below is the host's: never reorder, insert or drop a method.
//
// Parameters are named by identifier (borrowed for the call) or by position; values
// cross as normalised doubles in [0, 1]. Out pointers must not be null
// (AAX_ERROR_NULL_ARGUMENT); unknown identifiers or positions give
// AAX_ERROR_INVALID_PARAMETER_ID. Texts are AAX_IString objects the caller owns. The
// host calls one object from one thread at a time: [ui-thread] unless a method says so.

#include <cstddef>
#include <cstdint>

#include "aax/AAX.h"
#include "aax/AAX_Enums.h"
#include "aax/AAX_IString.h"
#include "aax/AAX_MIDI.h"
#include "aax/AAX_SPlugInChunk.h"
#include "aax/AAX_UIDs.h"
#include "aax/acfunknown.h"

class AAX_IParameter;

// A clock value of the hybrid render path, in samples.
using AAX_CTimestamp = std::int64_t;

class AAX_IACFEffectParameters : public IACFUnknown {
public:
    // `controller` answers the controller, transport and automation-delegate interfaces
    // (borrowed; the object keeps its own references until Uninitialize). Null gives
    // AAX_ERROR_NOT_INITIALIZED.
    virtual AAX_Result Initialize(IACFUnknown* controller) noexcept = 0;
    // Drops the controller and the parameters.
    virtual AAX_Result Uninitialize() noexcept = 0;
    // An AAX_ENotificationEvent (or another code) with its data, borrowed.
    virtual AAX_Result NotificationReceived(AAX_CTypeID type, const void* data, std::uint32_t size) noexcept = 0;

    virtual AAX_Result GetNumberOfParameters(std::int32_t* outCount) noexcept = 0;
    // The identifier of the parameter that bypasses the effect; empty when there is none.
    virtual AAX_Result GetMasterBypassParameter(AAX_IString* outIdentifier) noexcept = 0;
    virtual AAX_Result GetParameterIsAutomatable(AAX_CParamID identifier, AAX_CBoolean* outAutomatable) noexcept = 0;
    virtual AAX_Result GetParameterNumberOfSteps(AAX_CParamID identifier, std::int32_t* outSteps) noexcept = 0;
    virtual AAX_Result GetParameterName(AAX_CParamID identifier, AAX_IString* outName) noexcept = 0;
    // The longest name of the parameter that fits in `length` bytes.
    virtual AAX_Result GetParameterNameOfLength(AAX_CParamID identifier, AAX_IString* outName,
                                                std::int32_t length) noexcept = 0;
    virtual AAX_Result GetParameterDefaultNormalizedValue(AAX_CParamID identifier, double* outValue) noexcept = 0;
    virtual AAX_Result SetParameterDefaultNormalizedValue(AAX_CParamID identifier, double value) noexcept = 0;
    virtual AAX_Result GetParameterType(AAX_CParamID identifier, AAX_EParameterType* outType) noexcept = 0;
    virtual AAX_Result GetParameterOrientation(AAX_CParamID identifier,
                                               AAX_EParameterOrientation* outOrientation) noexcept = 0;
    // The module's own parameter object; only meaningful to code inside the module.
    virtual AAX_Result GetParameter(AAX_CParamID identifier, AAX_IParameter** outParameter) noexcept = 0;
    // -1 and AAX_ERROR_INVALID_PARAMETER_ID for an unknown identifier.
    virtual AAX_Result GetParameterIndex(AAX_CParamID identifier, std::int32_t* outIndex) noexcept = 0;
    virtual AAX_Result GetParameterIDFromIndex(std::int32_t index, AAX_IString* outIdentifier) noexcept = 0;
    // Control-surface details of a parameter (AAX_EParameterValueInfoSelector).
    virtual AAX_Result GetParameterValueInfo(AAX_CParamID identifier, std::int32_t selector,
                                             std::int32_t* outValue) noexcept = 0;
    // Display text to normalised value, and back; texts at most `maxLength` bytes.
    virtual AAX_Result GetParameterValueFromString(AAX_CParamID identifier, double* outValue,
                                                   const AAX_IString& text) noexcept = 0;
    virtual AAX_Result GetParameterStringFromValue(AAX_CParamID identifier, double value, AAX_IString* outText,
                                                   std::int32_t maxLength) noexcept = 0;
    virtual AAX_Result GetParameterValueString(AAX_CParamID identifier, AAX_IString* outText,
                                               std::int32_t maxLength) noexcept = 0;
    virtual AAX_Result GetParameterNormalizedValue(AAX_CParamID identifier, double* outValue) noexcept = 0;
    // Changes the host's user makes: they go through the host's automation like any edit.
    virtual AAX_Result SetParameterNormalizedValue(AAX_CParamID identifier, double value) noexcept = 0;
    virtual AAX_Result SetParameterNormalizedRelative(AAX_CParamID identifier, double delta) noexcept = 0;
    // An edit by the host's user begins / ends (the module posts them to the host).
    virtual AAX_Result TouchParameter(AAX_CParamID identifier) noexcept = 0;
    virtual AAX_Result ReleaseParameter(AAX_CParamID identifier) noexcept = 0;
    // The host tells the object a parameter's touch state changed.
    virtual AAX_Result UpdateParameterTouch(AAX_CParamID identifier, AAX_CBoolean touched) noexcept = 0;
    // The host's value for a parameter: automation, or the answer to the module's own
    // request (AAX_IACFAutomationDelegate). [ui-thread] or the host's automation thread
    virtual AAX_Result UpdateParameterNormalizedValue(AAX_CParamID identifier, double value,
                                                      AAX_EUpdateSource source) noexcept = 0;
    virtual AAX_Result UpdateParameterNormalizedRelative(AAX_CParamID identifier, double delta) noexcept = 0;
    // The host asks for coefficient packets of changed parameters.
    virtual AAX_Result GenerateCoefficients() noexcept = 0;
    // Fills the private-data block of a new instance context (`size` bytes, owned by
    // the host) before the process procedure first sees it.
    virtual AAX_Result ResetFieldData(AAX_CFieldIndex field, void* data, std::uint32_t size) noexcept = 0;

    // State: the chunks the object saves, by index and by ID. The host asks for a
    // chunk's size and hands GetChunk a buffer that large (see AAX_SPlugInChunk).
    virtual AAX_Result GetNumberOfChunks(std::int32_t* outCount) noexcept = 0;
    virtual AAX_Result GetChunkIDFromIndex(std::int32_t index, AAX_CTypeID* outChunkID) noexcept = 0;
    virtual AAX_Result GetChunkSize(AAX_CTypeID chunkID, std::uint32_t* outSize) noexcept = 0;
    virtual AAX_Result GetChunk(AAX_CTypeID chunkID, AAX_SPlugInChunk* outChunk) noexcept = 0;
    virtual AAX_Result SetChunk(AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk) noexcept = 0;
    // *outIsEqual: whether the chunk equals the object's current state.
    virtual AAX_Result CompareActiveChunk(const AAX_SPlugInChunk* chunk, AAX_CBoolean* outIsEqual) noexcept = 0;
    // How many values the host has stored through UpdateParameterNormalizedValue: the
    // host compares counts to see whether the instance changed.
    virtual AAX_Result GetNumberOfChanges(std::int32_t* outChanges) noexcept = 0;

    // Periodic idle call from the host.
    virtual AAX_Result TimerWakeup() noexcept = 0;
    // Display curves (EQ, dynamics): `count` inputs mapped to outputs.
    virtual AAX_Result GetCurveData(AAX_CTypeID curveType, const float* values, std::uint32_t count,
                                    float* outValues) noexcept = 0;
    // Opaque data blocks the host exchanges with the object.
    virtual AAX_Result GetCustomData(AAX_CTypeID blockID, std::uint32_t size, void* outData,
                                     std::uint32_t* outWritten) noexcept = 0;
    virtual AAX_Result SetCustomData(AAX_CTypeID blockID, std::uint32_t size, const void* data) noexcept = 0;
    // The host's moment to move MIDI between the object and its nodes.
    virtual AAX_Result DoMIDITransfers() noexcept = 0;

protected:
    ~AAX_IACFEffectParameters() = default;
};

// The buffers of one hybrid render call; every pointer is owned by the host.
struct AAX_SHybridRenderInfo {
    float** mAudioInputs;
    std::int32_t* mNumAudioInputs;
    float** mAudioOutputs;
    std::int32_t* mNumAudioOutputs;
    std::int32_t* mNumSamples;
    AAX_CTimestamp* mClock;
};
static_assert(sizeof(AAX_SHybridRenderInfo) == 48, "hybrid render record layout");
static_assert(offsetof(AAX_SHybridRenderInfo, mClock) == 40, "hybrid render record layout");

class AAX_IACFEffectParameters_V2 : public AAX_IACFEffectParameters {
public:
    // The host-side part of a hybrid (DSP plus host) effect. [audio-thread]
    virtual AAX_Result RenderAudio_Hybrid(AAX_SHybridRenderInfo* renderInfo) noexcept = 0;
    // A packet for one of the object's MIDI node fields, or for a control node.
    virtual AAX_Result UpdateMIDINodes(AAX_CFieldIndex field, AAX_CMidiPacket& packet) noexcept = 0;
    virtual AAX_Result UpdateControlMIDINodes(AAX_CTypeID nodeID, AAX_CMidiPacket& packet) noexcept = 0;

protected:
    ~AAX_IACFEffectParameters_V2() = default;
};

class AAX_IACFEffectParameters_V3 : public AAX_IACFEffectParameters_V2 {
public:
    // The meters and ranges a display curve is drawn with.
    virtual AAX_Result GetCurveDataMeterIds(AAX_CTypeID curveType, std::uint32_t* outXMeterID,
                                            std::uint32_t* outYMeterID) noexcept = 0;
    virtual AAX_Result GetCurveDataDisplayRange(AAX_CTypeID curveType, float* outXMin, float* outXMax, float* outYMin,
                                                float* outYMax) noexcept = 0;

protected:
    ~AAX_IACFEffectParameters_V3() = default;
};

class AAX_IACFEffectParameters_V4 : public AAX_IACFEffectParameters_V3 {
public:
    // Lets the object fill a control-surface page table the host holds (`pageTable`
    // answers IID_IAAXPageTableV1); `host` is the host's IACFUnknown.
    virtual AAX_Result UpdatePageTable(std::uint32_t tableType, std::int32_t tablePageSize, IACFUnknown* host,
                                       IACFUnknown* pageTable) noexcept = 0;

protected:
    ~AAX_IACFEffectParameters_V4() = default;
};
