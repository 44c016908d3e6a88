// The editor window (AAX_GUI) in the host simulator's real windows under Xvfb, over a
// primed hook and the test core: its window class, the events the core gets, window
// messages, resizes from the core, the labels, and the instance's editor reference.
// The editor reads the records of the realtime (6) and AudioSuite (7) formats, described
// once before any test (the static-information cache keeps them for the process). The
// name stem is not ASCII, so every test also sees the window class found again under its
// registered name.
//
// The test core records every editor event (selector 29) but answers none; the core's
// two answers inside the record (the "handled" mark of a window message, its own
// window for a resize) are played by EditorTestInstance, which lets the event reach
// the test core first.

#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "../corelink/HookScenario.h"
#include "aax/AAX_CString.h"
#include "aaxhost/EffectInstance.h"
#include "aaxhost/HostWindow.h"
#include "aaxhost/SimulatedViewContainer.h"
#include "contract/EditorEvent.h"
#include "contract/HookCallbackRecords.h"
#include "gui/AAX_GUI.h"
#include "gui/EditorWindowClassName.h"
#include "hook/CoreStaticInfoCache.h"
#include "hook/HookCallback.h"
#include "hook/HookConfigResource.h"
#include "parameters/Parameters.h"
#include "support/ScratchFolder.h"
#include "support/StringPrinting.h"

namespace {

inline const char* const kEditorNameStem = "Lumi\xC3\xA8re";
inline const char* const kEditorTitle = "com.lumetra.lumiere";
inline const char* const kAnalysisLabel = "ANALYZE";
constexpr std::uint32_t kEditorPackageVersion = 30201;
constexpr int kEditorWidth = 420;
constexpr int kEditorHeight = 260;

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

// The process reads the hook's short name once, and the editor's formats are described
// once: both before any test runs.
class EditorEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        CoreLinkScenario scenario;
        const std::wstring core = scenario.AddCore();
        ASSERT_EQ(scenario.UseHook("LmBrisa3.dll", kGoodConfig), "");
        ASSERT_EQ(ReadHookShortName(), Util::String(kScenarioShortName));
        const std::shared_ptr<LoadedCore> link = GetCoreLink();
        TestCoreClient client(GetModuleHandleW(core.c_str()));
        ASSERT_TRUE(client.Valid());
        CoreStaticInfo info;
        std::memset(&info, 0, sizeof info);
        std::strcpy(info.nameStem, kEditorNameStem);
        std::strcpy(info.effectIdStem, kEditorTitle);
        std::strcpy(info.analysisLabel, kAnalysisLabel);
        info.packageVersion = kEditorPackageVersion;
        info.editorWidth = kEditorWidth;
        info.editorHeight = kEditorHeight;
        client.SetStaticInfo(kPluginFormatAaxNative, &info, CoreStaticInfo::kCoreSize, 0);
        info.audioSuiteAnalysisFlag = 1;
        client.SetStaticInfo(kPluginFormatAudioSuite, &info, CoreStaticInfo::kCoreSize, 0);
        ASSERT_TRUE(GetCoreStaticInfo(kPluginFormatAaxNative).IsValid());
        ASSERT_TRUE(GetCoreStaticInfo(kPluginFormatAudioSuite).IsValid());
    }
};
::testing::Environment* const g_editorEnvironment = ::testing::AddGlobalTestEnvironment(new EditorEnvironment);

std::string ClassNameOf(void* window) {
    char name[256] = {0};
    GetClassNameA(static_cast<HWND>(window), name, sizeof name);
    return name;
}

