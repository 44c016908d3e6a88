// aaxhost generate: the test signals and the files they are written to.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "aaxhost/cli/TestSignal.h"
#include "aaxhost/cli/WavFile.h"
#include "support/ToolRun.h"

using namespace aaxhost::cli;

namespace {

float Peak(const std::vector<float>& samples) {
    float peak = 0.0f;
    for (float sample : samples) peak = std::max(peak, std::fabs(sample));
    return peak;
}

TEST(SignalLevels, PeakIsTheRequestedLevelOnEveryChannel) {
    for (const auto& [kind, levelDb] :
         {std::make_pair(SignalKind::Sine, -12.0), std::make_pair(SignalKind::Sweep, -6.0),
          std::make_pair(SignalKind::Noise, 0.0), std::make_pair(SignalKind::Impulses, -20.0)}) {
        SignalSettings settings;
        settings.kind = kind;
        settings.levelDb = levelDb;
        settings.frames = 48000;
        settings.channels = 3;
        const auto channels = MakeSignal(settings);
        ASSERT_EQ(channels.size(), 3u);
        const double expected = std::pow(10.0, levelDb / 20.0);
        for (const auto& channel : channels) {
            ASSERT_EQ(channel.size(), 48000u);
            EXPECT_NEAR(Peak(channel), expected, expected * 0.01) << levelDb;
            EXPECT_EQ(channel, channels.front());
        }
    }
}

TEST(TestSignal, ImpulsesComeEveryHalfSecondFromTheFirstSample) {
    SignalSettings settings;
    settings.kind = SignalKind::Impulses;
    settings.sampleRate = 44100.0;
    settings.frames = 44100 * 2;
    settings.channels = 1;
    settings.levelDb = 0.0;
    const auto signal = MakeSignal(settings).front();
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < signal.size(); ++i)
        if (signal[i] != 0.0f) positions.push_back(i);
    EXPECT_EQ(positions, (std::vector<std::size_t>{0, 22050, 44100, 66150}));
}

TEST(TestSignal, NoiseIsTheSameOnEveryRunAndNotConstant) {
    SignalSettings settings;
    settings.kind = SignalKind::Noise;
    settings.frames = 1000;
    const auto first = MakeSignal(settings);
    EXPECT_EQ(first, MakeSignal(settings));
    EXPECT_NE(first[0][0], first[0][1]);
}

TEST(GenerateCommand, WritesTheRequestedFile) {
    const ScratchFolder folder(L"cli");
    const std::string out = folder.File("signal.wav");
    const ToolRun run = RunAaxhost({"generate", "--out", out, "--seconds", "0.5", "--rate", "44100", "--channels", "6",
                                    "--format", "24", "--signal", "sine"});
    ASSERT_EQ(run.exitCode, 0u) << run.err;
    const WavAudio audio = ReadWavFile(out);
    EXPECT_EQ(audio.sampleRate, 44100u);
    EXPECT_EQ(audio.format, SampleFormat::Pcm24);
    EXPECT_EQ(audio.ChannelCount(), 6u);
    EXPECT_EQ(audio.FrameCount(), 22050u);
    EXPECT_NEAR(Peak(audio.channels[5]), std::pow(10.0, -12.0 / 20.0), 0.01);
}

TEST(GenerateCommand, BadArgumentsExitTwoAndWriteNothing) {
    const ScratchFolder folder(L"cli");
    const std::string out = folder.File("bad.wav");
    const std::vector<std::vector<std::string>> cases = {
        {"generate", "--out", out, "--signal", "chirp"},
        {"generate", "--out", out, "--channels", "25"},
        {"generate", "--out", out, "--level", "3"},
        {"generate", "--out", out, "--format", "32"},
        {"generate"},
    };
    for (const auto& arguments : cases) {
        const ToolRun run = RunAaxhost(arguments);
        EXPECT_EQ(run.exitCode, 2u) << arguments.back() << ": " << run.err;
        EXPECT_NE(run.err.find("aaxhost: "), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << arguments.back();
    }
}

}  // namespace
