#include "aaxhost/SimulatedController.h"

#include "aax/AAX_CatchAll.h"

#include <atomic>
#include <cstring>

namespace aaxhost {
namespace {

// An added reference for a member ACFPtr.
template <class Interface>
ACFPtr<Interface> Keep(Interface* object) {
    if (object != nullptr) object->AddRef();
    return ACFPtr<Interface>(object);
}

// Instance IDs as a session hands them out: unique within the process, from 1.
AAX_CInstanceID NextInstanceID() noexcept {
    static std::atomic<AAX_CInstanceID> next{1};
    return next.fetch_add(1);
}

template <std::size_t N>
bool IsOneOf(const acfIID& iid, const acfIID (&ids)[N]) noexcept {
    for (const acfIID& id : ids)
        if (iid == id) return true;
    return false;
}

constexpr acfIID kTransportIIDs[] = {IID_IAAXTransportV1, IID_IAAXTransportV2, IID_IAAXTransportV3, IID_IAAXTransportV4,
                                     IID_IAAXTransportV5};
constexpr acfIID kEffectParametersIIDs[] = {IID_IAAXEffectParametersV1, IID_IAAXEffectParametersV2,
                                            IID_IAAXEffectParametersV3, IID_IAAXEffectParametersV4};
constexpr acfIID kHostProcessorDelegateIIDs[] = {IID_IAAXHostProcessorDelegateV1, IID_IAAXHostProcessorDelegateV2,
                                                 IID_IAAXHostProcessorDelegateV3};

}  // namespace

SimulatedController::SimulatedController()
    : instanceID_(NextInstanceID()),
      automation_(MakeHostObject<SimulatedAutomationDelegate>()),
      factory_(MakeHostObject<HostComponentFactory>()) {}

SimulatedController::~SimulatedController() = default;

void SimulatedController::SetSampleRate(AAX_CSampleRate rate) {
    std::lock_guard<std::mutex> lock(mutex_);
    sampleRate_ = rate;
}

void SimulatedController::SetStemFormats(AAX_EStemFormat input, AAX_EStemFormat output) {
    std::lock_guard<std::mutex> lock(mutex_);
    inputStemFormat_ = input;
    outputStemFormat_ = output;
}

void SimulatedController::SetHostName(const std::string& name) {
    std::lock_guard<std::mutex> lock(mutex_);
    hostName_ = name;
}

void SimulatedController::SetHostNameResult(AAX_Result result) {
    std::lock_guard<std::mutex> lock(mutex_);
    hostNameResult_ = result;
}

void SimulatedController::SetEffectID(const std::string& effectID) {
    std::lock_guard<std::mutex> lock(mutex_);
    effectID_ = effectID;
}

void SimulatedController::SetIsAudioSuite(bool isAudioSuite) {
    std::lock_guard<std::mutex> lock(mutex_);
    isAudioSuite_ = isAudioSuite;
}

void SimulatedController::SetEffectParameters(AAX_IACFEffectParameters* parameters) {
    automation_->SetEffectParameters(parameters);
    ACFPtr<AAX_IACFEffectParameters> kept = Keep(parameters);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        std::swap(parameters_, kept);
    }
    // The old reference goes outside the lock: its release may run the module's code.
}

void SimulatedController::SetTransport(AAX_IACFTransport* transport) {
    ACFPtr<AAX_IACFTransport> kept = Keep(transport);
    std::lock_guard<std::mutex> lock(mutex_);
    std::swap(transport_, kept);
}

void SimulatedController::SetHostProcessorDelegate(AAX_IACFHostProcessorDelegate* delegate) {
    ACFPtr<AAX_IACFHostProcessorDelegate> kept = Keep(delegate);
    std::lock_guard<std::mutex> lock(mutex_);
    std::swap(delegate_, kept);
}

void SimulatedController::SetEchoValueRequests(bool echo) { automation_->SetEchoValueRequests(echo); }

std::vector<std::int32_t> SimulatedController::LatencyReports() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return latencyReports_;
}

std::vector<SentNotification> SimulatedController::Notifications() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return notifications_;
}

