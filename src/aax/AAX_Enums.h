#pragma once
// The host's numbering for properties, context fields, MIDI nodes, view containers,
// frame rates, notifications, plug-in strings, parameter types, update sources,
// resources, factory procedures and trace priorities. The values are the host's and
// never change; names without a meaning of their own carry their number. Stem formats
// live in AAX_StemFormat.h. Pure data. [any-thread]

#include <cstdint>

#include "aax/AAX.h"

// Component properties, added to a property map with their value (AAX_CPropertyValue).
enum AAX_EProperty : std::int32_t {
    AAX_eProperty_ManufacturerID = 11,       // four-character manufacturer code
    AAX_eProperty_ProductID = 12,            // four-character product code
    AAX_eProperty_PlugInID_Native = 13,      // plug-in type ID of a realtime (Native) component
    AAX_eProperty_PlugInID_AudioSuite = 14,  // plug-in type ID of an AudioSuite component
    AAX_eProperty_InputStemFormat = 51,      // AAX_EStemFormat of the main input
    AAX_eProperty_OutputStemFormat = 52,     // AAX_EStemFormat of the main output
    AAX_eProperty_Id60 = 60,
    AAX_eProperty_Id101 = 101,
    AAX_eProperty_Id102 = 102,
    AAX_eProperty_Id103 = 103,  // AudioSuite: the component analyses before it renders
    AAX_eProperty_Id107 = 107,
    AAX_eProperty_Id108 = 108,
    AAX_eProperty_Id110 = 110,
    AAX_eProperty_Id113 = 113,  // AudioSuite channel count
    AAX_eProperty_Id114 = 114,  // AudioSuite channel count
    AAX_eProperty_Id115 = 115,
    AAX_eProperty_SideChainInput = 116,  // 1: the component has a side-chain input field
    AAX_eProperty_Id118 = 118,
    AAX_eProperty_Id151 = 151,
    AAX_eProperty_Id306 = 306,
};
// "AAX_eProperty_ManufacturerID", ..., "AAX_eProperty_Id60"; "unknown property" otherwise.
const char* AAX_PropertyName(AAX_EProperty property) noexcept;

// The instance-context fields of the module's components, in the order the host lays
// them out; each field is one pointer (AAX_IACFComponentDescriptor says what it points
// to). Index 7 is never declared.
enum AAX_EContextField : AAX_CFieldIndex {
    AAX_eContextField_AudioIn = 0,           // const float* const[]: input channels
    AAX_eContextField_AudioOut = 1,          // float* const[]: output channels, then the aux stems'
    AAX_eContextField_BufferLength = 2,      // int32_t*: samples in this block
    AAX_eContextField_PrivateData = 3,       // the block ResetFieldData filled
    AAX_eContextField_SideChainIn = 4,       // int32_t*: index of the side-chain input buffer, or null
    AAX_eContextField_MIDIIn = 5,            // AAX_IMIDINode*
    AAX_eContextField_MIDIOut = 6,           // AAX_IMIDINode*
    AAX_eContextField_MIDITransport = 8,     // AAX_IMIDINode*
};

// Kinds of MIDI node a component declares.
enum AAX_EMIDINodeType : std::int32_t {
    AAX_eMIDINodeType_LocalInput = 0,   // MIDI from the track to this instance
    AAX_eMIDINodeType_LocalOutput = 1,  // MIDI from this instance to the host
    AAX_eMIDINodeType_Transport = 3,    // the host's transport as MIDI
};

// What the native pointer of a view container is.
enum AAX_EViewContainer_Type : std::int32_t {
    AAX_eViewContainer_Type_NULL = 0,  // no native view
    AAX_eViewContainer_Type_HWND = 3,  // a Win32 window handle
};

// Colours a control surface uses to highlight a parameter (SetControlHighlightInfo).
enum AAX_EHighlightColor : std::int32_t {
    AAX_eHighlightColor_Red = 0,
    AAX_eHighlightColor_Blue = 1,
    AAX_eHighlightColor_Green = 2,
    AAX_eHighlightColor_Yellow = 3,
};

// Time-code frame rates the transport reports. Every code not listed counts as 30 fps.
enum AAX_EFrameRate : std::int32_t {
    AAX_eFrameRate_24Frame = 1,
    AAX_eFrameRate_25Frame = 2,
    AAX_eFrameRate_2997NonDrop = 3,
    AAX_eFrameRate_2997DropFrame = 4,
    AAX_eFrameRate_30NonDrop = 5,
    AAX_eFrameRate_30DropFrame = 6,
    AAX_eFrameRate_23976 = 7,
};

// Notifications the host sends to NotificationReceived (four-character codes).
enum AAX_ENotificationEvent : AAX_CTypeID {
    // 'AXtn': the track's name changed; data is an AAX_IString (borrowed).
    AAX_eNotificationEvent_TrackNameChanged = 0x4158746E,
    // 'AXPr': the AudioSuite processing state; data is an int32_t, size 4.
    AAX_eNotificationEvent_ASProcessingState = 0x41585072,
    // 'ASPv': the AudioSuite preview state; data is an int32_t (1 previewing), size 4.
    AAX_eNotificationEvent_ASPreviewState = 0x41535076,
};
// "AAX_eNotificationEvent_TrackNameChanged", ...; "unknown notification" otherwise.
const char* AAX_NotificationName(AAX_CTypeID notification) noexcept;

// Labels the host asks the editor for (GetCustomLabel).
enum AAX_EPlugInStrings : std::int32_t {
    AAX_ePlugInStrings_Analysis = 0,  // the AudioSuite analysis button
    AAX_ePlugInStrings_Process = 9,   // the AudioSuite process button
};

// How the host presents and automates a parameter.
enum AAX_EParameterType : std::int32_t {
    AAX_eParameterType_Discrete = 0,
    AAX_eParameterType_Continuous = 1,
};

// How a control shows a parameter's range: bit flags, 0 the default (minimum at the
// bottom or left, a single-dot rotary).
using AAX_EParameterOrientation = std::int32_t;
inline constexpr AAX_EParameterOrientation AAX_eParameterOrientation_Default = 0;

// Film feet+frames rates the transport reports.
enum AAX_EFeetFramesRate : std::int32_t {
    AAX_eFeetFramesRate_23976 = 0,
    AAX_eFeetFramesRate_24 = 1,
    AAX_eFeetFramesRate_25 = 2,
};

// Why the host calls UpdateParameterNormalizedValue.
enum AAX_EUpdateSource : std::int32_t {
    AAX_eUpdateSource_Unspecified = 0,
    AAX_eUpdateSource_Parameter = 1,  // the answer to the plug-in's own value request
};

// Resources an effect names in its package (AddResourceInfo).
enum AAX_EResourceType : std::int32_t {
    AAX_eResourceType_PageTable = 1,  // control-surface page tables (an XML file)
};

// The procedure IDs under which an effect registers its factories (AddProcPtr).
enum AAX_EProcPtrID : std::uint32_t {
    AAX_eProcPtrID_Create_EffectParameters = 0,  // makes the AAX_IACFEffectParameters object
    AAX_eProcPtrID_Create_EffectGUI = 1,         // makes the AAX_IACFEffectGUI object
    AAX_eProcPtrID_Create_HostProcessor = 3,     // makes the AAX_IACFHostProcessor object
};

// Trace priorities (AAX_IHostServices::Trace).
enum AAX_ETracePriority : std::int32_t {
    AAX_eTracePriority_Critical = 0x8000000,
};
