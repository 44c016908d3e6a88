#pragma once
// EffectInstance: one plug-in instance as a host holds it: the effect parameters object
// (made by the effect's factory, or built directly by a test in the same process),
// the SimulatedController it is initialised with and, when offered, the
// SimulatedTransport. Editors and offline processors of the instance are initialised
// with the same controller (Controller()), and must be released before the instance.
//
// Teardown: Uninitialize when Initialize ran, then the controller lets go of the
// object, then the instance's own reference goes. [ui-thread]

#include <memory>
#include <string>
#include <vector>

#include "aax/AAX_IACFEffectParameters.h"
#include "aaxhost/PackageDescription.h"
#include "aaxhost/SimulatedController.h"
#include "aaxhost/SimulatedTransport.h"

namespace aaxhost {

// The most bytes of a parameter's display text the host asks for.
inline constexpr std::int32_t kDisplayTextLength = 255;

struct InstanceSetup {
    AAX_CSampleRate sampleRate = 48000.0f;
    AAX_EStemFormat inputStemFormat = AAX_eStemFormat_Stereo;
    AAX_EStemFormat outputStemFormat = AAX_eStemFormat_Stereo;
    std::string hostName = "Pro Tools 2023.6.0";
    bool offerTransport = true;
};
// The default setup with the stem formats the component declares (properties 51, 52).
InstanceSetup SetupFor(const ComponentDescription& component);

class EffectInstance {
public:
    // Takes over one reference to `parameters`; throws std::invalid_argument when it is empty.
    explicit EffectInstance(ACFPtr<AAX_IACFEffectParameters> parameters, const InstanceSetup& setup = {});
    ~EffectInstance();
    EffectInstance(const EffectInstance&) = delete;
    EffectInstance& operator=(const EffectInstance&) = delete;

    // Initialize(controller) on the object; its result.
    AAX_Result Initialize();
    // Uninitialize on the object when Initialize ran; its result (AAX_SUCCESS otherwise).
    AAX_Result Uninitialize();

    AAX_IACFEffectParameters* Parameters() const noexcept { return parameters_.Get(); }
    SimulatedController& Controller() const noexcept { return *controller_.Get(); }
    // Null when the setup offered no transport.
    SimulatedTransport* Transport() const noexcept { return transport_.Get(); }

    // The host's user changes a parameter: SetParameterNormalizedValue, which the module
    // turns into a value request (and the controller into the echo).
    AAX_Result SetParameter(const char* parameterID, double normalizedValue);
    // The host's automation plays a value: UpdateParameterNormalizedValue.
    AAX_Result Automate(const char* parameterID, double normalizedValue,
                        AAX_EUpdateSource source = AAX_eUpdateSource_Unspecified);
    // The object's current normalised value; NaN when it refuses.
    double NormalizedValue(const char* parameterID) const;

    std::vector<AutomationEvent> Automation() const { return controller_->Automation(); }

private:
    ACFPtr<AAX_IACFEffectParameters> parameters_;
    ACFPtr<SimulatedController> controller_;
    ACFPtr<SimulatedTransport> transport_;
    bool initialized_ = false;
};

// An instance of `effect` made through its effect parameters factory, set up for its
// first component; null when the factory is missing or makes nothing.
std::unique_ptr<EffectInstance> CreateEffectInstance(const EffectDescription& effect);
std::unique_ptr<EffectInstance> CreateEffectInstance(const EffectDescription& effect, const InstanceSetup& setup);

}  // namespace aaxhost