AAX_Result SimulatedController::GetEffectID(AAX_IString* outEffectID) noexcept {
    if (outEffectID == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::string effectID;
    const AAX_Result copied = AAX::CatchAll([&]() -> AAX_Result {
        std::lock_guard<std::mutex> lock(mutex_);
        effectID = effectID_;
        return AAX_SUCCESS;
    });
    if (copied != AAX_SUCCESS) return copied;
    outEffectID->Set(effectID.c_str());
    return AAX_SUCCESS;
}

AAX_Result SimulatedController::GetSampleRate(AAX_CSampleRate* outRate) noexcept {
    if (outRate == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::lock_guard<std::mutex> lock(mutex_);
    *outRate = sampleRate_;
    return AAX_SUCCESS;
}

AAX_Result SimulatedController::GetInputStemFormat(AAX_EStemFormat* outFormat) noexcept {
    if (outFormat == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::lock_guard<std::mutex> lock(mutex_);
    *outFormat = inputStemFormat_;
    return AAX_SUCCESS;
}

AAX_Result SimulatedController::GetOutputStemFormat(AAX_EStemFormat* outFormat) noexcept {
    if (outFormat == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::lock_guard<std::mutex> lock(mutex_);
    *outFormat = outputStemFormat_;
    return AAX_SUCCESS;
}

AAX_Result SimulatedController::GetSignalLatency(std::int32_t* outSamples) noexcept {
    if (outSamples == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::lock_guard<std::mutex> lock(mutex_);
    *outSamples = latency_;
    return AAX_SUCCESS;
}

AAX_Result SimulatedController::GetCycleCount(AAX_EProperty, AAX_CPropertyValue*) noexcept {
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result SimulatedController::GetTODLocation(AAX_CTimeOfDay*) noexcept { return AAX_ERROR_UNIMPLEMENTED; }

AAX_Result SimulatedController::SetSignalLatency(std::int32_t samples) noexcept {
    return AAX::CatchAll([&]() -> AAX_Result {
        std::lock_guard<std::mutex> lock(mutex_);
        latencyReports_.push_back(samples);
        latency_ = samples;
        return AAX_SUCCESS;
    });
}

AAX_Result SimulatedController::SetCycleCount(AAX_EProperty*, AAX_CPropertyValue*, std::int32_t) noexcept {
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result SimulatedController::PostPacket(AAX_CFieldIndex, const void*, std::uint32_t) noexcept {
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result SimulatedController::GetCurrentMeterValue(AAX_CTypeID, float*) noexcept { return AAX_ERROR_UNIMPLEMENTED; }

AAX_Result SimulatedController::GetMeterPeakValue(AAX_CTypeID, float*) noexcept { return AAX_ERROR_UNIMPLEMENTED; }

AAX_Result SimulatedController::ClearMeterPeakValue(AAX_CTypeID) noexcept { return AAX_ERROR_UNIMPLEMENTED; }

AAX_Result SimulatedController::GetMeterClipped(AAX_CTypeID, AAX_CBoolean*) noexcept { return AAX_ERROR_UNIMPLEMENTED; }

AAX_Result SimulatedController::ClearMeterClipped(AAX_CTypeID) noexcept { return AAX_ERROR_UNIMPLEMENTED; }

AAX_Result SimulatedController::GetMeterCount(std::uint32_t* outCount) noexcept {
    if (outCount == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    *outCount = 0;
    return AAX_SUCCESS;
}

AAX_Result SimulatedController::GetNextMIDIPacket(AAX_CFieldIndex*, AAX_CMidiPacket*) noexcept {
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result SimulatedController::SendNotification(AAX_CTypeID type, const void* data, std::uint32_t size) noexcept {
    if (data == nullptr && size != 0) return AAX_ERROR_NULL_ARGUMENT;
    return AAX::CatchAll([&]() -> AAX_Result {
        SentNotification sent{type, {}};
        if (size != 0) {
            const auto* bytes = static_cast<const unsigned char*>(data);
            sent.data.assign(bytes, bytes + size);
        }
        std::lock_guard<std::mutex> lock(mutex_);
        notifications_.push_back(std::move(sent));
        return AAX_SUCCESS;
    });
}

AAX_Result SimulatedController::GetHybridSignalLatency(std::int32_t* outSamples) noexcept {
    if (outSamples == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    *outSamples = 0;  // no hybrid processing here
    return AAX_SUCCESS;
}

AAX_Result SimulatedController::GetCurrentAutomationTimestamp(AAX_CTransportCounter* outTimestamp) noexcept {
    if (outTimestamp == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    *outTimestamp = 0;
    return AAX_SUCCESS;
}

AAX_Result SimulatedController::GetHostName(AAX_IString* outName) noexcept {
    if (outName == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::string name;
    AAX_Result result = AAX_SUCCESS;
    const AAX_Result copied = AAX::CatchAll([&]() -> AAX_Result {
        std::lock_guard<std::mutex> lock(mutex_);
        name = hostName_;
        result = hostNameResult_;
        return AAX_SUCCESS;
    });
    if (copied != AAX_SUCCESS) return copied;
    if (result == AAX_SUCCESS) outName->Set(name.c_str());
    return result;
}

AAX_Result SimulatedController::GetPlugInTargetPlatform(AAX_CTargetPlatform* outPlatform) noexcept {
    if (outPlatform == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    *outPlatform = 1;  // native: the instance runs on the host's processor
    return AAX_SUCCESS;
}

AAX_Result SimulatedController::GetIsAudioSuite(AAX_CBoolean* outIsAudioSuite) noexcept {
    if (outIsAudioSuite == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::lock_guard<std::mutex> lock(mutex_);
    *outIsAudioSuite = isAudioSuite_ ? 1 : 0;
    return AAX_SUCCESS;
}

AAX_Result SimulatedController::GetInstanceGroupID(AAX_CInstanceGroupID* outGroupID) noexcept {
    if (outGroupID == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    *outGroupID = 0;  // every instance stands alone
    return AAX_SUCCESS;
}

AAX_Result SimulatedController::RegisterForNotification(AAX_CTypeID, const IACFUnknown* subscriber) noexcept {
    return subscriber != nullptr ? AAX_SUCCESS : AAX_ERROR_NULL_ARGUMENT;
}

AAX_Result SimulatedController::GetInstanceID(AAX_CInstanceID* outInstanceID) noexcept {
    if (outInstanceID == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    *outInstanceID = instanceID_;
    return AAX_SUCCESS;
}

acfResult SimulatedController::QueryOtherInterface(const acfIID& iid, void** out) noexcept {
    if (iid == IID_IAAXAutomationDelegateV1) return QueryObject(automation_->AsInterface(), iid, out);
    if (iid == IID_IACFComponentFactory) return QueryObject(factory_->AsInterface(), iid, out);
    IACFUnknown* object = nullptr;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (IsOneOf(iid, kTransportIIDs)) object = transport_.Get();
        if (IsOneOf(iid, kEffectParametersIIDs)) object = parameters_.Get();
        if (IsOneOf(iid, kHostProcessorDelegateIIDs)) object = delegate_.Get();
        if (object != nullptr) object->AddRef();
    }
    // The query runs outside the lock: it may run the module's code.
    const ACFPtr<IACFUnknown> held(object);
    if (object != nullptr) return QueryObject(object, iid, out);
    return ACF_E_NOINTERFACE;
}

}  // namespace aaxhost
