#pragma once
// One instance of the demo core, made by the instance-creation request and destroyed
// by the destroy request; its address is the instance handle the hook passes back.
//
// Threads: settings, sample rate and channel configuration are atomics that any
// thread may write (the host's automation and state threads, the editor) and the
// processing thread reads once per block; a reconfiguration or a new pass only raises
// a reset flag that the processing thread honours before its next block, so the signal
// chain itself is touched by one thread at a time and never locked or allocated.
// Realtime blocks come on the [audio-thread], AudioSuite blocks and phase events on the
// [offline-thread]; editor events on the [ui-thread].

#include <atomic>
#include <cstdint>

#include "DemoFault.h"
#include "DemoProcessor.h"
#include "DemoState.h"
#include "HookLink.h"

struct BlockRecord;
struct EditorEvent;
struct StateRequest;
struct LegacyStateLoad;
struct NotifyRecord;

namespace DemoCore {

class DemoEditor;

// AudioSuite phase events (core selector 42).
constexpr std::uint32_t kEventAnalysisStart = 0x4460002;
constexpr std::uint32_t kEventAnalysisEnd = 0x4460003;
constexpr std::uint32_t kEventRenderStart = 0x4460004;
constexpr std::uint32_t kEventRenderEnd = 0x4460005;
// The analysis brings the processed selection's peak here (-1 dBFS), by at most +24 dB.
constexpr float kNormalisePeak = 0.891250938f;
constexpr float kMaxNormaliseGain = 15.8489319f;

class DemoInstance {
public:
    DemoInstance(const HookLink& hook, std::uint32_t pluginFormat, Fault fault, float sampleRate,
                 std::uint32_t channelConfig) noexcept;
    ~DemoInstance();
    DemoInstance(const DemoInstance&) = delete;
    DemoInstance& operator=(const DemoInstance&) = delete;

    // A cheap check that a handle the hook passes back names a live instance.
    bool Alive() const noexcept { return magic_ == kMagic; }
    const HookLink& Hook() const noexcept { return hook_; }
    std::uint32_t PluginFormat() const noexcept { return format_; }
    Fault ActiveFault() const noexcept { return fault_; }

    Settings CurrentSettings() const noexcept;
    float Value(std::uint32_t index) const noexcept;
    // Stores a conformed value; true when it changed. A change of an AudioSuite
    // instance's settings asks the hook for a new analysis. [any-thread]
    bool SetValue(std::uint32_t index, float value) noexcept;

    // Selector 17. Rates that are not finite and positive are ignored. [any-thread]
    void Configure(float sampleRate, std::uint32_t channelConfig) noexcept;
    // Selector 18: what the core reports. [any-thread]
    std::uint32_t Latency() const noexcept { return kLatency; }

    // Selector 23. [audio-thread] or [offline-thread]
    std::uint32_t Process(const BlockRecord& block) noexcept;
    // Selector 42. [offline-thread]
    void Notify(const NotifyRecord& record) noexcept;
    // The gain the last analysis found for render passes (1 without one). [any-thread]
    float NormaliseGain() const noexcept { return normaliseGain_.load(); }

    // Selectors 32 and 33: failures are reported in the record's status byte.
    void ServeState(StateRequest& request) noexcept;
    void LoadLegacyState(LegacyStateLoad& request) noexcept;

    // Selector 29. [ui-thread]
    void HandleEditorEvent(EditorEvent& event) noexcept;

    // The editor's edits: a set stores the value here and the hook records the
    // gesture, whose echo brings the host's value back through selector 11. [ui-thread]
    void BeginEdit(std::uint32_t index) noexcept;
    void SetEdit(std::uint32_t index, float value) noexcept;
    void EndEdit(std::uint32_t index) noexcept;

private:
    void ApplySettings(const Settings& settings) noexcept;
    void CloseEditor() noexcept;
    void SettingsChanged() noexcept;

    static constexpr std::uint64_t kMagic = 0x4C6D44656D6F4931ull;
    std::uint64_t magic_;
    HookLink hook_;
    const std::uint32_t format_;
    const Fault fault_;
    std::atomic<float> values_[kParameterCount];
    std::atomic<float> sampleRate_;
    std::atomic<std::uint32_t> channelConfig_;
    std::atomic<bool> resetPending_{true};
    // AudioSuite analysis: peak of the processed selection, and the render gain from it.
    std::atomic<bool> analysing_{false};
    std::atomic<float> analysisPeak_{0.0f};
    std::atomic<float> normaliseGain_{1.0f};
    DemoProcessor processor_;                   // the processing thread's own
    DemoEditor* editor_ = nullptr;              // [ui-thread]
    std::atomic<void*> editorWindow_{nullptr};  // for refresh messages from any thread
};

}  // namespace DemoCore
