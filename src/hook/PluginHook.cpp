#include "hook/PluginHook.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <optional>

#include "contract/CoreRequest.h"
#include "contract/RecordText.h"
#include "hook/CoreStaticInfoCache.h"
#include "hook/HookCallback.h"
#include "hook/HookConfigResource.h"
#include "util/CurrentThread.h"
#include "util/HostExecutablePath.h"
#include "util/NumberText.h"
#include "util/Stopwatch.h"
#include "util/VersionInfo.h"

namespace {

// What the last instance sent to the core, handed to the next instance's constructor.
std::atomic<float> g_publishedSampleRate{44100.0f};
std::atomic<ChannelConfig> g_publishedChannelConfig{kChannelConfigNone};

constexpr std::size_t kMidiBlockSize = moodycamel::ConcurrentQueueDefaultTraits::BLOCK_SIZE;

// The render's producer takes its blocks from the pool the queue is built with and
// keeps them in a ring, re-using the block ahead of its tail once the consumer has
// emptied it; its block index is sized from the pool when it is created. Pending
// events touch at most one block more than they fill (a partly read head block and a
// partly written tail block), so a pool of that many blocks holds kMidiQueueCapacity
// pending events, wherever they start in the ring, without a new block.
constexpr std::size_t kMidiQueueSlots =
    ((PluginHook::kMidiQueueCapacity + kMidiBlockSize - 1) / kMidiBlockSize + 1) * kMidiBlockSize;

}  // namespace

// ---- Construction and destruction ----

PluginHook::PluginHook(PluginFormat pluginFormat, float sampleRate, ChannelConfig channelConfig, std::uint8_t flag)
    : midiQueue_(kMidiQueueSlots) {
    core_ = GetCoreLink();
    if (!core_) throw PluginHookUnavailable("the core cannot be loaded");

    config_.pluginFormat = pluginFormat;
    sampleRate_ = sampleRate;
    config_.hasFixedChannelConfig = false;
    config_.channelConfig = channelConfig;

    staticInfo_ = &GetCoreStaticInfo(pluginFormat);
    if (!staticInfo_->IsValid()) throw PluginHookUnavailable("the core did not describe itself for this format");

    transport_ = std::make_unique<TransportRecord>();
    std::memset(transport_.get(), 0, sizeof(TransportRecord));

    if (staticInfo_->KeepsHostInfoStore()) CreateHostInfoStore();
    ParseHookConfig(core_->hookConfig, config_);
    CountBlockChannels();
    CreateCoreInstance(flag);

    try {
        sideChainMono_ = staticInfo_->IsSideChainMono();
        renderMidiWords_.reserve(kMidiIntakeCapacity);
        renderMidiTimes_.reserve(kMidiIntakeCapacity);
        // A full queue, behind the endings held back over a bypass, drains into these
        // without growing them.
        constexpr std::size_t kDrained = std::max(kMidiIntakeCapacity, kMidiQueueCapacity) + kHeldNoteEndings + 16;
        midiWords_.reserve(kDrained);
        midiTimes_.reserve(kDrained);
        PrepareMidiQueue();
    } catch (...) {
        // Out of memory after the core made its instance: the destructor will not run.
        SendCoreRequest<CoreSelector::DestroyInstance>(core_->coreCallback, 1, instanceHandle_);
        instanceHandle_ = 0;
        throw;
    }
}

PluginHook::~PluginHook() {
    SendCoreRequest<CoreSelector::DestroyInstance>(core_->coreCallback, 1, instanceHandle_);
    instanceHandle_ = 0;
    // The members now go in the order of their declaration, reversed.
}

void PluginHook::CreateHostInfoStore() {
    hostInfoStore_ = std::make_unique<HostInfoStore>();
    hostInfoStore_->Set("HostProcessName", Util::HostProcessName());
    hostInfoStore_->Set("HostProcessDisplayName", Util::HostProcessDisplayName());
    hostInfoStore_->Set("HostProcessVersion", Util::HostProcessVersion());
    hostInfoStore_->Set("PluginFormat", Util::UInt32ToText(config_.pluginFormat, 10));
}

