// The WAV reader and writer on good and malformed files.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "aaxhost/cli/FileBytes.h"
#include "aaxhost/cli/WavFile.h"
#include "support/ToolRun.h"

using namespace aaxhost::cli;

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32At(Bytes& bytes, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}
void Put16At(Bytes& bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

// Values every format holds exactly: multiples of 2^-15 within [-1, 1).
WavAudio Signal(SampleFormat format, bool extensible, std::size_t channels, std::size_t frames) {
    WavAudio audio;
    audio.sampleRate = 44100;
    audio.format = format;
    audio.extensible = extensible;
    audio.channelMask = extensible ? 0x3Fu : 0u;
    audio.channels.assign(channels, std::vector<float>(frames));
    for (std::size_t c = 0; c < channels; ++c)
        for (std::size_t i = 0; i < frames; ++i)
            audio.channels[c][i] =
                static_cast<float>(static_cast<int>((i * 7919 + c * 104729) % 65536) - 32768) / 32768.0f;
    return audio;
}

struct RoundTrip {
    SampleFormat format;
    bool extensible;
    std::size_t channels;
    std::size_t frames;
};

class WavRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(WavRoundTrip, ReadingWhatWasWrittenGivesTheSameSamplesAndFormat) {
    const RoundTrip& trip = GetParam();
    const WavAudio audio = Signal(trip.format, trip.extensible, trip.channels, trip.frames);
    const Bytes bytes = SerializeWav(audio);
    const std::size_t sampleBytes = trip.format == SampleFormat::Pcm16 ? 2 : trip.format == SampleFormat::Pcm24 ? 3 : 4;
    const std::size_t data = trip.channels * trip.frames * sampleBytes;
    EXPECT_EQ(bytes.size(), 12 + 8 + (trip.extensible ? 40u : 16u) + 8 + data + (data & 1));
    const WavAudio back = ParseWav(bytes);
    EXPECT_EQ(back.sampleRate, 44100u);
    EXPECT_EQ(back.format, trip.format);
    EXPECT_EQ(back.extensible, trip.extensible);
    EXPECT_EQ(back.channelMask, audio.channelMask);
    EXPECT_EQ(back.channels, audio.channels);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, WavRoundTrip,
    ::testing::Values(RoundTrip{SampleFormat::Pcm16, false, 1, 100}, RoundTrip{SampleFormat::Pcm16, false, 2, 3},
                      RoundTrip{SampleFormat::Pcm24, false, 1, 3},  // odd data: pad byte
                      RoundTrip{SampleFormat::Pcm24, true, 6, 50}, RoundTrip{SampleFormat::Float32, false, 2, 64},
                      RoundTrip{SampleFormat::Float32, true, 8, 10}, RoundTrip{SampleFormat::Pcm16, true, 2, 0}));

TEST(WavFile, IntegerSamplesAreClippedToTheirRangeAndNaNBecomesSilence) {
    WavAudio audio;
    audio.format = SampleFormat::Pcm16;
    audio.channels = {{2.0f, -2.0f, 0.5f, std::nanf("")}};
    const WavAudio back = ParseWav(SerializeWav(audio));
    EXPECT_EQ(back.channels[0], (std::vector<float>{32767.0f / 32768.0f, -1.0f, 0.5f, 0.0f}));
}

TEST(WavFile, UnknownChunksAreSkippedAndOddChunksPadded) {
    Bytes bytes = SerializeWav(Signal(SampleFormat::Pcm16, false, 1, 4));
    // Insert an odd-sized "LIST" chunk with its pad byte between fmt and data.
    const Bytes list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    bytes.insert(bytes.begin() + 36, list.begin(), list.end());
    Put32At(bytes, 4, static_cast<std::uint32_t>(bytes.size() - 8));
    EXPECT_EQ(ParseWav(bytes).channels, Signal(SampleFormat::Pcm16, false, 1, 4).channels);
}

struct Malformed {
    const char* name;
    std::function<void(Bytes&)> damage;
    const char* message;  // part of the error
};

class WavMalformed : public ::testing::TestWithParam<Malformed> {};

TEST_P(WavMalformed, IsRefusedNamingTheProblem) {
    Bytes bytes = SerializeWav(Signal(SampleFormat::Pcm16, false, 2, 8));  // fmt at 12, data header at 36
    GetParam().damage(bytes);
    try {
        ParseWav(bytes);
        FAIL() << "accepted";
    } catch (const WavError& error) {
        EXPECT_NE(std::string(error.what()).find(GetParam().message), std::string::npos) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, WavMalformed,
    ::testing::Values(Malformed{"Empty", [](Bytes& b) { b.clear(); }, "too short"},
                      Malformed{"NotRiff", [](Bytes& b) { b[0] = 'X'; }, "not a RIFF/WAVE file"},
                      Malformed{"TruncatedData", [](Bytes& b) { b.resize(b.size() - 5); }, "truncated"},
                      Malformed{"DataChunkLongerThanRiff", [](Bytes& b) { Put32At(b, 40, 1000); }, "truncated"},
                      Malformed{"PartialFrame",
                                [](Bytes& b) {
                                    Put32At(b, 40, 30);
                                    b.resize(b.size() - 2);
                                    Put32At(b, 4, static_cast<std::uint32_t>(b.size() - 8));
                                },
                                "not whole frames"},
                      Malformed{"ZeroChannels", [](Bytes& b) { Put16At(b, 22, 0); }, "0 channels"},
                      Malformed{"TwentyFiveChannels", [](Bytes& b) { Put16At(b, 22, 25); }, "more than 24"},
                      Malformed{"EightBit", [](Bytes& b) { Put16At(b, 34, 8); }, "unsupported format"},
                      Malformed{"ALaw", [](Bytes& b) { Put16At(b, 20, 6); }, "unsupported format"},
                      Malformed{"WrongBlockAlign", [](Bytes& b) { Put16At(b, 32, 3); }, "block alignment"},
                      Malformed{"WrongByteRate", [](Bytes& b) { Put32At(b, 28, 1); }, "byte rate"},
                      Malformed{"ZeroRate", [](Bytes& b) { Put32At(b, 24, 0); }, "sample rate of 0"},
                      Malformed{"NoData", [](Bytes& b) { b[36] = 'j'; }, "no data chunk"},
                      Malformed{"NoFormat", [](Bytes& b) { b[12] = 'x'; }, "before the fmt chunk"},
                      Malformed{"ShortFormat", [](Bytes& b) { Put32At(b, 16, 14); }, "fewer than 16"},
                      Malformed{"ExtensibleADPCM",
                                [](Bytes& b) {
                                    b = SerializeWav(Signal(SampleFormat::Float32, true, 2, 4));
                                    b[12 + 8 + 24] = 2;  // the subformat's first byte
                                },
                                "unsupported format"}),
    [](const ::testing::TestParamInfo<Malformed>& info) { return std::string(info.param.name); });

TEST(WavFile, FileErrorsNameTheFile) {
    const ScratchFolder folder(L"cli");
    const std::string path = folder.File("short.wav");
    aaxhost::cli::WriteFileBytes(path, Bytes{'R', 'I', 'F', 'F'});
    try {
        ReadWavFile(path);
        FAIL() << "accepted";
    } catch (const WavError& error) {
        EXPECT_EQ(std::string(error.what()), path + ": too short for a RIFF/WAVE header");
    }
    const WavAudio audio = Signal(SampleFormat::Pcm24, false, 2, 5);
    WriteWavFile(folder.File("ok.wav"), audio);
    EXPECT_EQ(ReadWavFile(folder.File("ok.wav")).channels, audio.channels);
}

}  // namespace
