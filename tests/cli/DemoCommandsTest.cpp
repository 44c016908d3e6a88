// aaxhost's commands end to end on the demo core, branded into a bundle with lmprime:
// what the demo's settings do to a render, state files, bypass and the editor's screenshot.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "aaxhost/cli/FileBytes.h"
#include "aaxhost/cli/WavFile.h"
#include "support/PrimedHook.h"
#include "support/ToolRun.h"
#include "support/WavNoise.h"

using namespace aaxhost::cli;

namespace {

constexpr int kDemoLatency = 64;
const std::string kStereo = "com.lumetra.lmdemo Stereo";

class DemoCommands : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = std::make_unique<ScratchFolder>(L"cli-demo");
        module_ =
            Utf8Text(PrimeBundle(folder_->Wide(), L"LmDemo", L"LmDemoCore.dll",
                                 ProductSettings("LmDemoCore.dll", "CoreConfig:demo", "LmDemoCli"), bundleError_));
    }
    static void TearDownTestSuite() { folder_.reset(); }
    void SetUp() override { ASSERT_TRUE(bundleError_.empty()) << bundleError_; }

    static std::string Module() { return module_; }

    // Renders `input` through the stereo effect with `options`; the output file.
    WavAudio Render(const WavAudio& input, const std::vector<std::string>& options) {
        WriteWavFile(files_.File("in.wav"), input);
        std::vector<std::string> arguments = {"render",   Module(),
                                              "--effect", kStereo,
                                              "--in",     files_.File("in.wav"),
                                              "--out",    files_.File("out.wav")};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const ToolRun run = RunAaxhost(arguments);
        EXPECT_EQ(run.exitCode, 0u) << run.err;
        last_ = run;
        return ReadWavFile(files_.File("out.wav"));
    }

    const ScratchFolder files_{L"cli-demo"};
    ToolRun last_;

private:
    static std::unique_ptr<ScratchFolder> folder_;
    static std::string module_;
    static std::string bundleError_;
};

std::unique_ptr<ScratchFolder> DemoCommands::folder_;
std::string DemoCommands::module_;
std::string DemoCommands::bundleError_;

TEST_F(DemoCommands, GainOfMinusSixDecibelsHalvesTheInputDelayedByTheLatency) {
    const WavAudio input = WavNoise(4000);
    const WavAudio output = Render(input, {"--set", "Gain=-6", "--block", "333"});
    EXPECT_NE(last_.out.find("latency 64 samples, not compensated"), std::string::npos) << last_.out;
    ASSERT_EQ(output.ChannelCount(), 2u);
    ASSERT_EQ(output.FrameCount(), input.FrameCount());
    const float gain = static_cast<float>(std::pow(10.0, -6.0 / 20.0));
    for (std::size_t c = 0; c < 2; ++c) {
        for (std::size_t i = 0; i < kDemoLatency; ++i) ASSERT_EQ(output.channels[c][i], 0.0f) << c << " " << i;
        for (std::size_t i = kDemoLatency; i < input.FrameCount(); ++i)
            ASSERT_NEAR(output.channels[c][i], gain * input.channels[c][i - kDemoLatency], 1e-4) << c << " " << i;
    }
}

TEST_F(DemoCommands, SavedStateRestoresTheSameRender) {
    const WavAudio input = WavNoise(3000);
    const WavAudio first = Render(input, {"--set", "Gain=+3.5", "--set", "Mode=Lowpass", "--set", "Frequency=2000",
                                          "--set", "Invert=on", "--save-state", files_.File("demo.state")});
    const WavAudio plain = Render(input, {});
    const WavAudio restored = Render(input, {"--load-state", files_.File("demo.state")});
    EXPECT_EQ(restored.channels, first.channels);
    EXPECT_NE(plain.channels, first.channels) << "the settings change the render";
    const std::vector<std::uint8_t> state = ReadFileBytes(files_.File("demo.state"));
    ASSERT_GT(state.size(), 8u + 56u);
    EXPECT_EQ(std::string(state.begin(), state.begin() + 8), "LMCHUNK1");

    std::vector<std::uint8_t> damaged = state;
    damaged.pop_back();
    WriteFileBytes(files_.File("damaged.state"), damaged);
    const ToolRun run = RunAaxhost({"render", Module(), "--effect", kStereo, "--in", files_.File("in.wav"), "--out",
                                    files_.File("never.wav"), "--load-state", files_.File("damaged.state")});
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_NE(run.err.find("damaged.state: the state file's chunk declares"), std::string::npos) << run.err;
}

