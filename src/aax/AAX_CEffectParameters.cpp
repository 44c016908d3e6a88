#include "aax/AAX_CEffectParameters.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "aax/AAX_CatchAll.h"
#include "aax/AAX_VAutomationDelegate.h"
#include "aax/AAX_VController.h"
#include "aax/AAX_VTransport.h"

namespace {

// `text` cut to `maxLength` bytes; whole for a length of 0 or less.
std::string CutTo(const char* text, std::int32_t maxLength) {
    std::string cut(text != nullptr ? text : "");
    if (maxLength > 0 && cut.size() > static_cast<std::size_t>(maxLength))
        cut.resize(static_cast<std::size_t>(maxLength));
    return cut;
}

// The longest line of `name` that fits in `length` bytes; the name cut when none fits.
std::string NameOfLength(const std::string& name, std::int32_t length) {
    if (length <= 0) return "";
    const std::size_t limit = static_cast<std::size_t>(length);
    std::string best;
    std::size_t start = 0;
    while (start <= name.size()) {
        const std::size_t end = std::min(name.find('\n', start), name.size());
        const std::size_t size = end - start;
        if (size <= limit && size > best.size()) best = name.substr(start, size);
        start = end + 1;
    }
    return best.empty() ? name.substr(0, std::min(limit, name.find('\n'))) : best;
}

}  // namespace

AAX_CEffectParameters::AAX_CEffectParameters() = default;

AAX_CEffectParameters::~AAX_CEffectParameters() { DropHostObjects(); }

void AAX_CEffectParameters::DropHostObjects() noexcept {
    parameterManager_.RemoveAllParameters();  // they unregister while the delegate lives
    parameterManager_.SetAutomationDelegate(nullptr);
    transport_.reset();
    automationDelegate_.reset();
    controller_.reset();
}

AAX_Result AAX_CEffectParameters::Initialize(IACFUnknown* controller) noexcept {
    if (controller == nullptr) return AAX_ERROR_NOT_INITIALIZED;
    return AAX::CatchAll([&]() -> AAX_Result {
        controller_ = std::make_unique<AAX_VController>(controller);
        automationDelegate_ = std::make_unique<AAX_VAutomationDelegate>(controller);
        transport_ = std::make_unique<AAX_VTransport>(controller);
        if (!transport_->IsValid()) transport_.reset();
        parameterManager_.SetAutomationDelegate(automationDelegate_->IsValid() ? automationDelegate_.get() : nullptr);
        return EffectInit();
    });
}