// Sent only with a core configuration; without one (its error has been shown) the
// instance stays unknown to the core and every request goes with instance 0.
void PluginHook::CreateCoreInstance(std::uint8_t flag) {
    const std::optional<Util::String> coreConfig = GetCoreConfig(core_->hookConfig);
    if (!coreConfig) return;

    InstanceCreateRequest request;
    std::memset(&request, 0, sizeof request);
    request.hookCallbackAddress = reinterpret_cast<std::uint64_t>(&PluginHookCallback);
    request.hookAddress = reinterpret_cast<std::uint64_t>(this);
    WriteRecordText(request.corePath, core_->corePath);
    WriteRecordText(request.coreConfig, *coreConfig);
    WriteRecordText(request.shortName, ReadHookShortName());
    request.pluginFormat = config_.pluginFormat;
    request.instanceHandleAddress = reinterpret_cast<std::uint64_t>(&instanceHandle_);
    request.sampleRate = sampleRate_;
    request.channelConfig = config_.channelConfig;
    request.flag = flag;
    request.reserved = 0;

    Util::Stopwatch stopwatch;
    stopwatch.Start();
    SendCoreRequest<CoreSelector::CreateInstance>(core_->coreCallback, 1, 0, request);
    instanceCreateSeconds_ = stopwatch.ElapsedSeconds();
}

// The producer is made here, on the UI thread, so that the render never allocates one.
void PluginHook::PrepareMidiQueue() {
    midiProducer_ = std::make_unique<moodycamel::ProducerToken>(midiQueue_);
    if (!midiProducer_->valid()) throw std::bad_alloc();
}

// ---- Virtual operations: base behaviour ----

std::uint32_t PluginHook::SendEditorEvent(EditorEvent& event) {
    return SendCoreRequest<CoreSelector::EditorEvent>(core_->coreCallback, 1, instanceHandle_, event);
}

std::uint32_t PluginHook::CoreRequest30(void* record) {
    return SendCoreRequest<CoreSelector::Request30>(core_->coreCallback, 1, instanceHandle_, record);
}

std::uint32_t PluginHook::CoreRequest31(void* record) {
    return SendCoreRequest<CoreSelector::Request31>(core_->coreCallback, 1, instanceHandle_, record);
}

std::uint32_t PluginHook::HandleCoreCommand(std::uint32_t, std::uint32_t, std::uint32_t, std::uint64_t) {
    return static_cast<std::uint32_t>(HookStatus::UnknownCommand);
}

std::uint32_t PluginHook::QueryCoreU32(std::uint32_t argument) {
    U32Out out{0};
    return SendCoreRequest<CoreSelector::QueryU32>(core_->coreCallback, argument, instanceHandle_, out) == 0 ? out.value
                                                                                                             : 0;
}

Util::String PluginHook::QueryCoreText(std::uint32_t argument, std::uint32_t in) {
    TextQueryRecord record;
    std::memset(&record, 0, sizeof record);
    record.in = in;
    if (SendCoreRequest<CoreSelector::QueryText>(core_->coreCallback, argument, instanceHandle_, record) != 0)
        return Util::String("");
    return ReadRecordText(record.text);
}

void PluginHook::FillHostInfo(HostInfoRecord& record) {
    std::lock_guard<Util::RecursiveMutex> lock(mutex_);
    if (!hostName_ || hostName_->IsEmpty()) hostName_ = &keptTexts_.Keep(Util::HostExecutablePath().ToLowerAscii());
    record.nameLength = static_cast<std::uint32_t>(hostName_->Size());
    record.name = hostName_->CStr();
    record.version = hostVersion_;
    record.reserved = 0;
}

bool PluginHook::HandleParameterGesture(GestureRecord&) { return false; }

void PluginHook::SetParameterFromCore(std::uint32_t, std::uint32_t, float) {}

void PluginHook::SetLatency(std::uint32_t, std::uint32_t) {}

void PluginHook::OnCoreNotify(std::uint32_t) {}

void PluginHook::QueryCoreValue(CoreValueOut& record) { record.value = 0; }

bool PluginHook::QueryCapability(CapabilityAnswerRecord& record) {
    record.answer = 0;
    return true;
}

bool PluginHook::ResizeEditorForCore(const EditorSizeRecord&) { return false; }

bool PluginHook::AnswerCoreRequest(std::uint32_t, std::uint32_t, std::uint32_t, std::uint64_t, std::uint8_t*) {
    return false;
}

void PluginHook::SetCoreFlag(std::uint8_t) {}

void PluginHook::QueryCapabilities(std::uint8_t&, std::uint32_t&, std::uint32_t&) {}

float PluginHook::InstanceCreateSeconds() { return static_cast<float>(instanceCreateSeconds_); }

float PluginHook::EditorOpenSeconds() { return static_cast<float>(editorOpenSeconds_.load()); }

// ---- Block hand-over ----

