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
    } kProperties[] = {{11, "AAX_eProperty_ManufacturerID"},  {14, "AAX_eProperty_PlugInID_AudioSuite"},
                       {60, "AAX_eProperty_CanBypass"},       {101, "AAX_eProperty_UsesRandomAccess"},
                       {102, "AAX_eProperty_RequiresAnalysis"}, {103, "AAX_eProperty_OptionalAnalysis"},
                       {107, "AAX_eProperty_ContinuousOnly"}, {108, "AAX_eProperty_MultiInputModeOnly"},
                       {110, "AAX_eProperty_DisablePreview"}, {113, "AAX_eProperty_NumberOfInputs"},
                       {114, "AAX_eProperty_NumberOfOutputs"}, {115, "AAX_eProperty_DisableHandles"},
                       {116, "AAX_eProperty_SupportsSideChainInput"}, {118, "AAX_eProperty_DisableAudioSuiteReverse"},
                       {151, "AAX_eProperty_UsesClientGUI"},  {306, "AAX_eProperty_UsesTransport"}};
    for (const auto& p : kProperties) EXPECT_STREQ(AAX_PropertyName(static_cast<AAX_EProperty>(p.id)), p.name);
    EXPECT_STREQ(AAX_MIDINodeTypeName(AAX_eMIDINodeType_Transport), "AAX_eMIDINodeType_Transport");
    EXPECT_EQ(AAX_eMIDINodeType_Transport, 3);
    EXPECT_STREQ(AAX_ProcPtrIDName(kAAX_ProcPtrID_Create_HostProcessor), "kAAX_ProcPtrID_Create_HostProcessor");
    EXPECT_EQ(kAAX_ProcPtrID_Create_HostProcessor, 3);
    EXPECT_EQ(AAX_eTracePriorityHost_High, 0x08000000);
    EXPECT_STREQ(AAX_PropertyName(static_cast<AAX_EProperty>(999)), "unknown property");
    EXPECT_STREQ(AAX_NotificationName(0x41535076), "AAX_eNotificationEvent_ASPreviewState");
    EXPECT_STREQ(AAX_NotificationName(0), "unknown notification");
}

// The bytes the host reads: a chunk header filled through the struct, compared with
// the image written by offset.
TEST(PlugInChunk, FieldsLandAtTheHostsOffsets) {
    alignas(AAX_SPlugInChunk) unsigned char buffer[64] = {};
    auto* chunk = reinterpret_cast<AAX_SPlugInChunk*>(buffer);
    chunk->fSize = 0x01020304;
    chunk->fVersion = 0x05060708;
    chunk->fManufacturerID = 0x4C6D7472;
    chunk->fProductID = 0x11223344;
    chunk->fPlugInID = 0x55667788;
    chunk->fChunkID = 0x99AABBCC;
    chunk->fName[0] = 3;
    std::memcpy(chunk->fName + 1, "abc", 3);
    chunk->fData[0] = 'D';

    const unsigned char expected[] = {
        0x04, 0x03, 0x02, 0x01, 0x08, 0x07, 0x06, 0x05, 0x72, 0x74, 0x6D, 0x4C,
        0x44, 0x33, 0x22, 0x11, 0x88, 0x77, 0x66, 0x55, 0xCC, 0xBB, 0xAA, 0x99, 3, 'a', 'b', 'c'};
    EXPECT_EQ(std::memcmp(buffer, expected, sizeof expected), 0);
    EXPECT_EQ(buffer[56], 'D');
    EXPECT_EQ(sizeof(AAX_SPlugInChunk), 60u);
}

TEST(BoundaryStructs, PointIsVerticalThenHorizontalAndMidiPacketsAreSixteenBytes) {
    const AAX_Point size{300.0f, 400.0f};
    float raw[2];
    std::memcpy(raw, &size, sizeof raw);
    EXPECT_EQ(raw[0], 300.0f);
    EXPECT_EQ(raw[1], 400.0f);

    AAX_CMidiPacket packets[2] = {{5, 3, {0x90, 60, 100, 0}, 1}, {7, 3, {0x80, 60, 0, 0}, 0}};
    const auto* bytes = reinterpret_cast<const unsigned char*>(packets);
    EXPECT_EQ(bytes[12], 1);     // the first packet's immediate flag
    EXPECT_EQ(bytes[16], 7);     // the second packet's timestamp
    EXPECT_EQ(bytes[8], 0x90);   // the first packet's status byte
    const AAX_CMidiStream stream{2, 0, packets};
    EXPECT_EQ(stream.mBuffer[1].mData[0], 0x80);
}

}  // namespace
