// The bypass lines' Run walks the ring in stretches; it must visit exactly the positions
// the sample-by-sample walk visits, whatever the latency changes, block sizes, wrap and
// end positions, and engaged or not.

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "parameters/BypassDelayLines.h"

namespace {

using Channels = std::vector<std::vector<float>>;

// The sample-by-sample walk over a copy of the ring's state.
struct Walk {
    Channels lines;
    std::uint32_t position, wrap, end;

    std::uint32_t Advance(std::uint32_t at, std::uint32_t length) const {
        if (at == end) return wrap < length ? wrap : 0;
        ++at;
        return at < length ? at : 0;
    }
    void Run(Channels& channels, std::uint32_t samples, bool engaged) {
        const auto length = static_cast<std::uint32_t>(lines.front().size());
        std::uint32_t at = position < length ? position : (wrap < length ? wrap : 0);
        for (std::uint32_t i = 0; i < samples; ++i) {
            for (std::size_t k = 0; k < channels.size() && k < lines.size(); ++k) {
                const float sample = channels[k][i];
                if (engaged) channels[k][i] = lines[k][at];
                lines[k][at] = sample;
            }
            at = Advance(at, length);
        }
        position = at;
    }
};

TEST(BypassRingWalk, StretchesVisitWhatTheSampleBySampleWalkVisits) {
    std::mt19937 random(20261207);
    BypassDelayLines lines;
    lines.Prepare(3, 64);
    float next = 1.0f;
    for (int round = 0; round < 2000; ++round) {
        if (random() % 8 == 0) {
            ASSERT_TRUE(lines.ApplyLatency(1 + random() % 300));
        }
        if (random() % 50 == 0) lines.SetPosition(random() % (lines.LineLength() + 4));
        const std::uint32_t samples = 1 + random() % 700;
        const bool engaged = random() % 2 == 0;
        Channels channels(3, std::vector<float>(samples));
        for (auto& channel : channels)
            for (float& sample : channel) sample = next++;

        Walk walk{lines.Lines(), lines.Position(), lines.WrapPosition(), lines.EndPosition()};
        Channels expected = channels;
        walk.Run(expected, samples, engaged);
        float* pointers[] = {channels[0].data(), channels[1].data(), channels[2].data()};
        lines.Run(pointers, 3, samples, engaged);

        ASSERT_EQ(channels, expected) << "round " << round;
        ASSERT_EQ(lines.Lines(), walk.lines) << "round " << round;
        ASSERT_EQ(lines.Position(), walk.position) << "round " << round;
    }
}

}  // namespace
