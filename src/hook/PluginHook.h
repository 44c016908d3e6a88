#pragma once
// PluginHook: the hook side of one plug-in instance. It holds the instance's link to
// the core, asks the core to create its instance when it is built and to destroy it
// when it goes, carries every request the instance sends to the core, and receives
// every call the core makes back (through PluginHookCallback) in its virtual
// operations. It is never used alone: Parameters derives from it as its first base and
// the AAX host owns that object.
//
// Construction failure. Without a core link, or without valid static information for
// the format, the reason has already been shown as a "Fatal Error" and the instance
// cannot work: the constructor then throws PluginHookUnavailable, before anything was
// sent to the core. A derived class's constructor never runs, and the factory that
// creates the instance catches the exception and answers the host with null, so the
// host never holds an instance that pretends to work.
//
// Virtual operations, in the slot order the core contract counts:
//    0 SendEditorEvent        7 FillHostInfo             14 ResizeEditorForCore
//    1 CoreRequest30          8 HandleParameterGesture   15 AnswerCoreRequest
//    2 CoreRequest31          9 SetParameterFromCore     16 SetCoreFlag
//    3 (destructor)          10 SetLatency               17 QueryCapabilities
//    4 HandleCoreCommand     11 OnCoreNotify             18 InstanceCreateSeconds
//    5 QueryCoreU32          12 QueryCoreValue           19 EditorOpenSeconds
//    6 QueryCoreText         13 QueryCapability
// They are declared in that order. With GCC and Clang (the Itanium C++ ABI, which
// mingw-w64 uses) the virtual destructor takes two table entries (complete and
// deleting destructor), so slot n above 3 is table entry n + 1; with MSVC it takes one
// and entries equal slots. Nothing depends on entry numbers: the dispatcher calls the
// operations by name.
//
// Threads. Construction, destruction, configuration and the parameter and state
// requests run on the host's UI thread; ProcessBlock, QueueMidi and the transport
// setters on the audio (or offline) thread; the core's calls arrive on threads of its
// choosing ([core-thread]). `mutex` (recursive) guards host name, host version and
// track name; the MIDI queue is lock-free; the audio-thread id and the editor-opening
// time are atomics; the published sample rate and channel configuration are
// process-wide atomics. Everything else belongs to the thread its operation names.

#include <atomic>
#include <concurrentqueue/concurrentqueue.h>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <vector>

#include "contract/BlockRecord.h"
#include "contract/ChannelConfig.h"
#include "contract/CoreParameterInfo.h"
#include "contract/CoreStaticInfo.h"
#include "contract/EditorEvent.h"
#include "contract/GestureRecord.h"
#include "contract/HookCallbackRecords.h"
#include "contract/HostInfoRecord.h"
#include "contract/PluginFormat.h"
#include "contract/StateRecords.h"
#include "contract/TransportRecord.h"
#include "hook/CoreLink.h"
#include "hook/HookConfig.h"
#include "hook/HostInfoStore.h"
#include "hook/KeptTexts.h"
#include "util/CurrentThread.h"
#include "util/Mutex.h"
#include "util/String.h"

// Thrown by PluginHook's constructor when the instance cannot work (no core link, or
// no valid static information); the messages have been shown. Caught by the factory.
class PluginHookUnavailable : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class PluginHook {
public:
    // One queued MIDI event, 8 bytes.
    struct HostMIDIEventInfo {
        std::uint32_t message;  // status << 24 | data1 << 16 | data2 << 8; bits 0-7 zero
        std::uint32_t offset;   // sample offset within the block
    };

    // One entry of the input (side-chain) or output (aux) bus list.
    struct Bus {
        Util::String name;
        ChannelConfig kind = kChannelConfigMono;
    };

    // MIDI events the queue holds without allocating: two intake batches of 1000 (the
    // render moves its intake into the queue 1000 at a time). Normal load is at most
    // this many events queued between two block hand-overs, from one render thread at a
    // time; beyond it QueueMidi still takes every event but may allocate.
    static constexpr std::size_t kMidiQueueCapacity = 2 * 1000;
    static constexpr std::size_t kMidiIntakeCapacity = 1000;  // the render's intake arrays