AAX_Result AAX_CEffectParameters::Uninitialize() noexcept {
    DropHostObjects();
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

AAX_Result AAX_CEffectParameters::GetParameterValueString(AAX_CParamID identifier, AAX_IString* outText,
                                                          std::int32_t maxLength) noexcept {
    if (outText == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    const AAX_IParameter* parameter = parameterManager_.GetParameterByID(identifier);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    return AAX::CatchAll([&]() -> AAX_Result {
        AAX_CString text;
        parameter->GetValueString(&text);
        outText->Set(CutTo(text.Get(), maxLength).c_str());
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::GetParameterStringFromValue(AAX_CParamID identifier, double value,
                                                              AAX_IString* outText, std::int32_t maxLength) noexcept {
    if (outText == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    const AAX_IParameter* parameter = parameterManager_.GetParameterByID(identifier);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    return AAX::CatchAll([&]() -> AAX_Result {
        AAX_CString text;
        if (!parameter->GetNormalizedValueString(value, &text)) return AAX_ERROR_INVALID_STRING_CONVERSION;
        outText->Set(CutTo(text.Get(), maxLength).c_str());
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::GetParameterValueFromString(AAX_CParamID identifier, double* outValue,
                                                              const AAX_IString& text) noexcept {
    if (outValue == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    const AAX_IParameter* parameter = parameterManager_.GetParameterByID(identifier);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    return AAX::CatchAll([&]() -> AAX_Result {
        return parameter->GetNormalizedValueFromString(text.Get(), outValue) ? AAX_SUCCESS
                                                                             : AAX_ERROR_INVALID_STRING_CONVERSION;
    });
}

AAX_Result AAX_CEffectParameters::GetParameterNameOfLength(AAX_CParamID identifier, AAX_IString* outName,
                                                           std::int32_t length) noexcept {
    if (outName == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    const AAX_IParameter* parameter = parameterManager_.GetParameterByID(identifier);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    return AAX::CatchAll([&]() -> AAX_Result {
        outName->Set(NameOfLength(parameter->Name().Get(), length).c_str());
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::SetParameterDefaultNormalizedValue(AAX_CParamID identifier, double value) noexcept {
    AAX_IParameter* parameter = parameterManager_.GetParameterByID(identifier);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    parameter->SetNormalizedDefaultValue(value);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterOrientation(AAX_CParamID identifier,
                                                          AAX_EParameterOrientation* outOrientation) noexcept {
    if (outOrientation == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    if (parameterManager_.GetParameterByID(identifier) == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    *outOrientation = AAX_eParameterOrientation_Default;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameter(AAX_CParamID identifier, AAX_IParameter** outParameter) noexcept {
    if (outParameter == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    *outParameter = parameterManager_.GetParameterByID(identifier);
    return *outParameter != nullptr ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAX_CEffectParameters::GetParameterValueInfo(AAX_CParamID, std::int32_t, std::int32_t* outValue) noexcept {
    if (outValue == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    *outValue = 0;
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::SetParameterNormalizedRelative(AAX_CParamID identifier, double delta) noexcept {
    double current = 0.0;
    const AAX_Result result = GetParameterNormalizedValue(identifier, &current);
    if (result != AAX_SUCCESS) return result;
    return SetParameterNormalizedValue(identifier, std::clamp(current + delta, 0.0, 1.0));
}

AAX_Result AAX_CEffectParameters::UpdateParameterNormalizedRelative(AAX_CParamID identifier, double delta) noexcept {
    double current = 0.0;
    const AAX_Result result = GetParameterNormalizedValue(identifier, &current);
    if (result != AAX_SUCCESS) return result;
    return UpdateParameterNormalizedValue(identifier, std::clamp(current + delta, 0.0, 1.0),
                                          AAX_eUpdateSource_Unspecified);
}

AAX_Result AAX_CEffectParameters::TouchParameter(AAX_CParamID identifier) noexcept {
    AAX_IParameter* parameter = parameterManager_.GetParameterByID(identifier);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    parameter->Touch();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::ReleaseParameter(AAX_CParamID identifier) noexcept {
    AAX_IParameter* parameter = parameterManager_.GetParameterByID(identifier);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    parameter->Release();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::UpdateParameterTouch(AAX_CParamID, AAX_CBoolean) noexcept { return AAX_SUCCESS; }

AAX_Result AAX_CEffectParameters::GenerateCoefficients() noexcept { return AAX_SUCCESS; }

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

AAX_Result AAX_CEffectParameters::TimerWakeup() noexcept { return AAX_SUCCESS; }

AAX_Result AAX_CEffectParameters::GetCurveData(AAX_CTypeID, const float*, std::uint32_t, float*) noexcept {
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::GetCustomData(AAX_CTypeID, std::uint32_t, void*, std::uint32_t* outWritten) noexcept {
    if (outWritten != nullptr) *outWritten = 0;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::SetCustomData(AAX_CTypeID, std::uint32_t, const void*) noexcept {
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::DoMIDITransfers() noexcept { return AAX_SUCCESS; }

AAX_Result AAX_CEffectParameters::RenderAudio_Hybrid(AAX_SHybridRenderInfo*) noexcept {
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::UpdateMIDINodes(AAX_CFieldIndex, AAX_CMidiPacket&) noexcept { return AAX_SUCCESS; }

AAX_Result AAX_CEffectParameters::UpdateControlMIDINodes(AAX_CTypeID, AAX_CMidiPacket&) noexcept { return AAX_SUCCESS; }

AAX_Result AAX_CEffectParameters::GetCurveDataMeterIds(AAX_CTypeID, std::uint32_t*, std::uint32_t*) noexcept {
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::GetCurveDataDisplayRange(AAX_CTypeID, float*, float*, float*, float*) noexcept {
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::UpdatePageTable(std::uint32_t, std::int32_t, IACFUnknown*, IACFUnknown*) noexcept {
    return AAX_SUCCESS;
}

AAX_IController* AAX_CEffectParameters::Controller() const noexcept { return controller_.get(); }

AAX_IAutomationDelegate* AAX_CEffectParameters::AutomationDelegate() const noexcept {
    return automationDelegate_.get();
}

AAX_ITransport* AAX_CEffectParameters::Transport() const noexcept { return transport_.get(); }

AAX_Result AAX_CEffectParameters::EffectInit() { return AAX_SUCCESS; }