SIZE ClientSizeOf(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

std::pair<float, float> ViewSizeOf(EditorSession& session) {
    AAX_Point point{};
    EXPECT_EQ(session.Host().GetViewSize(&point), AAX_SUCCESS);
    return {point.horz, point.vert};
}

std::uint64_t HandleValue(void* window) { return reinterpret_cast<std::uintptr_t>(window); }

// A host view of the first version only that offers no native window.
class ViewWithoutWindow final : public aaxhost::HostObject<AAX_IACFViewContainer, IID_IAAXViewContainerV1> {
public:
    explicit ViewWithoutWindow(void* pointer) : pointer_(pointer) {}
    std::int32_t GetType() noexcept override { return AAX_eViewContainer_Type_NULL; }
    void* GetPtr() noexcept override { return pointer_; }
    AAX_Result GetModifiers(std::uint32_t*) noexcept override { return AAX_SUCCESS; }
    AAX_Result SetViewSize(const AAX_Point&) noexcept override { return AAX_SUCCESS; }
    AAX_Result HandleParameterMouseDown(AAX_CParamID, std::uint32_t) noexcept override { return AAX_SUCCESS; }
    AAX_Result HandleParameterMouseDrag(AAX_CParamID, std::uint32_t) noexcept override { return AAX_SUCCESS; }
    AAX_Result HandleParameterMouseUp(AAX_CParamID, std::uint32_t) noexcept override { return AAX_SUCCESS; }

private:
    void* pointer_;
};

TEST(EditorWindow, OpeningCreatesAChildOfTheHostViewAndTellsTheCoreOpenThenOpened) {
    EditorScenario scenario;
    EditorSession& session = scenario.Add();
    ASSERT_NE(session.HostWindow().Handle(), nullptr) << "no window could be made: run under Xvfb";

    ASSERT_EQ(session.Open(), AAX_SUCCESS);

    const auto window = static_cast<HWND>(session.Editor().Window());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(session.HostWindow().Children(), std::vector<void*>{window});
    EXPECT_EQ(GetParent(window), session.HostWindow().Handle());
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)) & 0x52000000u, 0x52000000u);
    EXPECT_EQ(ClientSizeOf(window).cx, kEditorWidth);
    EXPECT_EQ(ClientSizeOf(window).cy, kEditorHeight);
    EXPECT_EQ(ClassNameOf(window), EditorWindowClassName().Bytes());
    EXPECT_EQ(session.Instance().Editor(), &session.Editor());
    EXPECT_TRUE(session.Editor().IsEditorOpen());

    const std::vector<EditorEvent> all = scenario.Events(session);
    ASSERT_GE(all.size(), 2u);
    EXPECT_EQ(all[0].kind, kEditorOpen);
    EXPECT_EQ(all[1].kind, kEditorOpened);
    for (std::uint32_t kind : {kEditorOpen, kEditorOpened}) {
        const std::vector<EditorEvent> events = scenario.Events(session, kind);
        ASSERT_EQ(events.size(), 1u) << "kind " << kind;
        EXPECT_EQ(events[0].window, HandleValue(window));
        EXPECT_EQ(events[0].fixed16, 0u);
        EXPECT_EQ(events[0].fixed36, 2u);
        EXPECT_EQ(events[0].fixed40, 1u);
        EXPECT_EQ(events[0].fixed72, 0u);
    }
    // The core reads back how long it took to open the editor (callback 20).
    SecondsOut seconds{-1.0f};
    EXPECT_EQ(scenario.CallHook(session, 20, &seconds), 0u);
    EXPECT_GT(seconds.seconds, 0.0f);
    EXPECT_LT(seconds.seconds, 5.0f);
}

