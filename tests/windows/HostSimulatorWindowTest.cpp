// The host simulator's real windows under Xvfb: the dialog watcher answering a module's
// "Fatal Error" boxes, and a module's editor opened in a host window.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "aaxhost/DialogWatcher.h"
#include "aaxhost/EffectInstance.h"
#include "aaxhost/HostWindow.h"
#include "aaxhost/LoadedModule.h"
#include "aaxhost/ObjectFactory.h"
#include "aaxhost/SimulatedViewContainer.h"
#include "fixtures/trivialmodule/TrivialModule.h"
#include "support/TestBinaries.h"

using namespace aaxhost;

namespace {

TEST(DialogWatcher, CapturesEachFatalErrorBoxOfTheModuleAndPressesOK) {
    LoadedModule module(TestBinaryPath(L"fx_trivial_gain.dll"));
    const auto show = module.FindExportAs<trivial::ShowFatalErrorProc>(trivial::kShowFatalErrorExport);
    ASSERT_NE(show, nullptr);
    DialogWatcher watcher;

    // Each call blocks until its box is answered.
    show(
        "Core missing: Gr\xC3\xBC\xC3\x9F"
        "e");
    show("Second failure");
    ASSERT_TRUE(watcher.WaitForTexts(2, std::chrono::seconds(5)));
    watcher.Stop();
    EXPECT_EQ(watcher.Texts(), (std::vector<std::string>{"Core missing: Gr\xC3\xBC\xC3\x9F"
                                                         "e",
                                                         "Second failure"}));
}

TEST(HostWindow, ModuleEditorOpensInTheHostWindowAndItsRequestsAreRecorded) {
    LoadedModule module(TestBinaryPath(L"fx_trivial_gain.dll"));
    const Registration registration = module.RegisterPlugin();
    const EffectDescription* effect = registration.package.FindEffect(trivial::kMonoEffectID);
    ASSERT_NE(effect, nullptr);
    {
        HostWindow window(400, 300, "Trivial Gain");
        ASSERT_NE(window.Handle(), nullptr) << "no window could be made: run under Xvfb";
        ACFPtr<SimulatedViewContainer> container = MakeHostObject<SimulatedViewContainer>(window.Handle());
        container->SetModifiers(0x4);
        auto instance = CreateEffectInstance(*effect);
        ASSERT_EQ(instance->Initialize(), AAX_SUCCESS);
        ACFPtr<AAX_IACFEffectGUI> editor = CreateEffectGUI(*effect);
        ASSERT_TRUE(editor);
        ASSERT_EQ(editor->Initialize(instance->Controller().AsInterface()), AAX_SUCCESS);

        ASSERT_EQ(editor->SetViewContainer(container->AsInterface()), AAX_SUCCESS);
        HostWindow::PumpMessages();
        EXPECT_EQ(window.Children().size(), 1u);
        ASSERT_EQ(container->ViewSizeRequests().size(), 1u);
        EXPECT_EQ(container->ViewSizeRequests()[0].horz, trivial::kEditorWidth);
        EXPECT_EQ(container->ViewSizeRequests()[0].vert, trivial::kEditorHeight);
        EXPECT_EQ(window.ClientSize().width, 240);
        EXPECT_EQ(window.ClientSize().height, 120);
        EXPECT_EQ(container->ModifierQueries(), 1);
        std::vector<std::string> mouse;
        for (const MouseEvent& event : container->MouseEvents()) mouse.push_back(DescribeMouseEvent(event));
        EXPECT_EQ(mouse,
                  (std::vector<std::string>{"enter Gain 0x4", "down Gain 0x14", "up Gain 0x4", "exit Gain 0x4"}));
        const auto editorV2 = ACFPtr<AAX_IACFEffectGUI_V2>::Query(editor.Get(), IID_IAAXEffectGUIV2);
        ASSERT_TRUE(editorV2);
        AAX_Point minimum{0.0f, 0.0f};
        EXPECT_EQ(editorV2->GetMinimumViewSize(&minimum), AAX_SUCCESS);
        EXPECT_EQ(minimum.horz, trivial::kEditorWidth);
        EXPECT_EQ(minimum.vert, trivial::kEditorHeight);

        ASSERT_EQ(editor->SetViewContainer(nullptr), AAX_SUCCESS);
        EXPECT_TRUE(window.Children().empty());
        EXPECT_EQ(editor->Uninitialize(), AAX_SUCCESS);
    }
    EXPECT_EQ(module.CanUnloadNow(), 0);
}

}  // namespace
