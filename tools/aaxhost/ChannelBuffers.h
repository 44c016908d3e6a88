#pragma once
// The audio buffers of one instance context: `inputs` and `outputs` buffers of
// `samples` floats each, zeroed, every one starting on a cache line of its own, the
// buffers of a kind a page and a line apart and each output half a page from the input
// of the same index. Buffers taken from the heap one by one land wherever it has room,
// and how fast a copy from an input into its output runs then depends on where that
// was (cache sets shared, loads taken for recent stores), from one run to the next;
// laid out like this, timings over them are the same every run. Owned by its context;
// moving keeps the buffers where they are. [any-thread]

#include <cstddef>
#include <vector>

namespace aaxhost {

class ChannelBuffers {
public:
    ChannelBuffers() = default;  // none
    ChannelBuffers(std::size_t inputs, std::size_t outputs, std::size_t samples);

    std::size_t InputCount() const noexcept { return inputs_; }
    std::size_t OutputCount() const noexcept { return outputs_; }
    // Unchecked: `channel` must be below the count.
    float* Input(std::size_t channel) noexcept { return storage_.data() + inputBase_ + channel * stride_; }
    float* Output(std::size_t channel) noexcept { return storage_.data() + outputBase_ + channel * stride_; }

private:
    std::size_t inputs_ = 0;
    std::size_t outputs_ = 0;
    std::size_t stride_ = 0;  // floats from one buffer of a kind to the next
    std::size_t inputBase_ = 0;
    std::size_t outputBase_ = 0;
    std::vector<float> storage_;
};

}  // namespace aaxhost
