#include "conformance/PublishedValues.h"

#include <stdexcept>

namespace conformance {

const std::vector<PublishedValue>& PublishedValues() {
    static const std::vector<PublishedValue> table = {
        // AAX_EHighlightColor
        {"AAX_eHighlightColor_Red", 0LL},
        {"AAX_eHighlightColor_Blue", 1LL},
        {"AAX_eHighlightColor_Green", 2LL},
        {"AAX_eHighlightColor_Yellow", 3LL},
        // AAX_ETracePriorityHost
        {"AAX_eTracePriorityHost_None", 0LL},
        {"AAX_eTracePriorityHost_Critical", 268435456LL},
        {"AAX_eTracePriorityHost_High", 134217728LL},
        {"AAX_eTracePriorityHost_Normal", 67108864LL},
        {"AAX_eTracePriorityHost_Low", 33554432LL},
        {"AAX_eTracePriorityHost_Lowest", 16777216LL},
        // AAX_EStemFormat
        {"AAX_eStemFormat_Mono", 1LL},
        {"AAX_eStemFormat_Stereo", 65538LL},
        {"AAX_eStemFormat_LCR", 131075LL},
        {"AAX_eStemFormat_LCRS", 196612LL},
        {"AAX_eStemFormat_Quad", 262148LL},
        {"AAX_eStemFormat_5_0", 327685LL},
        {"AAX_eStemFormat_5_1", 393222LL},
        {"AAX_eStemFormat_7_0_SDDS", 589831LL},
        {"AAX_eStemFormat_7_1_SDDS", 655368LL},
        {"AAX_eStemFormat_7_0_DTS", 720903LL},
        {"AAX_eStemFormat_7_1_DTS", 786440LL},
        {"AAX_eStemFormat_7_0_2", 1310729LL},
        {"AAX_eStemFormat_7_1_2", 851978LL},
        {"AAX_eStemFormat_Any", 4294901760LL},
        // AAX_EPlugInStrings
        {"AAX_ePlugInStrings_Analysis", 0LL},
        {"AAX_ePlugInStrings_Process", 9LL},
        // AAX_EResourceType
        {"AAX_eResourceType_None", 0LL},
        {"AAX_eResourceType_PageTable", 1LL},
        {"AAX_eResourceType_PageTableDir", 2LL},
        // AAX_ENotificationEvent
        {"AAX_eNotificationEvent_TrackNameChanged", 1096316014LL},
        {"AAX_eNotificationEvent_ASProcessingState", 1096306802LL},
        {"AAX_eNotificationEvent_ASPreviewState", 1095979126LL},
        // AAX_EPrivateDataOptions
        {"AAX_ePrivateDataOptions_DefaultOptions", 0LL},
        {"AAX_ePrivateDataOptions_KeepOnReset", 1LL},
        {"AAX_ePrivateDataOptions_External", 2LL},
        {"AAX_ePrivateDataOptions_Align8", 4LL},
        // AAX_EComponentInstanceInitAction
        {"AAX_eComponentInstanceInitAction_AddingNewInstance", 0LL},
        {"AAX_eComponentInstanceInitAction_RemovingInstance", 1LL},
        {"AAX_eComponentInstanceInitAction_ResetInstance", 2LL},
        // AAX_EParameterType
        {"AAX_eParameterType_Discrete", 0LL},
        {"AAX_eParameterType_Continuous", 1LL},
        // AAX_EMIDINodeType
        {"AAX_eMIDINodeType_LocalInput", 0LL},
        {"AAX_eMIDINodeType_LocalOutput", 1LL},
        {"AAX_eMIDINodeType_Global", 2LL},
        {"AAX_eMIDINodeType_Transport", 3LL},
        // AAX_EUpdateSource
        {"AAX_eUpdateSource_Unspecified", 0LL},
        {"AAX_eUpdateSource_Parameter", 1LL},
        // AAX_EDataInPortType
        {"AAX_eDataInPortType_Unbuffered", 0LL},
        {"AAX_eDataInPortType_Buffered", 1LL},
        {"AAX_eDataInPortType_Incremental", 2LL},
        // AAX_EFrameRate
        {"AAX_eFrameRate_24Frame", 1LL},
        {"AAX_eFrameRate_25Frame", 2LL},
        {"AAX_eFrameRate_2997NonDrop", 3LL},
        {"AAX_eFrameRate_2997DropFrame", 4LL},
        {"AAX_eFrameRate_30NonDrop", 5LL},
        {"AAX_eFrameRate_30DropFrame", 6LL},
        {"AAX_eFrameRate_23976", 7LL},
        // AAX_EFeetFramesRate
        {"AAX_eFeetFramesRate_23976", 0LL},
        {"AAX_eFeetFramesRate_24", 1LL},
        {"AAX_eFeetFramesRate_25", 2LL},
        // AAX_ESupportLevel
        {"AAX_eSupportLevel_Uninitialized", 0LL},
        {"AAX_eSupportLevel_Unsupported", 1LL},
        {"AAX_eSupportLevel_Supported", 2LL},
        {"AAX_eSupportLevel_Disabled", 3LL},
        {"AAX_eSupportLevel_ByProperty", 4LL},
        // AAX_EError
        {"AAX_SUCCESS", 0LL},
        {"AAX_ERROR_INVALID_PARAMETER_ID", -20001LL},
        {"AAX_ERROR_INVALID_STRING_CONVERSION", -20002LL},
        {"AAX_ERROR_NULL_OBJECT", -20004LL},
        {"AAX_ERROR_INVALID_CHUNK_INDEX", -20006LL},
        {"AAX_ERROR_INVALID_CHUNK_ID", -20007LL},
        {"AAX_ERROR_UNIMPLEMENTED", -20009LL},
        {"AAX_ERROR_NOT_INITIALIZED", -20011LL},
        {"AAX_ERROR_MALFORMED_CHUNK", -20026LL},
        {"AAX_ERROR_PLUGIN_NULL_PARAMETER", -20030LL},
        {"AAX_ERROR_UNKNOWN_EXCEPTION", -20042LL},
        {"AAX_ERROR_INVALID_ARGUMENT", -20043LL},
        {"AAX_ERROR_NULL_ARGUMENT", -20044LL},
        {"AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW", -20046LL},
        // AAX_EProperty
        {"AAX_eProperty_NoID", 0LL},
        {"AAX_eProperty_ManufacturerID", 11LL},
        {"AAX_eProperty_ProductID", 12LL},
        {"AAX_eProperty_PlugInID_Native", 13LL},
        {"AAX_eProperty_PlugInID_AudioSuite", 14LL},
        {"AAX_eProperty_InputStemFormat", 51LL},
        {"AAX_eProperty_OutputStemFormat", 52LL},
        {"AAX_eProperty_CanBypass", 60LL},
        {"AAX_eProperty_UsesRandomAccess", 101LL},
        {"AAX_eProperty_RequiresAnalysis", 102LL},
        {"AAX_eProperty_OptionalAnalysis", 103LL},
        {"AAX_eProperty_ContinuousOnly", 107LL},
        {"AAX_eProperty_MultiInputModeOnly", 108LL},
        {"AAX_eProperty_DisablePreview", 110LL},
        {"AAX_eProperty_NumberOfInputs", 113LL},
        {"AAX_eProperty_NumberOfOutputs", 114LL},
        {"AAX_eProperty_DisableHandles", 115LL},
        {"AAX_eProperty_SupportsSideChainInput", 116LL},
        {"AAX_eProperty_DisableAudioSuiteReverse", 118LL},
        {"AAX_eProperty_UsesClientGUI", 151LL},
        {"AAX_eProperty_UsesTransport", 306LL},
        // AAX_CProcPtrID
        {"kAAX_ProcPtrID_Create_EffectParameters", 0LL},
        {"kAAX_ProcPtrID_Create_EffectGUI", 1LL},
        {"kAAX_ProcPtrID_Create_HostProcessor", 3LL},
        {"kAAX_ProcPtrID_Create_EffectDirectData", 5LL},
        {"kAAX_ProcPtrID_Create_TaskAgent", 6LL},
        {"kAAX_ProcPtrID_Create_SessionDocumentClient", 7LL},
        // AAX_EViewContainer_Type
        {"AAX_eViewContainer_Type_NULL", 0LL},
        {"AAX_eViewContainer_Type_HWND", 3LL},
        // ACF results
        {"ACF_OK", 0LL},
        {"ACF_FALSE", 1LL},
        {"ACF_E_UNEXPECTED", -2147418113LL},
        {"ACF_E_NOTIMPL", -2147483647LL},
        {"ACF_E_OUTOFMEMORY", -2147483646LL},
        {"ACF_E_INVALIDARG", -2147483645LL},
        {"ACF_E_NOINTERFACE", -2147483644LL},
        {"ACF_E_POINTER", -2147483643LL},
        {"ACF_E_FAIL", -2147483640LL},
        {"ACF_E_CLASSNOTREG", -2147221164LL},
    };
    return table;
}

long long PublishedValueOf(const std::string& name) {
    for (const PublishedValue& entry : PublishedValues())
        if (name == entry.name) return entry.value;
    throw std::out_of_range("no published value " + name);
}

const std::vector<PublishedLayout>& PublishedLayouts() {
    static const std::vector<PublishedLayout> table = {
        {"AAX_SPlugInChunkHeader", "", 56},
        {"AAX_SPlugInChunkHeader", "fSize", 0},
        {"AAX_SPlugInChunkHeader", "fVersion", 4},
        {"AAX_SPlugInChunkHeader", "fManufacturerID", 8},
        {"AAX_SPlugInChunkHeader", "fProductID", 12},
        {"AAX_SPlugInChunkHeader", "fPlugInID", 16},
        {"AAX_SPlugInChunkHeader", "fChunkID", 20},
        {"AAX_SPlugInChunkHeader", "fName", 24},
        {"AAX_SPlugInChunk", "", 60},
        {"AAX_SPlugInChunk", "fSize", 0},
        {"AAX_SPlugInChunk", "fVersion", 4},
        {"AAX_SPlugInChunk", "fManufacturerID", 8},
        {"AAX_SPlugInChunk", "fProductID", 12},
        {"AAX_SPlugInChunk", "fPlugInID", 16},
        {"AAX_SPlugInChunk", "fChunkID", 20},
        {"AAX_SPlugInChunk", "fName", 24},
        {"AAX_SPlugInChunk", "fData", 56},
        {"AAX_SPlugInIdentifierTriad", "", 12},
        {"AAX_SPlugInIdentifierTriad", "mManufacturerID", 0},
        {"AAX_SPlugInIdentifierTriad", "mProductID", 4},
        {"AAX_SPlugInIdentifierTriad", "mPlugInID", 8},
        {"AAX_CMidiPacket", "", 16},
        {"AAX_CMidiPacket", "mTimestamp", 0},
        {"AAX_CMidiPacket", "mLength", 4},
        {"AAX_CMidiPacket", "mData", 8},
        {"AAX_CMidiPacket", "mIsImmediate", 12},
        {"AAX_CMidiStream", "", 16},
        {"AAX_CMidiStream", "mBufferSize", 0},
        {"AAX_CMidiStream", "mBuffer", 8},
        {"AAX_Point", "", 8},
        {"AAX_Point", "vert", 0},
        {"AAX_Point", "horz", 4},
        {"AAX_SHybridRenderInfo", "", 48},
        {"AAX_SHybridRenderInfo", "mAudioInputs", 0},
        {"AAX_SHybridRenderInfo", "mNumAudioInputs", 8},
        {"AAX_SHybridRenderInfo", "mAudioOutputs", 16},
        {"AAX_SHybridRenderInfo", "mNumAudioOutputs", 24},
        {"AAX_SHybridRenderInfo", "mNumSamples", 32},
        {"AAX_SHybridRenderInfo", "mClock", 40},
        {"AAX_Rect", "", 16},
        {"AAX_Rect", "top", 0},
        {"AAX_Rect", "left", 4},
        {"AAX_Rect", "width", 8},
        {"AAX_Rect", "height", 12},
    };
    return table;
}

}  // namespace conformance
