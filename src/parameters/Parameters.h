#pragma once
// Parameters: one plug-in instance. It is at the same time the instance's PluginHook,
// which owns the link to the core, and its AAX_CEffectParameters, which the host talks
// to; the factories create it with `new` and hand the host the AAX base, and the host's
// last Release destroys it.
//
// Construction reads the core's parameter descriptions once (selectors 8 and 9) into a
// table of rows (ParameterTable) and names the side-chain input and the aux outputs for
// the hook base. EffectInit (from the host's Initialize) registers one AAX parameter
// per row, in row order, and, when the core has no bypass of its own, a hook-made
// "Bypass" after them, with the delay lines that keep a bypassed signal in time.
// Afterwards the host's automation reaches the core as real values
// (UpdateParameterNormalizedValue, selector 11) and the core's edits reach the host as
// touch, set and release (SetParameterFromCore). The host identification, the
// capability answers the core asks for and the saved state chunk are here too.
//
// Threads: construction, EffectInit and destruction on the host's UI thread; the
// host-facing operations on the threads the host calls them on; the core-facing ones
// ([core-thread]) on the core's. No operation takes a lock of its own. The table is
// fixed after construction; only a row's touchedByCore, the bypass state, the preview
// state, the editor pointer, the delay lines and the chunk size last reported change
// later. The audio thread reads HookBypassEngaged and runs the delay lines
// (BypassLines); SetLatency lengthens the lines when the latency grows, so a latency
// change must not overlap a render of the same instance.

#include <atomic>
#include <cstdint>
#include <vector>

#include "aax/AAX_CEffectParameters.h"
#include "hook/HostSpeakerOrder.h"
#include "hook/PluginHook.h"
#include "parameters/BypassDelayLines.h"
#include "parameters/InstanceEditor.h"
#include "parameters/ParameterTable.h"
#include "util/Signal.h"
#include "util/String.h"

// Core notification events (selector 42) sent for the host's AudioSuite notifications.
constexpr std::uint32_t kCoreEventProcessingState3 = 0x4460000;  // processing state 3
constexpr std::uint32_t kCoreEventProcessingState2 = 0x4460001;  // processing state 2
constexpr std::uint32_t kCoreEventPreviewOn = 0x4460006;
constexpr std::uint32_t kCoreEventPreviewOff = 0x4460007;
// The core's command (callback 21) that asks for a new analysis: emits ChangeSignal.
constexpr std::uint32_t kCoreCommandChanged = 0x4460FCEA;
// The context field whose block ResetFieldData fills with the instance's PluginHook
// address, for the process procedure.
constexpr AAX_CFieldIndex kPrivateDataField = 3;

class Parameters : public PluginHook, public AAX_CEffectParameters {
public:
    // `pluginFormat` 6 (realtime) or 7 (AudioSuite), `channelConfig` the variant's
    // layout. Reports no failure of the core's: a core that answers nothing gives an
    // instance without core parameters. Throws PluginHookUnavailable when the hook
    // cannot work (see PluginHook) and std::bad_alloc. [ui-thread]
    Parameters(PluginFormat pluginFormat, ChannelConfig channelConfig);
    // Selector 6, then the hook base sends selector 7. [ui-thread]
    ~Parameters() override;

    // ---- Host-facing (AAX_CEffectParameters) ----

    // Track name, AudioSuite processing state and preview state reach the core; every
    // notification then goes to the base. [ui-thread] [offline-thread]
    AAX_Result NotificationReceived(AAX_CTypeID type, const void* data, std::uint32_t size) noexcept override;
    // BypassId() once there is a bypass parameter, else the empty text. [any-thread]
    AAX_Result GetMasterBypassParameter(AAX_IString* outIdentifier) noexcept override;
    // The host's value: the hook-made bypass only switches HookBypassEngaged; any other
    // parameter stores it and sends its real value to the core (selector 11).
    // AAX_ERROR_INVALID_PARAMETER_ID for an unknown identifier, a parameter outside
    // the rows, or a row of no known kind (the value stays stored). [any-thread]
    AAX_Result UpdateParameterNormalizedValue(AAX_CParamID identifier, double value,
                                              AAX_EUpdateSource source) noexcept override;
    // Field kPrivateDataField gets the instance's PluginHook address in its first 8
    // bytes (when it has them); other fields stay untouched. [ui-thread]
    AAX_Result ResetFieldData(AAX_CFieldIndex field, void* data, std::uint32_t size) noexcept override;

