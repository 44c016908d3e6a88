#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "aax/AAX_CBinaryDisplayDelegate.h"
#include "aax/AAX_CBinaryTaperDelegate.h"
#include "aax/AAX_CEffectGUI.h"
#include "aax/AAX_CEffectParameters.h"
#include "aax/AAX_CParameter.h"
#include "aax/AAX_IACFViewContainer.h"
#include "AcfTestHost.h"

namespace {

class TwoSwitchEffect : public AAX_CEffectParameters {
protected:
    AAX_Result EffectInit() override {
        for (const char* id : {"A", "B"})
            ParameterManager().AddParameter(new AAX_CParameter<bool>(
                id, id, false, AAX_CBinaryTaperDelegate<bool>(), AAX_CBinaryDisplayDelegate<bool>("off", "on"), true));
        return AAX_SUCCESS;
    }
};

// Records the protected operations and what it sees during them.
class RecordingGUI : public AAX_CEffectGUI {
public:
    std::vector<std::string> calls;

    AAX_Result ParameterUpdated(AAX_CParamID id) noexcept override {
        calls.push_back(std::string("ParameterUpdated ") + id);
        return AAX_SUCCESS;
    }

protected:
    void CreateViewContents() override { calls.push_back("CreateViewContents"); }
    void CreateViewContainer() override {
        calls.push_back("CreateViewContainer type " + std::to_string(ViewContainer()->GetType()));
    }
    void DeleteViewContainer() override {
        calls.push_back(std::string("DeleteViewContainer ") + (ViewContainer() == nullptr ? "detached" : "attached"));
    }
};

class TestViewContainer : public TestAcfObject<AAX_IACFViewContainer, IID_IAAXViewContainerV1> {
public:
    std::int32_t GetType() noexcept override { return AAX_eViewContainer_Type_HWND; }
    void* GetPtr() noexcept override { return this; }
    AAX_Result GetModifiers(std::uint32_t* modifiers) noexcept override {
        *modifiers = 0;
        return AAX_SUCCESS;
    }
    AAX_Result SetViewSize(const AAX_Point&) noexcept override { return AAX_SUCCESS; }
    AAX_Result HandleParameterMouseDown(AAX_CParamID, std::uint32_t) noexcept override { return AAX_SUCCESS; }
    AAX_Result HandleParameterMouseDrag(AAX_CParamID, std::uint32_t) noexcept override { return AAX_SUCCESS; }
    AAX_Result HandleParameterMouseUp(AAX_CParamID, std::uint32_t) noexcept override { return AAX_SUCCESS; }
    AAX_Result HandleMultipleParametersMouseDown(const AAX_CParamID*, std::uint32_t, std::uint32_t) noexcept override {
        return AAX_SUCCESS;
    }
    AAX_Result HandleMultipleParametersMouseDrag(const AAX_CParamID*, std::uint32_t, std::uint32_t) noexcept override {
        return AAX_SUCCESS;
    }
    AAX_Result HandleMultipleParametersMouseUp(const AAX_CParamID*, std::uint32_t, std::uint32_t) noexcept override {
        return AAX_SUCCESS;
    }
};

// An instance as the host builds it: effect parameters, controller, editor.
struct EditorInstance {
    TwoSwitchEffect* effect = new TwoSwitchEffect;
    RecordingController host;
    RecordingGUI* gui = new RecordingGUI;

    EditorInstance() {
        host.effect = effect;
        EXPECT_EQ(effect->Initialize(&host), AAX_SUCCESS);
    }
    ~EditorInstance() {
        gui->Release();
        effect->Release();
    }
};

TEST(EffectGUIBase, InitializeWithoutAControllerFailsAndCreatesNothing) {
    EditorInstance instance;
    EXPECT_EQ(instance.gui->Initialize(nullptr), AAX_ERROR_NOT_INITIALIZED);
    EXPECT_TRUE(instance.gui->calls.empty());
}

TEST(EffectGUIBase, InitializeFindsTheInstancesEffectParametersThenCreatesTheViewContents) {
    EditorInstance instance;
    EXPECT_EQ(instance.gui->Initialize(&instance.host), AAX_SUCCESS);
    EXPECT_EQ(instance.gui->EffectParameters(), static_cast<AAX_IEffectParameters*>(instance.effect));
    EXPECT_NE(instance.gui->Controller(), nullptr);
    EXPECT_EQ(instance.gui->calls, (std::vector<std::string>{"CreateViewContents"}));
}

TEST(EffectGUIBase, AttachingAViewCreatesTheContainerThenUpdatesEveryParameterInOrder) {
    EditorInstance instance;
    TestViewContainer view;
    ASSERT_EQ(instance.gui->Initialize(&instance.host), AAX_SUCCESS);
    EXPECT_EQ(instance.gui->SetViewContainer(&view), AAX_SUCCESS);
    EXPECT_EQ(instance.gui->ViewContainer()->GetPtr(), static_cast<void*>(&view));
    EXPECT_EQ(instance.gui->SetViewContainer(nullptr), AAX_SUCCESS);
    EXPECT_EQ(instance.gui->calls,
              (std::vector<std::string>{"CreateViewContents", "CreateViewContainer type 3", "ParameterUpdated A",
                                        "ParameterUpdated B", "DeleteViewContainer detached"}));
    EXPECT_EQ(view.references, 1u);
}

TEST(EffectGUIBase, AnObjectThatIsNoViewContainerIsRefused) {
    EditorInstance instance;
    ASSERT_EQ(instance.gui->Initialize(&instance.host), AAX_SUCCESS);
    EXPECT_EQ(instance.gui->SetViewContainer(&instance.host), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(instance.gui->ViewContainer(), nullptr);
    EXPECT_EQ(instance.gui->calls, (std::vector<std::string>{"CreateViewContents"}));
}

TEST(EffectGUIBase, UninitializeGivesBackEverythingInitializeTook) {
    EditorInstance instance;
    const std::uint32_t hostReferences = instance.host.references;
    const std::uint32_t effectReferences = instance.effect->AddRef() - 1;
    instance.effect->Release();
    ASSERT_EQ(instance.gui->Initialize(&instance.host), AAX_SUCCESS);
    EXPECT_EQ(instance.gui->Uninitialize(), AAX_SUCCESS);
    EXPECT_EQ(instance.host.references, hostReferences);
    EXPECT_EQ(instance.effect->AddRef() - 1, effectReferences);
    instance.effect->Release();
    EXPECT_EQ(instance.gui->EffectParameters(), nullptr);
}

TEST(EffectGUIBase, SlotsWithoutBehaviourSucceedAndCustomLabelsFallBackToNullObject) {
    RecordingGUI* gui = new RecordingGUI;
    AAX_IACFEffectGUI* host = gui;
    const AAX_Point origin{0.0f, 0.0f};
    EXPECT_EQ(host->NotificationReceived(AAX_eNotificationEvent_TrackNameChanged, nullptr, 0), AAX_SUCCESS);
    EXPECT_EQ(host->Draw(origin, origin), AAX_SUCCESS);
    EXPECT_EQ(host->TimerWakeup(), AAX_SUCCESS);
    EXPECT_EQ(host->SetControlHighlightInfo("A", 1, 0), AAX_SUCCESS);
    AAX_CString label("unchanged");
    EXPECT_EQ(host->GetCustomLabel(AAX_ePlugInStrings_Process, &label), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(label, AAX_CString("unchanged"));
    EXPECT_EQ(host->GetViewSize(nullptr), AAX_ERROR_NULL_ARGUMENT);
    host->Release();
}

}  // namespace