TEST(EditorWindow, ANewViewClosesTheOldWindowFirstAndClosingTellsTheCoreThenDestroysTheWindow) {
    EditorScenario scenario;
    EditorSession& session = scenario.Add();
    ASSERT_EQ(session.Open(), AAX_SUCCESS);
    const auto oldWindow = static_cast<HWND>(session.Editor().Window());
    scenario.Mark();

    ASSERT_EQ(session.Open(), AAX_SUCCESS);  // without detaching the old view
    EXPECT_FALSE(IsWindow(oldWindow));
    EXPECT_EQ(session.HostWindow().Children().size(), 1u);
    const std::vector<EditorEvent> closes = scenario.Events(session, kEditorClose);
    ASSERT_EQ(closes.size(), 1u);
    EXPECT_EQ(closes[0].window, HandleValue(oldWindow));
    EXPECT_EQ(scenario.Events(session, kEditorOpen).size(), 1u);

    const auto window = static_cast<HWND>(session.Editor().Window());
    ASSERT_NE(window, nullptr);
    scenario.Mark();
    ASSERT_EQ(session.Close(), AAX_SUCCESS);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(session.Editor().Window(), nullptr);
    EXPECT_TRUE(session.HostWindow().Children().empty());
    const std::vector<EditorEvent> events = scenario.Events(session);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events[0].kind, kEditorClose);
    EXPECT_EQ(events[0].window, HandleValue(window));
    bool sawDestroy = false;
    for (const EditorEvent& event : scenario.Events(session, kEditorWindowMessage))
        sawDestroy = sawDestroy || event.message == WM_DESTROY;
    EXPECT_TRUE(sawDestroy) << "WM_DESTROY reaches the core as a window message";
}

TEST(EditorWindow, MessagesReachTheCoreWithTheLow32BitsOfTheirParametersAndThoseItHandledAnswer1) {
    EditorScenario scenario;
    EditorSession& session = scenario.Add();
    ASSERT_EQ(session.Open(), AAX_SUCCESS);
    const auto window = static_cast<HWND>(session.Editor().Window());
    ASSERT_NE(window, nullptr);
    scenario.Mark();

    SendMessageW(window, WM_USER + 5, static_cast<WPARAM>(0x123456789ull),
                 static_cast<LPARAM>(static_cast<std::int64_t>(0xFFFFFFFF80000001ull)));
    const std::vector<EditorEvent> events = scenario.Events(session, kEditorWindowMessage);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].message, static_cast<std::uint32_t>(WM_USER + 5));
    EXPECT_EQ(events[0].wordParameter, 0x23456789u);
    EXPECT_EQ(events[0].longParameter, static_cast<std::int32_t>(0x80000001u));
    EXPECT_EQ(events[0].handled, 0u);

    // Not handled: the default processing stores the text and reports its length.
    EXPECT_EQ(SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("abcdef")), TRUE);
    EXPECT_EQ(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0), 6);
    session.Instance().handledMessage = WM_SETTEXT;
    EXPECT_EQ(SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("xy")), 1);
    char text[16] = {0};
    GetWindowTextA(window, text, sizeof text);
    EXPECT_STREQ(text, "abcdef") << "the core handled WM_SETTEXT: no default processing";
    session.Instance().handledMessage = WM_GETTEXTLENGTH;
    EXPECT_EQ(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0), 1);
}

TEST(EditorWindowClass, IsRegisteredOnceSharedByTheEditorsOfTheModuleAndAgainAfterItWasUnregistered) {
    EditorScenario scenario;
    EditorSession& first = scenario.Add();
    EditorSession& second = scenario.Add();
    ASSERT_EQ(first.Open(), AAX_SUCCESS);
    ASSERT_EQ(second.Open(), AAX_SUCCESS);
    const auto firstWindow = static_cast<HWND>(first.Editor().Window());
    const auto secondWindow = static_cast<HWND>(second.Editor().Window());
    ASSERT_NE(firstWindow, nullptr);
    ASSERT_NE(secondWindow, nullptr);
    EXPECT_EQ(GetClassWord(firstWindow, GCW_ATOM), GetClassWord(secondWindow, GCW_ATOM));

    // The first editor goes while the second has a window: its unregistration fails
    // harmlessly, and the second window keeps its class and reaches its core.
    first.ReleaseEditor();
    EXPECT_FALSE(IsWindow(firstWindow));
    scenario.Mark();
    SendMessageW(secondWindow, WM_USER + 1, 0, 0);
    EXPECT_EQ(scenario.Events(second, kEditorWindowMessage).size(), 1u);
    EXPECT_EQ(ClassNameOf(secondWindow), EditorWindowClassName().Bytes());

    // With no window of the class left the class is unregistered; the next editor
    // registers it again.
    ASSERT_EQ(second.Close(), AAX_SUCCESS);
    second.ReleaseEditor();
    EditorSession& third = scenario.Add();
    ASSERT_EQ(third.Open(), AAX_SUCCESS);
    EXPECT_NE(third.Editor().Window(), nullptr);
    EXPECT_EQ(scenario.Events(third, kEditorOpen).size(), 1u);
}