std::uint32_t PluginHook::ProcessBlock(std::uint32_t samples, float** channels, std::uint8_t offline,
                                       std::uint8_t secondFlag, float** sideChain, std::uint32_t sideChainEntries) {
    // Most blocks carry no MIDI: nothing held back, owed or queued, and nothing to send.
    if (heldEndingCount_ != 0 || channelsToSilence_ != 0 || midiQueued_.load(std::memory_order_acquire) != 0) {
        DrainMidi();
        if (!midiWords_.empty() && midiWords_.size() == midiTimes_.size()) {
            MidiBatchRecord batch{midiWords_.size(), midiWords_.data(), midiTimes_.data()};
            SendCoreRequest<CoreSelector::Midi>(core_->coreCallback, 0, instanceHandle_, batch);
            midiWords_.clear();
            midiTimes_.clear();
        }
    }

    // The kept record: the aux pointers follow the channel array and the layout, the
    // side-chain entries are rewritten only for blocks that have or had a side chain.
    BlockRecord& block = block_;
    block.sampleCount = samples;
    block.transport = transport_.get();
    const auto auxCount = static_cast<std::uint32_t>(outputBuses_.size());
    float** const firstAux = channels && auxCount != 0 ? channels + blockMainChannels_ : nullptr;
    if (block.channels != channels || block.auxOutputCount != auxCount || block.auxOutputs[0] != firstAux) {
        block.channels = channels;
        block.auxOutputCount = auxCount;
        for (std::uint32_t i = 0; i < kMaxAuxOutputStems; ++i)
            block.auxOutputs[i] = channels && i < auxCount ? channels + blockMainChannels_ + 2 * i : nullptr;
    }
    if (sideChain || block.sideChainCount != 0) FillSideChain(block, sideChain, sideChainEntries);
    block.offline = offline;
    block.secondFlag = secondFlag;
    return SendCoreRequest<CoreSelector::ProcessBlock>(core_->coreCallback, 0, instanceHandle_, block);
}

void PluginHook::CountBlockChannels() noexcept {
    blockMainChannels_ = ChannelCountOf(config_.channelConfig);
    blockChannelCount_ = blockMainChannels_ + 2 * static_cast<std::uint32_t>(outputBuses_.size());
}

namespace {

// Events as HostMIDIEventInfo words: status << 24 | data1 << 16 | data2 << 8.
bool EndsNotes(std::uint32_t word) noexcept {
    const std::uint32_t kind = word >> 28;
    const std::uint32_t data1 = (word >> 16) & 0xFF;
    const std::uint32_t data2 = (word >> 8) & 0xFF;
    if (kind == 0x8) return true;                       // note-off
    if (kind == 0x9) return data2 == 0;                 // note-on of velocity 0
    if (kind != 0xB) return false;                      // not a controller
    if (data1 == 64 || data1 == 66) return data2 < 64;  // sustain or sostenuto lifted
    return data1 == 120 || data1 == 123;                // all sound off, all notes off
}

constexpr std::uint32_t AllNotesOff(std::uint32_t channel) noexcept { return (0xB0u | channel) << 24 | 123u << 16; }

}  // namespace

void PluginHook::HoldBackQueuedNoteEndings() noexcept {
    HostMIDIEventInfo events[64];
    std::size_t count = 0;
    while ((count = midiQueue_.try_dequeue_bulk(events, 64)) > 0) {
        midiQueued_.fetch_sub(count, std::memory_order_relaxed);
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint32_t word = events[i].message;
            if (!EndsNotes(word)) continue;
            if (heldEndingCount_ < kHeldNoteEndings)
                heldEndings_[heldEndingCount_++] = word;
            else
                channelsToSilence_ |= static_cast<std::uint16_t>(1u << ((word >> 24) & 0xF));
        }
    }
}

void PluginHook::DrainMidi() {
    midiWords_.clear();
    midiTimes_.clear();
    // What a bypass held back comes first, at the start of the block.
    for (std::size_t i = 0; i < heldEndingCount_; ++i) {
        midiWords_.push_back(heldEndings_[i]);
        midiTimes_.push_back(0);
    }
    heldEndingCount_ = 0;
    for (std::uint32_t channel = 0; channelsToSilence_ != 0 && channel < 16; ++channel) {
        if ((channelsToSilence_ & (1u << channel)) == 0) continue;
        midiWords_.push_back(AllNotesOff(channel));
        midiTimes_.push_back(0);
    }
    channelsToSilence_ = 0;
    if (midiQueued_.load(std::memory_order_acquire) == 0) return;
    HostMIDIEventInfo events[64];
    std::size_t count = 0;
    while ((count = midiQueue_.try_dequeue_bulk(events, 64)) > 0) {
        midiQueued_.fetch_sub(count, std::memory_order_relaxed);
        for (std::size_t i = 0; i < count; ++i) {
            midiWords_.push_back(events[i].message);
            midiTimes_.push_back(events[i].offset);
        }
    }
}

