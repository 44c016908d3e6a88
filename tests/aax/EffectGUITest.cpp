#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OlderHost.h"
#include "aax/AAX_CBinaryDisplayDelegate.h"
#include "aax/AAX_CBinaryTaperDelegate.h"
#include "aax/AAX_CEffectGUI.h"
#include "aax/AAX_CEffectParameters.h"
#include "aax/AAX_CParameter.h"
#include "aaxhost/EffectInstance.h"
#include "aaxhost/SimulatedViewContainer.h"

namespace {

using aaxhost::SimulatedViewContainer;

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

std::vector<std::string> MouseTexts(const SimulatedViewContainer& view) {
    std::vector<std::string> texts;
    for (const aaxhost::MouseEvent& event : view.MouseEvents()) texts.push_back(aaxhost::DescribeMouseEvent(event));
    return texts;
}

// An instance as the host simulator holds it, an editor, and the host's view over a window.
struct EditorInstance {
    TwoSwitchEffect* effect = new TwoSwitchEffect;
    aaxhost::EffectInstance instance{ACFPtr<AAX_IACFEffectParameters>(effect)};
    RecordingGUI* gui = new RecordingGUI;
    int window = 0;  // any address stands for the native view here
    ACFPtr<SimulatedViewContainer> view = aaxhost::MakeHostObject<SimulatedViewContainer>(&window);

    EditorInstance() { EXPECT_EQ(instance.Initialize(), AAX_SUCCESS); }
    ~EditorInstance() { gui->Release(); }
    IACFUnknown* Controller() { return instance.Controller().AsInterface(); }
};

TEST(EffectGUIBase, InitializeWithoutAControllerFailsAndCreatesNothing) {
    EditorInstance instance;
    EXPECT_EQ(instance.gui->Initialize(nullptr), AAX_ERROR_NOT_INITIALIZED);
    EXPECT_TRUE(instance.gui->calls.empty());
}

TEST(EffectGUIBase, AttachingAViewCreatesTheContainerThenUpdatesEveryParameterInOrder) {
    EditorInstance instance;
    EXPECT_EQ(instance.gui->Initialize(instance.Controller()), AAX_SUCCESS);
    EXPECT_EQ(instance.gui->EffectParameters(), static_cast<AAX_IEffectParameters*>(instance.effect))
        << "found through the controller";
    EXPECT_NE(instance.gui->Controller(), nullptr);
    EXPECT_EQ(instance.gui->SetViewContainer(instance.view->AsInterface()), AAX_SUCCESS);
    EXPECT_EQ(instance.gui->ViewContainer()->GetPtr(), static_cast<void*>(&instance.window));
    EXPECT_EQ(instance.gui->SetViewContainer(nullptr), AAX_SUCCESS);
    EXPECT_EQ(instance.gui->calls,
              (std::vector<std::string>{"CreateViewContents", "CreateViewContainer type 3", "ParameterUpdated A",
                                        "ParameterUpdated B", "DeleteViewContainer detached"}));
    EXPECT_EQ(References(instance.view->AsInterface()), 1u);
}

TEST(EffectGUIBase, EachViewCallReachesTheVersionThatIntroducedItOrIsRefused) {
    const AAX_CParamID both[] = {"A", "B"};
    const acfIID viewIDs[] = {IID_IAAXViewContainerV1, IID_IAAXViewContainerV2, IID_IAAXViewContainerV3};
    const struct {
        int versions;
        std::vector<std::string> reached;
        AAX_Result multiple, enter;
    } cases[] = {
        {1, {"down A 0x0", "up A 0x0"}, AAX_ERROR_UNIMPLEMENTED, AAX_ERROR_UNIMPLEMENTED},
        {2, {"down A 0x0", "multiple drag A,B 0x0", "up A 0x0"}, AAX_SUCCESS, AAX_ERROR_UNIMPLEMENTED},
        {3, {"enter A 0x0", "down A 0x0", "multiple drag A,B 0x0", "up A 0x0", "exit A 0x0"}, AAX_SUCCESS, AAX_SUCCESS},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("versions " + std::to_string(c.versions));
        EditorInstance instance;
        OlderHost older(instance.view->AsInterface(), std::vector<acfIID>(viewIDs, viewIDs + c.versions));
        ASSERT_EQ(instance.gui->Initialize(instance.Controller()), AAX_SUCCESS);
        ASSERT_EQ(instance.gui->SetViewContainer(&older), AAX_SUCCESS);
        AAX_IViewContainer* container = instance.gui->ViewContainer();
        EXPECT_EQ(container->HandleParameterMouseEnter("A", 0), c.enter);
        EXPECT_EQ(container->SetViewSize(AAX_Point{100.0f, 200.0f}), AAX_SUCCESS);
        EXPECT_EQ(container->HandleParameterMouseDown("A", 0), AAX_SUCCESS);
        EXPECT_EQ(container->HandleMultipleParametersMouseDrag(both, 2, 0), c.multiple);
        EXPECT_EQ(container->HandleParameterMouseUp("A", 0), AAX_SUCCESS);
        EXPECT_EQ(container->HandleParameterMouseExit("A", 0), c.enter);
        EXPECT_EQ(MouseTexts(*instance.view.Get()), c.reached);
        ASSERT_EQ(instance.view->ViewSizeRequests().size(), 1u);
        EXPECT_EQ(instance.view->ViewSizeRequests()[0].horz, 200.0f);
        EXPECT_EQ(instance.gui->Uninitialize(), AAX_SUCCESS);
        EXPECT_EQ(References(instance.view->AsInterface()), 1u);
        EXPECT_EQ(older.references, 1u);
    }
}

TEST(EffectGUIBase, AnObjectThatIsNoViewContainerIsKeptAsAViewOfNoType) {
    EditorInstance instance;
    ASSERT_EQ(instance.gui->Initialize(instance.Controller()), AAX_SUCCESS);
    EXPECT_EQ(instance.gui->SetViewContainer(instance.Controller()), AAX_SUCCESS);
    ASSERT_NE(instance.gui->ViewContainer(), nullptr);
    EXPECT_EQ(instance.gui->ViewContainer()->GetPtr(), nullptr);
    EXPECT_EQ(instance.gui->ViewContainer()->SetViewSize(AAX_Point{1.0f, 1.0f}), AAX_SUCCESS);
    EXPECT_EQ(instance.gui->ViewContainer()->HandleParameterMouseDown("A", 0), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(instance.gui->calls, (std::vector<std::string>{"CreateViewContents", "CreateViewContainer type 0",
                                                             "ParameterUpdated A", "ParameterUpdated B"}));
}

TEST(EffectGUIBase, UninitializeDetachesTheViewAndGivesBackEverythingInitializeTook) {
    EditorInstance instance;
    const std::uint32_t hostReferences = References(instance.Controller());
    const std::uint32_t effectReferences = References(instance.instance.Parameters());
    ASSERT_EQ(instance.gui->Initialize(instance.Controller()), AAX_SUCCESS);
    ASSERT_EQ(instance.gui->SetViewContainer(instance.view->AsInterface()), AAX_SUCCESS);
    EXPECT_EQ(instance.gui->Uninitialize(), AAX_SUCCESS);
    EXPECT_EQ(instance.gui->calls.back(), "DeleteViewContainer detached");
    EXPECT_EQ(References(instance.view->AsInterface()), 1u);
    EXPECT_EQ(References(instance.Controller()), hostReferences);
    EXPECT_EQ(References(instance.instance.Parameters()), effectReferences);
    EXPECT_EQ(instance.gui->EffectParameters(), nullptr);
}

}  // namespace
