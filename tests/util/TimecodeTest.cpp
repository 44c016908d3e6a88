#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "util/Timecode.h"

using Util::FramesToSamples;
using Util::FramesToTimecode;
using Util::Timecode;

namespace {

constexpr double kFps2997 = 30000.0 / 1001.0;
constexpr double kFps23976 = 24000.0 / 1001.0;

struct Label {
    unsigned hours, minutes, seconds;
    float frames;
    bool operator==(const Label& o) const {
        return hours == o.hours && minutes == o.minutes && seconds == o.seconds && frames == o.frames;
    }
};

void PrintTo(const Label& l, std::ostream* os) {
    *os << l.hours << ':' << l.minutes << ':' << l.seconds << ';' << l.frames;
}

Label Of(const Timecode& t) { return {t.hours, t.minutes, t.seconds, t.frames}; }

TEST(Timecode, DropFrameCountsGiveTheirSmpteLabels) {
    struct Case {
        double count;
        Label label;
    };
    const Case cases[] = {
        {0, {0, 0, 0, 0}},      {1799, {0, 0, 59, 29}}, {1800, {0, 1, 0, 2}},  // ;00 and ;01 do not exist in minute 1
        {1828, {0, 1, 1, 0}},   {3597, {0, 1, 59, 29}}, {3598, {0, 2, 0, 2}},      {17981, {0, 9, 59, 29}},
        {17982, {0, 10, 0, 0}},                                                     // every tenth minute keeps its ;00
        {19782, {0, 11, 0, 2}}, {107892, {1, 0, 0, 0}}, {1800.5, {0, 1, 0, 2.5f}},  // the fraction stays with the frame label
    };
    for (const Case& c : cases)
        EXPECT_EQ(Of(FramesToTimecode(c.count, kFps2997, true)), c.label) << "count " << c.count;
}

TEST(Timecode, UnusableRatesAndCountsAndDropFrameAwayFrom30GiveZeroInsteadOfFaulting) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double count, fps;
        bool dropFrame;
    } cases[] = {
        {90000, 25, true},       {1000, 60000.0 / 1001.0, true},
        {1000, kFps23976, true}, {1000, 0.0, false},
        {1000, -25.0, false},    {1000, nan, false},
        {1000, 1e12, false},     {-1.0, 25, false},
        {-0.5, kFps2997, true},  {nan, kFps2997, true},
        {1e30, kFps2997, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FramesToSamples(c.count, 48000, c.fps, c.dropFrame), 0.0) << c.count << " at " << c.fps;
        EXPECT_EQ(Of(FramesToTimecode(c.count, c.fps, c.dropFrame)), (Label{0, 0, 0, 0})) << c.count << " at " << c.fps;
    }
}

// The defining property: whatever the labels, a count of frames lasts
// count / framesPerSecond seconds.
TEST(FrameCountSweep, SamplesAreFramesTimesSampleRateOverFrameRate) {
    std::vector<double> counts;
    for (double n = 0; n < 40000; ++n) counts.push_back(n);  // every frame of the first 20 minutes
    for (double base : {107892.0, 108000.0, 17982.0 * 143, 2589408.0, 86400.0 * 30, 1e7, 123456789.0})
        for (double d = -40; d <= 40; ++d) counts.push_back(base + d);
    const struct {
        const char* name;
        double fps;
        bool dropFrame;
    } rates[] = {{"29.97 drop", kFps2997, true},
                 {"29.97", kFps2997, false},
                 {"30 drop", 30, true},
                 {"30", 30, false},
                 {"25", 25, false},
                 {"24", 24, false},
                 {"23.976", kFps23976, false}};
    for (const auto& rate : rates)
        for (double sampleRate : {44100.0, 48000.0, 96000.0}) {
            int failures = 0;
            for (double count : counts) {
                const double expected = count * sampleRate / rate.fps;
                const double actual = FramesToSamples(count, sampleRate, rate.fps, rate.dropFrame);
                if (std::abs(actual - expected) > 1e-12 * expected && ++failures <= 5)
                    ADD_FAILURE() << rate.name << " at " << sampleRate << " Hz, count " << count << ": " << actual
                                  << " instead of " << expected;
            }
            EXPECT_EQ(failures, 0) << rate.name;
        }
}

}  // namespace
