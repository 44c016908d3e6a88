#pragma once
// AAX_IACFController (and _V2 to _V5): the host's side of one plug-in instance,
// implemented by the host. It is the IACFUnknown the host passes to Initialize of the
// instance's effect parameters, editor and offline processor; the module queries it
// for IID_IAAXControllerV1..V5, and on the same object for the transport
// (IID_IAAXTransportV1..V5, IID_IAAXTransportControlV1), the automation delegate
// (IID_IAAXAutomationDelegateV1), the instance's effect parameters
// (IID_IAAXEffectParametersV1..) and, for an offline processor, its delegate. Each
// version extends the one before; the slot order is the host's.
//
// Texts are borrowed for the call. [any-thread] unless a method says otherwise.

#include <cstdint>

#include "aax/AAX.h"
#include "aax/AAX_Enums.h"
#include "aax/AAX_IString.h"
#include "aax/AAX_MIDI.h"
#include "aax/AAX_StemFormat.h"
#include "aax/AAX_UIDs.h"
#include "aax/acfunknown.h"

// Host clock values: time of day and transport counter, in samples.
using AAX_CTimeOfDay = std::int64_t;
using AAX_CTransportCounter = std::int64_t;
// Where the instance runs (AAX_eTargetPlatform_...).
using AAX_CTargetPlatform = std::int32_t;
// Identifies one instance, and the group of instances it belongs to, in the session.
using AAX_CInstanceID = std::uint32_t;
using AAX_CInstanceGroupID = std::uint64_t;

class AAX_IACFController : public IACFUnknown {
public:
    // The effect's ID (AAX_eProperty..., the effect ID string).
    virtual AAX_Result GetEffectID(AAX_IString* outEffectID) noexcept = 0;
    virtual AAX_Result GetSampleRate(AAX_CSampleRate* outRate) noexcept = 0;
    // The instance's main input and output layouts. Also [audio-thread].
    virtual AAX_Result GetInputStemFormat(AAX_EStemFormat* outFormat) noexcept = 0;
    virtual AAX_Result GetOutputStemFormat(AAX_EStemFormat* outFormat) noexcept = 0;
    // The latency the instance reported, in samples.
    virtual AAX_Result GetSignalLatency(std::int32_t* outSamples) noexcept = 0;
    // DSP cycle counts of the instance (a property such as AAX_eProperty_TI_...).
    virtual AAX_Result GetCycleCount(AAX_EProperty which, AAX_CPropertyValue* outCycles) noexcept = 0;
    // The host's time of day at the current block.
    virtual AAX_Result GetTODLocation(AAX_CTimeOfDay* outLocation) noexcept = 0;
    // Reports the instance's latency; the host compensates for it.
    virtual AAX_Result SetSignalLatency(std::int32_t samples) noexcept = 0;
    virtual AAX_Result SetCycleCount(AAX_EProperty* which, AAX_CPropertyValue* values, std::int32_t count) noexcept = 0;
    // A coefficient packet for a private-data field of the instance context.
    virtual AAX_Result PostPacket(AAX_CFieldIndex field, const void* payload, std::uint32_t size) noexcept = 0;
    // Meters of the instance.
    virtual AAX_Result GetCurrentMeterValue(AAX_CTypeID meterID, float* outValue) noexcept = 0;
    virtual AAX_Result GetMeterPeakValue(AAX_CTypeID meterID, float* outValue) noexcept = 0;
    virtual AAX_Result ClearMeterPeakValue(AAX_CTypeID meterID) noexcept = 0;
    virtual AAX_Result GetMeterClipped(AAX_CTypeID meterID, AAX_CBoolean* outClipped) noexcept = 0;
    virtual AAX_Result ClearMeterClipped(AAX_CTypeID meterID) noexcept = 0;
    virtual AAX_Result GetMeterCount(std::uint32_t* outCount) noexcept = 0;
    // The next packet the instance's MIDI output nodes sent.
    virtual AAX_Result GetNextMIDIPacket(AAX_CFieldIndex* outPort, AAX_CMidiPacket* outPacket) noexcept = 0;

protected:
    ~AAX_IACFController() = default;
};

class AAX_IACFController_V2 : public AAX_IACFController {
public:
    // A notification from the instance to the host (AAX_ENotificationEvent), data borrowed.
    virtual AAX_Result SendNotification(AAX_CTypeID type, const void* data, std::uint32_t size) noexcept = 0;
    virtual AAX_Result GetHybridSignalLatency(std::int32_t* outSamples) noexcept = 0;
    virtual AAX_Result GetCurrentAutomationTimestamp(AAX_CTransportCounter* outTimestamp) noexcept = 0;
    // The host application's name with its version, e.g. "Pro Tools 2023.6.0".
    virtual AAX_Result GetHostName(AAX_IString* outName) noexcept = 0;

protected:
    ~AAX_IACFController_V2() = default;
};

class AAX_IACFController_V3 : public AAX_IACFController_V2 {
public:
    virtual AAX_Result GetPlugInTargetPlatform(AAX_CTargetPlatform* outPlatform) noexcept = 0;
    virtual AAX_Result GetIsAudioSuite(AAX_CBoolean* outIsAudioSuite) noexcept = 0;

protected:
    ~AAX_IACFController_V3() = default;
};

class AAX_IACFController_V4 : public AAX_IACFController_V3 {
public:
    virtual AAX_Result GetInstanceGroupID(AAX_CInstanceGroupID* outGroupID) noexcept = 0;

protected:
    ~AAX_IACFController_V4() = default;
};

class AAX_IACFController_V5 : public AAX_IACFController_V4 {
public:
    // `subscriber` (borrowed) receives notifications of `type` through NotificationReceived.
    virtual AAX_Result RegisterForNotification(AAX_CTypeID type, const IACFUnknown* subscriber) noexcept = 0;
    virtual AAX_Result GetInstanceID(AAX_CInstanceID* outInstanceID) noexcept = 0;

protected:
    ~AAX_IACFController_V5() = default;
};
