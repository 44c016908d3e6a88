#include "conformance/PublishedInterfaces.h"

#include <stdexcept>

namespace conformance {

const std::vector<PublishedInterface>& PublishedInterfaces() {
    // One interface version per entry, its methods one per line.
    // clang-format off
    static const std::vector<PublishedInterface> table = {
        {"IACFUnknown", nullptr, "IID_IACFUnknown",
         "{00000000-0000-0000-C000-000000000046}", nullptr,
         nullptr, false, {
            {"QueryInterface", "i32 ref ptr"},
            {"AddRef", "i32"},
            {"Release", "i32"},
         }},
        {"IACFClassFactory", "IACFUnknown", "IID_IACFClassFactory",
         "{80996EEE-7FCF-11D6-ACA8-00306542A024}", nullptr,
         nullptr, false, {
            {"CreateInstance", "i32 ptr ptr ref ptr"},
         }},
        {"IACFDefinition", "IACFUnknown", "IID_IACFDefinition",
         "{E51741F1-7FCF-11D6-AAC3-00306542A024}", nullptr,
         nullptr, false, {
            {"DefineAttribute", "i32 ref ref ptr i32"},
            {"GetAttributeInfo", "i32 ref ptr ptr"},
            {"CopyAttribute", "i32 ref ref ptr i32"},
         }},
        {"IACFPluginDefinition", "IACFDefinition", "IID_IACFPluginDefinition",
         "{00EEF015-7FD0-11D6-8485-00306542A024}", nullptr,
         nullptr, false, {
            {"InitializePlugin", "i32 ref i32 i32 ptr ref ptr i32 i32"},
         }},
        {"IACFComponentDefinition", "IACFDefinition", "IID_IACFComponentDefinition",
         "{1718A226-7FD0-11D6-BD1D-00306542A024}", nullptr,
         nullptr, false, {
            {"InitializeComponent", "i32 ref ref i32 i32 ref ptr"},
         }},
        {"IACFEnumDefinitions", "IACFUnknown", "IID_IACFEnumDefinitions",
         "{C34189E3-8398-11D6-847E-00306542A024}", nullptr,
         nullptr, false, {
            {"Count", "i32"},
            {"Next", "i32 i32 ref ptr"},
            {"Reset", "i32"},
            {"Clone", "i32 ptr"},
         }},
        {"IACFComponentFactory", "IACFUnknown", "IID_IACFComponentFactory",
         "{382B6A96-7FD0-11D6-BCFE-00306542A024}", nullptr,
         nullptr, false, {
            {"CreateComponent", "i32 ref ptr ref ptr"},
            {"CreateInstance", "i32 ref ptr ref ptr"},
            {"GetClassFactory", "i32 ref ref ptr"},
            {"FindDefinition", "i32 ref ref ptr"},
            {"EnumDefinitions", "i32 ref ptr"},
         }},
        {"AAX_IACFCollection", "IACFPluginDefinition", "IID_IAAXCollectionV1",
         "{96D42C2D-EBBC-41DF-B1AB-9991A2EE0CCA}", "AAXCompID_AAXCollection",
         "{89882C2D-77BC-42EF-707B-7981B7BD0CCA}", false, {
            {"AddEffect", "i32 str ptr"},
            {"SetManufacturerName", "i32 str"},
            {"AddPackageName", "i32 str"},
            {"SetPackageVersion", "i32 i32"},
            {"SetProperties", "i32 ptr"},
         }},
        {"AAX_IACFEffectDescriptor", "IACFUnknown", "IID_IAAXEffectDescriptorV1",
         "{96D42C2D-EBBC-41EF-D1CB-499442E40FDA}", "AAXCompID_AAXEffectDescriptor",
         "{89872C2D-75BC-423F-401B-F9A1BAAD0CCA}", false, {
            {"AddComponent", "i32 ptr"},
            {"AddName", "i32 str"},
            {"AddCategory", "i32 i32"},
            {"AddCategoryBypassParameter", "i32 i32 str"},
            {"AddProcPtr", "i32 ptr i32"},
            {"SetProperties", "i32 ptr"},
            {"AddResourceInfo", "i32 i32 str"},
            {"AddMeterDescription", "i32 i32 str ptr"},
         }},
        {"AAX_IACFEffectDescriptor_V2", "AAX_IACFEffectDescriptor", "IID_IAAXEffectDescriptorV2",
         "{41ECCC52-416B-4072-84BD-40B05210A74C}", "AAXCompID_AAXEffectDescriptor",
         "{89872C2D-75BC-423F-401B-F9A1BAAD0CCA}", false, {
            {"AddControlMIDINode", "i32 i32 i32 str i32"},
         }},
        {"AAX_IACFComponentDescriptor", "IACFUnknown", "IID_IAAXComponentDescriptorV1",
         "{96E42C2D-E2BC-51EF-61C7-48994AEB0CDA}", "AAXCompID_AAXComponentDescriptor",
         "{94872C3D-95BC-413D-D0DB-D9B12AAD0CCA}", false, {
            {"Clear", "i32"},
            {"AddReservedField", "i32 i32 i32"},
            {"AddAudioIn", "i32 i32"},
            {"AddAudioOut", "i32 i32"},
            {"AddAudioBufferLength", "i32 i32"},
            {"AddSampleRate", "i32 i32"},
            {"AddClock", "i32 i32"},
            {"AddSideChainIn", "i32 i32"},
            {"AddDataInPort", "i32 i32 i32 i32"},
            {"AddAuxOutputStem", "i32 i32 i32 str"},
            {"AddPrivateData", "i32 i32 i32 i32"},
            {"AddDmaInstance", "i32 i32 i32"},
            {"AddMIDINode", "i32 i32 i32 str i32"},
            {"AddProcessProc_Native", "i32 ptr ptr ptr ptr ptr"},
            {"AddProcessProc_TI", "i32 str str ptr str str ptr"},
            {"AddMeters", "i32 i32 ptr i32"},
         }},
        {"AAX_IACFComponentDescriptor_V2", "AAX_IACFComponentDescriptor", "IID_IAAXComponentDescriptorV2",
         "{1895259E-AAA9-4F0F-A985-149837B76F89}", "AAXCompID_AAXComponentDescriptor",
         "{94872C3D-95BC-413D-D0DB-D9B12AAD0CCA}", false, {
            {"AddTemporaryData", "i32 i32 i32"},
         }},
        {"AAX_IACFComponentDescriptor_V3", "AAX_IACFComponentDescriptor_V2", "IID_IAAXComponentDescriptorV3",
         "{979CFCD4-2BCB-43AE-9CD0-2D0ECD2ADCD5}", "AAXCompID_AAXComponentDescriptor",
         "{94872C3D-95BC-413D-D0DB-D9B12AAD0CCA}", false, {
            {"AddProcessProc", "i32 ptr ptr i32"},
         }},
        {"AAX_IACFPropertyMap", "IACFUnknown", "IID_IAAXPropertyMapV1",
         "{96EE2C2D-EECC-5EFF-E2D7-E849E3E2EEEE}", "AAXCompID_AAXPropertyMap",
         "{A587AD3D-D53C-4ADC-D0DD-D9D12DDDDCDA}", false, {
            {"GetProperty", "u8 i32 ptr"},
            {"AddProperty", "i32 i32 i32"},
            {"RemoveProperty", "i32 i32"},
         }},
        {"AAX_IACFPropertyMap_V2", "AAX_IACFPropertyMap", "IID_IAAXPropertyMapV2",
         "{7177DF80-7C9C-11E2-B92A-0800200C9A66}", "AAXCompID_AAXPropertyMap",
         "{A587AD3D-D53C-4ADC-D0DD-D9D12DDDDCDA}", false, {
            {"AddPropertyWithIDArray", "i32 i32 ptr i32"},
            {"GetPropertyWithIDArray", "u8 i32 ptr ptr"},
         }},
        {"AAX_IACFPropertyMap_V3", "AAX_IACFPropertyMap_V2", "IID_IAAXPropertyMapV3",
         "{6D4AB208-D34B-4368-B4F1-58BC243F45C9}", "AAXCompID_AAXPropertyMap",
         "{A587AD3D-D53C-4ADC-D0DD-D9D12DDDDCDA}", false, {
            {"GetProperty64", "u8 i32 ptr"},
            {"AddProperty64", "i32 i32 i64"},
         }},
        {"AAX_IACFDescriptionHost", "IACFUnknown", "IID_IAAXDescriptionHostV1",
         "{E5BC71DF-4C1F-4CC4-814A-5A7DD0E70EF5}", "AAX_CompID_DescriptionHost",
         "{84E184CE-353C-4928-8061-046006B31B52}", false, {
            {"AcquireFeatureProperties", "i32 ref ptr"},
         }},
        {"AAX_IACFFeatureInfo", "IACFUnknown", "IID_IAAXFeatureInfoV1",
         "{24545609-A7C4-44D4-ABB8-CF13EA9D0BDF}", "AAX_CompID_FeatureInfo",
         "{617D2E4F-3556-483B-B4DE-053CC3921753}", false, {
            {"SupportLevel", "i32 ptr"},
            {"AcquireProperties", "i32 ptr"},
         }},
        {"AAX_IACFHostServices", "IACFUnknown", "IID_IAAXHostServicesV1",
         "{96D42C2D-EBBC-41EF-B0AB-9991A0ED0CCA}", "AAXCompID_HostServices",
         "{88882C2D-EBBC-42EF-C0AB-8981B0BD0CCA}", false, {
            {"Assert", "i32 str i32 str"},
            {"Trace", "i32 i32 str"},
         }},
        {"AAX_IACFHostServices_V2", "AAX_IACFHostServices", "IID_IAAXHostServicesV2",
         "{A207EE9E-B442-11E4-A71E-12E3F512A338}", "AAXCompID_HostServices",
         "{88882C2D-EBBC-42EF-C0AB-8981B0BD0CCA}", false, {
            {"StackTrace", "i32 i32 i32 str"},
         }},
        {"AAX_IACFHostServices_V3", "AAX_IACFHostServices_V2", "IID_IAAXHostServicesV3",
         "{12BEA399-9A4F-4353-8098-3916FA71898D}", "AAXCompID_HostServices",
         "{88882C2D-EBBC-42EF-C0AB-8981B0BD0CCA}", false, {
            {"HandleAssertFailure", "i32 str i32 str i32"},
         }},
        {"AAX_IACFController", "IACFUnknown", "IID_IAAXControllerV1",
         "{9D5E3E3D-52DC-5EFB-2018-DE1DE2E63F4E}", "AAXCompID_Controller",
         "{AB944D4D-15C4-C61C-3D3B-F9BF1D20184A}", false, {
            {"GetEffectID", "i32 ptr"},
            {"GetSampleRate", "i32 ptr"},
            {"GetInputStemFormat", "i32 ptr"},
            {"GetOutputStemFormat", "i32 ptr"},
            {"GetSignalLatency", "i32 ptr"},
            {"GetCycleCount", "i32 i32 ptr"},
            {"GetTODLocation", "i32 ptr"},
            {"SetSignalLatency", "i32 i32"},
            {"SetCycleCount", "i32 ptr ptr i32"},
            {"PostPacket", "i32 i32 ptr i32"},
            {"GetCurrentMeterValue", "i32 i32 ptr"},
            {"GetMeterPeakValue", "i32 i32 ptr"},
            {"ClearMeterPeakValue", "i32 i32"},
            {"GetMeterClipped", "i32 i32 ptr"},
            {"ClearMeterClipped", "i32 i32"},
            {"GetMeterCount", "i32 ptr"},
            {"GetNextMIDIPacket", "i32 ptr ptr"},
         }},
        {"AAX_IACFController_V2", "AAX_IACFController", "IID_IAAXControllerV2",
         "{4C59AA0E-D7C0-4205-8B6C-32468D42D202}", "AAXCompID_Controller",
         "{AB944D4D-15C4-C61C-3D3B-F9BF1D20184A}", false, {
            {"SendNotification", "i32 i32 ptr i32"},
            {"GetHybridSignalLatency", "i32 ptr"},
            {"GetCurrentAutomationTimestamp", "i32 ptr"},
            {"GetHostName", "i32 ptr"},
         }},
        {"AAX_IACFController_V3", "AAX_IACFController_V2", "IID_IAAXControllerV3",
         "{DD6F168C-DA86-44F8-B864-D6CD221926E7}", "AAXCompID_Controller",
         "{AB944D4D-15C4-C61C-3D3B-F9BF1D20184A}", false, {
            {"GetPlugInTargetPlatform", "i32 ptr"},
            {"GetIsAudioSuite", "i32 ptr"},
         }},
        {"AAX_IACFController_V4", "AAX_IACFController_V3", "IID_IAAXControllerV4",
         "{F19C815C-D885-4677-9E1F-0837C7A69EB3}", "AAXCompID_Controller",
         "{AB944D4D-15C4-C61C-3D3B-F9BF1D20184A}", false, {
            {"GetInstanceGroupID", "i32 ptr"},
         }},
        {"AAX_IACFController_V5", "AAX_IACFController_V4", "IID_IAAXControllerV5",
         "{FF310DBF-04E8-45B1-B36A-B8F4D9B8D482}", "AAXCompID_Controller",
         "{AB944D4D-15C4-C61C-3D3B-F9BF1D20184A}", false, {
            {"RegisterForNotification", "i32 i32 ptr"},
            {"GetInstanceID", "i32 ptr"},
         }},
        {"AAX_IACFAutomationDelegate", "IACFUnknown", "IID_IAAXAutomationDelegateV1",
         "{9D5E3D3D-42DC-5EFA-2217-EEE2E8E53E2E}", "AAXCompID_AutomationDelegate",
         "{AB943D9D-5534-26DC-29AB-C9B32D2D288A}", false, {
            {"RegisterParameter", "i32 str"},
            {"UnregisterParameter", "i32 str"},
            {"PostSetValueRequest", "i32 str f64"},
            {"PostCurrentValue", "i32 str f64"},
            {"PostTouchRequest", "i32 str"},
            {"PostReleaseRequest", "i32 str"},
            {"GetTouchState", "i32 str ptr"},
         }},
        {"AAX_IACFTransport", "IACFUnknown", "IID_IAAXTransportV1",
         "{5CEE4EF4-6337-4359-B63B-FE58DC36543A}", "AAXCompID_Transport",
         "{8A9FA236-2176-49E1-B624-827D2B43315C}", false, {
            {"GetCurrentTempo", "i32 ptr"},
            {"GetCurrentMeter", "i32 ptr ptr"},
            {"IsTransportPlaying", "i32 ptr"},
            {"GetCurrentTickPosition", "i32 ptr"},
            {"GetCurrentLoopPosition", "i32 ptr ptr ptr"},
            {"GetCurrentNativeSampleLocation", "i32 ptr"},
            {"GetCustomTickPosition", "i32 ptr i64"},
            {"GetBarBeatPosition", "i32 ptr ptr ptr i64"},
            {"GetTicksPerQuarter", "i32 ptr"},
            {"GetCurrentTicksPerBeat", "i32 ptr"},
         }},
        {"AAX_IACFTransport_V2", "AAX_IACFTransport", "IID_IAAXTransportV2",
         "{203CBD9F-982C-4FE6-A827-07480257AEC3}", "AAXCompID_Transport",
         "{8A9FA236-2176-49E1-B624-827D2B43315C}", false, {
            {"GetTimelineSelectionStartPosition", "i32 ptr"},
            {"GetTimeCodeInfo", "i32 ptr ptr"},
            {"GetFeetFramesInfo", "i32 ptr ptr"},
            {"IsMetronomeEnabled", "i32 ptr"},
         }},
        {"AAX_IACFTransport_V3", "AAX_IACFTransport_V2", "IID_IAAXTransportV3",
         "{AF79E815-ECFE-1FB4-8A2E-24AB0EC08EF0}", "AAXCompID_Transport",
         "{8A9FA236-2176-49E1-B624-827D2B43315C}", false, {
            {"GetHDTimeCodeInfo", "i32 ptr ptr"},
         }},
        {"AAX_IACFTransport_V4", "AAX_IACFTransport_V3", "IID_IAAXTransportV4",
         "{CAD3748B-5F34-4A1D-B59E-126ECFB01177}", "AAXCompID_Transport",
         "{8A9FA236-2176-49E1-B624-827D2B43315C}", false, {
            {"GetTimelineSelectionEndPosition", "i32 ptr"},
         }},
        {"AAX_IACFTransport_V5", "AAX_IACFTransport_V4", "IID_IAAXTransportV5",
         "{E8B5E908-F8F6-44BA-AC92-1D8EE1D44B58}", "AAXCompID_Transport",
         "{8A9FA236-2176-49E1-B624-827D2B43315C}", false, {
            {"GetKeySignature", "i32 i64 ptr"},
         }},
        {"AAX_IACFTransportControl", "IACFUnknown", "IID_IAAXTransportControlV1",
         "{CE6DDB20-1B7C-4559-9EE8-D7698645A143}", "AAXCompID_TransportControl",
         "{0717AC4D-DF87-44B1-827B-5B6F9BE350F5}", false, {
            {"RequestTransportStart", "i32"},
            {"RequestTransportStop", "i32"},
         }},
        {"AAX_IACFEffectParameters", "IACFUnknown", "IID_IAAXEffectParametersV1",
         "{964E333D-334C-533F-C2C7-3834C3C23E3E}", "AAXCompID_EffectParameters",
         "{AB97BD9D-9B3C-4BDC-B99B-5951BD5D484A}", false, {
            {"Initialize", "i32 ptr"},
            {"Uninitialize", "i32"},
            {"NotificationReceived", "i32 i32 ptr i32"},
            {"GetNumberOfParameters", "i32 ptr"},
            {"GetMasterBypassParameter", "i32 ptr"},
            {"GetParameterIsAutomatable", "i32 str ptr"},
            {"GetParameterNumberOfSteps", "i32 str ptr"},
            {"GetParameterName", "i32 str ptr"},
            {"GetParameterNameOfLength", "i32 str ptr i32"},
            {"GetParameterDefaultNormalizedValue", "i32 str ptr"},
            {"SetParameterDefaultNormalizedValue", "i32 str f64"},
            {"GetParameterType", "i32 str ptr"},
            {"GetParameterOrientation", "i32 str ptr"},
            {"GetParameter", "i32 str ptr"},
            {"GetParameterIndex", "i32 str ptr"},
            {"GetParameterIDFromIndex", "i32 i32 ptr"},
            {"GetParameterValueInfo", "i32 str i32 ptr"},
            {"GetParameterValueFromString", "i32 str ptr ref"},
            {"GetParameterStringFromValue", "i32 str f64 ptr i32"},
            {"GetParameterValueString", "i32 str ptr i32"},
            {"GetParameterNormalizedValue", "i32 str ptr"},
            {"SetParameterNormalizedValue", "i32 str f64"},
            {"SetParameterNormalizedRelative", "i32 str f64"},
            {"TouchParameter", "i32 str"},
            {"ReleaseParameter", "i32 str"},
            {"UpdateParameterTouch", "i32 str u8"},
            {"UpdateParameterNormalizedValue", "i32 str f64 i32"},
            {"UpdateParameterNormalizedRelative", "i32 str f64"},
            {"GenerateCoefficients", "i32"},
            {"ResetFieldData", "i32 i32 ptr i32"},
            {"GetNumberOfChunks", "i32 ptr"},
            {"GetChunkIDFromIndex", "i32 i32 ptr"},
            {"GetChunkSize", "i32 i32 ptr"},
            {"GetChunk", "i32 i32 ptr"},
            {"SetChunk", "i32 i32 ptr"},
            {"CompareActiveChunk", "i32 ptr ptr"},
            {"GetNumberOfChanges", "i32 ptr"},
            {"TimerWakeup", "i32"},
            {"GetCurveData", "i32 i32 ptr i32 ptr"},
            {"GetCustomData", "i32 i32 i32 ptr ptr"},
            {"SetCustomData", "i32 i32 i32 ptr"},
            {"DoMIDITransfers", "i32"},
         }},
        {"AAX_IACFEffectParameters_V2", "AAX_IACFEffectParameters", "IID_IAAXEffectParametersV2",
         "{F1F47D06-308F-4CC5-9C7C-50A83F8AB813}", "AAXCompID_EffectParameters",
         "{AB97BD9D-9B3C-4BDC-B99B-5951BD5D484A}", false, {
            {"RenderAudio_Hybrid", "i32 ptr"},
            {"UpdateMIDINodes", "i32 i32 ref"},
            {"UpdateControlMIDINodes", "i32 i32 ref"},
         }},
        {"AAX_IACFEffectParameters_V3", "AAX_IACFEffectParameters_V2", "IID_IAAXEffectParametersV3",
         "{D2540E9D-9163-42BB-A6FD-81E10EA32498}", "AAXCompID_EffectParameters",
         "{AB97BD9D-9B3C-4BDC-B99B-5951BD5D484A}", false, {
            {"GetCurveDataMeterIds", "i32 i32 ptr ptr"},
            {"GetCurveDataDisplayRange", "i32 i32 ptr ptr ptr ptr"},
         }},
        {"AAX_IACFEffectParameters_V4", "AAX_IACFEffectParameters_V3", "IID_IAAXEffectParametersV4",
         "{2E485536-31A3-4697-9C16-E59BF6B28A41}", "AAXCompID_EffectParameters",
         "{AB97BD9D-9B3C-4BDC-B99B-5951BD5D484A}", false, {
            {"UpdatePageTable", "i32 i32 i32 ptr ptr"},
         }},
        {"AAX_IACFEffectGUI", "IACFUnknown", "IID_IAAXEffectGUIV1",
         "{964E323D-424C-5E1A-2227-282423222E1E}", "AAXCompID_EffectGUI",
         "{AB94339D-3B34-35DC-2932-19231D1D482A}", false, {
            {"Initialize", "i32 ptr"},
            {"Uninitialize", "i32"},
            {"NotificationReceived", "i32 i32 ptr i32"},
            {"SetViewContainer", "i32 ptr"},
            {"GetViewSize", "i32 ptr"},
            {"Draw", "i32 ptr"},
            {"TimerWakeup", "i32"},
            {"ParameterUpdated", "i32 str"},
            {"GetCustomLabel", "i32 i32 ptr"},
            {"SetControlHighlightInfo", "i32 str u8 i32"},
         }},
        {"AAX_IACFEffectGUI_V2", "AAX_IACFEffectGUI", "IID_IAAXEffectGUIV2",
         "{A0A8FB30-7E5D-4B4A-AA00-BC334A420DBB}", "AAXCompID_EffectGUI",
         "{AB94339D-3B34-35DC-2932-19231D1D482A}", false, {
            {"GetMinimumViewSize", "i32 ptr"},
         }},
        {"AAX_IACFViewContainer", "IACFUnknown", "IID_IAAXViewContainerV1",
         "{22DA0BBC-D550-4D5E-8CC6-734483B8837F}", "AAXCompID_ViewContainer",
         "{DEDE24BD-C2FF-467A-AE2D-5F291D19222B}", false, {
            {"GetType", "i32"},
            {"GetPtr", "ptr"},
            {"GetModifiers", "i32 ptr"},
            {"SetViewSize", "i32 ref"},
            {"HandleParameterMouseDown", "i32 str i32"},
            {"HandleParameterMouseDrag", "i32 str i32"},
            {"HandleParameterMouseUp", "i32 str i32"},
         }},
        {"AAX_IACFViewContainer_V2", "AAX_IACFViewContainer", "IID_IAAXViewContainerV2",
         "{9143A0BE-7A79-4D02-AE25-AADBA76A50B2}", "AAXCompID_ViewContainer",
         "{DEDE24BD-C2FF-467A-AE2D-5F291D19222B}", false, {
            {"HandleMultipleParametersMouseDown", "i32 ptr i32 i32"},
            {"HandleMultipleParametersMouseDrag", "i32 ptr i32 i32"},
            {"HandleMultipleParametersMouseUp", "i32 ptr i32 i32"},
         }},
        {"AAX_IACFViewContainer_V3", "AAX_IACFViewContainer_V2", "IID_IAAXViewContainerV3",
         "{07CDA0FD-BE98-4DD7-92E0-023757DF2E01}", "AAXCompID_ViewContainer",
         "{DEDE24BD-C2FF-467A-AE2D-5F291D19222B}", false, {
            {"HandleParameterMouseEnter", "i32 str i32"},
            {"HandleParameterMouseExit", "i32 str i32"},
         }},
        {"AAX_IACFHostProcessor", "IACFUnknown", "IID_IAAXHostProcessorV1",
         "{964E3F3D-434C-5E3A-A2E7-E8F4F3D22E2E}", "AAXCompID_HostProcessor",
         "{AB953D9D-5B34-45DC-493B-2953CDDD484A}", false, {
            {"Initialize", "i32 ptr"},
            {"Uninitialize", "i32"},
            {"InitOutputBounds", "i32 i64 i64 ptr ptr"},
            {"SetLocation", "i32 i64"},
            {"RenderAudio", "i32 ptr i32 ptr i32 ptr"},
            {"PreRender", "i32 i32 i32 i32"},
            {"PostRender", "i32"},
            {"AnalyzeAudio", "i32 ptr i32 ptr"},
            {"PreAnalyze", "i32 i32 i32"},
            {"PostAnalyze", "i32"},
         }},
        {"AAX_IACFHostProcessor_V2", "AAX_IACFHostProcessor", "IID_IAAXHostProcessorV2",
         "{457546C0-F6BC-4AF9-BFF7-EBDDC05E56DE}", "AAXCompID_HostProcessor",
         "{AB953D9D-5B34-45DC-493B-2953CDDD484A}", false, {
            {"GetClipNameSuffix", "i32 i32 ptr"},
         }},
        {"AAX_IACFHostProcessorDelegate", "IACFUnknown", "IID_IAAXHostProcessorDelegateV1",
         "{9D4E3D3D-43DC-5EDA-8227-E2F2F8D56E8E}", "AAXCompID_HostProcessorDelegate",
         "{AB933D9D-5434-25DC-190B-09232DDD388A}", false, {
            {"GetAudio", "i32 ptr i32 i64 ptr"},
            {"GetSideChainInputNum", "i32"},
         }},
        {"AAX_IACFHostProcessorDelegate_V2", "AAX_IACFHostProcessorDelegate", "IID_IAAXHostProcessorDelegateV2",
         "{FB6DE2C9-29D0-4683-B348-C778F4CD625B}", "AAXCompID_HostProcessorDelegate",
         "{AB933D9D-5434-25DC-190B-09232DDD388A}", false, {
            {"ForceAnalyze", "i32"},
         }},
        {"AAX_IACFHostProcessorDelegate_V3", "AAX_IACFHostProcessorDelegate_V2", "IID_IAAXHostProcessorDelegateV3",
         "{5DFEF2B3-7027-46B5-AE3A-2794C6E0A8A0}", "AAXCompID_HostProcessorDelegate",
         "{AB933D9D-5434-25DC-190B-09232DDD388A}", false, {
            {"ForceProcess", "i32"},
         }},
        {"AAX_IString", nullptr, nullptr,
         nullptr, nullptr,
         nullptr, true, {
            {"~AAX_IString", "dtor"},
            {"Length", "i32"},
            {"MaxLength", "i32"},
            {"Get", "str"},
            {"Set", "void str"},
            {"operator=", "ref ref"},
            {"operator=", "ref str"},
         }},
        {"AAX_IMIDINode", nullptr, nullptr,
         nullptr, nullptr,
         nullptr, true, {
            {"~AAX_IMIDINode", "dtor"},
            {"GetNodeBuffer", "ptr"},
            {"PostMIDIPacket", "i32 ptr"},
            {"GetTransport", "ptr"},
         }},
        {"AAX_ITransport", nullptr, nullptr,
         nullptr, nullptr,
         nullptr, true, {
            {"~AAX_ITransport", "dtor"},
            {"GetCurrentTempo", "i32 ptr"},
            {"GetCurrentMeter", "i32 ptr ptr"},
            {"IsTransportPlaying", "i32 ptr"},
            {"GetCurrentTickPosition", "i32 ptr"},
            {"GetCurrentLoopPosition", "i32 ptr ptr ptr"},
            {"GetCurrentNativeSampleLocation", "i32 ptr"},
            {"GetCustomTickPosition", "i32 ptr i64"},
            {"GetBarBeatPosition", "i32 ptr ptr ptr i64"},
            {"GetTicksPerQuarter", "i32 ptr"},
            {"GetCurrentTicksPerBeat", "i32 ptr"},
            {"GetTimelineSelectionStartPosition", "i32 ptr"},
            {"GetTimeCodeInfo", "i32 ptr ptr"},
            {"GetFeetFramesInfo", "i32 ptr ptr"},
            {"IsMetronomeEnabled", "i32 ptr"},
            {"GetHDTimeCodeInfo", "i32 ptr ptr"},
            {"RequestTransportStart", "i32"},
            {"RequestTransportStop", "i32"},
            {"GetTimelineSelectionEndPosition", "i32 ptr"},
            {"GetKeySignature", "i32 i64 ptr"},
         }},
    };
    // clang-format on
    return table;
}

const PublishedInterface& Published(const std::string& name) {
    for (const PublishedInterface& entry : PublishedInterfaces())
        if (name == entry.name) return entry;
    throw std::out_of_range("no published interface " + name);
}

std::vector<PublishedSlot> PublishedSlots(const std::string& name) {
    const PublishedInterface& entry = Published(name);
    std::vector<PublishedSlot> slots =
        entry.base != nullptr ? PublishedSlots(entry.base) : std::vector<PublishedSlot>{};
    if (!entry.plainCpp) {
        for (const PublishedMethod& method : entry.methods) slots.push_back({&entry, &method});
        return slots;
    }
    // MSVC: overloads of one name share the position of the first, in reverse order.
    std::vector<std::string> placed;
    for (const PublishedMethod& method : entry.methods) {
        bool seen = false;
        for (const std::string& name : placed) seen = seen || name == method.name;
        if (seen) continue;
        placed.push_back(method.name);
        for (auto it = entry.methods.rbegin(); it != entry.methods.rend(); ++it)
            if (std::string(it->name) == method.name) slots.push_back({&entry, &*it});
    }
    return slots;
}

int PublishedSlotIndex(const std::string& name, const std::string& method) {
    const std::vector<PublishedSlot> slots = PublishedSlots(name);
    for (std::size_t i = 0; i < slots.size(); ++i)
        if (method == slots[i].method->name) return static_cast<int>(i);
    return -1;
}

}  // namespace conformance