TEST(EditorWindowClass, NameEndsWithTheAddressOfTheModulesCallbackSoCopiesDifferOnlyAfterTheFinalPeriod) {
    // This process holds the editor code itself: its window's class carries the address
    // of this process's PluginHookCallback.
    EditorScenario scenario;
    EditorSession& session = scenario.Add();
    ASSERT_EQ(session.Open(), AAX_SUCCESS);
    char hex[32];
    std::snprintf(hex, sizeof hex, "%llX",
                  static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(&PluginHookCallback)));
    EXPECT_EQ(ClassNameOf(session.Editor().Window()),
              std::string("Lm_") + kEditorNameStem + "_v30201_fAAX_Window." + hex);

    // Two copies of the built module loaded side by side: their callbacks, and with
    // them their class names, differ, after the final period only.
    const ScratchFolder folder(L"editor-copies");
    std::vector<std::string> names;
    std::vector<HMODULE> copies;
    for (const wchar_t* copy : {L"HookCopyA.dll", L"HookCopyB.dll"}) {
        HMODULE module = LoadLibraryW(folder.CopyBinary(L"LmHook.dll", copy).c_str());
        ASSERT_NE(module, nullptr) << copy;
        copies.push_back(module);
        const auto callback = reinterpret_cast<std::uintptr_t>(GetProcAddress(module, "PluginHookCallback"));
        ASSERT_NE(callback, 0u) << copy;
        names.push_back(FormatEditorWindowClassName(GetCoreStaticInfo(kPluginFormatAaxNative), callback).Bytes());
    }
    EXPECT_NE(copies[0], copies[1]);
    EXPECT_NE(names[0], names[1]);
    const std::size_t period = names[0].rfind('.');
    ASSERT_NE(period, std::string::npos);
    EXPECT_EQ(names[0].substr(0, period + 1), names[1].substr(0, names[1].rfind('.') + 1));
    EXPECT_EQ(names[0].substr(0, period + 1), std::string("Lm_") + kEditorNameStem + "_v30201_fAAX_Window.");
    for (HMODULE module : copies) FreeLibrary(module);
}

TEST(EditorResize, FromTheCoreResizesHostViewEditorWindowAndTheCoresWindowUnlessTheSizeIsTheCurrentOne) {
    EditorScenario scenario;
    EditorSession& session = scenario.Add();
    ASSERT_EQ(session.Open(), AAX_SUCCESS);
    const auto window = static_cast<HWND>(session.Editor().Window());
    scenario.Mark();
    EditorSizeRecord current{kEditorWidth, kEditorHeight};
    EXPECT_EQ(scenario.CallHook(session, 11, &current), 0u) << "the current size: true without asking host or core";
    EXPECT_TRUE(session.View().ViewSizeRequests().empty());
    EXPECT_TRUE(scenario.Events(session, kEditorQueryWindow).empty());

    HWND coreWindow = CreateWindowExW(0, L"STATIC", L"core", WS_CHILD | WS_VISIBLE, 0, 0, kEditorWidth, kEditorHeight,
                                      window, nullptr, nullptr, nullptr);
    ASSERT_NE(coreWindow, nullptr);
    session.Instance().coreWindow = coreWindow;
    scenario.Mark();

    EditorSizeRecord size{640, 480};
    EXPECT_EQ(scenario.CallHook(session, 11, &size), 0u);

    ASSERT_EQ(session.View().ViewSizeRequests().size(), 1u);
    EXPECT_EQ(session.View().ViewSizeRequests()[0].horz, 640.0f);
    EXPECT_EQ(session.View().ViewSizeRequests()[0].vert, 480.0f);
    EXPECT_EQ(ClientSizeOf(window).cx, 640);
    EXPECT_EQ(ClientSizeOf(window).cy, 480);
    EXPECT_EQ(ClientSizeOf(coreWindow).cx, 640);
    EXPECT_EQ(ClientSizeOf(coreWindow).cy, 480);
    EXPECT_EQ(scenario.Events(session, kEditorQueryWindow).size(), 1u);
    EXPECT_EQ(ViewSizeOf(session), std::make_pair(640.0f, 480.0f));
}

