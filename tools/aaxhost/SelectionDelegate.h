#pragma once
// SelectionDelegate: the host-processor delegate of an offline pass over a selection
// (channels x samples, location 0 at the selection start), held in memory or read on
// demand from a SelectionSource, so that a long file is never held whole. GetAudio copies
// the selection's audio at a location into the buffers the module passes, which are
// the host's own: it never writes more than the buffer capacity the driver set, reads
// silence before the selection start, and returns fewer samples at its end. Every
// GetAudio is recorded, and ForceAnalyze and ForceProcess are counted. It answers every
// published version (V1 to V3); the selection has no side-chain input.
// A source's read that fails makes GetAudio deliver nothing and return
// AAX_ERROR_UNKNOWN_EXCEPTION; the driver rethrows the failure after the call.
// GetAudio, GetSideChainInputNum, Read: [offline-thread]; the rest: [any-thread].

#include <atomic>
#include <cstdint>
#include <exception>
#include <mutex>
#include <vector>

#include "aax/AAX_IACFHostProcessorDelegate.h"
#include "aaxhost/HostObject.h"

namespace aaxhost {

struct AudioRequest {
    std::int64_t location = 0;
    std::int32_t inputCount = 0;
    std::int32_t requested = 0;  // *ioSamples on entry
    std::int32_t delivered = 0;  // *ioSamples on return
};

// Where a streamed selection's audio comes from. [offline-thread]
class SelectionSource {
public:
    virtual ~SelectionSource() = default;
    virtual std::int32_t ChannelCount() const = 0;
    virtual std::int64_t Length() const = 0;
    // `count` samples of every channel from `position`, all within the selection, into
    // channels[k]; null entries are skipped. Throws when the audio cannot be read.
    virtual void Read(std::int64_t position, std::int32_t count, float* const* channels) = 0;
};

class SelectionDelegate final : public HostObject<AAX_IACFHostProcessorDelegate_V3, IID_IAAXHostProcessorDelegateV1,
                                                  IID_IAAXHostProcessorDelegateV2, IID_IAAXHostProcessorDelegateV3> {
public:
    // Every channel must be as long as the first (std::invalid_argument otherwise).
    explicit SelectionDelegate(std::vector<std::vector<float>> channels);
    // The selection `source` reads; borrowed, it must outlive the delegate.
    explicit SelectionDelegate(SelectionSource& source);

    std::int32_t ChannelCount() const noexcept { return channelCount_; }
    std::int64_t Length() const noexcept { return length_; }
    // The selection held in memory; empty for one a source reads.
    const std::vector<std::vector<float>>& Channels() const noexcept { return channels_; }

    // `count` samples of every channel from `position` into channels[k] (ChannelCount()
    // entries; null ones skipped): silence before the selection start and past its end.
    // Throws what the source throws.
    void Read(std::int64_t position, std::int32_t count, float* const* channels);
    // Throws, once, the failure of a source's read inside GetAudio; nothing otherwise.
    void RethrowReadFailure();

    // Samples each host buffer holds; GetAudio delivers at most that many. Starts at 0.
    void SetBufferCapacity(std::int32_t samples) noexcept { capacity_ = samples; }
    // At most this many samples per GetAudio however much room there is, as hosts give
    // near a selection's end; 0 for no limit (the start).
    void SetReadLimit(std::int32_t samples) noexcept { readLimit_ = samples; }
    std::int32_t ReadLimit() const noexcept { return readLimit_; }

    std::vector<AudioRequest> Requests() const;
    std::int32_t ForceAnalyzeCount() const noexcept { return forceAnalyze_.load(); }
    std::int32_t ForceProcessCount() const noexcept { return forceProcess_.load(); }

    // Channel k of `inputs` gets selection channel k, or silence when the selection has
    // fewer channels; null entries are skipped. A null count, or null inputs with a
    // positive input count, gives AAX_ERROR_NULL_ARGUMENT; a negative request delivers 0.
    AAX_Result GetAudio(const float* const inputs[], std::int32_t inputCount, std::int64_t location,
                        std::int32_t* ioSamples) noexcept override;
    // 0: the selection has no side-chain input.
    std::int32_t GetSideChainInputNum() noexcept override;
    AAX_Result ForceAnalyze() noexcept override;
    AAX_Result ForceProcess() noexcept override;

private:
    std::vector<std::vector<float>> channels_;
    SelectionSource* source_ = nullptr;
    std::int32_t channelCount_ = 0;
    std::int64_t length_ = 0;
    std::vector<float*> readPointers_;  // GetAudio's, one per selection channel
    std::exception_ptr readFailure_;
    std::int32_t capacity_ = 0;
    std::int32_t readLimit_ = 0;
    std::atomic<std::int32_t> forceAnalyze_{0};
    std::atomic<std::int32_t> forceProcess_{0};
    mutable std::mutex mutex_;
    std::vector<AudioRequest> requests_;
};

}  // namespace aaxhost
