#pragma once
// AAX_IACFEffectParameters: the effect parameters object of one instance as the host
// calls it. Made by the effect's kAAX_ProcPtrID_Create_EffectParameters factory,
// initialised with the instance's controller, released by the host at the end.
//
// Parameters are named by identifier (borrowed for the call) or by position; values
// cross as normalised doubles in [0, 1]. Out pointers must not be null
// (AAX_ERROR_NULL_ARGUMENT); unknown identifiers or positions give
// AAX_ERROR_INVALID_PARAMETER_ID. The host calls one object from one thread at a time.

#include <cstdint>

#include "aax/AAX.h"
#include "aax/AAX_Enums.h"
#include "aax/AAX_IString.h"
#include "aax/AAX_SPlugInChunk.h"
#include "aax/AAX_UIDs.h"
#include "aax/acfunknown.h"

class AAX_IACFEffectParameters : public IACFUnknown {
public:
    // `controller` answers IID_IAAXControllerV1 (borrowed; the object keeps its own
    // reference until Uninitialize). Null gives AAX_ERROR_NOT_INITIALIZED. [ui-thread]
    virtual AAX_Result Initialize(IACFUnknown* controller) noexcept = 0;
    // Drops the controller and the parameters. [ui-thread]
    virtual AAX_Result Uninitialize() noexcept = 0;
    // An AAX_ENotificationEvent (or another code) with its data, borrowed. [ui-thread]
    virtual AAX_Result NotificationReceived(AAX_CTypeID type, const void* data, std::uint32_t size) noexcept = 0;

    // [ui-thread]
    virtual AAX_Result GetNumberOfParameters(std::int32_t* outCount) noexcept = 0;
    // The identifier of the parameter that bypasses the effect; empty when there is none.
    virtual AAX_Result GetMasterBypassParameter(AAX_IString* outIdentifier) noexcept = 0;
    // -1 and AAX_ERROR_INVALID_PARAMETER_ID for an unknown identifier.
    virtual AAX_Result GetParameterIndex(AAX_CParamID identifier, std::int32_t* outIndex) noexcept = 0;
    virtual AAX_Result GetParameterIDFromIndex(std::int32_t index, AAX_IString* outIdentifier) noexcept = 0;
    virtual AAX_Result GetParameterName(AAX_CParamID identifier, AAX_IString* outName) noexcept = 0;
    virtual AAX_Result GetParameterIsAutomatable(AAX_CParamID identifier, AAX_CBoolean* outAutomatable) noexcept = 0;
    virtual AAX_Result GetParameterNumberOfSteps(AAX_CParamID identifier, std::int32_t* outSteps) noexcept = 0;
    virtual AAX_Result GetParameterType(AAX_CParamID identifier, AAX_EParameterType* outType) noexcept = 0;
    virtual AAX_Result GetParameterNormalizedValue(AAX_CParamID identifier, double* outValue) noexcept = 0;
    virtual AAX_Result GetParameterDefaultNormalizedValue(AAX_CParamID identifier, double* outValue) noexcept = 0;
    // A change the host's user makes: goes through the host's automation like any edit.
    virtual AAX_Result SetParameterNormalizedValue(AAX_CParamID identifier, double value) noexcept = 0;
    // Display text of the current value, and of any normalised value.
    virtual AAX_Result GetParameterValueString(AAX_CParamID identifier, AAX_IString* outText) noexcept = 0;
    virtual AAX_Result GetParameterStringFromValue(AAX_CParamID identifier, double value,
                                                   AAX_IString* outText) noexcept = 0;
    // How many values the host has stored through UpdateParameterNormalizedValue: the
    // host compares counts to see whether the instance changed.
    virtual AAX_Result GetNumberOfChanges(std::int32_t* outChanges) noexcept = 0;
    // The host's value for a parameter: automation, or the answer to the module's own
    // request (AAX_IACFController). [ui-thread] or the host's automation thread
    virtual AAX_Result UpdateParameterNormalizedValue(AAX_CParamID identifier, double value,
                                                      AAX_EUpdateSource source) noexcept = 0;

    // Fills the private-data block of a new instance context (`size` bytes, owned by
    // the host) before the process procedure first sees it. [ui-thread]
    virtual AAX_Result ResetFieldData(AAX_CFieldIndex field, void* data, std::uint32_t size) noexcept = 0;

    // State: the chunks the object saves, by index and by ID. The host asks for a
    // chunk's size and hands GetChunk a buffer that large (see AAX_SPlugInChunk).
    // [ui-thread]
    virtual AAX_Result GetNumberOfChunks(std::int32_t* outCount) noexcept = 0;
    virtual AAX_Result GetChunkIDFromIndex(std::int32_t index, AAX_CTypeID* outChunkID) noexcept = 0;
    virtual AAX_Result GetChunkSize(AAX_CTypeID chunkID, std::uint32_t* outSize) noexcept = 0;
    virtual AAX_Result GetChunk(AAX_CTypeID chunkID, AAX_SPlugInChunk* outChunk) noexcept = 0;
    virtual AAX_Result SetChunk(AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk) noexcept = 0;
    // *outIsEqual: whether the chunk equals the object's current state.
    virtual AAX_Result CompareActiveChunk(const AAX_SPlugInChunk* chunk, AAX_CBoolean* outIsEqual) noexcept = 0;

protected:
    ~AAX_IACFEffectParameters() = default;
};

