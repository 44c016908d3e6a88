// The module's own objects, as a host built with another compiler reaches them: made by
// the real hook (primed for the demo core) through the factories it registers, found by
// the published interface IDs, and called only through raw slots whose index and
// signature come from the published table. Each probe passes recognisable arguments and
// checks that the slot did what its published name says, so a method in another slot
// (or a wider write into a result) shows.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "aax/AAX_CString.h"
#include "aax/AAX_Point.h"
#include "aax/AAX_SPlugInChunk.h"
#include "aax/AAX_UIDs.h"
#include "aaxhost/EffectInstance.h"
#include "aaxhost/ObjectFactory.h"
#include "conformance/SlotProbe.h"
#include "support/DemoProduct.h"

namespace conformance {
namespace {

constexpr acfResult kNoInterface = static_cast<acfResult>(0x80000004u);  // ACF_E_NOINTERFACE as published
constexpr std::uint8_t kGuard = 0xEE;

using ID = Ref<const acfIID>;

// Queries `object` through its raw QueryInterface slot: every ID in `offered` must give
// the same interface pointer, and `refused` must give null and the ACF failure.
void* ExpectAnswers(IACFUnknown* object, const std::vector<const acfIID*>& offered, const acfIID& refused) {
    SlotProbe unknown(object, "IACFUnknown");
    void* first = nullptr;
    for (const acfIID* iid : offered) {
        void* found = nullptr;
        EXPECT_EQ(unknown.Call<acfResult>("QueryInterface", ID{iid}, &found), ACF_OK);
        EXPECT_NE(found, nullptr);
        if (first == nullptr) first = found;
        EXPECT_EQ(found, first) << "each version is served by the one most derived interface";
        if (found != nullptr) SlotProbe(found, "IACFUnknown").Call<std::uint32_t>("Release");
    }
    void* none = &none;
    EXPECT_EQ(unknown.Call<acfResult>("QueryInterface", ID{&refused}, &none), kNoInterface);
    EXPECT_EQ(none, nullptr);
    return first;
}

class ModuleObjects : public ::testing::Test {
protected:
    // A module the host cannot register (one that does not speak the published
    // registration interfaces) fails here, before any slot is probed.
    void SetUp() override { ASSERT_EQ(product_.Registration().result, AAX_SUCCESS); }

