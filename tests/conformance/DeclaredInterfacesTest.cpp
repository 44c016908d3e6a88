// Every method of every interface this project declares for the host boundary sits in
// the slot, and has the signature, that the published table gives it. The slot is read
// from the member-function pointer, which GCC (like every compiler on the Itanium C++
// ABI) encodes for a virtual function as one more than the slot's byte offset in the
// vtable; the signature comes from the pointer's type.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "aax/AAX_IACFAutomationDelegate.h"
#include "aax/AAX_IACFCollection.h"
#include "aax/AAX_IACFComponentDescriptor.h"
#include "aax/AAX_IACFController.h"
#include "aax/AAX_IACFDescriptionHost.h"
#include "aax/AAX_IACFEffectDescriptor.h"
#include "aax/AAX_IACFEffectGUI.h"
#include "aax/AAX_IACFEffectParameters.h"
#include "aax/AAX_IACFFeatureInfo.h"
#include "aax/AAX_IACFHostProcessor.h"
#include "aax/AAX_IACFHostProcessorDelegate.h"
#include "aax/AAX_IACFHostServices.h"
#include "aax/AAX_IACFPropertyMap.h"
#include "aax/AAX_IACFTransport.h"
#include "aax/AAX_IACFTransportControl.h"
#include "aax/AAX_IACFViewContainer.h"
#include "aax/AAX_IMIDINode.h"
#include "aax/AAX_IString.h"
#include "aax/AAX_ITransport.h"
#include "aax/acfbaseapi.h"
#include "conformance/PublishedInterfaces.h"
#include "conformance/SlotKinds.h"

