// The demo core's editor in a real host window (Xvfb), opened by the real module's
// editor: its controls, the host automation its gestures make, the host's values
// coming back into it, and a resize that reaches the host's view.

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "aaxhost/HostWindow.h"
#include "aaxhost/ObjectFactory.h"
#include "aaxhost/SimulatedViewContainer.h"
#include "support/DemoProduct.h"

namespace {

// An instance of the stereo effect with its editor open in a host window.
class EditorRig {
public:
    EditorRig() : rig_(product_.Effect("Stereo")), window_(800, 600, "Demo editor host") {
        view_ = aaxhost::MakeHostObject<aaxhost::SimulatedViewContainer>(window_.Handle());
        gui_ = aaxhost::CreateEffectGUI(product_.Effect("Stereo"));
        EXPECT_TRUE(gui_);
        EXPECT_EQ(gui_->Initialize(rig_.Instance().Controller().AsInterface()), AAX_SUCCESS);
        EXPECT_EQ(gui_->SetViewContainer(view_->AsInterface()), AAX_SUCCESS);
        aaxhost::HostWindow::PumpMessages();
    }
    ~EditorRig() {
        if (gui_) {
            gui_->SetViewContainer(nullptr);
            gui_->Uninitialize();
        }
        gui_.Reset();
        view_.Reset();
    }

    aaxhost::EffectInstance& Instance() { return rig_.Instance(); }
    aaxhost::SimulatedViewContainer& View() { return *view_.Get(); }
    AAX_IACFEffectGUI& Gui() { return *gui_.Get(); }