    DemoProduct product_;
};

TEST_F(ModuleObjects, EffectParametersAnswerEveryVersionAndServeEachSlotByItsPublishedName) {
    const aaxhost::EffectDescription& effect = product_.Effect("Stereo");
    {
        ACFPtr<IACFUnknown> made(effect.FindProcPtr(kAAX_ProcPtrID_Create_EffectParameters)());
        ASSERT_TRUE(made);
        ExpectAnswers(made.Get(),
                      {&IID_IACFUnknown, &IID_IAAXEffectParametersV1, &IID_IAAXEffectParametersV2,
                       &IID_IAAXEffectParametersV3, &IID_IAAXEffectParametersV4},
                      IID_IAAXEffectGUIV1);
    }

    std::unique_ptr<aaxhost::EffectInstance> instance = aaxhost::CreateEffectInstance(effect);
    ASSERT_TRUE(instance);
    SlotProbe parameters(instance->Parameters(), "AAX_IACFEffectParameters_V4");
    IACFUnknown* controller = instance->Controller().AsInterface();
    ASSERT_EQ(parameters.Call<AAX_Result>("Initialize", static_cast<IACFUnknown*>(controller)), AAX_SUCCESS);

    std::int32_t count = 0;
    EXPECT_EQ(parameters.Call<AAX_Result>("GetNumberOfParameters", &count), AAX_SUCCESS);
    EXPECT_GE(count, 4);  // Gain, Frequency, Mode, Invert (and the hook's bypass)
    AAX_CString id;
    ASSERT_EQ(parameters.Call<AAX_Result>("GetParameterIDFromIndex", 0, static_cast<AAX_IString*>(&id)), AAX_SUCCESS);
    EXPECT_EQ(id.StdString(), "Gain");
    std::int32_t index = -1;
    EXPECT_EQ(parameters.Call<AAX_Result>("GetParameterIndex", "Gain", &index), AAX_SUCCESS);
    EXPECT_EQ(index, 0);
    AAX_CString name;
    EXPECT_EQ(parameters.Call<AAX_Result>("GetParameterName", "Gain", static_cast<AAX_IString*>(&name)), AAX_SUCCESS);
    EXPECT_EQ(name.StdString(), "Gain");

    // A one-byte boolean is written as one byte.
    std::uint8_t automatable[8];
    std::memset(automatable, kGuard, sizeof automatable);
    EXPECT_EQ(parameters.Call<AAX_Result>("GetParameterIsAutomatable", "Gain", &automatable[0]), AAX_SUCCESS);
    EXPECT_EQ(automatable[0], 1);
    for (int i = 1; i < 8; ++i) EXPECT_EQ(automatable[i], kGuard) << "byte " << i;
    std::int32_t type = -1;
    EXPECT_EQ(parameters.Call<AAX_Result>("GetParameterType", "Gain", &type), AAX_SUCCESS);
    EXPECT_EQ(type, 1);  // continuous
    std::int32_t steps = 0;
    EXPECT_EQ(parameters.Call<AAX_Result>("GetParameterNumberOfSteps", "Gain", &steps), AAX_SUCCESS);
    EXPECT_GT(steps, 1);
    double value = -1.0;
    EXPECT_EQ(parameters.Call<AAX_Result>("GetParameterDefaultNormalizedValue", "Gain", &value), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ(value, 0.5);  // 0 dB on -24..+24

    // The slot every automation value arrives through stores the value.
    EXPECT_EQ(parameters.Call<AAX_Result>("UpdateParameterNormalizedValue", "Gain", 0.25, 0), AAX_SUCCESS);
    EXPECT_EQ(parameters.Call<AAX_Result>("GetParameterNormalizedValue", "Gain", &value), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ(value, 0.25);
    std::int32_t changes = -1;  // host automation is not a change of the instance's own
    EXPECT_EQ(parameters.Call<AAX_Result>("GetNumberOfChanges", &changes), AAX_SUCCESS);
    EXPECT_GE(changes, 0);
    AAX_CString text;
    EXPECT_EQ(parameters.Call<AAX_Result>("GetParameterValueString", "Gain", static_cast<AAX_IString*>(&text), 32),
              AAX_SUCCESS);
    EXPECT_NE(text.StdString().find("-12"), std::string::npos) << text.StdString();
    EXPECT_EQ(parameters.Call<AAX_Result>("GetParameterStringFromValue", "Gain", 0.75, static_cast<AAX_IString*>(&text),
                                          32),
              AAX_SUCCESS);
    EXPECT_NE(text.StdString().find("12"), std::string::npos) << text.StdString();
    const AAX_CString six("6.00");
    EXPECT_EQ(parameters.Call<AAX_Result>("GetParameterValueFromString", "Gain", &value, Ref<const AAX_IString>{&six}),
              AAX_SUCCESS);
    EXPECT_NEAR(value, 0.625, 1e-6);

    // State: one chunk, saved and compared through the host's buffer.
    std::int32_t chunks = 0;
    EXPECT_EQ(parameters.Call<AAX_Result>("GetNumberOfChunks", &chunks), AAX_SUCCESS);
    ASSERT_EQ(chunks, 1);
    AAX_CTypeID chunkID = 0;
    EXPECT_EQ(parameters.Call<AAX_Result>("GetChunkIDFromIndex", 0, &chunkID), AAX_SUCCESS);
    std::uint32_t size = 0;
    EXPECT_EQ(parameters.Call<AAX_Result>("GetChunkSize", chunkID, &size), AAX_SUCCESS);
    ASSERT_GT(size, 0u);
    std::vector<unsigned char> buffer(offsetof(AAX_SPlugInChunk, fData) + size + sizeof(AAX_SPlugInChunk));
    auto* chunk = reinterpret_cast<AAX_SPlugInChunk*>(buffer.data());
    chunk->fSize = static_cast<std::int32_t>(size);
    EXPECT_EQ(parameters.Call<AAX_Result>("GetChunk", chunkID, chunk), AAX_SUCCESS);
    EXPECT_EQ(chunk->fChunkID, chunkID);
    std::uint8_t equal[4];
    std::memset(equal, kGuard, sizeof equal);
    EXPECT_EQ(parameters.Call<AAX_Result>("CompareActiveChunk", static_cast<const AAX_SPlugInChunk*>(chunk), &equal[0]),
              AAX_SUCCESS);
    EXPECT_EQ(equal[0], 1);
    EXPECT_EQ(equal[1], kGuard);

    // Calls the system has no use for answer as the library's base classes do.
    EXPECT_EQ(parameters.Call<AAX_Result>("TimerWakeup"), AAX_SUCCESS);
    EXPECT_EQ(parameters.Call<AAX_Result>("GenerateCoefficients"), AAX_SUCCESS);
    float curve = 0.0f;
    EXPECT_EQ(parameters.Call<AAX_Result>("GetCurveData", AAX_CTypeID{0x45517543}, static_cast<const float*>(&curve),
                                          std::uint32_t{1}, &curve),
              AAX_ERROR_UNIMPLEMENTED);
    std::uint32_t meters[2] = {};
    EXPECT_EQ(parameters.Call<AAX_Result>("GetCurveDataMeterIds", AAX_CTypeID{0x45517543}, &meters[0], &meters[1]),
              AAX_ERROR_UNIMPLEMENTED);

    EXPECT_EQ(parameters.Call<AAX_Result>("Uninitialize"), AAX_SUCCESS);
}

TEST_F(ModuleObjects, EditorAnswersBothVersionsAndReportsItsSizesThroughTheirSlots) {
    const aaxhost::EffectDescription& effect = product_.Effect("Stereo");
    std::unique_ptr<aaxhost::EffectInstance> instance = aaxhost::CreateEffectInstance(effect);
    ASSERT_TRUE(instance);
    ASSERT_EQ(instance->Initialize(), AAX_SUCCESS);
    ACFPtr<IACFUnknown> made(effect.FindProcPtr(kAAX_ProcPtrID_Create_EffectGUI)());
    ASSERT_TRUE(made);
    void* gui = ExpectAnswers(made.Get(), {&IID_IAAXEffectGUIV1, &IID_IAAXEffectGUIV2}, IID_IAAXHostProcessorV1);
    ASSERT_NE(gui, nullptr);

    SlotProbe editor(gui, "AAX_IACFEffectGUI_V2");
    ASSERT_EQ(editor.Call<AAX_Result>("Initialize", static_cast<IACFUnknown*>(instance->Controller().AsInterface())),
              AAX_SUCCESS);
    AAX_Point size{0.0f, 0.0f};
    EXPECT_EQ(editor.Call<AAX_Result>("GetViewSize", &size), AAX_SUCCESS);
    EXPECT_GT(size.vert, 0.0f);
    EXPECT_GT(size.horz, 0.0f);
    AAX_Point minimum{0.0f, 0.0f};
    EXPECT_EQ(editor.Call<AAX_Result>("GetMinimumViewSize", &minimum), AAX_SUCCESS);
    EXPECT_LE(minimum.vert, size.vert);
    EXPECT_EQ(editor.Call<AAX_Result>("TimerWakeup"), AAX_SUCCESS);
    EXPECT_EQ(editor.Call<AAX_Result>("Uninitialize"), AAX_SUCCESS);
}

TEST_F(ModuleObjects, OfflineProcessorAnswersBothVersionsAndNamesItsClipThroughTheSecond) {
    const aaxhost::EffectDescription& effect = product_.Effect("Audiosuite");
    std::unique_ptr<aaxhost::EffectInstance> instance = aaxhost::CreateEffectInstance(effect);
    ASSERT_TRUE(instance);
    ASSERT_EQ(instance->Initialize(), AAX_SUCCESS);
    ACFPtr<IACFUnknown> made(effect.FindProcPtr(kAAX_ProcPtrID_Create_HostProcessor)());
    ASSERT_TRUE(made);
    void* processor =
        ExpectAnswers(made.Get(), {&IID_IAAXHostProcessorV1, &IID_IAAXHostProcessorV2}, IID_IAAXEffectParametersV1);
    ASSERT_NE(processor, nullptr);

    SlotProbe offline(processor, "AAX_IACFHostProcessor_V2");
    ASSERT_EQ(offline.Call<AAX_Result>("Initialize", static_cast<IACFUnknown*>(instance->Controller().AsInterface())),
              AAX_SUCCESS);
    AAX_CString suffix("unchanged");
    const AAX_Result result = offline.Call<AAX_Result>("GetClipNameSuffix", 31, static_cast<AAX_IString*>(&suffix));
    EXPECT_TRUE(result == AAX_SUCCESS || result == AAX_ERROR_UNIMPLEMENTED) << result;
    EXPECT_LE(suffix.Length(), 31u);
    EXPECT_EQ(offline.Call<AAX_Result>("Uninitialize"), AAX_SUCCESS);
}

}  // namespace
}  // namespace conformance
