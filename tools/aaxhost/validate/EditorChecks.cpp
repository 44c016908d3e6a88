// The validator's "editor" checks, in real windows: the editor opened and closed again
// and again, opened while blocks run on an audio thread, a storm of parameter changes
// while it is open, and torn down before and after its instance in the orders a host
// uses. Skipped, with the reason, where no window can be made (no display).
#include <windows.h>

#include <atomic>
#include <random>
#include <thread>

#include "aaxhost/HostWindow.h"
#include "aaxhost/ObjectFactory.h"
#include "aaxhost/SimulatedViewContainer.h"
#include "aaxhost/validate/CheckScope.h"
#include "aaxhost/validate/InstanceRig.h"
#include "aaxhost/validate/TestSignals.h"
#include "aaxhost/validate/ValidationGroups.h"

namespace aaxhost::validate {

namespace {

const char* const kGroup = "editor";
const std::vector<const char*> kNames = {"open-close", "open-while-processing", "parameter-storm", "teardown-order"};

bool HasEditor(const EffectDescription& effect) {
    return effect.FindProcPtr(kAAX_ProcPtrID_Create_EffectGUI) != nullptr;
}

bool HasRealtimeEditor(const EffectDescription& effect) { return IsRealtimeEffect(effect) && HasEditor(effect); }

// The top-level windows of the calling thread, hidden ones included: an editor's
// window that leaves the host's view instead of going shows up here.
std::size_t ThreadWindows() {
    std::size_t count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND, LPARAM counted) -> BOOL {
            ++*reinterpret_cast<std::size_t*>(counted);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

// One editor of a rig's instance in a host window, attached and detached as a host does.
// A window left behind at Close fails the check, unless editor/open-close reported it
// already (`leaksReported`): then the check notes it instead.
class EditorSession {
public:
    EditorSession(InstanceRig& rig, HostWindow& window, bool leaksReported = false)
        : rig_(rig), window_(window), leaksReported_(leaksReported) {
        container_ = MakeHostObject<SimulatedViewContainer>(window.Handle());
        editor_ = CreateEffectGUI(rig.Effect());
        if (!editor_) Fail("effect " + rig.Describe() + ": its editor factory made no editor");
        const AAX_Result result = editor_->Initialize(rig.Instance().Controller().AsInterface());
        if (result != AAX_SUCCESS)
            Fail("effect " + rig.Describe() + ": the editor's Initialize returned " + std::to_string(result));
    }
    ~EditorSession() { Release(); }
    EditorSession(const EditorSession&) = delete;
    EditorSession& operator=(const EditorSession&) = delete;

    void Open() {
        windowsBefore_ = ThreadWindows();
        const AAX_Result result = editor_->SetViewContainer(container_->AsInterface());
        if (result != AAX_SUCCESS)
            Fail("effect " + rig_.Describe() + ": attaching the editor's view returned " + std::to_string(result));
        open_ = true;
        HostWindow::PumpMessages();
        AAX_Point size{};
        if (editor_->GetViewSize(&size) != AAX_SUCCESS || !(size.horz > 0) || !(size.vert > 0))
            Fail("effect " + rig_.Describe() + ": the open editor gives no size (" + std::to_string(size.horz) + " x " +
                 std::to_string(size.vert) + ")");
    }
    void Close() {
        const AAX_Result result = editor_->SetViewContainer(nullptr);
        open_ = false;
        HostWindow::PumpMessages();
        if (result != AAX_SUCCESS)
            Fail("effect " + rig_.Describe() + ": detaching the editor's view returned " + std::to_string(result));
        const std::size_t left = window_.Children().size();
        const std::size_t windows = ThreadWindows();
        const std::size_t topLevel = windows > windowsBefore_ ? windows - windowsBefore_ : 0;
        if (left == 0 && topLevel == 0) return;
        leaked_ = true;
        if (leaksReported_) return;
        if (left != 0)
            Fail("effect " + rig_.Describe() + ": the closed editor left " + std::to_string(left) +
                 " windows in the host's view");
        Fail("effect " + rig_.Describe() + ": the closed editor left " + std::to_string(topLevel) +
             " top-level windows behind");
    }
    // A window was left behind (and not failed for, as reported already).
    bool Leaked() const noexcept { return leaked_; }
    // Uninitialize and the host's last reference, the view detached first.
    void Release() {
        if (!editor_) return;
        if (open_) editor_->SetViewContainer(nullptr);
        open_ = false;
        editor_->Uninitialize();
        editor_.Reset();
        HostWindow::PumpMessages();
    }
    AAX_IACFEffectGUI* Editor() const noexcept { return editor_.Get(); }

private:
    InstanceRig& rig_;
    HostWindow& window_;
    ACFPtr<SimulatedViewContainer> container_;
    ACFPtr<AAX_IACFEffectGUI> editor_;
    bool open_ = false;
    bool leaksReported_ = false;
    bool leaked_ = false;
    std::size_t windowsBefore_ = 0;
};

const char* const kLeakNote = "; windows left behind seen as editor/open-close reports";

// Blocks on an audio thread of their own until stopped.
class AudioThread {
public:
    explicit AudioThread(InstanceRig& rig)
        : thread_([this, &rig] {
              while (!stop_.load()) {
                  rig.ProcessBlock(128);
                  blocks_.fetch_add(1);
              }
          }) {}
    ~AudioThread() { Stop(); }
    AudioThread(const AudioThread&) = delete;
    AudioThread& operator=(const AudioThread&) = delete;
    std::int64_t Stop() {
        stop_.store(true);
        if (thread_.joinable()) thread_.join();
        return blocks_.load();
    }

private:
    std::atomic<bool> stop_{false};
    std::atomic<std::int64_t> blocks_{0};
    std::thread thread_;
};

void FillNoise(InstanceRig& rig, std::mt19937_64& random) {
    const auto noise = MakeTestSignal(TestSignal::Noise, 128, random);
    for (std::int32_t channel = 0; channel < rig.InputCount(); ++channel)
        std::copy(noise.begin(), noise.end(), rig.Context().Input(channel));
}

std::string OpenClose(Validation& validation, const std::vector<const EffectDescription*>& effects,
                      HostWindow& window) {
    const int times = validation.Scaled(3, 20);
    for (const EffectDescription* effect : effects) {
        InstanceRig rig(*effect, 48000.0f, 512);
        EditorSession session(rig, window);
        for (int i = 0; i < times; ++i) {
            session.Open();
            session.Close();
        }
    }
    return "the editors of " + std::to_string(effects.size()) + " effects opened and closed " + std::to_string(times) +
           " times each, leaving no window behind";
}

std::string OpenWhileProcessing(Validation& validation, const std::vector<const EffectDescription*>& effects,
                                HostWindow& window) {
    const int times = validation.Scaled(2, 10);
    const bool leaksReported = CheckFailed(validation, kGroup, "open-close");
    bool leaked = false;
    std::int64_t blocks = 0;
    for (const EffectDescription* effect : effects) {
        InstanceRig rig(*effect, 48000.0f, 512);
        FillNoise(rig, validation.Random());
        EditorSession session(rig, window, leaksReported);
        AudioThread audio(rig);
        for (int i = 0; i < times; ++i) {
            session.Open();
            session.Close();
        }
        blocks += audio.Stop();
        leaked = leaked || session.Leaked();
    }
    return "the editors opened and closed " + std::to_string(times) + " times each while " + std::to_string(blocks) +
           " blocks ran on an audio thread" + (leaked ? kLeakNote : "");
}

std::string ParameterStorm(Validation& validation, const std::vector<const EffectDescription*>& effects,
                           HostWindow& window) {
    const int changes = validation.Scaled(200, 5000);
    const bool leaksReported = CheckFailed(validation, kGroup, "open-close");
    bool leaked = false;
    for (const EffectDescription* effect : effects) {
        InstanceRig rig(*effect, 48000.0f, 512);
        FillNoise(rig, validation.Random());
        const std::vector<std::string> ids = rig.ParameterIDs();
        EditorSession session(rig, window, leaksReported);
        session.Open();
        {
            AudioThread audio(rig);
            std::uniform_int_distribution<std::size_t> pick(0, ids.empty() ? 0 : ids.size() - 1);
            std::uniform_real_distribution<double> value(0.0, 1.0);
            for (int i = 0; i < changes && !ids.empty(); ++i) {
                const std::string& id = ids[pick(validation.Random())];
                const double v = value(validation.Random());
                const AAX_Result result = rig.Instance().SetParameter(id.c_str(), v);
                if (result != AAX_SUCCESS)
                    Fail("effect " + rig.Describe() + ": SetParameterNormalizedValue(" + id + ", " + std::to_string(v) +
                         ") with the editor open returned " + std::to_string(result));
                session.Editor()->ParameterUpdated(id.c_str());
                if (i % 16 == 0) HostWindow::PumpMessages();
            }
        }
        session.Close();
        leaked = leaked || session.Leaked();
    }
    return std::to_string(changes) +
           " parameter changes per effect with the editor open, messages pumped and blocks "
           "running (seed " +
           std::to_string(validation.GetOptions().seed) + ")" + (leaked ? kLeakNote : "");
}

std::string TeardownOrder(const std::vector<const EffectDescription*>& effects, HostWindow& window) {
    for (const EffectDescription* effect : effects) {
        // The usual order: the editor goes first, then the instance.
        {
            auto rig = std::make_unique<InstanceRig>(*effect, 48000.0f, 512);
            EditorSession session(*rig, window);
            session.Open();
            session.Release();
            rig.reset();
        }
        // The editor outlives its instance: its view is closed, then the host lets go of
        // the instance while the editor still holds it, and releases the editor last.
        {
            auto rig = std::make_unique<InstanceRig>(*effect, 48000.0f, 512);
            const std::string where = rig->Describe();
            ACFPtr<SimulatedViewContainer> container = MakeHostObject<SimulatedViewContainer>(window.Handle());
            ACFPtr<AAX_IACFEffectGUI> editor = CreateEffectGUI(*effect);
            if (!editor) Fail("effect " + where + ": its editor factory made no editor");
            const AAX_Result initialized = editor->Initialize(rig->Instance().Controller().AsInterface());
            if (initialized != AAX_SUCCESS)
                Fail("effect " + where + ": the editor's Initialize returned " + std::to_string(initialized));
            editor->SetViewContainer(container->AsInterface());
            HostWindow::PumpMessages();
            editor->SetViewContainer(nullptr);
            HostWindow::PumpMessages();
            rig.reset();
            HostWindow::PumpMessages();
            editor->Uninitialize();
            editor.Reset();
            HostWindow::PumpMessages();
        }
    }
    return "the editors of " + std::to_string(effects.size()) +
           " effects released before their instances, and after them";
}

}  // namespace

void RunEditorChecks(Validation& validation) {
    std::vector<const EffectDescription*> effects =
        EffectsOrSkip(validation, kGroup, kNames, HasRealtimeEditor, "no realtime effect has an editor");
    if (effects.empty()) return;
    // Every layout shares its editor code: the first effect at lower strictness, all from 8.
    if (validation.Strictness() < 8) effects.resize(1);
    HostWindow window(640, 480, "aaxhost validate");
    if (window.Handle() == nullptr) {
        SkipAll(validation, kGroup, kNames, "no window could be made (no display)");
        return;
    }
    validation.Run(kGroup, "open-close", [&] { return OpenClose(validation, effects, window); });
    validation.Run(kGroup, "open-while-processing", [&] { return OpenWhileProcessing(validation, effects, window); });
    validation.Run(kGroup, "parameter-storm", [&] { return ParameterStorm(validation, effects, window); });
    validation.Run(kGroup, "teardown-order", [&] { return TeardownOrder(effects, window); });
}

}  // namespace aaxhost::validate