TEST(EditorResize, RefusedByTheHostWithoutTheCoresWindowOrWhileClosedReportsStatus7ButKeepsTheSize) {
    EditorScenario scenario;
    EditorSession& session = scenario.Add();
    ASSERT_EQ(session.Open(), AAX_SUCCESS);
    const auto window = static_cast<HWND>(session.Editor().Window());

    session.View().SetViewSizeResult(AAX_ERROR_UNIMPLEMENTED);
    EditorSizeRecord refused{700, 500};
    EXPECT_EQ(scenario.CallHook(session, 11, &refused), 7u);
    EXPECT_EQ(ClientSizeOf(window).cx, kEditorWidth) << "a refused size leaves the window";
    EXPECT_EQ(ViewSizeOf(session), std::make_pair(700.0f, 500.0f));
    // The same request again is the stored size: true at once.
    EXPECT_EQ(scenario.CallHook(session, 11, &refused), 0u);

    // The host accepts, but the core names no window of its own.
    session.View().SetViewSizeResult(AAX_SUCCESS);
    EditorSizeRecord noCoreWindow{300, 200};
    EXPECT_EQ(scenario.CallHook(session, 11, &noCoreWindow), 7u);
    EXPECT_EQ(ClientSizeOf(window).cx, 300);

    // While closed: false, but the reported size changes; the next opening starts at
    // the static size again.
    const std::size_t requests = session.View().ViewSizeRequests().size();
    ASSERT_EQ(session.Close(), AAX_SUCCESS);
    scenario.Mark();
    EXPECT_FALSE(session.Editor().ResizeEditor(500, 300));
    EditorSizeRecord closed{510, 310};
    EXPECT_EQ(scenario.CallHook(session, 11, &closed), 7u);
    EXPECT_EQ(ViewSizeOf(session), std::make_pair(510.0f, 310.0f));
    EXPECT_EQ(session.View().ViewSizeRequests().size(), requests) << "the host is not asked";
    EXPECT_TRUE(scenario.Events(session).empty());
    ASSERT_EQ(session.Open(), AAX_SUCCESS);
    EXPECT_EQ(ViewSizeOf(session), std::make_pair(float(kEditorWidth), float(kEditorHeight)));
}

TEST(EditorWindow, AViewWithoutANativeWindowOpensNothingEvenAfterAnEarlierView) {
    EditorScenario scenario;
    EditorSession& session = scenario.Add();
    ACFPtr<ViewWithoutWindow> view = aaxhost::MakeHostObject<ViewWithoutWindow>(session.HostWindow().Handle());
    for (const bool afterAWindow : {false, true}) {
        if (afterAWindow) {  // the next view's type alone decides
            ASSERT_EQ(session.Open(), AAX_SUCCESS);
            ASSERT_EQ(session.Close(), AAX_SUCCESS);
            scenario.Mark();
        }
        ASSERT_EQ(session.Host().SetViewContainer(view->AsInterface()), AAX_SUCCESS);
        EXPECT_EQ(session.Editor().Window(), nullptr) << afterAWindow;
        EXPECT_TRUE(session.HostWindow().Children().empty()) << afterAWindow;
        EXPECT_TRUE(scenario.Events(session).empty()) << afterAWindow;
        EXPECT_TRUE(afterAWindow || !session.Editor().IsEditorOpen());
        ASSERT_EQ(session.Host().SetViewContainer(nullptr), AAX_SUCCESS);
    }
}

