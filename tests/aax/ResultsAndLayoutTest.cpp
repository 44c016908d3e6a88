#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "aax/AAX.h"
#include "aax/AAX_Enums.h"
#include "aax/AAX_Exception.h"
#include "aax/AAX_MIDI.h"
#include "aax/AAX_Point.h"
#include "aax/AAX_SPlugInChunk.h"

namespace {

struct NamedCode {
    AAX_Result code;
    const char* name;
};

TEST(AAXResult, EveryCodeHasItsNameAndValue) {
    const NamedCode codes[] = {
        {0, "AAX_SUCCESS"},
        {-20001, "AAX_ERROR_INVALID_PARAMETER_ID"},
        {-20002, "AAX_ERROR_INVALID_STRING_CONVERSION"},
        {-20004, "AAX_ERROR_NULL_OBJECT"},
        {-20006, "AAX_ERROR_INVALID_CHUNK_INDEX"},
        {-20007, "AAX_ERROR_INVALID_CHUNK_ID"},
        {-20009, "AAX_ERROR_UNIMPLEMENTED"},
        {-20011, "AAX_ERROR_NOT_INITIALIZED"},
        {-20026, "AAX_ERROR_MALFORMED_CHUNK"},
        {-20030, "AAX_ERROR_PLUGIN_NULL_PARAMETER"},
        {-20042, "AAX_ERROR_UNKNOWN_EXCEPTION"},
        {-20043, "AAX_ERROR_INVALID_ARGUMENT"},
        {-20044, "AAX_ERROR_NULL_ARGUMENT"},
        {-20046, "AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW"},
        {-20003, "unknown AAX result"},
    };
    for (const NamedCode& c : codes) EXPECT_STREQ(AAX_ResultName(c.code), c.name) << c.code;
}

TEST(AAXResult, AResultErrorCarriesItsCodeAndNamesItInItsText) {
    const AAX::Exception::ResultError error(AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(error.Result(), -20004);
    EXPECT_STREQ(error.what(), "AAX_ERROR_NULL_OBJECT (-20004)");
    const AAX::Exception::Any& any = error;
    EXPECT_STREQ(any.what(), "AAX_ERROR_NULL_OBJECT (-20004)");
}

TEST(AAXEnums, PublishedNamesForPropertiesNodesProceduresAndNotifications) {
    const struct {
        std::int32_t id;
        const char* name;
    } kProperties[] = {{11, "AAX_eProperty_ManufacturerID"},
                       {14, "AAX_eProperty_PlugInID_AudioSuite"},
                       {60, "AAX_eProperty_CanBypass"},
                       {101, "AAX_eProperty_UsesRandomAccess"},
                       {102, "AAX_eProperty_RequiresAnalysis"},
                       {103, "AAX_eProperty_OptionalAnalysis"},
                       {107, "AAX_eProperty_ContinuousOnly"},
                       {108, "AAX_eProperty_MultiInputModeOnly"},
                       {110, "AAX_eProperty_DisablePreview"},
                       {113, "AAX_eProperty_NumberOfInputs"},
                       {114, "AAX_eProperty_NumberOfOutputs"},
                       {115, "AAX_eProperty_DisableHandles"},
                       {116, "AAX_eProperty_SupportsSideChainInput"},
                       {118, "AAX_eProperty_DisableAudioSuiteReverse"},
                       {151, "AAX_eProperty_UsesClientGUI"},
                       {306, "AAX_eProperty_UsesTransport"}};
    for (const auto& p : kProperties) EXPECT_STREQ(AAX_PropertyName(static_cast<AAX_EProperty>(p.id)), p.name);
    EXPECT_STREQ(AAX_MIDINodeTypeName(AAX_eMIDINodeType_Transport), "AAX_eMIDINodeType_Transport");
    EXPECT_STREQ(AAX_ProcPtrIDName(kAAX_ProcPtrID_Create_HostProcessor), "kAAX_ProcPtrID_Create_HostProcessor");
    EXPECT_STREQ(AAX_PropertyName(static_cast<AAX_EProperty>(999)), "unknown property");
    EXPECT_STREQ(AAX_NotificationName(0x41535076), "AAX_eNotificationEvent_ASPreviewState");
    EXPECT_STREQ(AAX_NotificationName(0), "unknown notification");
}

}  // namespace
