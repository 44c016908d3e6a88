#pragma once
// Editors of instances held over a primed hook and the test core, opened in the host
// simulator's real windows (Xvfb). The editor reads the records of the realtime (6)
// and AudioSuite (7) formats, which this process describes once, before any test: the
// static-information cache keeps them for the process. The name stem is not ASCII, so
// every test also sees the window class found again under its registered name.
//
// The test core records every editor event (selector 29) but answers none; the core's
// two answers inside the record (the "handled" mark of a window message, its own
// window for a resize) are played by EditorTestInstance, which lets the event reach
// the test core first.

#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "../corelink/HookScenario.h"
#include "aaxhost/EffectInstance.h"
#include "aaxhost/HostWindow.h"
#include "aaxhost/SimulatedViewContainer.h"
#include "contract/EditorEvent.h"
#include "gui/AAX_GUI.h"
#include "hook/CoreStaticInfoCache.h"
#include "parameters/Parameters.h"

inline const char* const kEditorNameStem = "Lumi\xC3\xA8re";
inline const char* const kEditorTitle = "com.lumetra.lumiere";
inline const char* const kAnalysisLabel = "ANALYZE";
constexpr std::uint32_t kEditorPackageVersion = 30201;
constexpr int kEditorWidth = 420;
constexpr int kEditorHeight = 260;

// Describes formats 6 and 7 for the editor; call once, with a hook loaded.
inline void DescribeEditorFormats(const std::wstring& corePath) {
    TestCoreClient core(GetModuleHandleW(corePath.c_str()));
    ASSERT_TRUE(core.Valid());
    CoreStaticInfo info;
    std::memset(&info, 0, sizeof info);
    std::strcpy(info.nameStem, kEditorNameStem);
    std::strcpy(info.effectIdStem, kEditorTitle);
    std::strcpy(info.analysisLabel, kAnalysisLabel);
    info.packageVersion = kEditorPackageVersion;
    info.editorWidth = kEditorWidth;
    info.editorHeight = kEditorHeight;
    core.SetStaticInfo(kPluginFormatAaxNative, &info, CoreStaticInfo::kCoreSize, 0);
    info.audioSuiteAnalysisFlag = 1;
    core.SetStaticInfo(kPluginFormatAudioSuite, &info, CoreStaticInfo::kCoreSize, 0);
    ASSERT_TRUE(GetCoreStaticInfo(kPluginFormatAaxNative).IsValid());
    ASSERT_TRUE(GetCoreStaticInfo(kPluginFormatAudioSuite).IsValid());
}

// An instance whose editor events reach the test core and are then answered the way
// the core of this test wants.
class EditorTestInstance final : public Parameters {
public:
    using Parameters::Parameters;

    std::uint32_t SendEditorEvent(EditorEvent& event) override {
        const std::uint32_t result = Parameters::SendEditorEvent(event);
        if (event.kind == kEditorWindowMessage && event.message == handledMessage) event.handled = 1;
        if (event.kind == kEditorQueryWindow) event.coreWindow = reinterpret_cast<std::uintptr_t>(coreWindow);
        return result;
    }

    std::uint32_t handledMessage = 0xFFFFFFFFu;  // the message the core marks handled
    HWND coreWindow = nullptr;                   // the core's own editor window
};

// One instance held by the host simulator, its editor (initialised with the instance's
// controller) and a host window with its view container.
class EditorSession {
public:
    explicit EditorSession(PluginFormat format) : window_(800, 600, "Editor host") {
        auto* instance = new EditorTestInstance(format, kChannelConfigStereo);
        instance_ = instance;
        host_ = std::make_unique<aaxhost::EffectInstance>(
            ACFPtr<AAX_IACFEffectParameters>(static_cast<AAX_IACFEffectParameters*>(instance)));
        EXPECT_EQ(host_->Initialize(), AAX_SUCCESS);
        view_ = aaxhost::MakeHostObject<aaxhost::SimulatedViewContainer>(window_.Handle());
        editor_ = ACFPtr<AAX_IACFEffectGUI>(static_cast<AAX_IACFEffectGUI*>(CreateEditor()));
        EXPECT_TRUE(editor_);
        EXPECT_EQ(editor_->Initialize(host_->Controller().AsInterface()), AAX_SUCCESS);
    }
    ~EditorSession() {
        editor_.Reset();  // the host lets go of the editor before the instance
        view_.Reset();
        host_.reset();
    }
    EditorSession(const EditorSession&) = delete;
    EditorSession& operator=(const EditorSession&) = delete;

    EditorTestInstance& Instance() { return *instance_; }
    AAX_IACFEffectGUI& Host() { return *editor_.Get(); }
    AAX_GUI& Editor() { return *static_cast<AAX_GUI*>(editor_.Get()); }
    aaxhost::SimulatedViewContainer& View() { return *view_.Get(); }
    aaxhost::HostWindow& HostWindow() { return window_; }

    AAX_Result Open() { return editor_->SetViewContainer(view_->AsInterface()); }
    AAX_Result Close() { return editor_->SetViewContainer(nullptr); }
    // The host's last Release of the editor.
    void ReleaseEditor() { editor_.Reset(); }

private:
    aaxhost::HostWindow window_;
    EditorTestInstance* instance_ = nullptr;  // owned by host_
    std::unique_ptr<aaxhost::EffectInstance> host_;
    ACFPtr<aaxhost::SimulatedViewContainer> view_;
    ACFPtr<AAX_IACFEffectGUI> editor_;
};

// Editor sessions over one primed hook (the module instance their window class is
// registered for) and the test core.
class EditorScenario {
public:
    ~EditorScenario() { sessions_.clear(); }  // before the hook and the core go

    EditorSession& Add(PluginFormat format = kPluginFormatAaxNative) {
        sessions_.push_back(std::make_unique<EditorSession>(format));
        return *sessions_.back();
    }

    TestCoreClient& Core() { return hook_.Core(); }

    // PluginHookCallback as the core calls it for the session's instance.
    std::uint32_t CallHook(EditorSession& session, std::uint32_t selector, void* record) {
        return Core().CallHook(session.Instance().InstanceHandle(), selector, 1, record);
    }

    // Editor events of the session's instance since the last Mark, of one kind (all: ~0u).
    std::vector<EditorEvent> Events(EditorSession& session, std::uint32_t kind = ~0u) const {
        std::vector<EditorEvent> events;
        const std::vector<TestCoreCall> calls = hook_.CallsOf(29);
        for (std::size_t i = mark_; i < calls.size(); ++i) {
            if (calls[i].info.instance != session.Instance().InstanceHandle()) continue;
            EXPECT_EQ(calls[i].info.argument, 1u);
            const auto event = calls[i].As<EditorEvent>();
            if (kind == ~0u || event.kind == kind) events.push_back(event);
        }
        return events;
    }
    void Mark() { mark_ = hook_.CallsOf(29).size(); }

private:
    HookScenario hook_{"CoreConfig:cfg value"};
    std::vector<std::unique_ptr<EditorSession>> sessions_;
    std::size_t mark_ = 0;
};
