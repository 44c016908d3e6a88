#include "aax/AAX_VTransport.h"

namespace {

// One call on the host's transport of some version: a null out pointer or a missing
// version never reaches the host.
template <class Interface, class Call>
AAX_Result Forward(const ACFPtr<Interface>& version, AAX_Result missing, bool argumentsValid, Call call) {
    if (!argumentsValid) return AAX_ERROR_NULL_ARGUMENT;
    return version ? call(*version.Get()) : missing;
}

}  // namespace

AAX_VTransport::AAX_VTransport(IACFUnknown* controller) noexcept
    : transport_(ACFPtr<AAX_IACFTransport>::Query(controller, IID_IAAXTransportV1)),
      transportV2_(ACFPtr<AAX_IACFTransport_V2>::Query(controller, IID_IAAXTransportV2)),
      transportV3_(ACFPtr<AAX_IACFTransport_V3>::Query(controller, IID_IAAXTransportV3)),
      transportV4_(ACFPtr<AAX_IACFTransport_V4>::Query(controller, IID_IAAXTransportV4)),
      transportV5_(ACFPtr<AAX_IACFTransport_V5>::Query(controller, IID_IAAXTransportV5)),
      control_(ACFPtr<AAX_IACFTransportControl>::Query(controller, IID_IAAXTransportControlV1)) {}

void* AAX_VTransport::ScalarDeletingDestructor(unsigned int flags) noexcept {
    if ((flags & 1u) != 0) {
        delete this;
    } else {
        this->~AAX_VTransport();
    }
    return this;
}

AAX_Result AAX_VTransport::GetCurrentTempo(double* outBeatsPerMinute) const {
    return Forward(transport_, AAX_ERROR_NULL_OBJECT, outBeatsPerMinute != nullptr,
                   [&](AAX_IACFTransport& t) { return t.GetCurrentTempo(outBeatsPerMinute); });
}

AAX_Result AAX_VTransport::GetCurrentMeter(std::int32_t* outNumerator, std::int32_t* outDenominator) const {
    return Forward(transport_, AAX_ERROR_NULL_OBJECT, outNumerator != nullptr && outDenominator != nullptr,
                   [&](AAX_IACFTransport& t) { return t.GetCurrentMeter(outNumerator, outDenominator); });
}

AAX_Result AAX_VTransport::IsTransportPlaying(bool* outPlaying) const {
    return Forward(transport_, AAX_ERROR_NULL_OBJECT, outPlaying != nullptr,
                   [&](AAX_IACFTransport& t) { return t.IsTransportPlaying(outPlaying); });
}

AAX_Result AAX_VTransport::GetCurrentTickPosition(std::int64_t* outTicks) const {
    return Forward(transport_, AAX_ERROR_NULL_OBJECT, outTicks != nullptr,
                   [&](AAX_IACFTransport& t) { return t.GetCurrentTickPosition(outTicks); });
}

AAX_Result AAX_VTransport::GetCurrentLoopPosition(bool* outLooping, std::int64_t* outStartTicks,
                                                  std::int64_t* outEndTicks) const {
    return Forward(transport_, AAX_ERROR_NULL_OBJECT,
                   outLooping != nullptr && outStartTicks != nullptr && outEndTicks != nullptr,
                   [&](AAX_IACFTransport& t) {
                       return t.GetCurrentLoopPosition(outLooping, outStartTicks, outEndTicks);
                   });
}

AAX_Result AAX_VTransport::GetCurrentNativeSampleLocation(std::int64_t* outSamples) const {
    return Forward(transport_, AAX_ERROR_NULL_OBJECT, outSamples != nullptr,
                   [&](AAX_IACFTransport& t) { return t.GetCurrentNativeSampleLocation(outSamples); });
}

AAX_Result AAX_VTransport::GetCustomTickPosition(std::int64_t* outTicks, std::int64_t sampleLocation) const {
    return Forward(transport_, AAX_ERROR_NULL_OBJECT, outTicks != nullptr,
                   [&](AAX_IACFTransport& t) { return t.GetCustomTickPosition(outTicks, sampleLocation); });
}