// Input i starts after the channels of inputs 0 to i - 1, counted by their kinds
// whatever sideChainMono says. The core reads `count` pointers from an input's first
// entry, so an input is never given entries beyond the caller's array. Every entry an
// earlier block may have set is written: no side chain clears them.
void PluginHook::FillSideChain(BlockRecord& block, float** sideChain, std::uint32_t sideChainEntries) const {
    const std::uint32_t written = block.sideChainCount;
    block.sideChainCount = sideChain ? static_cast<std::uint32_t>(inputBuses_.size()) : 0;
    std::uint32_t start = 0;
    for (std::uint32_t i = 0; i < std::max(written, block.sideChainCount); ++i) {
        block.sideChainInputs[i] = nullptr;
        block.sideChainChannelCounts[i] = 0;
        if (i >= block.sideChainCount) continue;
        const std::uint32_t kindChannels = ChannelCountOf(inputBuses_[i].kind);
        if (start < sideChainEntries && sideChain[start]) {
            block.sideChainInputs[i] = sideChain + start;
            const std::uint32_t channels = sideChainMono_ ? 1 : kindChannels;
            block.sideChainChannelCounts[i] = std::min(channels, sideChainEntries - start);
        }
        start += kindChannels;
    }
}

void PluginHook::QueueMidi(std::uint32_t count, const std::uint32_t* words, const std::uint32_t* offsets) {
    if (count == 0 || !words || !offsets) return;
    std::uint32_t queued = 0;
    try {
        for (; queued < count; ++queued) {
            const HostMIDIEventInfo event{words[queued], offsets[queued]};
            if (midiQueue_.try_enqueue(*midiProducer_, event)) continue;
            // Beyond the pre-allocated room: take the event anyway, at the price of a block.
            midiQueueOverflows_.fetch_add(1, std::memory_order_relaxed);
            midiQueue_.enqueue(*midiProducer_, event);
        }
    } catch (...) {
        midiQueued_.fetch_add(queued, std::memory_order_release);  // what did go in
        throw;
    }
    midiQueued_.fetch_add(queued, std::memory_order_release);
}

bool PluginHook::IsOnRecordedThread() const noexcept {
    return recordedThreadId_ != 0 && recordedThreadId_ == Util::CurrentThreadId();
}

// ---- Configuration ----

void PluginHook::Reconfigure(std::uint32_t argument, float sampleRate, ChannelConfig channelConfig) {
    if (sampleRate == sampleRate_ && channelConfig == config_.channelConfig) return;
    g_publishedSampleRate.store(sampleRate);
    g_publishedChannelConfig.store(channelConfig);
    sampleRate_ = sampleRate;
    config_.channelConfig = channelConfig;
    CountBlockChannels();
    ConfigureRecord record{sampleRate, channelConfig};
    SendCoreRequest<CoreSelector::Configure>(core_->coreCallback, argument, instanceHandle_, record);
}

std::uint32_t PluginHook::QueryLatency(std::uint32_t argument) {
    U32Out out{0};
    return SendCoreRequest<CoreSelector::Latency>(core_->coreCallback, argument, instanceHandle_, out) == 0 ? out.value
                                                                                                            : 0;
}

void PluginHook::SetOfflineMode(bool on) {
    if (on == offlineMode_) return;
    OfflineModeRecord record{on ? 1u : 0u};
    SendCoreRequest<CoreSelector::OfflineMode>(core_->coreCallback, 0, instanceHandle_, record);
    offlineMode_ = on;
}

void PluginHook::SetSelectionLength(std::uint64_t length) {
    SelectionLengthRecord record;
    std::memset(&record, 0, sizeof record);
    record.length = length;
    record.present = 1;
    SendCoreRequest<CoreSelector::SelectionLength>(core_->coreCallback, 1, instanceHandle_, record);
}

bool PluginHook::Notify(std::uint32_t argument, std::uint32_t event, std::uint32_t value, std::uint64_t pointer) {
    NotifyRecord record{event, value, pointer};
    return SendCoreRequest<CoreSelector::Notify>(core_->coreCallback, argument, instanceHandle_, record) == 0;
}

