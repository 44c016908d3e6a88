// The bypass lines' Run walks the ring in stretches; it must visit exactly the positions
// the sample-by-sample walk visits, whatever the latency changes, block sizes (runs of
// equal ones too, whose walk is kept), wrap and end positions, and engaged or not. BypassFrom must give what copying each source into
// its channel and then running engaged gives, for sources of their own, channels that
// are their own source and channels without one.

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
    bool active;  // a latency of 0 leaves everything alone

    std::uint32_t Advance(std::uint32_t at, std::uint32_t length) const {
        if (at == end) return wrap < length ? wrap : 0;
        ++at;
        return at < length ? at : 0;
    }
    void Run(Channels& channels, std::uint32_t samples, bool engaged) {
        if (!active) return;
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
    const auto fill = [&](Channels& channels) {
        for (auto& channel : channels)
            for (float& sample : channel) sample = next++;
    };
    std::uint32_t steady = 0;
    for (int round = 0; round < 3000; ++round) {
        if (random() % 8 == 0) {
            ASSERT_TRUE(lines.ApplyLatency(random() % 300));
        }
        if (random() % 50 == 0) lines.SetPosition(random() % (lines.LineLength() + 4));
        if (random() % 200 == 0) lines.Prepare(3, random() % 3 * 64);
        // Runs of equal blocks as in steady play (whole cycles keep the ring's walk),
        // between blocks of any length.
        const std::uint32_t latency = lines.Latency();
        if (random() % 4 == 0) steady = latency != 0 && random() % 2 == 0 ? latency * (1 + random() % 3) : 1 + random() % 700;
        const std::uint32_t samples = steady != 0 && random() % 5 != 0 ? steady : 1 + random() % 700;
        const bool fromSources = random() % 3 == 0;  // BypassFrom, over a fourth channel no line reaches
        const bool engaged = fromSources || random() % 2 == 0;
        Channels channels(fromSources ? 4 : 3, std::vector<float>(samples));
        Channels sources = channels;
        fill(channels);
        fill(sources);
        // Per channel: a source of its own, the channel itself, or none.
        std::vector<const float*> sourcePointers;
        std::vector<float*> pointers;
        Channels expected = channels;
        for (std::size_t k = 0; k < channels.size(); ++k) {
            pointers.push_back(channels[k].data());
            const unsigned kind = random() % 3;
            sourcePointers.push_back(kind == 0 ? sources[k].data() : kind == 1 ? channels[k].data() : nullptr);
            if (fromSources && kind == 0) expected[k] = sources[k];
        }

        Walk walk{lines.Lines(), lines.Position(), lines.WrapPosition(), lines.EndPosition(), lines.Latency() != 0};
        walk.Run(expected, samples, engaged);
        if (fromSources)
            lines.BypassFrom(sourcePointers.data(), pointers.data(), 4, samples);
        else
            lines.Run(pointers.data(), 3, samples, engaged);

        ASSERT_EQ(channels, expected) << "round " << round;
        ASSERT_EQ(lines.Lines(), walk.lines) << "round " << round;
        ASSERT_EQ(lines.Position(), walk.position) << "round " << round;
    }
}

}  // namespace