AAX_Result AAX_VTransport::GetBarBeatPosition(std::int32_t* outBars, std::int32_t* outBeats,
                                              std::int64_t* outDisplayTicks, std::int64_t sampleLocation) const {
    return Forward(transport_, AAX_ERROR_NULL_OBJECT,
                   outBars != nullptr && outBeats != nullptr && outDisplayTicks != nullptr, [&](AAX_IACFTransport& t) {
                       return t.GetBarBeatPosition(outBars, outBeats, outDisplayTicks, sampleLocation);
                   });
}

AAX_Result AAX_VTransport::GetTicksPerQuarter(std::uint32_t* outTicks) const {
    return Forward(transport_, AAX_ERROR_NULL_OBJECT, outTicks != nullptr,
                   [&](AAX_IACFTransport& t) { return t.GetTicksPerQuarter(outTicks); });
}

AAX_Result AAX_VTransport::GetCurrentTicksPerBeat(std::uint32_t* outTicks) const {
    return Forward(transport_, AAX_ERROR_NULL_OBJECT, outTicks != nullptr,
                   [&](AAX_IACFTransport& t) { return t.GetCurrentTicksPerBeat(outTicks); });
}

AAX_Result AAX_VTransport::GetTimelineSelectionStartPosition(std::int64_t* outSamples) const {
    return Forward(transportV2_, AAX_ERROR_UNIMPLEMENTED, outSamples != nullptr,
                   [&](AAX_IACFTransport_V2& t) { return t.GetTimelineSelectionStartPosition(outSamples); });
}

AAX_Result AAX_VTransport::GetTimeCodeInfo(AAX_EFrameRate* outFrameRate, std::int32_t* outOffsetFrames) const {
    return Forward(transportV2_, AAX_ERROR_UNIMPLEMENTED, outFrameRate != nullptr && outOffsetFrames != nullptr,
                   [&](AAX_IACFTransport_V2& t) { return t.GetTimeCodeInfo(outFrameRate, outOffsetFrames); });
}

AAX_Result AAX_VTransport::GetFeetFramesInfo(AAX_EFeetFramesRate* outRate, std::int64_t* outOffset) const {
    return Forward(transportV2_, AAX_ERROR_UNIMPLEMENTED, outRate != nullptr && outOffset != nullptr,
                   [&](AAX_IACFTransport_V2& t) { return t.GetFeetFramesInfo(outRate, outOffset); });
}

AAX_Result AAX_VTransport::IsMetronomeEnabled(std::int32_t* outEnabled) const {
    return Forward(transportV2_, AAX_ERROR_UNIMPLEMENTED, outEnabled != nullptr,
                   [&](AAX_IACFTransport_V2& t) { return t.IsMetronomeEnabled(outEnabled); });
}

AAX_Result AAX_VTransport::GetHDTimeCodeInfo(AAX_EFrameRate* outFrameRate, std::int64_t* outOffset) const {
    return Forward(transportV3_, AAX_ERROR_UNIMPLEMENTED, outFrameRate != nullptr && outOffset != nullptr,
                   [&](AAX_IACFTransport_V3& t) { return t.GetHDTimeCodeInfo(outFrameRate, outOffset); });
}

AAX_Result AAX_VTransport::RequestTransportStart() {
    return Forward(control_, AAX_ERROR_UNIMPLEMENTED, true,
                   [](AAX_IACFTransportControl& c) { return c.RequestTransportStart(); });
}

AAX_Result AAX_VTransport::RequestTransportStop() {
    return Forward(control_, AAX_ERROR_UNIMPLEMENTED, true,
                   [](AAX_IACFTransportControl& c) { return c.RequestTransportStop(); });
}

AAX_Result AAX_VTransport::GetTimelineSelectionEndPosition(std::int64_t* outSamples) const {
    return Forward(transportV4_, AAX_ERROR_UNIMPLEMENTED, outSamples != nullptr,
                   [&](AAX_IACFTransport_V4& t) { return t.GetTimelineSelectionEndPosition(outSamples); });
}

AAX_Result AAX_VTransport::GetKeySignature(std::int64_t sampleLocation, std::uint32_t* outKeySignature) const {
    return Forward(transportV5_, AAX_ERROR_UNIMPLEMENTED, outKeySignature != nullptr,
                   [&](AAX_IACFTransport_V5& t) { return t.GetKeySignature(sampleLocation, outKeySignature); });
}