    // pluginFormat 6 or 7; sampleRate: PublishedSampleRate() from Parameters;
    // channelConfig: the instance's layout (a "FixedChannelConfig" entry replaces it);
    // flag: 0 from Parameters, handed to the core in the creation request.
    // Throws PluginHookUnavailable (see above). [ui-thread]
    PluginHook(PluginFormat pluginFormat, float sampleRate, ChannelConfig channelConfig, std::uint8_t flag);

    PluginHook(const PluginHook&) = delete;
    PluginHook& operator=(const PluginHook&) = delete;

    // ---- Virtual operations, slot order (see above) ----

    // Slot 0: selector 29, argument 1; returns the core's result. [ui-thread]
    virtual std::uint32_t SendEditorEvent(EditorEvent& event);
    // Slots 1 and 2: selectors 30 and 31, argument 1, with the caller's record; return
    // the core's result. Nothing in the module calls them. [any-thread]
    virtual std::uint32_t CoreRequest30(void* record);
    virtual std::uint32_t CoreRequest31(void* record);
    // Slot 3: selector 7, instanceHandle 0, then releases the media names, the track
    // name, the MIDI queue, the transport, the bus lists, the MIDI arrays, the host
    // name, the core link (which may unload the core), the store and the mutex.
    // [ui-thread]
    virtual ~PluginHook();
    // Slot 4, callback 21: a command from the core. Base: 5 (unknown command). [core-thread]
    virtual std::uint32_t HandleCoreCommand(std::uint32_t argument, std::uint32_t code, std::uint32_t value,
                                            std::uint64_t data);
    // Slot 5: selector 35; the core's u32, 0 on failure. [any-thread]
    virtual std::uint32_t QueryCoreU32(std::uint32_t argument);
    // Slot 6: selector 36 with `in`; the core's text, "" on failure. [any-thread]
    virtual Util::String QueryCoreText(std::uint32_t argument, std::uint32_t in);
    // Slot 7, callback 13: under `mutex`, a null or empty host name first becomes the
    // lower-cased path of the host executable; then the record gets its length, a
    // pointer to its bytes (kept until the hook is destroyed), the host version and 0.
    // [core-thread]
    virtual void FillHostInfo(HostInfoRecord& record);
    // Slot 8, callback 15. Base: false. [core-thread]
    virtual bool HandleParameterGesture(GestureRecord& record);
    // Slot 9, callback 1. Base: nothing. [core-thread]
    virtual void SetParameterFromCore(std::uint32_t operation, std::uint32_t coreIndex, float value);
    // Slot 10, callback 2. Base: nothing. [core-thread]
    virtual void SetLatency(std::uint32_t argument, std::uint32_t samples);
    // Slot 11, callback 3. Base: nothing. [core-thread]
    virtual void OnCoreNotify(std::uint32_t argument);
    // Slot 12, callback 12. Base: writes 0. [core-thread]
    virtual void QueryCoreValue(CoreValueOut& record);
    // Slot 13, callbacks 7 to 10. Base: writes 0 into the answer byte, answers true.
    // [core-thread]
    virtual bool QueryCapability(CapabilityAnswerRecord& record);
    // Slot 14, callback 11. Base: false. [ui-thread] (the core calls it there)
    virtual bool ResizeEditorForCore(const EditorSizeRecord& record);
    // Slot 15, callback 16; `bytes` is the record's byte 28, their extent the core's.
    // Base: false. [core-thread]
    virtual bool AnswerCoreRequest(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint64_t d,
                                   std::uint8_t* bytes);
    // Slot 16, callback 17. Base: nothing. [core-thread]
    virtual void SetCoreFlag(std::uint8_t value);
    // Slot 17, callback 18; the outputs arrive set to 0. Base: leaves them. [core-thread]
    virtual void QueryCapabilities(std::uint8_t& a, std::uint32_t& b, std::uint32_t& c);
    // Slot 18, callback 19: seconds the core took to create the instance. [any-thread]
    virtual float InstanceCreateSeconds();
    // Slot 19, callback 20: seconds the core took to open its editor the last time.
    // [any-thread]
    virtual float EditorOpenSeconds();

    // ---- Block hand-over (audio or offline thread) ----

