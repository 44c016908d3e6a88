#include "aax/AAX_Enums.h"

namespace {

struct NamedProperty {
    AAX_EProperty property;
    const char* name;
};

constexpr NamedProperty kPropertyNames[] = {
    {AAX_eProperty_ManufacturerID, "AAX_eProperty_ManufacturerID"},
    {AAX_eProperty_ProductID, "AAX_eProperty_ProductID"},
    {AAX_eProperty_PlugInID_Native, "AAX_eProperty_PlugInID_Native"},
    {AAX_eProperty_PlugInID_AudioSuite, "AAX_eProperty_PlugInID_AudioSuite"},
    {AAX_eProperty_InputStemFormat, "AAX_eProperty_InputStemFormat"},
    {AAX_eProperty_OutputStemFormat, "AAX_eProperty_OutputStemFormat"},
    {AAX_eProperty_CanBypass, "AAX_eProperty_CanBypass"},
    {AAX_eProperty_UsesRandomAccess, "AAX_eProperty_UsesRandomAccess"},
    {AAX_eProperty_RequiresAnalysis, "AAX_eProperty_RequiresAnalysis"},
    {AAX_eProperty_OptionalAnalysis, "AAX_eProperty_OptionalAnalysis"},
    {AAX_eProperty_ContinuousOnly, "AAX_eProperty_ContinuousOnly"},
    {AAX_eProperty_MultiInputModeOnly, "AAX_eProperty_MultiInputModeOnly"},
    {AAX_eProperty_DisablePreview, "AAX_eProperty_DisablePreview"},
    {AAX_eProperty_NumberOfInputs, "AAX_eProperty_NumberOfInputs"},
    {AAX_eProperty_NumberOfOutputs, "AAX_eProperty_NumberOfOutputs"},
    {AAX_eProperty_DisableHandles, "AAX_eProperty_DisableHandles"},
    {AAX_eProperty_SupportsSideChainInput, "AAX_eProperty_SupportsSideChainInput"},
    {AAX_eProperty_DisableAudioSuiteReverse, "AAX_eProperty_DisableAudioSuiteReverse"},
    {AAX_eProperty_UsesClientGUI, "AAX_eProperty_UsesClientGUI"},
    {AAX_eProperty_UsesTransport, "AAX_eProperty_UsesTransport"},
};

}  // namespace

const char* AAX_PropertyName(AAX_EProperty property) noexcept {
    for (const NamedProperty& entry : kPropertyNames)
        if (entry.property == property) return entry.name;
    return "unknown property";
}

const char* AAX_NotificationName(AAX_CTypeID notification) noexcept {
    switch (notification) {
    case AAX_eNotificationEvent_TrackNameChanged: return "AAX_eNotificationEvent_TrackNameChanged";
    case AAX_eNotificationEvent_ASProcessingState: return "AAX_eNotificationEvent_ASProcessingState";
    case AAX_eNotificationEvent_ASPreviewState: return "AAX_eNotificationEvent_ASPreviewState";
    default: return "unknown notification";
    }
}

const char* AAX_MIDINodeTypeName(AAX_EMIDINodeType type) noexcept {
    switch (type) {
    case AAX_eMIDINodeType_LocalInput: return "AAX_eMIDINodeType_LocalInput";
    case AAX_eMIDINodeType_LocalOutput: return "AAX_eMIDINodeType_LocalOutput";
    case AAX_eMIDINodeType_Global: return "AAX_eMIDINodeType_Global";
    case AAX_eMIDINodeType_Transport: return "AAX_eMIDINodeType_Transport";
    default: return "unknown MIDI node type";
    }
}

const char* AAX_ProcPtrIDName(AAX_CProcPtrID id) noexcept {
    switch (id) {
    case kAAX_ProcPtrID_Create_EffectParameters: return "kAAX_ProcPtrID_Create_EffectParameters";
    case kAAX_ProcPtrID_Create_EffectGUI: return "kAAX_ProcPtrID_Create_EffectGUI";
    case kAAX_ProcPtrID_Create_HostProcessor: return "kAAX_ProcPtrID_Create_HostProcessor";
    case kAAX_ProcPtrID_Create_EffectDirectData: return "kAAX_ProcPtrID_Create_EffectDirectData";
    case kAAX_ProcPtrID_Create_TaskAgent: return "kAAX_ProcPtrID_Create_TaskAgent";
    case kAAX_ProcPtrID_Create_SessionDocumentClient: return "kAAX_ProcPtrID_Create_SessionDocumentClient";
    default: return "unknown procedure";
    }
}
