#include "aaxhost/EffectInstance.h"

#include <limits>
#include <stdexcept>
#include <utility>

#include "aaxhost/ObjectFactory.h"

namespace aaxhost {

InstanceSetup SetupFor(const ComponentDescription& component) {
    InstanceSetup setup;
    setup.inputStemFormat = component.InputStemFormat();
    setup.outputStemFormat = component.OutputStemFormat();
    return setup;
}

EffectInstance::EffectInstance(ACFPtr<AAX_IACFEffectParameters> parameters, const InstanceSetup& setup)
    : parameters_(std::move(parameters)), controller_(MakeHostObject<SimulatedController>()) {
    if (!parameters_) throw std::invalid_argument("an instance needs an effect parameters object");
    controller_->SetSampleRate(setup.sampleRate);
    controller_->SetStemFormats(setup.inputStemFormat, setup.outputStemFormat);
    controller_->SetHostName(setup.hostName);
    controller_->SetEffectParameters(parameters_.Get());
    if (setup.offerTransport) {
        transport_ = MakeHostObject<SimulatedTransport>();
        controller_->SetTransport(transport_->AsInterface());
    }
}

EffectInstance::~EffectInstance() {
    Uninitialize();
    controller_->SetEffectParameters(nullptr);
    controller_->SetTransport(nullptr);
    parameters_.Reset();
}

AAX_Result EffectInstance::Initialize() {
    const AAX_Result result = parameters_->Initialize(controller_->AsInterface());
    initialized_ = true;  // the object may hold the controller even after a failure
    return result;
}

AAX_Result EffectInstance::Uninitialize() {
    if (!initialized_) return AAX_SUCCESS;
    initialized_ = false;
    return parameters_->Uninitialize();
}

AAX_Result EffectInstance::SetParameter(const char* parameterID, double normalizedValue) {
    return parameters_->SetParameterNormalizedValue(parameterID, normalizedValue);
}

AAX_Result EffectInstance::Automate(const char* parameterID, double normalizedValue, AAX_EUpdateSource source) {
    return parameters_->UpdateParameterNormalizedValue(parameterID, normalizedValue, source);
}

double EffectInstance::NormalizedValue(const char* parameterID) const {
    double value = 0.0;
    if (parameters_->GetParameterNormalizedValue(parameterID, &value) != AAX_SUCCESS)
        return std::numeric_limits<double>::quiet_NaN();
    return value;
}

std::unique_ptr<EffectInstance> CreateEffectInstance(const EffectDescription& effect) {
    return CreateEffectInstance(effect,
                                effect.components.empty() ? InstanceSetup{} : SetupFor(effect.components.front()));
}

std::unique_ptr<EffectInstance> CreateEffectInstance(const EffectDescription& effect, const InstanceSetup& setup) {
    ACFPtr<AAX_IACFEffectParameters> parameters = CreateEffectParameters(effect);
    if (!parameters) return nullptr;
    return std::make_unique<EffectInstance>(std::move(parameters), setup);
}

}  // namespace aaxhost
