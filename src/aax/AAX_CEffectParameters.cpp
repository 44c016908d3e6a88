#include "aax/AAX_CEffectParameters.h"

#include <cstring>

#include "aax/AAX_VController.h"
#include "aax/AAX_VTransport.h"

AAX_CEffectParameters::AAX_CEffectParameters() = default;

AAX_CEffectParameters::~AAX_CEffectParameters() { parameterManager_.SetController(nullptr); }

AAX_Result AAX_CEffectParameters::Initialize(IACFUnknown* controller) noexcept {
    if (controller == nullptr) return AAX_ERROR_NOT_INITIALIZED;
    try {
        controller_ = std::make_unique<AAX_VController>(controller);
        transport_ = std::make_unique<AAX_VTransport>(controller);
        if (!transport_->IsValid()) transport_.reset();
        parameterManager_.SetController(controller_.get());
        return EffectInit();
    } catch (...) {
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
}

AAX_Result AAX_CEffectParameters::Uninitialize() noexcept {
    parameterManager_.RemoveAllParameters();
    transport_.reset();
    controller_.reset();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::NotificationReceived(AAX_CTypeID, const void*, std::uint32_t) noexcept {
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetNumberOfParameters(std::int32_t* outCount) noexcept {
    if (outCount == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    *outCount = parameterManager_.NumParameters();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetMasterBypassParameter(AAX_IString* outIdentifier) noexcept {
    if (outIdentifier == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    outIdentifier->Set("");
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterIndex(AAX_CParamID identifier, std::int32_t* outIndex) noexcept {
    if (outIndex == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    *outIndex = parameterManager_.GetParameterIndex(identifier);
    return *outIndex >= 0 ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAX_CEffectParameters::GetParameterIDFromIndex(std::int32_t index, AAX_IString* outIdentifier) noexcept {
    if (outIdentifier == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    const AAX_IParameter* parameter = parameterManager_.GetParameter(index);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    outIdentifier->Set(parameter->Identifier());
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterName(AAX_CParamID identifier, AAX_IString* outName) noexcept {
    if (outName == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    const AAX_IParameter* parameter = parameterManager_.GetParameterByID(identifier);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    outName->Set(parameter->Name().Get());
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterIsAutomatable(AAX_CParamID identifier,
                                                            AAX_CBoolean* outAutomatable) noexcept {
    if (outAutomatable == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    const AAX_IParameter* parameter = parameterManager_.GetParameterByID(identifier);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    *outAutomatable = parameter->Automatable() ? 1 : 0;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterNumberOfSteps(AAX_CParamID identifier, std::int32_t* outSteps) noexcept {
    if (outSteps == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    const AAX_IParameter* parameter = parameterManager_.GetParameterByID(identifier);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    *outSteps = static_cast<std::int32_t>(parameter->GetNumberOfSteps());
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterType(AAX_CParamID identifier, AAX_EParameterType* outType) noexcept {
    if (outType == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    const AAX_IParameter* parameter = parameterManager_.GetParameterByID(identifier);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    *outType = parameter->GetType();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterNormalizedValue(AAX_CParamID identifier, double* outValue) noexcept {
    if (outValue == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    const AAX_IParameter* parameter = parameterManager_.GetParameterByID(identifier);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    *outValue = parameter->GetNormalizedValue();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterDefaultNormalizedValue(AAX_CParamID identifier,
                                                                     double* outValue) noexcept {
    if (outValue == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    const AAX_IParameter* parameter = parameterManager_.GetParameterByID(identifier);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    *outValue = parameter->GetNormalizedDefaultValue();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::SetParameterNormalizedValue(AAX_CParamID identifier, double value) noexcept {
    AAX_IParameter* parameter = parameterManager_.GetParameterByID(identifier);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    parameter->SetNormalizedValue(value);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterValueString(AAX_CParamID identifier, AAX_IString* outText) noexcept {
    if (outText == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    const AAX_IParameter* parameter = parameterManager_.GetParameterByID(identifier);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    try {
        AAX_CString text;
        parameter->GetValueString(&text);
        outText->Set(text.Get());
        return AAX_SUCCESS;
    } catch (...) {
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
}

AAX_Result AAX_CEffectParameters::GetParameterStringFromValue(AAX_CParamID identifier, double value,
                                                              AAX_IString* outText) noexcept {
    if (outText == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    const AAX_IParameter* parameter = parameterManager_.GetParameterByID(identifier);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    try {
        AAX_CString text;
        parameter->GetNormalizedValueString(value, &text);
        outText->Set(text.Get());
        return AAX_SUCCESS;
    } catch (...) {
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
}

AAX_Result AAX_CEffectParameters::GetNumberOfChanges(std::int32_t* outChanges) noexcept {
    if (outChanges == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    *outChanges = numberOfChanges_;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::UpdateParameterNormalizedValue(AAX_CParamID identifier, double value,
                                                                 AAX_EUpdateSource) noexcept {
    AAX_IParameter* parameter = parameterManager_.GetParameterByID(identifier);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    parameter->UpdateNormalizedValue(value);
    ++numberOfChanges_;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::ResetFieldData(AAX_CFieldIndex, void* data, std::uint32_t size) noexcept {
    if (data != nullptr && size != 0) std::memset(data, 0, size);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetNumberOfChunks(std::int32_t* outCount) noexcept {
    if (outCount == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    *outCount = 0;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetChunkIDFromIndex(std::int32_t, AAX_CTypeID* outChunkID) noexcept {
    if (outChunkID == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return AAX_ERROR_INVALID_CHUNK_INDEX;
}

AAX_Result AAX_CEffectParameters::GetChunkSize(AAX_CTypeID, std::uint32_t* outSize) noexcept {
    if (outSize == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return AAX_ERROR_INVALID_CHUNK_ID;
}

AAX_Result AAX_CEffectParameters::GetChunk(AAX_CTypeID, AAX_SPlugInChunk* outChunk) noexcept {
    if (outChunk == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return AAX_ERROR_INVALID_CHUNK_ID;
}

AAX_Result AAX_CEffectParameters::SetChunk(AAX_CTypeID, const AAX_SPlugInChunk* chunk) noexcept {
    if (chunk == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return AAX_ERROR_INVALID_CHUNK_ID;
}

AAX_Result AAX_CEffectParameters::CompareActiveChunk(const AAX_SPlugInChunk* chunk, AAX_CBoolean* outIsEqual) noexcept {
    if (chunk == nullptr || outIsEqual == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    *outIsEqual = 1;  // nothing this object saves can differ
    return AAX_ERROR_INVALID_CHUNK_ID;
}

AAX_IController* AAX_CEffectParameters::Controller() const noexcept { return controller_.get(); }

AAX_ITransport* AAX_CEffectParameters::Transport() const noexcept { return transport_.get(); }

AAX_Result AAX_CEffectParameters::EffectInit() { return AAX_SUCCESS; }