struct LabelCase {
    const char* name;
    PluginFormat format;
    bool open;
    std::int32_t selector;
    AAX_Result result;
    const char* label;  // what the string holds afterwards
};

TEST(EditorLabels, SuppliesRenderAndTheAnalysisLabelOnly) {
    const LabelCase cases[] = {
        {"process button before any view", kPluginFormatAaxNative, false, AAX_ePlugInStrings_Process, AAX_SUCCESS,
         "RENDER"},
        {"analysis before any view", kPluginFormatAudioSuite, false, AAX_ePlugInStrings_Analysis, AAX_ERROR_NULL_OBJECT,
         "unchanged"},
        {"analysis with the flag", kPluginFormatAudioSuite, true, AAX_ePlugInStrings_Analysis, AAX_SUCCESS,
         kAnalysisLabel},
        {"analysis without the flag", kPluginFormatAaxNative, true, AAX_ePlugInStrings_Analysis, AAX_ERROR_NULL_OBJECT,
         "unchanged"},
        {"another button", kPluginFormatAudioSuite, true, 5, AAX_ERROR_NULL_OBJECT, "unchanged"},
    };
    EditorScenario scenario;
    for (const LabelCase& c : cases) {
        EditorSession& session = scenario.Add(c.format);
        if (c.open) {
            ASSERT_EQ(session.Open(), AAX_SUCCESS) << c.name;
        }
        AAX_CString label("unchanged");
        EXPECT_EQ(session.Host().GetCustomLabel(static_cast<AAX_EPlugInStrings>(c.selector), &label), c.result)
            << c.name;
        EXPECT_STREQ(label.Get(), c.label) << c.name;
        EXPECT_EQ(session.Host().GetCustomLabel(static_cast<AAX_EPlugInStrings>(c.selector), nullptr),
                  AAX_ERROR_NULL_OBJECT)
            << c.name;
    }
}

TEST(EditorReference, IsClearedWhenTheEditorIsUninitialisedOrDestroyed) {
    EditorScenario scenario;
    EditorSession& uninitialised = scenario.Add();
    ASSERT_EQ(uninitialised.Open(), AAX_SUCCESS);
    ASSERT_EQ(uninitialised.Instance().Editor(), &uninitialised.Editor());
    // A host that leaves the view attached: the window is closed with the instance.
    const auto window = static_cast<HWND>(uninitialised.Editor().Window());
    scenario.Mark();
    EXPECT_EQ(uninitialised.Host().Uninitialize(), AAX_SUCCESS);
    EXPECT_EQ(uninitialised.Instance().Editor(), nullptr);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(scenario.Events(uninitialised, kEditorClose).size(), 1u);
    EditorSizeRecord size{500, 400};
    EXPECT_EQ(scenario.CallHook(uninitialised, 11, &size), 7u);

    EditorSession& destroyed = scenario.Add();
    ASSERT_EQ(destroyed.Open(), AAX_SUCCESS);
    ASSERT_EQ(destroyed.Close(), AAX_SUCCESS);
    destroyed.ReleaseEditor();
    EXPECT_EQ(destroyed.Instance().Editor(), nullptr);
    EXPECT_EQ(scenario.CallHook(destroyed, 11, &size), 7u);
    GestureRecord gesture;
    std::memset(&gesture, 0, sizeof gesture);
    EXPECT_EQ(scenario.CallHook(destroyed, 15, &gesture), 0u);
    EXPECT_EQ(gesture.result, 0u) << "no editor: the gesture is refused";
}

}  // namespace