    // ---- State chunks (ParametersChunks.cpp) ----
    // One chunk, "Vovuvoza Vivizaro State", of type ChunkIdOf: a 12-byte state header
    // and the core's state bytes. Every call asks the core afresh (selector 32; a state
    // the normal load does not take goes whole to selector 33). Chunk data is untrusted:
    // fSize below 12 (negative included) is malformed, and no size larger than the
    // bytes at hand reaches the core. [ui-thread]

    // Always 1. [ui-thread]
    AAX_Result GetNumberOfChunks(std::int32_t* outCount) noexcept override;
    // Index 0: ChunkIdOf; any other AAX_ERROR_INVALID_CHUNK_INDEX. [ui-thread]
    AAX_Result GetChunkIDFromIndex(std::int32_t index, AAX_CTypeID* outChunkID) noexcept override;
    // Header plus the core's state size; 0 (and success) when the core cannot tell.
    // The size reported is remembered: GetChunk writes no more data than that.
    // [ui-thread]
    AAX_Result GetChunkSize(AAX_CTypeID chunkID, std::uint32_t* outSize) noexcept override;
    // Fills the chunk fields, then the data when the core's state still has the size
    // just queried and fits the size last reported; otherwise AAX_ERROR_MALFORMED_CHUNK
    // (the fields stay written). `outChunk`: the host's buffer of at least
    // sizeof(AAX_SPlugInChunk) bytes. [ui-thread]
    AAX_Result GetChunk(AAX_CTypeID chunkID, AAX_SPlugInChunk* outChunk) noexcept override;
    // Loads the chunk's fSize data bytes into the core; AAX_ERROR_MALFORMED_CHUNK when
    // they are too short or the core refuses them. [ui-thread]
    AAX_Result SetChunk(AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk) noexcept override;
    // Asks the core whether the chunk equals its state (tolerance 1e-5). Whenever no
    // comparison could be made the flag says equal. [ui-thread]
    AAX_Result CompareActiveChunk(const AAX_SPlugInChunk* chunk, AAX_CBoolean* outIsEqual) noexcept override;

    // ---- Core-facing (PluginHook slots) ----

    // kCoreCommandChanged emits ChangeSignal and answers 0; anything else 5. [core-thread]
    std::uint32_t HandleCoreCommand(std::uint32_t argument, std::uint32_t code, std::uint32_t value,
                                    std::uint64_t data) override;
    // Refreshes the host name and version, then lets the hook base fill the record.
    // [core-thread]
    void FillHostInfo(HostInfoRecord& record) override;
    // A mouse gesture on parameter controls of the core's editor, handed to the host's
    // view container; true when the container accepted it. [ui-thread]
    bool HandleParameterGesture(GestureRecord& record) override;
    // The core's edit: 0 begin (Touch), 1 set (inside a Touch), 2 end (Release).
    // Unknown or unexposed core indices are ignored. [core-thread]
    void SetParameterFromCore(std::uint32_t operation, std::uint32_t coreIndex, float value) override;
    // Tells the host and sets the hook-made bypass's delay to the latency. [core-thread]
    void SetLatency(std::uint32_t argument, std::uint32_t samples) override;
    // Answers 1. [core-thread]
    bool QueryCapability(CapabilityAnswerRecord& record) override;
    // The editor's answer; false without an editor. [ui-thread]
    bool ResizeEditorForCore(const EditorSizeRecord& record) override;
    // Answers 1 in all three. [core-thread]
    void QueryCapabilities(std::uint8_t& a, std::uint32_t& b, std::uint32_t& c) override;

    // ---- The editor and the change signal ----

    // Set by the instance's editor (non-owning; null clears it). [ui-thread]
    void SetEditor(InstanceEditor* editor) noexcept { editor_ = editor; }
    InstanceEditor* Editor() const noexcept { return editor_; }
    // Emitted when the core asks for a new analysis (kCoreCommandChanged), on the
    // core's thread. Owned by the instance. [ui-thread] to connect
    Util::Signal& ChangeSignal() noexcept { return changeSignal_; }

