#include <gtest/gtest.h>

#include <string>

#include "OlderHost.h"
#include "aax/AAX_CEffectGUI.h"
#include "aax/AAX_CEffectParameters.h"
#include "aax/AAX_CHostProcessor.h"
#include "aax/AAX_IACFCollection.h"
#include "aax/ACFPtr.h"
#include "aax/CACFUnknown.h"
#include "aaxhost/SimulatedController.h"

namespace {

TEST(CACFUnknown, EveryLiveObjectCountsUntilItsLastRelease) {
    const std::int32_t before = CACFUnknown::LiveObjectCount();
    IACFUnknown* objects[] = {
        static_cast<AAX_IACFEffectParameters*>(new AAX_CEffectParameters),
        static_cast<AAX_IACFEffectGUI*>(new AAX_CEffectGUI),
        static_cast<AAX_IACFHostProcessor*>(new AAX_CHostProcessor),
    };
    EXPECT_EQ(CACFUnknown::LiveObjectCount(), before + 3);
    EXPECT_EQ(objects[0]->AddRef(), 2u);
    EXPECT_EQ(objects[0]->Release(), 1u);
    EXPECT_EQ(CACFUnknown::LiveObjectCount(), before + 3);
    for (IACFUnknown* object : objects) EXPECT_EQ(object->Release(), 0u);
    EXPECT_EQ(CACFUnknown::LiveObjectCount(), before);
}

struct QueryCase {
    const char* what;
    IACFUnknown* object;
    const acfIID* ownIID;
};

TEST(CACFUnknown, AnswersItsRootAndItsOwnInterfaceOnlyWithAnAddedReference) {
    auto* parameters = new AAX_CEffectParameters;
    auto* gui = new AAX_CEffectGUI;
    auto* processor = new AAX_CHostProcessor;
    const QueryCase cases[] = {
        {"effect parameters", static_cast<AAX_IACFEffectParameters*>(parameters), &IID_IAAXEffectParametersV1},
        {"editor", static_cast<AAX_IACFEffectGUI*>(gui), &IID_IAAXEffectGUIV1},
        {"offline processor", static_cast<AAX_IACFHostProcessor*>(processor), &IID_IAAXHostProcessorV1},
    };
    for (const QueryCase& c : cases) {
        SCOPED_TRACE(c.what);
        void* found = nullptr;
        EXPECT_EQ(c.object->QueryInterface(*c.ownIID, &found), ACF_OK);
        EXPECT_EQ(found, static_cast<void*>(c.object));
        EXPECT_EQ(c.object->QueryInterface(IID_IACFUnknown, &found), ACF_OK);
        EXPECT_EQ(c.object->Release(), 2u);  // the two answers hold references
        EXPECT_EQ(c.object->Release(), 1u);
        found = c.object;
        EXPECT_EQ(c.object->QueryInterface(IID_IAAXCollectionV1, &found), ACF_E_NOINTERFACE);
        EXPECT_EQ(found, nullptr);
        EXPECT_EQ(c.object->QueryInterface(*c.ownIID, nullptr), ACF_E_POINTER);
        EXPECT_EQ(c.object->Release(), 0u);
    }
}

TEST(ACFPtr, QueryHoldsOneReferenceAndGivesItBack) {
    ACFPtr<aaxhost::SimulatedController> held = aaxhost::MakeHostObject<aaxhost::SimulatedController>();
    IACFUnknown* host = held->AsInterface();
    {
        auto controller = ACFPtr<AAX_IACFController>::Query(host, IID_IAAXControllerV1);
        ASSERT_TRUE(controller);
        EXPECT_EQ(References(host), 2u);
        auto moved = std::move(controller);
        EXPECT_FALSE(controller);
        EXPECT_EQ(References(host), 2u);
        EXPECT_FALSE((ACFPtr<AAX_IACFCollection>::Query(host, IID_IAAXCollectionV1)));
        EXPECT_FALSE((ACFPtr<AAX_IACFController>::Query(nullptr, IID_IAAXControllerV1)));
    }
    EXPECT_EQ(References(host), 1u);
}

}  // namespace
