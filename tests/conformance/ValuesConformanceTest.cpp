// Every interface and component ID, every value and every record layout that this
// project uses at the host boundary is the published one.

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "aax/AAX.h"
#include "aax/AAX_Enums.h"
#include "aax/AAX_IACFEffectParameters.h"
#include "aax/AAX_MIDI.h"
#include "aax/AAX_Point.h"
#include "aax/AAX_Rect.h"
#include "aax/AAX_SPlugInChunk.h"
#include "aax/AAX_StemFormat.h"
#include "aax/AAX_UIDs.h"
#include "aax/acfbaseapi.h"
#include "conformance/PublishedInterfaces.h"
#include "conformance/PublishedValues.h"

namespace conformance {
namespace {

struct NamedID {
    const char* name;
    const acfUID* id;
};
#define LM_ID(NAME) \
    NamedID { #NAME, &NAME }

std::string Text(const acfUID& id) {
    char buffer[39];
    return AcfIIDText(id, buffer);
}

TEST(PublishedIDs, EveryInterfaceAndComponentIDIsThePublishedOne) {
    const std::vector<NamedID> ours = {
        LM_ID(IID_IACFUnknown),
        LM_ID(IID_IACFClassFactory),
        LM_ID(IID_IACFDefinition),
        LM_ID(IID_IACFPluginDefinition),
        LM_ID(IID_IACFComponentDefinition),
        LM_ID(IID_IACFEnumDefinitions),
        LM_ID(IID_IACFComponentFactory),
        LM_ID(IID_IAAXCollectionV1),
        LM_ID(AAXCompID_AAXCollection),
        LM_ID(IID_IAAXEffectDescriptorV1),
        LM_ID(AAXCompID_AAXEffectDescriptor),
        LM_ID(IID_IAAXEffectDescriptorV2),
        LM_ID(IID_IAAXComponentDescriptorV1),
        LM_ID(AAXCompID_AAXComponentDescriptor),
        LM_ID(IID_IAAXComponentDescriptorV2),
        LM_ID(IID_IAAXComponentDescriptorV3),
        LM_ID(IID_IAAXPropertyMapV1),
        LM_ID(AAXCompID_AAXPropertyMap),
        LM_ID(IID_IAAXPropertyMapV2),
        LM_ID(IID_IAAXPropertyMapV3),
        LM_ID(IID_IAAXDescriptionHostV1),
        LM_ID(AAX_CompID_DescriptionHost),
        LM_ID(IID_IAAXFeatureInfoV1),
        LM_ID(AAX_CompID_FeatureInfo),
        LM_ID(IID_IAAXHostServicesV1),
        LM_ID(AAXCompID_HostServices),
        LM_ID(IID_IAAXHostServicesV2),
        LM_ID(IID_IAAXHostServicesV3),
        LM_ID(IID_IAAXControllerV1),
        LM_ID(AAXCompID_Controller),
        LM_ID(IID_IAAXControllerV2),
        LM_ID(IID_IAAXControllerV3),
        LM_ID(IID_IAAXControllerV4),
        LM_ID(IID_IAAXControllerV5),
        LM_ID(IID_IAAXAutomationDelegateV1),
        LM_ID(AAXCompID_AutomationDelegate),
        LM_ID(IID_IAAXTransportV1),
        LM_ID(AAXCompID_Transport),
        LM_ID(IID_IAAXTransportV2),
        LM_ID(IID_IAAXTransportV3),
        LM_ID(IID_IAAXTransportV4),
        LM_ID(IID_IAAXTransportV5),
        LM_ID(IID_IAAXTransportControlV1),
        LM_ID(AAXCompID_TransportControl),
        LM_ID(IID_IAAXEffectParametersV1),
        LM_ID(AAXCompID_EffectParameters),
        LM_ID(IID_IAAXEffectParametersV2),
        LM_ID(IID_IAAXEffectParametersV3),
        LM_ID(IID_IAAXEffectParametersV4),
        LM_ID(IID_IAAXEffectGUIV1),
        LM_ID(AAXCompID_EffectGUI),
        LM_ID(IID_IAAXEffectGUIV2),
        LM_ID(IID_IAAXViewContainerV1),
        LM_ID(AAXCompID_ViewContainer),
        LM_ID(IID_IAAXViewContainerV2),
        LM_ID(IID_IAAXViewContainerV3),
        LM_ID(IID_IAAXHostProcessorV1),
        LM_ID(AAXCompID_HostProcessor),
        LM_ID(IID_IAAXHostProcessorV2),
        LM_ID(IID_IAAXHostProcessorDelegateV1),
        LM_ID(AAXCompID_HostProcessorDelegate),
        LM_ID(IID_IAAXHostProcessorDelegateV2),
        LM_ID(IID_IAAXHostProcessorDelegateV3),
    };
    auto find = [&](const std::string& name) -> const acfUID* {
        for (const NamedID& id : ours)
            if (name == id.name) return id.id;
        return nullptr;
    };
    for (const PublishedInterface& entry : PublishedInterfaces()) {
        SCOPED_TRACE(entry.name);
        if (entry.iidName != nullptr) {
            const acfUID* id = find(entry.iidName);
            ASSERT_NE(id, nullptr) << entry.iidName;
            EXPECT_EQ(Text(*id), entry.iid) << entry.iidName;
        }
        if (entry.componentIDName != nullptr) {
            const acfUID* id = find(entry.componentIDName);
            ASSERT_NE(id, nullptr) << entry.componentIDName;
            EXPECT_EQ(Text(*id), entry.componentID) << entry.componentIDName;
        }
    }
}

struct NamedValue {
    const char* name;
    long long value;
};
#define LM_VALUE(NAME) \
    NamedValue { #NAME, static_cast < long long>(NAME) }

// Compared as 32-bit patterns: the published unsigned enumerations and the signed
// result codes cross the boundary as 32 bits either way.
std::uint32_t Bits(long long value) { return static_cast<std::uint32_t>(value); }

TEST(PublishedValues, EveryValueThisProjectNamesIsPublishedUnderThatName) {
    const std::vector<NamedValue> ours = {
        LM_VALUE(AAX_SUCCESS),
        LM_VALUE(AAX_ERROR_INVALID_PARAMETER_ID),
        LM_VALUE(AAX_ERROR_INVALID_STRING_CONVERSION),
        LM_VALUE(AAX_ERROR_NULL_OBJECT),
        LM_VALUE(AAX_ERROR_INVALID_CHUNK_INDEX),
        LM_VALUE(AAX_ERROR_INVALID_CHUNK_ID),
        LM_VALUE(AAX_ERROR_UNIMPLEMENTED),
        LM_VALUE(AAX_ERROR_NOT_INITIALIZED),
        LM_VALUE(AAX_ERROR_MALFORMED_CHUNK),
        LM_VALUE(AAX_ERROR_PLUGIN_NULL_PARAMETER),
        LM_VALUE(AAX_ERROR_UNKNOWN_EXCEPTION),
        LM_VALUE(AAX_ERROR_INVALID_ARGUMENT),
        LM_VALUE(AAX_ERROR_NULL_ARGUMENT),
        LM_VALUE(AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW),
        LM_VALUE(AAX_eProperty_NoID),
        LM_VALUE(AAX_eProperty_ManufacturerID),
        LM_VALUE(AAX_eProperty_ProductID),
        LM_VALUE(AAX_eProperty_PlugInID_Native),
        LM_VALUE(AAX_eProperty_PlugInID_AudioSuite),
        LM_VALUE(AAX_eProperty_InputStemFormat),
        LM_VALUE(AAX_eProperty_OutputStemFormat),
        LM_VALUE(AAX_eProperty_CanBypass),
        LM_VALUE(AAX_eProperty_UsesRandomAccess),
        LM_VALUE(AAX_eProperty_RequiresAnalysis),
        LM_VALUE(AAX_eProperty_OptionalAnalysis),
        LM_VALUE(AAX_eProperty_ContinuousOnly),
        LM_VALUE(AAX_eProperty_MultiInputModeOnly),
        LM_VALUE(AAX_eProperty_DisablePreview),
        LM_VALUE(AAX_eProperty_NumberOfInputs),
        LM_VALUE(AAX_eProperty_NumberOfOutputs),
        LM_VALUE(AAX_eProperty_DisableHandles),
        LM_VALUE(AAX_eProperty_SupportsSideChainInput),
        LM_VALUE(AAX_eProperty_DisableAudioSuiteReverse),
        LM_VALUE(AAX_eProperty_UsesClientGUI),
        LM_VALUE(AAX_eProperty_UsesTransport),
        LM_VALUE(AAX_eMIDINodeType_LocalInput),
        LM_VALUE(AAX_eMIDINodeType_LocalOutput),
        LM_VALUE(AAX_eMIDINodeType_Global),
        LM_VALUE(AAX_eMIDINodeType_Transport),
        LM_VALUE(AAX_eViewContainer_Type_NULL),
        LM_VALUE(AAX_eViewContainer_Type_HWND),
        LM_VALUE(AAX_eHighlightColor_Red),
        LM_VALUE(AAX_eHighlightColor_Blue),
        LM_VALUE(AAX_eHighlightColor_Green),
        LM_VALUE(AAX_eHighlightColor_Yellow),
        LM_VALUE(AAX_eFrameRate_24Frame),
        LM_VALUE(AAX_eFrameRate_25Frame),
        LM_VALUE(AAX_eFrameRate_2997NonDrop),
        LM_VALUE(AAX_eFrameRate_2997DropFrame),
        LM_VALUE(AAX_eFrameRate_30NonDrop),
        LM_VALUE(AAX_eFrameRate_30DropFrame),
        LM_VALUE(AAX_eFrameRate_23976),
        LM_VALUE(AAX_eNotificationEvent_TrackNameChanged),
        LM_VALUE(AAX_eNotificationEvent_ASProcessingState),
        LM_VALUE(AAX_eNotificationEvent_ASPreviewState),
        LM_VALUE(AAX_ePlugInStrings_Analysis),
        LM_VALUE(AAX_ePlugInStrings_Process),
        LM_VALUE(AAX_eParameterType_Discrete),
        LM_VALUE(AAX_eParameterType_Continuous),
        LM_VALUE(AAX_eFeetFramesRate_23976),
        LM_VALUE(AAX_eFeetFramesRate_24),
        LM_VALUE(AAX_eFeetFramesRate_25),
        LM_VALUE(AAX_eUpdateSource_Unspecified),
        LM_VALUE(AAX_eUpdateSource_Parameter),
        LM_VALUE(AAX_eResourceType_None),
        LM_VALUE(AAX_eResourceType_PageTable),
        LM_VALUE(AAX_eResourceType_PageTableDir),
        LM_VALUE(kAAX_ProcPtrID_Create_EffectParameters),
        LM_VALUE(kAAX_ProcPtrID_Create_EffectGUI),
        LM_VALUE(kAAX_ProcPtrID_Create_HostProcessor),
        LM_VALUE(kAAX_ProcPtrID_Create_EffectDirectData),
        LM_VALUE(kAAX_ProcPtrID_Create_TaskAgent),
        LM_VALUE(kAAX_ProcPtrID_Create_SessionDocumentClient),
        LM_VALUE(AAX_eTracePriorityHost_None),
        LM_VALUE(AAX_eTracePriorityHost_Critical),
        LM_VALUE(AAX_eTracePriorityHost_High),
        LM_VALUE(AAX_eTracePriorityHost_Normal),
        LM_VALUE(AAX_eTracePriorityHost_Low),
        LM_VALUE(AAX_eTracePriorityHost_Lowest),
        LM_VALUE(AAX_ePrivateDataOptions_DefaultOptions),
        LM_VALUE(AAX_ePrivateDataOptions_KeepOnReset),
        LM_VALUE(AAX_ePrivateDataOptions_External),
        LM_VALUE(AAX_ePrivateDataOptions_Align8),
        LM_VALUE(AAX_eDataInPortType_Unbuffered),
        LM_VALUE(AAX_eDataInPortType_Buffered),
        LM_VALUE(AAX_eDataInPortType_Incremental),
        LM_VALUE(AAX_eComponentInstanceInitAction_AddingNewInstance),
        LM_VALUE(AAX_eComponentInstanceInitAction_RemovingInstance),
        LM_VALUE(AAX_eComponentInstanceInitAction_ResetInstance),
        LM_VALUE(AAX_eSupportLevel_Uninitialized),
        LM_VALUE(AAX_eSupportLevel_Unsupported),
        LM_VALUE(AAX_eSupportLevel_Supported),
        LM_VALUE(AAX_eSupportLevel_Disabled),
        LM_VALUE(AAX_eSupportLevel_ByProperty),
        LM_VALUE(AAX_eStemFormat_Mono),
        LM_VALUE(AAX_eStemFormat_Stereo),
        LM_VALUE(AAX_eStemFormat_LCR),
        LM_VALUE(AAX_eStemFormat_LCRS),
        LM_VALUE(AAX_eStemFormat_Quad),
        LM_VALUE(AAX_eStemFormat_5_0),
        LM_VALUE(AAX_eStemFormat_5_1),
        LM_VALUE(AAX_eStemFormat_7_0_SDDS),
        LM_VALUE(AAX_eStemFormat_7_1_SDDS),
        LM_VALUE(AAX_eStemFormat_7_0_DTS),
        LM_VALUE(AAX_eStemFormat_7_1_DTS),
        LM_VALUE(AAX_eStemFormat_7_1_2),
        LM_VALUE(AAX_eStemFormat_7_0_2),
        LM_VALUE(AAX_eStemFormat_Any),
        LM_VALUE(ACF_OK),
        LM_VALUE(ACF_FALSE),
        LM_VALUE(ACF_E_NOTIMPL),
        LM_VALUE(ACF_E_OUTOFMEMORY),
        LM_VALUE(ACF_E_INVALIDARG),
        LM_VALUE(ACF_E_NOINTERFACE),
        LM_VALUE(ACF_E_POINTER),
        LM_VALUE(ACF_E_FAIL),
        LM_VALUE(ACF_E_UNEXPECTED),
        LM_VALUE(ACF_E_CLASSNOTREG),
    };
    for (const NamedValue& value : ours) {
        SCOPED_TRACE(value.name);
        long long published = 0;
        ASSERT_NO_THROW(published = PublishedValueOf(value.name)) << "not a published name";
        EXPECT_EQ(Bits(value.value), Bits(published));
    }
}

struct MeasuredLayout {
    const char* record;
    const char* field;
    std::size_t value;
};
#define LM_SIZE(RECORD) \
    MeasuredLayout { #RECORD, "", sizeof(RECORD) }
#define LM_OFFSET(RECORD, FIELD) \
    MeasuredLayout { #RECORD, #FIELD, offsetof(RECORD, FIELD) }

TEST(PublishedLayouts, RecordsCrossingTheBoundaryHaveThePublishedSizesAndOffsets) {
    const std::vector<MeasuredLayout> ours = {
        LM_SIZE(AAX_SPlugInChunk),
        LM_OFFSET(AAX_SPlugInChunk, fSize),
        LM_OFFSET(AAX_SPlugInChunk, fVersion),
        LM_OFFSET(AAX_SPlugInChunk, fManufacturerID),
        LM_OFFSET(AAX_SPlugInChunk, fProductID),
        LM_OFFSET(AAX_SPlugInChunk, fPlugInID),
        LM_OFFSET(AAX_SPlugInChunk, fChunkID),
        LM_OFFSET(AAX_SPlugInChunk, fName),
        LM_OFFSET(AAX_SPlugInChunk, fData),
        LM_SIZE(AAX_SPlugInIdentifierTriad),
        LM_OFFSET(AAX_SPlugInIdentifierTriad, mManufacturerID),
        LM_OFFSET(AAX_SPlugInIdentifierTriad, mProductID),
        LM_OFFSET(AAX_SPlugInIdentifierTriad, mPlugInID),
        LM_SIZE(AAX_CMidiPacket),
        LM_OFFSET(AAX_CMidiPacket, mTimestamp),
        LM_OFFSET(AAX_CMidiPacket, mLength),
        LM_OFFSET(AAX_CMidiPacket, mData),
        LM_OFFSET(AAX_CMidiPacket, mIsImmediate),
        LM_SIZE(AAX_CMidiStream),
        LM_OFFSET(AAX_CMidiStream, mBufferSize),
        LM_OFFSET(AAX_CMidiStream, mBuffer),
        LM_SIZE(AAX_Point),
        LM_OFFSET(AAX_Point, vert),
        LM_OFFSET(AAX_Point, horz),
        LM_SIZE(AAX_SHybridRenderInfo),
        LM_OFFSET(AAX_SHybridRenderInfo, mAudioInputs),
        LM_OFFSET(AAX_SHybridRenderInfo, mNumAudioInputs),
        LM_OFFSET(AAX_SHybridRenderInfo, mAudioOutputs),
        LM_OFFSET(AAX_SHybridRenderInfo, mNumAudioOutputs),
        LM_OFFSET(AAX_SHybridRenderInfo, mNumSamples),
        LM_OFFSET(AAX_SHybridRenderInfo, mClock),
        LM_SIZE(AAX_Rect),
        LM_OFFSET(AAX_Rect, top),
        LM_OFFSET(AAX_Rect, left),
        LM_OFFSET(AAX_Rect, width),
        LM_OFFSET(AAX_Rect, height),
    };
    for (const PublishedLayout& published : PublishedLayouts()) {
        SCOPED_TRACE(std::string(published.record) + "." + published.field);
        const MeasuredLayout* measured = nullptr;
        for (const MeasuredLayout& layout : ours)
            if (std::string(layout.record) == published.record && std::string(layout.field) == published.field)
                measured = &layout;
        if (measured == nullptr) continue;  // a record or field this project does not use
        EXPECT_EQ(measured->value, published.value);
    }
    for (const MeasuredLayout& layout : ours) {
        bool listed = false;
        for (const PublishedLayout& published : PublishedLayouts())
            listed = listed ||
                     (std::string(layout.record) == published.record && std::string(layout.field) == published.field);
        EXPECT_TRUE(listed) << layout.record << "." << layout.field << " is not published";
    }
}

}  // namespace
}  // namespace conformance