    // Drains the MIDI queue (selector 24 when there is any), then sends selector 23
    // with the block record and returns the core's result. `channels`: the main
    // channels of the hook's configuration in core order, then two per aux output
    // stem. `sideChain`: `sideChainEntries` channel pointers, input after input, each
    // input taking as many entries as its bus kind has channels; null for none. An
    // input whose entries lie outside the array is passed as null, and no input is
    // given more channels than remain in the array. [audio-thread] [offline-thread]
    std::uint32_t ProcessBlock(std::uint32_t samples, float** channels, std::uint8_t offline, std::uint8_t secondFlag,
                               float** sideChain, std::uint32_t sideChainEntries);
    // The entries of ProcessBlock's `channels` the core reads: the configuration's
    // channels (MainChannelCount) and two per aux output stem. [any-thread]
    std::uint32_t BlockChannelCount() const noexcept { return blockChannelCount_; }
    std::uint32_t MainChannelCount() const noexcept { return blockMainChannels_; }

    // While the hook itself bypasses the core, the core gets no block: the MIDI queued
    // for it is dropped (it would otherwise pile up, grow the queue on the audio thread
    // and reach the core late, all at once), except what ends notes: note-offs (and
    // note-ons of velocity 0), sustain and sostenuto pedals lifted, all-sound-off and
    // all-notes-off. Those are held back, in order, and reach the core at the start of
    // its first block after the bypass, so that no note stays stuck. When more than
    // kHeldNoteEndings are waiting, each channel whose ending found no room gets one
    // all-notes-off after them instead. [audio-thread]
    void HoldBackNoteEndings() noexcept {
        // Inline: most blocks have no MIDI queued, and then this is one load.
        if (midiQueued_.load(std::memory_order_acquire) != 0) HoldBackQueuedNoteEndings();
    }
    static constexpr std::size_t kHeldNoteEndings = 256;

    // Enqueues `count` events {words[i], offsets[i]} for the next ProcessBlock. Takes
    // every event; allocates only beyond kMidiQueueCapacity pending events. Called by
    // one render thread at a time. [audio-thread]
    void QueueMidi(std::uint32_t count, const std::uint32_t* words, const std::uint32_t* offsets);

    // Records the calling thread as the audio thread; returns the previous id.
    // [audio-thread]
    std::uint32_t MarkAudioThread() noexcept {
        const std::uint32_t self = Util::CurrentThreadId();
        // Only a change is written: the host's audio thread stays the same for long.
        if (audioThreadId_.load(std::memory_order_relaxed) == self) return self;
        return audioThreadId_.exchange(self);
    }
    std::uint32_t AudioThreadId() const noexcept { return audioThreadId_.load(); }  // [any-thread]
    // True only when recordedThreadId is set and is the caller's. Nothing in the
    // module sets it, so this is false. [any-thread]
    bool IsOnRecordedThread() const noexcept;

    // The render's intake arrays (reserved for kMidiIntakeCapacity). [audio-thread]
    std::vector<std::uint32_t>& RenderMidiWords() noexcept { return renderMidiWords_; }
    std::vector<std::uint32_t>& RenderMidiTimes() noexcept { return renderMidiTimes_; }

    // Transport setters: one group of fields each, with its valid marks. The record
    // goes to the core with every block. [audio-thread] [offline-thread]
    // Inline: the render calls them on every block.
    void SetTempo(double beatsPerMinute) noexcept { transport_->tempo = beatsPerMinute; }
    void SetPlayState(bool playing) noexcept { transport_->playState = playing ? 2 : 1; }  // 2 playing, 1 stopped
    void SetMeter(std::uint32_t numerator, std::uint32_t denominator) noexcept {
        transport_->meterNumerator = numerator;
        transport_->meterDenominator = denominator;
    }
    void SetSamplePosition(double samples) noexcept {
        transport_->samplePosition = samples;
        transport_->samplePositionValid = 1;
    }
    void SetTickPosition(std::int64_t ticks) noexcept {  // stored as ticks x 0.001
        transport_->tickPosition = static_cast<double>(ticks) * 0.001;
        transport_->tickPositionValid = 1;
    }
    void SetLooping(bool looping) noexcept {
        transport_->looping = looping ? 1 : 0;
        transport_->loopingValid = 1;
    }
    void SetLoopRange(double startQuarterNotes, double endQuarterNotes) noexcept {
        transport_->loopStart = startQuarterNotes;
        transport_->loopEnd = endQuarterNotes;
        transport_->loopStartValid = 1;
        transport_->loopEndValid = 1;
    }
    void SetBarPhase(double value1, double value2) noexcept {
        transport_->barPhase1 = value1;
        transport_->barPhase2 = value2;
        transport_->barPhase1Valid = 1;
        transport_->barPhase2Valid = 1;
    }
    // Owned by the hook; its address goes to the core with every block.
    const TransportRecord& Transport() const noexcept { return *transport_; }