    // The core's editor: the one window inside the hook's editor window.
    HWND Editor() const {
        const std::vector<void*> hookWindows = window_.Children();
        if (hookWindows.size() != 1) return nullptr;
        return FindWindowExW(static_cast<HWND>(hookWindows[0]), nullptr, L"LmDemoEditor", nullptr);
    }
    HWND Control(const wchar_t* windowClass, const wchar_t* text) const {
        return FindWindowExW(Editor(), nullptr, windowClass, text);
    }
    std::vector<std::string> Automation() {
        std::vector<std::string> described;
        for (const aaxhost::AutomationEvent& event : Instance().Automation())
            described.push_back(aaxhost::DescribeAutomation(event));
        return described;
    }

private:
    DemoProduct product_;
    RealtimeRig rig_;
    aaxhost::HostWindow window_;
    ACFPtr<aaxhost::SimulatedViewContainer> view_;
    ACFPtr<AAX_IACFEffectGUI> gui_;
};

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

TEST(DemoCoreEditor, OpensInTheHostsWindowWithAControlForEveryParameter) {
    EditorRig editor;
    ASSERT_NE(editor.Editor(), nullptr);
    EXPECT_EQ(aaxhost::HostWindow::ClientSizeOf(editor.Editor()).width, 440);
    EXPECT_EQ(aaxhost::HostWindow::ClientSizeOf(editor.Editor()).height, 230);
    for (const wchar_t* slider : {L"Gain", L"Frequency"}) EXPECT_NE(editor.Control(L"LmDemoSlider", slider), nullptr);
    for (const wchar_t* button : {L"Clean", L"Lowpass", L"Highpass", L"Invert", L"Larger"})
        EXPECT_NE(editor.Control(L"Button", button), nullptr);
    EXPECT_EQ(SendMessageW(editor.Control(L"Button", L"Clean"), BM_GETCHECK, 0, 0), BST_CHECKED) << "the default mode";
}

TEST(DemoCoreEditor, DraggingTheGainSliderIsOneTouchedGestureOfHostAutomation) {
    EditorRig editor;
    HWND slider = editor.Control(L"LmDemoSlider", L"Gain");
    ASSERT_NE(slider, nullptr);
    const int width = aaxhost::HostWindow::ClientSizeOf(slider).width;
    SendMessageW(slider, WM_LBUTTONDOWN, MK_LBUTTON, At(width / 4, 10));
    SendMessageW(slider, WM_MOUSEMOVE, MK_LBUTTON, At(width / 2, 10));
    SendMessageW(slider, WM_LBUTTONUP, 0, At(width * 3 / 4, 10));
    const std::vector<std::string> automation = editor.Automation();
    ASSERT_GE(automation.size(), 4u);
    EXPECT_EQ(automation.front(), "touch Gain");
    EXPECT_EQ(automation.back(), "release Gain");
    for (std::size_t i = 1; i + 1 < automation.size(); ++i)
        EXPECT_EQ(automation[i].rfind("set Gain ", 0), 0u) << automation[i];
    EXPECT_NEAR(editor.Instance().NormalizedValue("Gain"), 0.75, 0.03) << "the host holds where the slider let go";
}

TEST(DemoCoreEditorClicks, ClickingAButtonTouchesSetsAndReleasesItsParameter) {
    const struct {
        const wchar_t* button;
        std::string parameter;
        double normalized;
    } cases[] = {{L"Highpass", "Mode", 1.0}, {L"Lowpass", "Mode", 0.5}, {L"Invert", "Invert", 1.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.normalized);
        EditorRig editor;
        HWND button = editor.Control(L"Button", c.button);
        ASSERT_NE(button, nullptr);
        SendMessageW(button, BM_CLICK, 0, 0);
        const std::vector<std::string> automation = editor.Automation();
        ASSERT_EQ(automation.size(), 3u);
        EXPECT_EQ(automation[0], "touch " + c.parameter);
        EXPECT_EQ(automation[1].rfind("set " + c.parameter + " ", 0), 0u) << automation[1];
        EXPECT_EQ(automation[2], "release " + c.parameter);
        EXPECT_NEAR(editor.Instance().NormalizedValue(c.parameter.c_str()), c.normalized, 1e-6);
    }
}

TEST(DemoCoreEditor, ShowsValuesTheHostAutomates) {
    EditorRig editor;
    ASSERT_EQ(editor.Instance().Automate("Invert", 1.0), AAX_SUCCESS);
    ASSERT_EQ(editor.Instance().Automate("Mode", 0.5), AAX_SUCCESS);
    aaxhost::HostWindow::PumpMessages();
    EXPECT_EQ(SendMessageW(editor.Control(L"Button", L"Invert"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(editor.Control(L"Button", L"Lowpass"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(editor.Control(L"Button", L"Clean"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_TRUE(editor.Automation().empty()) << "showing a host value is no edit";
}

TEST(DemoCoreEditor, ItsSizeButtonResizesTheHostsViewAndItselfBothWays) {
    EditorRig editor;
    SendMessageW(editor.Control(L"Button", L"Larger"), BM_CLICK, 0, 0);
    ASSERT_EQ(editor.View().ViewSizeRequests().size(), 1u);
    EXPECT_EQ(editor.View().ViewSizeRequests()[0].horz, 560.0f);
    EXPECT_EQ(editor.View().ViewSizeRequests()[0].vert, 300.0f);
    EXPECT_EQ(aaxhost::HostWindow::ClientSizeOf(editor.Editor()).width, 560);
    EXPECT_EQ(aaxhost::HostWindow::ClientSizeOf(editor.Editor()).height, 300);
    AAX_Point size{};
    EXPECT_EQ(editor.Gui().GetViewSize(&size), AAX_SUCCESS);
    EXPECT_EQ(size.horz, 560.0f);

    SendMessageW(editor.Control(L"Button", L"Smaller"), BM_CLICK, 0, 0);
    ASSERT_EQ(editor.View().ViewSizeRequests().size(), 2u);
    EXPECT_EQ(aaxhost::HostWindow::ClientSizeOf(editor.Editor()).width, 440);
    EXPECT_NE(editor.Control(L"Button", L"Larger"), nullptr);
}

TEST(DemoCoreEditor, ClosingTheViewDestroysTheEditorAndReopeningBuildsANewOne) {
    EditorRig editor;
    HWND first = editor.Editor();
    ASSERT_NE(first, nullptr);
    ASSERT_EQ(editor.Gui().SetViewContainer(nullptr), AAX_SUCCESS);
    EXPECT_FALSE(IsWindow(first));
    ASSERT_EQ(editor.Gui().SetViewContainer(editor.View().AsInterface()), AAX_SUCCESS);
    ASSERT_NE(editor.Editor(), nullptr);
    SendMessageW(editor.Control(L"Button", L"Invert"), BM_CLICK, 0, 0);
    EXPECT_EQ(editor.Automation().size(), 3u) << "the new editor edits";
}

}  // namespace