// Compilers on other ABIs (MSVC) encode member-function pointers differently; the
// raw-slot probes in the other conformance tests cover them.
#if defined(__GNUC__)
namespace conformance {
namespace {

template <class Member>
struct MemberKinds;
#define LM_MEMBER_KINDS(QUALIFIERS)                             \
    template <class C, class R, class... A>                     \
    struct MemberKinds<R (C::*)(A...) QUALIFIERS> {             \
        static std::string Get() { return KindsOf<R, A...>(); } \
    };
LM_MEMBER_KINDS()
LM_MEMBER_KINDS(const)
LM_MEMBER_KINDS(noexcept)
LM_MEMBER_KINDS(const noexcept)
#undef LM_MEMBER_KINDS

struct DeclaredMethod {
    std::string interfaceName;
    std::string publishedName;
    int slot;  // -1: not virtual
    std::string kinds;
};

template <class Member>
DeclaredMethod Declared(const char* interfaceName, const char* publishedName, Member member) {
    static_assert(sizeof(Member) == 2 * sizeof(std::uintptr_t), "a member-function pointer is two words");
    std::uintptr_t raw[2];
    std::memcpy(raw, &member, sizeof raw);
    const int slot = (raw[0] & 1u) != 0 ? static_cast<int>((raw[0] - 1) / sizeof(void*)) : -1;
    return {interfaceName, publishedName, slot, MemberKinds<Member>::Get()};
}

#define LM_DECLARED(INTERFACE, METHOD) Declared(#INTERFACE, #METHOD, &INTERFACE::METHOD)

// The destructor slot of a plain C++ interface is declared as the method MSVC makes of it.
std::string DeclaredKindsOfDestructor() { return KindsOf<void*, unsigned int>(); }

std::vector<DeclaredMethod> DeclaredMethods() {
    using StringFromText = AAX_IString& (AAX_IString::*)(const char*) noexcept;
    using StringFromString = AAX_IString& (AAX_IString::*)(const AAX_IString&) noexcept;
    return {
        LM_DECLARED(IACFUnknown, QueryInterface),
        LM_DECLARED(IACFUnknown, AddRef),
        LM_DECLARED(IACFUnknown, Release),
        LM_DECLARED(IACFClassFactory, CreateInstance),
        LM_DECLARED(IACFDefinition, DefineAttribute),
        LM_DECLARED(IACFDefinition, GetAttributeInfo),
        LM_DECLARED(IACFDefinition, CopyAttribute),
        LM_DECLARED(IACFPluginDefinition, InitializePlugin),
        LM_DECLARED(IACFComponentDefinition, InitializeComponent),
        LM_DECLARED(IACFEnumDefinitions, Count),
        LM_DECLARED(IACFEnumDefinitions, Next),
        LM_DECLARED(IACFEnumDefinitions, Reset),
        LM_DECLARED(IACFEnumDefinitions, Clone),
        LM_DECLARED(IACFComponentFactory, CreateComponent),
        LM_DECLARED(IACFComponentFactory, CreateInstance),
        LM_DECLARED(IACFComponentFactory, GetClassFactory),
        LM_DECLARED(IACFComponentFactory, FindDefinition),
        LM_DECLARED(IACFComponentFactory, EnumDefinitions),
        LM_DECLARED(AAX_IACFCollection, AddEffect),
        LM_DECLARED(AAX_IACFCollection, SetManufacturerName),
        LM_DECLARED(AAX_IACFCollection, AddPackageName),
        LM_DECLARED(AAX_IACFCollection, SetPackageVersion),
        LM_DECLARED(AAX_IACFCollection, SetProperties),
        LM_DECLARED(AAX_IACFEffectDescriptor, AddComponent),
        LM_DECLARED(AAX_IACFEffectDescriptor, AddName),
        LM_DECLARED(AAX_IACFEffectDescriptor, AddCategory),
        LM_DECLARED(AAX_IACFEffectDescriptor, AddCategoryBypassParameter),
        LM_DECLARED(AAX_IACFEffectDescriptor, AddProcPtr),
        LM_DECLARED(AAX_IACFEffectDescriptor, SetProperties),
        LM_DECLARED(AAX_IACFEffectDescriptor, AddResourceInfo),
        LM_DECLARED(AAX_IACFEffectDescriptor, AddMeterDescription),
        LM_DECLARED(AAX_IACFEffectDescriptor_V2, AddControlMIDINode),
        LM_DECLARED(AAX_IACFComponentDescriptor, Clear),
        LM_DECLARED(AAX_IACFComponentDescriptor, AddReservedField),
        LM_DECLARED(AAX_IACFComponentDescriptor, AddAudioIn),
        LM_DECLARED(AAX_IACFComponentDescriptor, AddAudioOut),
        LM_DECLARED(AAX_IACFComponentDescriptor, AddAudioBufferLength),
        LM_DECLARED(AAX_IACFComponentDescriptor, AddSampleRate),
        LM_DECLARED(AAX_IACFComponentDescriptor, AddClock),
        LM_DECLARED(AAX_IACFComponentDescriptor, AddSideChainIn),
        LM_DECLARED(AAX_IACFComponentDescriptor, AddDataInPort),
        LM_DECLARED(AAX_IACFComponentDescriptor, AddAuxOutputStem),
        LM_DECLARED(AAX_IACFComponentDescriptor, AddPrivateData),
        LM_DECLARED(AAX_IACFComponentDescriptor, AddDmaInstance),
        LM_DECLARED(AAX_IACFComponentDescriptor, AddMIDINode),
        LM_DECLARED(AAX_IACFComponentDescriptor, AddProcessProc_Native),
        LM_DECLARED(AAX_IACFComponentDescriptor, AddProcessProc_TI),
        LM_DECLARED(AAX_IACFComponentDescriptor, AddMeters),
        LM_DECLARED(AAX_IACFComponentDescriptor_V2, AddTemporaryData),
        LM_DECLARED(AAX_IACFComponentDescriptor_V3, AddProcessProc),
        LM_DECLARED(AAX_IACFPropertyMap, GetProperty),
        LM_DECLARED(AAX_IACFPropertyMap, AddProperty),
        LM_DECLARED(AAX_IACFPropertyMap, RemoveProperty),
        LM_DECLARED(AAX_IACFPropertyMap_V2, AddPropertyWithIDArray),
        LM_DECLARED(AAX_IACFPropertyMap_V2, GetPropertyWithIDArray),
        LM_DECLARED(AAX_IACFPropertyMap_V3, GetProperty64),
        LM_DECLARED(AAX_IACFPropertyMap_V3, AddProperty64),
        LM_DECLARED(AAX_IACFDescriptionHost, AcquireFeatureProperties),
        LM_DECLARED(AAX_IACFFeatureInfo, SupportLevel),
        LM_DECLARED(AAX_IACFFeatureInfo, AcquireProperties),
        LM_DECLARED(AAX_IACFHostServices, Assert),
        LM_DECLARED(AAX_IACFHostServices, Trace),
        LM_DECLARED(AAX_IACFHostServices_V2, StackTrace),
        LM_DECLARED(AAX_IACFHostServices_V3, HandleAssertFailure),
        LM_DECLARED(AAX_IACFController, GetEffectID),
        LM_DECLARED(AAX_IACFController, GetSampleRate),
        LM_DECLARED(AAX_IACFController, GetInputStemFormat),
        LM_DECLARED(AAX_IACFController, GetOutputStemFormat),
        LM_DECLARED(AAX_IACFController, GetSignalLatency),
        LM_DECLARED(AAX_IACFController, GetCycleCount),
        LM_DECLARED(AAX_IACFController, GetTODLocation),
        LM_DECLARED(AAX_IACFController, SetSignalLatency),
        LM_DECLARED(AAX_IACFController, SetCycleCount),
        LM_DECLARED(AAX_IACFController, PostPacket),
        LM_DECLARED(AAX_IACFController, GetCurrentMeterValue),
        LM_DECLARED(AAX_IACFController, GetMeterPeakValue),
        LM_DECLARED(AAX_IACFController, ClearMeterPeakValue),
        LM_DECLARED(AAX_IACFController, GetMeterClipped),
        LM_DECLARED(AAX_IACFController, ClearMeterClipped),
        LM_DECLARED(AAX_IACFController, GetMeterCount),
        LM_DECLARED(AAX_IACFController, GetNextMIDIPacket),
        LM_DECLARED(AAX_IACFController_V2, SendNotification),
        LM_DECLARED(AAX_IACFController_V2, GetHybridSignalLatency),
        LM_DECLARED(AAX_IACFController_V2, GetCurrentAutomationTimestamp),
        LM_DECLARED(AAX_IACFController_V2, GetHostName),
        LM_DECLARED(AAX_IACFController_V3, GetPlugInTargetPlatform),
        LM_DECLARED(AAX_IACFController_V3, GetIsAudioSuite),
        LM_DECLARED(AAX_IACFController_V4, GetInstanceGroupID),
        LM_DECLARED(AAX_IACFController_V5, RegisterForNotification),
        LM_DECLARED(AAX_IACFController_V5, GetInstanceID),
        LM_DECLARED(AAX_IACFAutomationDelegate, RegisterParameter),
        LM_DECLARED(AAX_IACFAutomationDelegate, UnregisterParameter),
        LM_DECLARED(AAX_IACFAutomationDelegate, PostSetValueRequest),
        LM_DECLARED(AAX_IACFAutomationDelegate, PostCurrentValue),
        LM_DECLARED(AAX_IACFAutomationDelegate, PostTouchRequest),
        LM_DECLARED(AAX_IACFAutomationDelegate, PostReleaseRequest),
        LM_DECLARED(AAX_IACFAutomationDelegate, GetTouchState),
        LM_DECLARED(AAX_IACFTransport, GetCurrentTempo),
        LM_DECLARED(AAX_IACFTransport, GetCurrentMeter),
        LM_DECLARED(AAX_IACFTransport, IsTransportPlaying),
        LM_DECLARED(AAX_IACFTransport, GetCurrentTickPosition),
        LM_DECLARED(AAX_IACFTransport, GetCurrentLoopPosition),
        LM_DECLARED(AAX_IACFTransport, GetCurrentNativeSampleLocation),
        LM_DECLARED(AAX_IACFTransport, GetCustomTickPosition),
        LM_DECLARED(AAX_IACFTransport, GetBarBeatPosition),
        LM_DECLARED(AAX_IACFTransport, GetTicksPerQuarter),
        LM_DECLARED(AAX_IACFTransport, GetCurrentTicksPerBeat),
        LM_DECLARED(AAX_IACFTransport_V2, GetTimelineSelectionStartPosition),
        LM_DECLARED(AAX_IACFTransport_V2, GetTimeCodeInfo),
        LM_DECLARED(AAX_IACFTransport_V2, GetFeetFramesInfo),
        LM_DECLARED(AAX_IACFTransport_V2, IsMetronomeEnabled),
        LM_DECLARED(AAX_IACFTransport_V3, GetHDTimeCodeInfo),
        LM_DECLARED(AAX_IACFTransport_V4, GetTimelineSelectionEndPosition),
        LM_DECLARED(AAX_IACFTransport_V5, GetKeySignature),
        LM_DECLARED(AAX_IACFTransportControl, RequestTransportStart),
        LM_DECLARED(AAX_IACFTransportControl, RequestTransportStop),
        LM_DECLARED(AAX_IACFEffectParameters, Initialize),
        LM_DECLARED(AAX_IACFEffectParameters, Uninitialize),
        LM_DECLARED(AAX_IACFEffectParameters, NotificationReceived),
        LM_DECLARED(AAX_IACFEffectParameters, GetNumberOfParameters),
        LM_DECLARED(AAX_IACFEffectParameters, GetMasterBypassParameter),
        LM_DECLARED(AAX_IACFEffectParameters, GetParameterIsAutomatable),
        LM_DECLARED(AAX_IACFEffectParameters, GetParameterNumberOfSteps),
        LM_DECLARED(AAX_IACFEffectParameters, GetParameterName),
        LM_DECLARED(AAX_IACFEffectParameters, GetParameterNameOfLength),
        LM_DECLARED(AAX_IACFEffectParameters, GetParameterDefaultNormalizedValue),
        LM_DECLARED(AAX_IACFEffectParameters, SetParameterDefaultNormalizedValue),
        LM_DECLARED(AAX_IACFEffectParameters, GetParameterType),
        LM_DECLARED(AAX_IACFEffectParameters, GetParameterOrientation),
        LM_DECLARED(AAX_IACFEffectParameters, GetParameter),
        LM_DECLARED(AAX_IACFEffectParameters, GetParameterIndex),
        LM_DECLARED(AAX_IACFEffectParameters, GetParameterIDFromIndex),
        LM_DECLARED(AAX_IACFEffectParameters, GetParameterValueInfo),
        LM_DECLARED(AAX_IACFEffectParameters, GetParameterValueFromString),
        LM_DECLARED(AAX_IACFEffectParameters, GetParameterStringFromValue),
        LM_DECLARED(AAX_IACFEffectParameters, GetParameterValueString),
        LM_DECLARED(AAX_IACFEffectParameters, GetParameterNormalizedValue),
        LM_DECLARED(AAX_IACFEffectParameters, SetParameterNormalizedValue),
        LM_DECLARED(AAX_IACFEffectParameters, SetParameterNormalizedRelative),
        LM_DECLARED(AAX_IACFEffectParameters, TouchParameter),
        LM_DECLARED(AAX_IACFEffectParameters, ReleaseParameter),
        LM_DECLARED(AAX_IACFEffectParameters, UpdateParameterTouch),
        LM_DECLARED(AAX_IACFEffectParameters, UpdateParameterNormalizedValue),
        LM_DECLARED(AAX_IACFEffectParameters, UpdateParameterNormalizedRelative),
        LM_DECLARED(AAX_IACFEffectParameters, GenerateCoefficients),
        LM_DECLARED(AAX_IACFEffectParameters, ResetFieldData),
        LM_DECLARED(AAX_IACFEffectParameters, GetNumberOfChunks),
        LM_DECLARED(AAX_IACFEffectParameters, GetChunkIDFromIndex),
        LM_DECLARED(AAX_IACFEffectParameters, GetChunkSize),
        LM_DECLARED(AAX_IACFEffectParameters, GetChunk),
        LM_DECLARED(AAX_IACFEffectParameters, SetChunk),
        LM_DECLARED(AAX_IACFEffectParameters, CompareActiveChunk),
        LM_DECLARED(AAX_IACFEffectParameters, GetNumberOfChanges),
        LM_DECLARED(AAX_IACFEffectParameters, TimerWakeup),
        LM_DECLARED(AAX_IACFEffectParameters, GetCurveData),
        LM_DECLARED(AAX_IACFEffectParameters, GetCustomData),
        LM_DECLARED(AAX_IACFEffectParameters, SetCustomData),
        LM_DECLARED(AAX_IACFEffectParameters, DoMIDITransfers),
        LM_DECLARED(AAX_IACFEffectParameters_V2, RenderAudio_Hybrid),
        LM_DECLARED(AAX_IACFEffectParameters_V2, UpdateMIDINodes),
        LM_DECLARED(AAX_IACFEffectParameters_V2, UpdateControlMIDINodes),
        LM_DECLARED(AAX_IACFEffectParameters_V3, GetCurveDataMeterIds),
        LM_DECLARED(AAX_IACFEffectParameters_V3, GetCurveDataDisplayRange),
        LM_DECLARED(AAX_IACFEffectParameters_V4, UpdatePageTable),
        LM_DECLARED(AAX_IACFEffectGUI, Initialize),
        LM_DECLARED(AAX_IACFEffectGUI, Uninitialize),
        LM_DECLARED(AAX_IACFEffectGUI, NotificationReceived),
        LM_DECLARED(AAX_IACFEffectGUI, SetViewContainer),
        LM_DECLARED(AAX_IACFEffectGUI, GetViewSize),
        LM_DECLARED(AAX_IACFEffectGUI, Draw),
        LM_DECLARED(AAX_IACFEffectGUI, TimerWakeup),
        LM_DECLARED(AAX_IACFEffectGUI, ParameterUpdated),
        LM_DECLARED(AAX_IACFEffectGUI, GetCustomLabel),
        LM_DECLARED(AAX_IACFEffectGUI, SetControlHighlightInfo),
        LM_DECLARED(AAX_IACFEffectGUI_V2, GetMinimumViewSize),
        LM_DECLARED(AAX_IACFViewContainer, GetType),
        LM_DECLARED(AAX_IACFViewContainer, GetPtr),
        LM_DECLARED(AAX_IACFViewContainer, GetModifiers),
        LM_DECLARED(AAX_IACFViewContainer, SetViewSize),
        LM_DECLARED(AAX_IACFViewContainer, HandleParameterMouseDown),
        LM_DECLARED(AAX_IACFViewContainer, HandleParameterMouseDrag),
        LM_DECLARED(AAX_IACFViewContainer, HandleParameterMouseUp),
        LM_DECLARED(AAX_IACFViewContainer_V2, HandleMultipleParametersMouseDown),
        LM_DECLARED(AAX_IACFViewContainer_V2, HandleMultipleParametersMouseDrag),
        LM_DECLARED(AAX_IACFViewContainer_V2, HandleMultipleParametersMouseUp),
        LM_DECLARED(AAX_IACFViewContainer_V3, HandleParameterMouseEnter),
        LM_DECLARED(AAX_IACFViewContainer_V3, HandleParameterMouseExit),
        LM_DECLARED(AAX_IACFHostProcessor, Initialize),
        LM_DECLARED(AAX_IACFHostProcessor, Uninitialize),
        LM_DECLARED(AAX_IACFHostProcessor, InitOutputBounds),
        LM_DECLARED(AAX_IACFHostProcessor, SetLocation),
        LM_DECLARED(AAX_IACFHostProcessor, RenderAudio),
        LM_DECLARED(AAX_IACFHostProcessor, PreRender),
        LM_DECLARED(AAX_IACFHostProcessor, PostRender),
        LM_DECLARED(AAX_IACFHostProcessor, AnalyzeAudio),
        LM_DECLARED(AAX_IACFHostProcessor, PreAnalyze),
        LM_DECLARED(AAX_IACFHostProcessor, PostAnalyze),
        LM_DECLARED(AAX_IACFHostProcessor_V2, GetClipNameSuffix),
        LM_DECLARED(AAX_IACFHostProcessorDelegate, GetAudio),
        LM_DECLARED(AAX_IACFHostProcessorDelegate, GetSideChainInputNum),
        LM_DECLARED(AAX_IACFHostProcessorDelegate_V2, ForceAnalyze),
        LM_DECLARED(AAX_IACFHostProcessorDelegate_V3, ForceProcess),
        Declared("AAX_IString", "~AAX_IString", &AAX_IString::ScalarDeletingDestructor),
        LM_DECLARED(AAX_IString, Length),
        LM_DECLARED(AAX_IString, MaxLength),
        LM_DECLARED(AAX_IString, Get),
        LM_DECLARED(AAX_IString, Set),
        Declared("AAX_IString", "operator=", static_cast<StringFromText>(&AAX_IString::operator=)),
        Declared("AAX_IString", "operator=", static_cast<StringFromString>(&AAX_IString::operator=)),
        Declared("AAX_IMIDINode", "~AAX_IMIDINode", &AAX_IMIDINode::ScalarDeletingDestructor),
        Declared("AAX_ITransport", "~AAX_ITransport", &AAX_ITransport::ScalarDeletingDestructor),
        LM_DECLARED(AAX_IMIDINode, GetNodeBuffer),
        LM_DECLARED(AAX_IMIDINode, PostMIDIPacket),
        LM_DECLARED(AAX_IMIDINode, GetTransport),
        LM_DECLARED(AAX_ITransport, GetCurrentTempo),
        LM_DECLARED(AAX_ITransport, GetCurrentMeter),
        LM_DECLARED(AAX_ITransport, IsTransportPlaying),
        LM_DECLARED(AAX_ITransport, GetCurrentTickPosition),
        LM_DECLARED(AAX_ITransport, GetCurrentLoopPosition),
        LM_DECLARED(AAX_ITransport, GetCurrentNativeSampleLocation),
        LM_DECLARED(AAX_ITransport, GetCustomTickPosition),
        LM_DECLARED(AAX_ITransport, GetBarBeatPosition),
        LM_DECLARED(AAX_ITransport, GetTicksPerQuarter),
        LM_DECLARED(AAX_ITransport, GetCurrentTicksPerBeat),
        LM_DECLARED(AAX_ITransport, GetTimelineSelectionStartPosition),
        LM_DECLARED(AAX_ITransport, GetTimeCodeInfo),
        LM_DECLARED(AAX_ITransport, GetFeetFramesInfo),
        LM_DECLARED(AAX_ITransport, IsMetronomeEnabled),
        LM_DECLARED(AAX_ITransport, GetHDTimeCodeInfo),
        LM_DECLARED(AAX_ITransport, RequestTransportStart),
        LM_DECLARED(AAX_ITransport, RequestTransportStop),
        LM_DECLARED(AAX_ITransport, GetTimelineSelectionEndPosition),
        LM_DECLARED(AAX_ITransport, GetKeySignature),
    };
}

TEST(DeclaredInterfaces, EveryMethodSitsInItsPublishedSlotWithItsPublishedSignature) {
    int checked = 0;
    for (const DeclaredMethod& declared : DeclaredMethods()) {
        SCOPED_TRACE(declared.interfaceName + "::" + declared.publishedName);
        const auto slots = PublishedSlots(declared.interfaceName);
        ASSERT_GE(declared.slot, 0) << "not virtual";
        ASSERT_LT(declared.slot, static_cast<int>(slots.size())) << "beyond the published slots";
        const PublishedSlot& published = slots[static_cast<std::size_t>(declared.slot)];
        EXPECT_EQ(declared.publishedName, published.method->name) << "slot " << declared.slot;
        const std::string kinds = std::string(published.method->kinds) == "dtor" ? DeclaredKindsOfDestructor()
                                                                                 : std::string(published.method->kinds);
        EXPECT_EQ(declared.kinds, kinds) << "slot " << declared.slot;
        ++checked;
    }
    // Every published method of every interface is declared: none is left out.
    std::size_t published = 0;
    for (const PublishedInterface& entry : PublishedInterfaces()) published += entry.methods.size();
    EXPECT_EQ(static_cast<std::size_t>(checked), published);
}

}  // namespace
}  // namespace conformance
#endif  // defined(__GNUC__)