    // ---- Configuration (UI thread unless stated) ----

    // Selector 17 with {sampleRate; channelConfig} unless both equal the hook's;
    // publishes both process-wide and keeps them. [ui-thread] [offline-thread]
    void Reconfigure(std::uint32_t argument, float sampleRate, ChannelConfig channelConfig);
    // Selector 18; the core's latency, 0 on failure. [ui-thread] [offline-thread]
    std::uint32_t QueryLatency(std::uint32_t argument);
    // Selector 21 {on}, only when it differs from the last mode set. [offline-thread]
    void SetOfflineMode(bool on);
    // Selector 39 {length; 1}. [offline-thread]
    void SetSelectionLength(std::uint64_t length);
    // Selector 42 {event; value; pointer}; true when the core answers 0. [any-thread]
    bool Notify(std::uint32_t argument, std::uint32_t event, std::uint32_t value, std::uint64_t pointer);
    // Stores a changed name (null: none) and, with a core instance, sends selector 40.
    // An equal name (null equals null; otherwise byte for byte) sends nothing.
    // [ui-thread]
    void SetTrackName(const Util::String& name);
    // Under `mutex`; nothing is sent. [any-thread]
    void SetHostName(const Util::String& name);
    void SetHostVersion(float version);
    // Replace the bus lists. The block record has room for kMaxSideChainInputs inputs
    // and kMaxAuxOutputStems outputs: later entries are dropped, and the result is false
    // when any were. Set before processing starts. [ui-thread]
    bool SetInputBuses(std::vector<Bus> buses);
    bool SetOutputBuses(std::vector<Bus> buses);
    // Publishes how long the core took to open its editor (callback 20). [ui-thread]
    void RecordEditorOpenSeconds(double seconds) noexcept;

    // ---- Parameter and state requests ----

    void NotifyParametersReady();  // selector 5, argument 1. [ui-thread]
    void NotifyInstanceClosing();  // selector 6, argument 1. [ui-thread]
    // Selector 8; the core's parameter count, 0 when the call fails. [ui-thread]
    std::uint32_t QueryParameterCount();
    // Selector 9: the core fills `count` zero-filled records; returns its result. [ui-thread]
    std::uint32_t DescribeParameters(CoreParameterInfo* records, std::uint32_t count);
    // Selector 11 with the real value of the parameter at `coreIndex`; argument
    // IsOnRecordedThread(). [any-thread]
    void SendParameterValue(std::uint32_t coreIndex, float value);
    // Selectors 32 and 33 with the caller's record. The core answers in the record alone
    // (its status byte, sizes and result); what the call returns carries nothing, and a
    // core may return anything, such as the number of bytes it wrote. [ui-thread]
    void SendStateRequest(StateRequest& request);
    void SendLegacyStateLoad(LegacyStateLoad& load);

    // ---- For PluginHookCallback ----

    // Callback 14, under `mutex`: present 1, the length and a pointer to the name's
    // bytes (kept until the hook is destroyed) when there is a track name; otherwise
    // present 0 and nothing else. [core-thread]
    void WriteTrackName(TrackNameRecord& record);
    HostInfoStore* GetHostInfoStore() noexcept { return hostInfoStore_.get(); }  // null without a store

    // ---- State, for the derived instance and for tests ([ui-thread] unless stated) ----

    std::uint64_t InstanceHandle() const noexcept { return instanceHandle_; }
    PluginFormat Format() const noexcept { return config_.pluginFormat; }
    float SampleRate() const noexcept { return sampleRate_; }
    ChannelConfig ChannelConfiguration() const noexcept { return config_.channelConfig; }
    bool HasFixedChannelConfig() const noexcept { return config_.hasFixedChannelConfig; }
    const std::vector<Util::String>& MediaNames() const noexcept { return config_.mediaNames; }
    // Owned by the static-information cache; valid until the module unloads. [any-thread]
    const CoreStaticInfo& StaticInfo() const noexcept { return *staticInfo_; }
    bool IsSideChainMono() const noexcept { return sideChainMono_; }
    bool OfflineMode() const noexcept { return offlineMode_; }
    const std::vector<Bus>& InputBuses() const noexcept { return inputBuses_; }
    const std::vector<Bus>& OutputBuses() const noexcept { return outputBuses_; }
    Util::String TrackName();  // null when none; [any-thread]
    Util::String HostName();   // [any-thread]
    float HostVersion();       // [any-thread]
    // Events the queue could not take in its pre-allocated room, so that QueueMidi had
    // to allocate. [any-thread]
    std::uint64_t MidiQueueOverflows() const noexcept { return midiQueueOverflows_.load(); }