TEST_F(DemoCommands, CompensatedBypassGivesTheInputBack) {
    const WavAudio input = WavNoise(2000);
    const WavAudio output = Render(input, {"--set", "Gain=-24", "--bypass", "--compensate"});
    EXPECT_NE(last_.out.find("bypass Bypass engaged"), std::string::npos) << last_.out;
    EXPECT_EQ(output.channels, input.channels);
}

TEST_F(DemoCommands, EditorScreenshotHasTheSizeTheEditorReports) {
    const ToolRun run = RunAaxhost(
        {"editor", Module(), "--effect", kStereo, "--seconds", "0.3", "--screenshot", files_.File("demo.bmp")});
    ASSERT_EQ(run.exitCode, 0u) << run.err;
    int width = 0;
    int height = 0;
    ASSERT_EQ(std::sscanf(run.out.c_str(), "editor %d x %d", &width, &height), 2) << run.out;
    const std::vector<std::uint8_t> bmp = ReadFileBytes(files_.File("demo.bmp"));
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(std::string(bmp.begin(), bmp.begin() + 2), "BM");
    EXPECT_EQ(bmp[28], 24) << "bits per pixel";
    EXPECT_EQ(bmp[18] | (bmp[19] << 8), width);
    EXPECT_EQ(bmp[22] | (bmp[23] << 8), height);
    EXPECT_EQ(bmp.size(), 54u + static_cast<std::size_t>((width * 3 + 3) / 4 * 4) * height);
    // The demo's editor is in the picture: its controls and labels are not one colour.
    std::set<std::uint32_t> colours;
    for (std::size_t i = 54; i + 2 < bmp.size() && colours.size() < 3; i += 3)
        colours.insert(bmp[i] | (bmp[i + 1] << 8) | (static_cast<std::uint32_t>(bmp[i + 2]) << 16));
    EXPECT_GE(colours.size(), 3u) << "the screenshot holds fewer than three colours";
}

}  // namespace

namespace {

// The AudioSuite pre-roll primes the demo core's 64-sample lookahead with the selection's
// first samples however little each host read delivers, so the output lines up with its
// input: it is the input times the gain the analysis found, sample for sample.
// Twelve channels go as a generic layout: the file is extensible, and every channel
// comes back in its place.
TEST_F(DemoCommands, AudioSuiteOutputLinesUpWithItsInputWhateverTheHostReadsAtATime) {
    WavAudio input = WavNoise(3000);
    input.channels.resize(12, input.channels[0]);
    for (std::size_t c = 2; c < 12; ++c)
        for (float& sample : input.channels[c]) sample *= static_cast<float>(c) / 12.0f;
    WriteWavFile(files_.File("in.wav"), input);
    for (const char* limit : {"0", "64", "32", "7"}) {
        const ToolRun run = RunAaxhost({"audiosuite", Module(), "--in", files_.File("in.wav"), "--out",
                                        files_.File("out.wav"), "--read-limit", limit, "--float"});
        ASSERT_EQ(run.exitCode, 0u) << run.err;
        const WavAudio output = ReadWavFile(files_.File("out.wav"));
        ASSERT_EQ(output.ChannelCount(), 12u);
        const float gain = output.channels[0][100] / input.channels[0][100];
        ASSERT_GT(gain, 0.5f) << limit;
        for (std::size_t c = 0; c < 12; ++c)
            for (std::size_t i = 0; i < input.FrameCount(); ++i)
                ASSERT_NEAR(output.channels[c][i], gain * input.channels[c][i], 1e-5f)
                    << "read limit " << limit << ", channel " << c << ", sample " << i;
    }
}

}  // namespace
