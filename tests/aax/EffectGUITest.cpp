#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AcfTestHost.h"
#include "aax/AAX_CBinaryDisplayDelegate.h"
#include "aax/AAX_CBinaryTaperDelegate.h"
#include "aax/AAX_CEffectGUI.h"
#include "aax/AAX_CEffectParameters.h"
#include "aax/AAX_CParameter.h"
#include "aax/AAX_IACFViewContainer.h"

namespace {

class TwoSwitchEffect : public AAX_CEffectParameters {
protected:
    AAX_Result EffectInit() override {
        for (const char* id : {"A", "B"})
            ParameterManager().AddParameter(new AAX_CParameter<bool>(id, id, false, AAX_CBinaryTaperDelegate<bool>(),
                                                                     AAX_CBinaryDisplayDelegate<bool>("off", "on"),
                                                                     true));
        return AAX_SUCCESS;
    }
};

// The instance's controller as a host hands it out: it answers for the instance's
// effect parameters object too.
class InstanceController : public RecordingController {
public:
    acfResult QueryInterface(const acfIID& iid, void** out) noexcept override {
        if (out != nullptr && iid == IID_IAAXEffectParametersV1 && effect != nullptr)
            return effect->QueryInterface(iid, out);
        return RecordingController::QueryInterface(iid, out);
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

// A host view answering the published versions up to `versions`; records every call
// that reaches it.
class TestViewContainer : public AAX_IACFViewContainer_V3 {
public:
    explicit TestViewContainer(int offeredVersions) : versions(offeredVersions) {}

    acfResult QueryInterface(const acfIID& iid, void** out) noexcept override {
        const bool offered = iid == IID_IACFUnknown || iid == IID_IAAXViewContainerV1 ||
                             (iid == IID_IAAXViewContainerV2 && versions >= 2) ||
                             (iid == IID_IAAXViewContainerV3 && versions >= 3);
        *out = offered ? static_cast<AAX_IACFViewContainer_V3*>(this) : nullptr;
        if (!offered) return ACF_E_NOINTERFACE;
        AddRef();
        return ACF_OK;
    }
    std::uint32_t AddRef() noexcept override { return ++references; }
    std::uint32_t Release() noexcept override { return --references; }

    std::int32_t GetType() noexcept override { return AAX_eViewContainer_Type_HWND; }
    void* GetPtr() noexcept override { return this; }
    AAX_Result GetModifiers(std::uint32_t* modifiers) noexcept override {
        *modifiers = 0x8;
        return Log("modifiers");
    }
    AAX_Result SetViewSize(const AAX_Point& size) noexcept override {
        return Log("size " + std::to_string(int(size.horz)) + "x" + std::to_string(int(size.vert)));
    }
    AAX_Result HandleParameterMouseDown(AAX_CParamID id, std::uint32_t) noexcept override {
        return Log(std::string("down ") + id);
    }
    AAX_Result HandleParameterMouseDrag(AAX_CParamID id, std::uint32_t) noexcept override {
        return Log(std::string("drag ") + id);
    }
    AAX_Result HandleParameterMouseUp(AAX_CParamID id, std::uint32_t) noexcept override {
        return Log(std::string("up ") + id);
    }
    AAX_Result HandleMultipleParametersMouseDown(const AAX_CParamID*, std::uint32_t n,
                                                 std::uint32_t) noexcept override {
        return Log("multiple down " + std::to_string(n));
    }
    AAX_Result HandleMultipleParametersMouseDrag(const AAX_CParamID*, std::uint32_t n,
                                                 std::uint32_t) noexcept override {
        return Log("multiple drag " + std::to_string(n));
    }
    AAX_Result HandleMultipleParametersMouseUp(const AAX_CParamID*, std::uint32_t n, std::uint32_t) noexcept override {
        return Log("multiple up " + std::to_string(n));
    }
    AAX_Result HandleParameterMouseEnter(AAX_CParamID id, std::uint32_t) noexcept override {
        return Log(std::string("enter ") + id);
    }
    AAX_Result HandleParameterMouseExit(AAX_CParamID id, std::uint32_t) noexcept override {
        return Log(std::string("exit ") + id);
    }

    int versions;
    std::uint32_t references = 1;  // the test's own
    std::vector<std::string> log;

private:
    AAX_Result Log(std::string call) {
        log.push_back(std::move(call));
        return AAX_SUCCESS;
    }
};

// An instance as the host builds it: effect parameters, controller, editor.
struct EditorInstance {
    TwoSwitchEffect* effect = new TwoSwitchEffect;
    InstanceController host;
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

TEST(EffectGUIBase, InitializeFindsTheInstancesEffectParametersThroughTheControllerThenCreatesTheViewContents) {
    EditorInstance instance;
    EXPECT_EQ(instance.gui->Initialize(&instance.host), AAX_SUCCESS);
    EXPECT_EQ(instance.gui->EffectParameters(), static_cast<AAX_IEffectParameters*>(instance.effect));
    EXPECT_NE(instance.gui->Controller(), nullptr);
    EXPECT_EQ(instance.gui->calls, (std::vector<std::string>{"CreateViewContents"}));
}

TEST(EffectGUIBase, AttachingAViewCreatesTheContainerThenUpdatesEveryParameterInOrder) {
    EditorInstance instance;
    TestViewContainer view(3);
    ASSERT_EQ(instance.gui->Initialize(&instance.host), AAX_SUCCESS);
    EXPECT_EQ(instance.gui->SetViewContainer(&view), AAX_SUCCESS);
    EXPECT_EQ(instance.gui->ViewContainer()->GetPtr(), static_cast<void*>(&view));
    EXPECT_EQ(instance.gui->SetViewContainer(nullptr), AAX_SUCCESS);
    EXPECT_EQ(instance.gui->calls,
              (std::vector<std::string>{"CreateViewContents", "CreateViewContainer type 3", "ParameterUpdated A",
                                        "ParameterUpdated B", "DeleteViewContainer detached"}));
    EXPECT_EQ(view.references, 1u);
}

TEST(EffectGUIBase, EachViewCallReachesTheVersionThatIntroducedItOrIsRefused) {
    const AAX_CParamID both[] = {"A", "B"};
    const struct {
        int versions;
        std::vector<std::string> reached;
        AAX_Result multiple, enter;
    } cases[] = {
        {1, {"size 200x100", "down A", "up A"}, AAX_ERROR_UNIMPLEMENTED, AAX_ERROR_UNIMPLEMENTED},
        {2, {"size 200x100", "down A", "multiple drag 2", "up A"}, AAX_SUCCESS, AAX_ERROR_UNIMPLEMENTED},
        {3, {"enter A", "size 200x100", "down A", "multiple drag 2", "up A", "exit A"}, AAX_SUCCESS, AAX_SUCCESS},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("versions " + std::to_string(c.versions));
        EditorInstance instance;
        TestViewContainer view(c.versions);
        ASSERT_EQ(instance.gui->Initialize(&instance.host), AAX_SUCCESS);
        ASSERT_EQ(instance.gui->SetViewContainer(&view), AAX_SUCCESS);
        AAX_IViewContainer* container = instance.gui->ViewContainer();
        EXPECT_EQ(container->HandleParameterMouseEnter("A", 0), c.enter);
        EXPECT_EQ(container->SetViewSize(AAX_Point{100.0f, 200.0f}), AAX_SUCCESS);
        EXPECT_EQ(container->HandleParameterMouseDown("A", 0), AAX_SUCCESS);
        EXPECT_EQ(container->HandleMultipleParametersMouseDrag(both, 2, 0), c.multiple);
        EXPECT_EQ(container->HandleParameterMouseUp("A", 0), AAX_SUCCESS);
        EXPECT_EQ(container->HandleParameterMouseExit("A", 0), c.enter);
        EXPECT_EQ(view.log, c.reached);
        EXPECT_EQ(instance.gui->Uninitialize(), AAX_SUCCESS);
        EXPECT_EQ(view.references, 1u);
    }
}

TEST(EffectGUIBase, AnObjectThatIsNoViewContainerIsKeptAsAViewOfNoType) {
    EditorInstance instance;
    ASSERT_EQ(instance.gui->Initialize(&instance.host), AAX_SUCCESS);
    EXPECT_EQ(instance.gui->SetViewContainer(&instance.host), AAX_SUCCESS);
    ASSERT_NE(instance.gui->ViewContainer(), nullptr);
    EXPECT_EQ(instance.gui->ViewContainer()->GetPtr(), nullptr);
    EXPECT_EQ(instance.gui->ViewContainer()->SetViewSize(AAX_Point{1.0f, 1.0f}), AAX_SUCCESS);
    EXPECT_EQ(instance.gui->ViewContainer()->HandleParameterMouseDown("A", 0), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(instance.gui->calls, (std::vector<std::string>{"CreateViewContents", "CreateViewContainer type 0",
                                                             "ParameterUpdated A", "ParameterUpdated B"}));
}

TEST(EffectGUIBase, UninitializeDetachesTheViewAndGivesBackEverythingInitializeTook) {
    EditorInstance instance;
    TestViewContainer view(3);
    const std::uint32_t hostReferences = instance.host.references;
    const std::uint32_t effectReferences = instance.effect->AddRef() - 1;
    instance.effect->Release();
    ASSERT_EQ(instance.gui->Initialize(&instance.host), AAX_SUCCESS);
    ASSERT_EQ(instance.gui->SetViewContainer(&view), AAX_SUCCESS);
    EXPECT_EQ(instance.gui->Uninitialize(), AAX_SUCCESS);
    EXPECT_EQ(instance.gui->calls.back(), "DeleteViewContainer detached");
    EXPECT_EQ(view.references, 1u);
    EXPECT_EQ(instance.host.references, hostReferences);
    EXPECT_EQ(instance.effect->AddRef() - 1, effectReferences);
    instance.effect->Release();
    EXPECT_EQ(instance.gui->EffectParameters(), nullptr);
}

}  // namespace