    // The sample rate and channel configuration an instance last sent to the core, for
    // the next instance: 44100 and kChannelConfigNone until one is published. [any-thread]
    static float PublishedSampleRate() noexcept;
    static ChannelConfig PublishedChannelConfig() noexcept;

private:
    using MidiQueue = moodycamel::ConcurrentQueue<HostMIDIEventInfo>;

    void CreateHostInfoStore();
    void CreateCoreInstance(std::uint8_t flag);
    void PrepareMidiQueue();
    void DrainMidi();
    void HoldBackQueuedNoteEndings() noexcept;
    void FillSideChain(BlockRecord& block, float** sideChain, std::uint32_t sideChainEntries) const;
    void CountBlockChannels() noexcept;

    // Members are declared in the reverse of their release order: C++ destroys them
    // last-declared first, after the destructor's body has sent selector 7.
    Util::RecursiveMutex mutex_;                    // host name, host version, track name
    std::unique_ptr<HostInfoStore> hostInfoStore_;  // null unless the core asks for one
    std::shared_ptr<LoadedCore> core_;              // never null after construction
    KeptTexts keptTexts_;                           // bytes handed out for callbacks 13, 14
    const Util::String* hostName_ = nullptr;        // into keptTexts_; null: none yet
    float hostVersion_ = 0.0f;
    std::vector<std::uint32_t> renderMidiWords_;  // render intake
    std::vector<std::uint32_t> renderMidiTimes_;
    std::vector<std::uint32_t> midiWords_;  // drained for one block
    std::vector<std::uint32_t> midiTimes_;
    std::uint32_t heldEndings_[kHeldNoteEndings] = {};  // HoldBackNoteEndings, in arrival order
    std::size_t heldEndingCount_ = 0;
    std::uint16_t channelsToSilence_ = 0;  // bit c: all-notes-off owed to channel c
    std::vector<Bus> inputBuses_;
    std::vector<Bus> outputBuses_;
    std::unique_ptr<TransportRecord> transport_;  // zero at construction
    // ProcessBlock's record, kept from block to block so that only what changed is
    // written (clearing all of it would cost more than the rest of the hand-over). The
    // audio and the offline thread never hand blocks of one instance over at once.
    BlockRecord block_{};
    // The configuration's channels, and those and two per aux output stem: counted
    // whenever either changes. [ui-thread] writes
    std::uint32_t blockMainChannels_ = 0;
    std::uint32_t blockChannelCount_ = 0;
    MidiQueue midiQueue_;
    std::unique_ptr<moodycamel::ProducerToken> midiProducer_;  // the render's producer
    const Util::String* trackName_ = nullptr;                  // into keptTexts_; null: none
    HookConfig config_;                                        // pluginFormat, fixed layout, channelConfig, mediaNames

    const CoreStaticInfo* staticInfo_ = nullptr;  // never null after construction
    std::uint64_t instanceHandle_ = 0;            // written by the core during selector 1
    float sampleRate_ = 0.0f;
    std::uint32_t recordedThreadId_ = 0;  // never set by the module
    std::atomic<std::uint32_t> audioThreadId_{0};
    std::atomic<std::uint64_t> midiQueueOverflows_{0};
    // Events queued and not yet drained: a block with none skips the queue.
    std::atomic<std::size_t> midiQueued_{0};
    std::atomic<double> editorOpenSeconds_{0.0};
    double instanceCreateSeconds_ = 0.0;
    bool sideChainMono_ = false;
    bool offlineMode_ = false;
};

static_assert(sizeof(PluginHook::HostMIDIEventInfo) == 8, "one queued MIDI event is 8 bytes");
static_assert(offsetof(PluginHook::HostMIDIEventInfo, message) == 0, "");
static_assert(offsetof(PluginHook::HostMIDIEventInfo, offset) == 4, "");
