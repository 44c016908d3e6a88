#include "aax/AAX_CParameterManager.h"

#include <string_view>

AAX_CParameterManager::AAX_CParameterManager() = default;

AAX_CParameterManager::~AAX_CParameterManager() { RemoveAllParameters(); }

void AAX_CParameterManager::SetAutomationDelegate(AAX_IAutomationDelegate* delegate) {
    delegate_ = delegate;
    for (const auto& parameter : parameters_) parameter->SetAutomationDelegate(delegate);
}

AAX_Result AAX_CParameterManager::AddParameter(AAX_IParameter* parameter) {
    std::unique_ptr<AAX_IParameter> owned(parameter);
    if (!owned) return AAX_ERROR_NULL_OBJECT;
    std::string identifier = owned->Identifier() != nullptr ? owned->Identifier() : "";
    if (indexByID_.count(identifier) != 0) return AAX_ERROR_INVALID_PARAMETER_ID;
    parameters_.reserve(parameters_.size() + 1);  // so the push below cannot fail after the map entry
    indexByID_.emplace(std::move(identifier), static_cast<std::int32_t>(parameters_.size()));
    owned->SetAutomationDelegate(delegate_);
    parameters_.push_back(std::move(owned));
    return AAX_SUCCESS;
}

void AAX_CParameterManager::RemoveAllParameters() {
    indexByID_.clear();
    parameters_.clear();  // each parameter unregisters from the delegate as it goes
}

std::int32_t AAX_CParameterManager::NumParameters() const { return static_cast<std::int32_t>(parameters_.size()); }

AAX_IParameter* AAX_CParameterManager::GetParameterByID(AAX_CParamID identifier) {
    return GetParameter(GetParameterIndex(identifier));
}

const AAX_IParameter* AAX_CParameterManager::GetParameterByID(AAX_CParamID identifier) const {
    return GetParameter(GetParameterIndex(identifier));
}

AAX_IParameter* AAX_CParameterManager::GetParameter(std::int32_t index) {
    if (index < 0 || index >= NumParameters()) return nullptr;
    return parameters_[static_cast<std::size_t>(index)].get();
}

const AAX_IParameter* AAX_CParameterManager::GetParameter(std::int32_t index) const {
    if (index < 0 || index >= NumParameters()) return nullptr;
    return parameters_[static_cast<std::size_t>(index)].get();
}

std::int32_t AAX_CParameterManager::GetParameterIndex(AAX_CParamID identifier) const {
    if (identifier == nullptr) return -1;
    const auto found = indexByID_.find(std::string_view(identifier));
    return found != indexByID_.end() ? found->second : -1;
}