    // ---- State ----

    const std::vector<ParameterEntry>& Rows() const noexcept { return rows_; }
    const std::vector<CoreToRowEntry>& CoreToRow() const noexcept { return coreToRow_; }
    // Null until there is a bypass parameter (the core's after construction, the
    // hook's after EffectInit).
    const Util::String& BypassId() const noexcept { return bypassId_; }
    bool HasBypassParameter() const noexcept { return hasBypassParameter_; }
    bool CoreOwnsBypass() const noexcept { return coreOwnsBypass_; }
    bool HookBypassEngaged() const noexcept {
        return hookBypassEngaged_.load(std::memory_order_relaxed);
    }  // [any-thread]
    std::uint32_t SideChainPresent() const noexcept { return sideChainPresent_; }
    bool PreviewActive() const noexcept { return previewActive_; }
    // The hook-made bypass's delay lines: one per side-chain input, main channel and
    // aux output channel (in that count), run by the process procedure. [audio-thread]
    BypassDelayLines& BypassLines() noexcept { return bypassLines_; }
    // The render's kept state: the channel matching of its last block, and the stem
    // formats the host reported (fixed for an instance, so asked until known).
    // [audio-thread] [offline-thread]
    ChannelOrder& RenderChannelOrder() noexcept { return renderChannelOrder_; }
    struct StemFormats {
        bool known = false;
        AAX_EStemFormat input = AAX_eStemFormat_Mono;
        AAX_EStemFormat output = AAX_eStemFormat_Mono;
    };
    StemFormats& RenderStemFormats() noexcept { return renderStemFormats_; }
    // The transport values whose conversion costs divisions, as the last block had them,
    // with what they converted to: a transport standing still costs no arithmetic.
    struct TransportMemo {
        bool loopKnown = false;
        std::int64_t loopStartTicks = 0;
        std::int64_t loopEndTicks = 0;
        double loopStart = 0.0;  // quarter notes
        double loopEnd = 0.0;
        bool phaseKnown = false;
        double sampleRate = 0.0;
        double tempo = 0.0;
        std::int32_t numerator = 0;
        std::int32_t denominator = 0;
        std::int64_t ticks = 0;
        bool phaseValid = false;  // the bar phase of these values exists
        float beatPhase = 0.0f;
        float barPhase = 0.0f;
    };
    TransportMemo& RenderTransportMemo() noexcept { return renderTransportMemo_; }
    const BypassDelayLines& BypassLines() const noexcept { return bypassLines_; }

protected:
    // Registers the rows' parameters and the hook's bypass, sends the sample rate
    // (selector 17), applies the core's latency (selector 18) and tells the core its
    // parameters are ready (selector 5). [ui-thread]
    AAX_Result EffectInit() override;

private:
    void NameBuses();
    AAX_Result AddRowParameter(const ParameterEntry& row);
    AAX_Result AddHookBypass();
    void PrepareBypassDelay();
    AAX_IParameter* RowParameter(std::uint32_t coreIndex, ParameterEntry** row);
    void RefreshHostIdentity();
    bool QueryStateSize(std::uint32_t& chunkSize);
    bool ReadState(std::vector<std::uint8_t>& blob);
    bool LoadState(std::vector<std::uint8_t>& blob);

    std::vector<ParameterEntry> rows_;
    std::vector<CoreToRowEntry> coreToRow_;
    Util::String bypassId_;
    bool hasBypassParameter_ = false;
    bool coreOwnsBypass_ = false;
    std::atomic<bool> hookBypassEngaged_{false};  // read by the audio thread
    std::uint32_t sideChainPresent_ = 0;
    bool previewActive_ = false;
    InstanceEditor* editor_ = nullptr;  // the host's editor object; not owned
    Util::Signal changeSignal_;
    BypassDelayLines bypassLines_;
    ChannelOrder renderChannelOrder_;
    StemFormats renderStemFormats_;
    TransportMemo renderTransportMemo_;
    // The chunk size GetChunkSize last reported to the host, -1 before the first: the
    // host sizes GetChunk's buffer from it.
    std::atomic<std::int64_t> reportedChunkSize_{-1};
};