// The request goes out after the lock is released: a core that answers it by asking
// for the name on another thread (callback 14 takes the lock) must not wait for us.
void PluginHook::SetTrackName(const Util::String& name) {
    {
        std::lock_guard<Util::RecursiveMutex> lock(mutex_);
        const bool equal = trackName_ ? !name.IsNull() && *trackName_ == name : name.IsNull();
        if (equal) return;
        trackName_ = name.IsNull() ? nullptr : &keptTexts_.Keep(name);
    }
    if (instanceHandle_ != 0) SendCoreRequest<CoreSelector::TrackNameChanged>(core_->coreCallback, 1, instanceHandle_);
}

void PluginHook::SetHostName(const Util::String& name) {
    std::lock_guard<Util::RecursiveMutex> lock(mutex_);
    hostName_ = &keptTexts_.Keep(name);
}

void PluginHook::SetHostVersion(float version) {
    std::lock_guard<Util::RecursiveMutex> lock(mutex_);
    hostVersion_ = version;
}

bool PluginHook::SetInputBuses(std::vector<Bus> buses) {
    const bool complete = buses.size() <= kMaxSideChainInputs;
    if (!complete) buses.resize(kMaxSideChainInputs);
    inputBuses_ = std::move(buses);
    return complete;
}

bool PluginHook::SetOutputBuses(std::vector<Bus> buses) {
    const bool complete = buses.size() <= kMaxAuxOutputStems;
    if (!complete) buses.resize(kMaxAuxOutputStems);
    outputBuses_ = std::move(buses);
    CountBlockChannels();
    return complete;
}

void PluginHook::RecordEditorOpenSeconds(double seconds) noexcept { editorOpenSeconds_.exchange(seconds); }

// ---- Parameter and state requests ----

void PluginHook::NotifyParametersReady() {
    SendCoreRequest<CoreSelector::ParametersReady>(core_->coreCallback, 1, instanceHandle_);
}

void PluginHook::NotifyInstanceClosing() {
    SendCoreRequest<CoreSelector::InstanceClosing>(core_->coreCallback, 1, instanceHandle_);
}

std::uint32_t PluginHook::QueryParameterCount() {
    U32Out out{0};
    return SendCoreRequest<CoreSelector::ParameterCount>(core_->coreCallback, 1, instanceHandle_, out) == 0 ? out.value
                                                                                                            : 0;
}

std::uint32_t PluginHook::DescribeParameters(CoreParameterInfo* records, std::uint32_t count) {
    ParameterDescriptionsRequest request;
    std::memset(&request, 0, sizeof request);
    request.count = count;
    request.records = records;
    return SendCoreRequest<CoreSelector::ParameterInfo>(core_->coreCallback, 1, instanceHandle_, request);
}

void PluginHook::SendParameterValue(std::uint32_t coreIndex, float value) {
    ParameterValueRecord record{coreIndex, value};
    SendCoreRequest<CoreSelector::SetParameter>(core_->coreCallback, IsOnRecordedThread() ? 1 : 0, instanceHandle_,
                                                record);
}

void PluginHook::SendStateRequest(StateRequest& request) {
    SendCoreRequest<CoreSelector::State>(core_->coreCallback, 1, instanceHandle_, request);
}

void PluginHook::SendLegacyStateLoad(LegacyStateLoad& load) {
    SendCoreRequest<CoreSelector::LegacyStateLoad>(core_->coreCallback, 1, instanceHandle_, load);
}

// ---- Callback support and state ----

void PluginHook::WriteTrackName(TrackNameRecord& record) {
    std::lock_guard<Util::RecursiveMutex> lock(mutex_);
    if (!trackName_) {
        record.present = 0;
        return;
    }
    record.present = 1;
    record.length = static_cast<std::uint32_t>(trackName_->Size());
    record.bytes = trackName_->CStr();
}

Util::String PluginHook::TrackName() {
    std::lock_guard<Util::RecursiveMutex> lock(mutex_);
    return trackName_ ? *trackName_ : Util::String();
}

Util::String PluginHook::HostName() {
    std::lock_guard<Util::RecursiveMutex> lock(mutex_);
    return hostName_ ? *hostName_ : Util::String();
}

float PluginHook::HostVersion() {
    std::lock_guard<Util::RecursiveMutex> lock(mutex_);
    return hostVersion_;
}

float PluginHook::PublishedSampleRate() noexcept { return g_publishedSampleRate.load(); }

ChannelConfig PluginHook::PublishedChannelConfig() noexcept { return g_publishedChannelConfig.load(); }
