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
    {AAX_eProperty_Id60, "AAX_eProperty_Id60"},
    {AAX_eProperty_Id101, "AAX_eProperty_Id101"},
    {AAX_eProperty_Id102, "AAX_eProperty_Id102"},
    {AAX_eProperty_Id103, "AAX_eProperty_Id103"},
    {AAX_eProperty_Id107, "AAX_eProperty_Id107"},
    {AAX_eProperty_Id108, "AAX_eProperty_Id108"},
    {AAX_eProperty_Id110, "AAX_eProperty_Id110"},
    {AAX_eProperty_Id113, "AAX_eProperty_Id113"},
    {AAX_eProperty_Id114, "AAX_eProperty_Id114"},
    {AAX_eProperty_Id115, "AAX_eProperty_Id115"},
    {AAX_eProperty_SideChainInput, "AAX_eProperty_SideChainInput"},
    {AAX_eProperty_Id118, "AAX_eProperty_Id118"},
    {AAX_eProperty_Id151, "AAX_eProperty_Id151"},
    {AAX_eProperty_Id306, "AAX_eProperty_Id306"},
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
