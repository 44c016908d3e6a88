#include "DemoInstance.h"

#include <cmath>
#include <cstring>

#if defined(LM_DEMOCORE_FAULTS) && LM_DEMOCORE_FAULTS
#include <windows.h>
#include <xmmintrin.h>

#include <atomic>
#include <cstdlib>
#endif

#include "DemoEditor.h"
#include "DemoParameters.h"
#include "DemoStaticInfo.h"
#include "contract/BlockRecord.h"
#include "contract/ChannelConfig.h"
#include "contract/CoreRequestRecords.h"
#include "contract/EditorEvent.h"
#include "contract/PluginFormat.h"
#include "contract/StateRecords.h"

namespace DemoCore {
namespace {

constexpr std::uint8_t kFailed = 1;
constexpr float kFallbackRate = 48000.0f;
constexpr float kHighestRate = 1536000.0f;

bool UsableRate(float rate) noexcept { return std::isfinite(rate) && rate > 0.0f && rate <= kHighestRate; }

#if defined(LM_DEMOCORE_FAULTS) && LM_DEMOCORE_FAULTS
// What the AudioHeap fault allocates, and the null the Crash fault writes through;
// atomics, so that the compiler keeps both.
std::atomic<void*> faultSink{nullptr};
std::atomic<void*> faultNull{nullptr};
#endif

}  // namespace

DemoInstance::DemoInstance(const HookLink& hook, std::uint32_t pluginFormat, Fault fault, float sampleRate,
                           std::uint32_t channelConfig) noexcept
    : magic_(kMagic),
      hook_(hook),
      format_(pluginFormat),
      fault_(fault),
      sampleRate_(UsableRate(sampleRate) ? sampleRate : kFallbackRate),
      channelConfig_(channelConfig) {
    const Settings defaults = DefaultSettings();
    for (std::uint32_t i = 0; i < kParameterCount; ++i) values_[i].store(defaults.values[i]);
    if (fault_ == Fault::Latency) processor_.SetDelay(kLatency / 2);
}

DemoInstance::~DemoInstance() {
    // An editor that outlives its instance (the host closes views late) stops editing.
    CloseEditor();
    magic_ = 0;
}

Settings DemoInstance::CurrentSettings() const noexcept {
    Settings settings{};
    for (std::uint32_t i = 0; i < kParameterCount; ++i) settings.values[i] = values_[i].load(std::memory_order_relaxed);
    return settings;
}

float DemoInstance::Value(std::uint32_t index) const noexcept {
    return index < kParameterCount ? values_[index].load(std::memory_order_relaxed) : 0.0f;
}

bool DemoInstance::SetValue(std::uint32_t index, float value) noexcept {
    if (index >= kParameterCount) return false;
    const float conformed = Conform(index, value);
    if (values_[index].exchange(conformed) == conformed) return false;
    SettingsChanged();
    DemoEditor::RequestRefresh(editorWindow_.load());
    return true;
}

void DemoInstance::ApplySettings(const Settings& settings) noexcept {
    bool changed = false;
    for (std::uint32_t i = 0; i < kParameterCount; ++i) {
        const float conformed = Conform(i, settings.values[i]);
        if (values_[i].exchange(conformed) == conformed) continue;
        changed = true;
        // A loaded state changes what the host shows and automates: tell the hook, as
        // an edit outside any gesture. Its echo finds the value already in place.
        hook_.Edit(1, i, conformed);
    }
    if (!changed) return;
    SettingsChanged();
    DemoEditor::RequestRefresh(editorWindow_.load());
}

void DemoInstance::SettingsChanged() noexcept {
    if (format_ == kPluginFormatAudioSuite) {
        // The analysed gain belongs to the old settings: drop it and ask for a new pass.
        normaliseGain_.store(1.0f);
        hook_.RequestAnalysis();
    }
}

void DemoInstance::Configure(float sampleRate, std::uint32_t channelConfig) noexcept {
    if (UsableRate(sampleRate)) sampleRate_.store(sampleRate);
    channelConfig_.store(channelConfig);
    resetPending_.store(true);
}

std::uint32_t DemoInstance::Process(const BlockRecord& block) noexcept {
    if (block.sampleCount == 0 || !block.channels) return 0;
    if (resetPending_.exchange(false)) processor_.Reset();
    const std::uint32_t channels = ChannelCountOf(channelConfig_.load(std::memory_order_relaxed));
    const Settings settings = CurrentSettings();
    const double rate = sampleRate_.load(std::memory_order_relaxed);
    const bool analysisBlock = block.offline != 0 && analysing_.load(std::memory_order_relaxed);
    const float extraGain =
        analysisBlock || format_ != kPluginFormatAudioSuite ? 1.0f : normaliseGain_.load(std::memory_order_relaxed);
    const float peak = processor_.Process(block.channels, channels, block.sampleCount, settings, rate, extraGain);
    if (analysisBlock && peak > analysisPeak_.load(std::memory_order_relaxed))
        analysisPeak_.store(peak, std::memory_order_relaxed);
#if defined(LM_DEMOCORE_FAULTS) && LM_DEMOCORE_FAULTS
    if (fault_ == Fault::Nan && channels > 0 && block.channels[0]) block.channels[0][0] = std::nanf("");
    if (fault_ == Fault::Subnormal && channels > 0 && block.channels[0] &&
        settings.values[kFrequency] <= DefinitionOf(kFrequency)->minimum * 1.01f)
        block.channels[0][0] = 1e-40f;
    if (fault_ == Fault::AudioHeap) std::free(faultSink.exchange(std::malloc(64)));
    if (fault_ == Fault::AudioVirtualAlloc) {
        void* pages = VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (pages) VirtualFree(pages, 0, MEM_RELEASE);
    }
    if (fault_ == Fault::AudioLock) {
        static CRITICAL_SECTION section = [] {
            CRITICAL_SECTION made;
            InitializeCriticalSection(&made);
            return made;
        }();
        EnterCriticalSection(&section);
        LeaveCriticalSection(&section);
    }
    if (fault_ == Fault::FpState) _mm_setcsr(_mm_getcsr() | 0x8040u);

    if (fault_ == Fault::Swap && channels >= 2 && block.channels[0] && block.channels[1]) {
        for (std::uint32_t i = 0; i < block.sampleCount; ++i) {
            const float first = block.channels[0][i];
            block.channels[0][i] = block.channels[1][i];
            block.channels[1][i] = first;
        }
    }
#endif
    return 0;
}

void DemoInstance::Notify(const NotifyRecord& record) noexcept {
    switch (record.event) {
    case kEventAnalysisStart:
        analysisPeak_.store(0.0f);
        analysing_.store(true);
        resetPending_.store(true);
        break;
    case kEventAnalysisEnd: {
        analysing_.store(false);
        const float peak = analysisPeak_.load();
        float gain = peak > 0.0f ? kNormalisePeak / peak : 1.0f;
        if (!(gain <= kMaxNormaliseGain)) gain = kMaxNormaliseGain;
        normaliseGain_.store(gain);
        break;
    }
    case kEventRenderStart: resetPending_.store(true); break;
    default: break;
    }
}

void DemoInstance::ServeState(StateRequest& request) noexcept {
    switch (request.operation) {
    case kStateSizeQuery: request.size = static_cast<std::uint32_t>(kStateSizeV2); return;
    case kStateRead: {
        if (request.size != kStateSizeV2 || !request.bytes) {
            request.size = static_cast<std::uint32_t>(kStateSizeV2);
            request.status = kFailed;
            return;
        }
        Settings settings = CurrentSettings();
#if defined(LM_DEMOCORE_FAULTS) && LM_DEMOCORE_FAULTS
        if (fault_ == Fault::State) settings.values[kGain] += settings.values[kGain] > 0.0f ? -1.0f : 1.0f;
#endif
        EncodeState(settings, request.bytes);
        return;
    }
    case kStateLoad: {
        Settings settings{};
        if (!DecodeState(request.bytes, request.size, request.stateVersion, settings)) {
#if defined(LM_DEMOCORE_FAULTS) && LM_DEMOCORE_FAULTS
            if (fault_ == Fault::Abort) std::abort();
#endif
            request.status = kFailed;
            return;
        }
        ApplySettings(settings);
        return;
    }
    case kStateCompare: {
        Settings settings{};
        const std::uint32_t version = request.size == kStateSizeV1 ? 1 : kStateVersion;
        if (!DecodeState(request.bytes, request.size, version, settings)) {
            request.status = kFailed;
            return;
        }
        request.result = SameSettings(settings, CurrentSettings(), request.tolerance) ? 1 : 0;
#if defined(LM_DEMOCORE_FAULTS) && LM_DEMOCORE_FAULTS
        if (fault_ == Fault::Hang && request.result == 0)
            for (volatile bool forever = true; forever;) {
            }
#endif
        return;
    }
    default: request.status = kFailed; return;
    }
}

void DemoInstance::LoadLegacyState(LegacyStateLoad& request) noexcept {
    Settings settings{};
    if (!DecodeLegacyState(request.bytes, request.size, settings)) {
#if defined(LM_DEMOCORE_FAULTS) && LM_DEMOCORE_FAULTS
        if (fault_ == Fault::Abort) std::abort();
#endif
        request.status = kFailed;
        return;
    }
    ApplySettings(settings);
}

void DemoInstance::HandleEditorEvent(EditorEvent& event) noexcept {
    switch (event.kind) {
    case kEditorOpen:
#if defined(LM_DEMOCORE_FAULTS) && LM_DEMOCORE_FAULTS
        if (fault_ == Fault::Crash) *static_cast<volatile int*>(faultNull.load()) = 1;
#endif
        CloseEditor();
        editor_ = DemoEditor::Open(*this, reinterpret_cast<void*>(static_cast<std::uintptr_t>(event.window)));
        editorWindow_.store(editor_ ? editor_->Window() : nullptr);
        break;
    case kEditorClose: CloseEditor(); break;
    case kEditorQueryWindow:
        event.coreWindow = reinterpret_cast<std::uintptr_t>(editor_ ? editor_->Window() : nullptr);
        break;
    default: break;  // window messages of the hook's window are left to it
    }
}

void DemoInstance::CloseEditor() noexcept {
    if (!editor_) return;
    editorWindow_.store(nullptr);
    editor_->Detach();
#if defined(LM_DEMOCORE_FAULTS) && LM_DEMOCORE_FAULTS
    if (fault_ == Fault::EditorLeak) {
        // The window lives on, hidden, out of the hook's window, with its editor.
        ShowWindow(static_cast<HWND>(editor_->Window()), SW_HIDE);
        SetParent(static_cast<HWND>(editor_->Window()), nullptr);
        editor_ = nullptr;
        return;
    }
#endif
    editor_->Close();
    editor_ = nullptr;
}

void DemoInstance::BeginEdit(std::uint32_t index) noexcept { hook_.Edit(0, index, Value(index)); }

void DemoInstance::SetEdit(std::uint32_t index, float value) noexcept {
    const float conformed = Conform(index, value);
    SetValue(index, conformed);
    hook_.Edit(1, index, conformed);
}

void DemoInstance::EndEdit(std::uint32_t index) noexcept { hook_.Edit(2, index, Value(index)); }

}  // namespace DemoCore
