// The simulated host's channel buffers: zeroed, each on a cache line of its own, none
// overlapping another, each output half a page from its input, whatever the counts.

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "aaxhost/ChannelBuffers.h"

namespace {

TEST(ChannelBuffers, AreAlignedDisjointZeroedAndHalfAPageFromTheirInput) {
    struct Case {
        std::size_t inputs, outputs, samples;
    };
    for (const Case c : {Case{1, 1, 32}, Case{2, 2, 1000}, Case{7, 11, 1024}, Case{0, 3, 4097}, Case{25, 24, 64}}) {
        aaxhost::ChannelBuffers buffers(c.inputs, c.outputs, c.samples);
        std::vector<std::pair<std::uintptr_t, std::uintptr_t>> spans;
        for (std::size_t k = 0; k < c.inputs + c.outputs; ++k) {
            float* buffer = k < c.inputs ? buffers.Input(k) : buffers.Output(k - c.inputs);
            const auto start = reinterpret_cast<std::uintptr_t>(buffer);
            EXPECT_EQ(start % 64, 0u) << k;
            for (std::size_t i = 0; i < c.samples; ++i) ASSERT_EQ(buffer[i], 0.0f) << k;
            for (const auto& [from, to] : spans) EXPECT_TRUE(start >= to || start + c.samples * 4 <= from) << k;
            spans.emplace_back(start, start + c.samples * 4);
        }
        for (std::size_t k = 0; k < c.inputs && k < c.outputs; ++k)
            EXPECT_EQ((reinterpret_cast<std::uintptr_t>(buffers.Output(k)) -
                       reinterpret_cast<std::uintptr_t>(buffers.Input(k))) %
                          4096,
                      2048u)
                << k;
        // Moving keeps them where they are.
        float* first = c.outputs ? buffers.Output(0) : nullptr;
        aaxhost::ChannelBuffers moved = std::move(buffers);
        if (first) {
            EXPECT_EQ(moved.Output(0), first);
        }
    }
}

}  // namespace
