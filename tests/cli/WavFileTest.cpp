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

TEST(WavRoundTrip, ReadingWhatWasWrittenGivesTheSameSamplesAndFormat) {
    const struct {
        SampleFormat format;
        bool extensible;
        std::size_t channels;
        std::size_t frames;
    } trips[] = {{SampleFormat::Pcm16, false, 1, 100}, {SampleFormat::Pcm16, false, 2, 3},
                 {SampleFormat::Pcm24, false, 1, 3},  // odd data: pad byte
                 {SampleFormat::Pcm24, true, 6, 50},   {SampleFormat::Float32, false, 2, 64},
                 {SampleFormat::Float32, true, 8, 10}, {SampleFormat::Pcm16, true, 2, 0}};
    for (const auto& trip : trips) {
        SCOPED_TRACE(std::to_string(trip.channels) + " channels, " + std::to_string(trip.frames) + " frames");
        const WavAudio audio = Signal(trip.format, trip.extensible, trip.channels, trip.frames);
        const Bytes bytes = SerializeWav(audio);
        const std::size_t sampleBytes = trip.format == SampleFormat::Pcm16   ? 2
                                        : trip.format == SampleFormat::Pcm24 ? 3
                                                                             : 4;
        const std::size_t data = trip.channels * trip.frames * sampleBytes;
        EXPECT_EQ(bytes.size(), 12 + 8 + (trip.extensible ? 40u : 16u) + 8 + data + (data & 1));
        const WavAudio back = ParseWav(bytes);
        EXPECT_EQ(back.sampleRate, 44100u);
        EXPECT_EQ(back.format, trip.format);
        EXPECT_EQ(back.extensible, trip.extensible);
        EXPECT_EQ(back.channelMask, audio.channelMask);
        EXPECT_EQ(back.channels, audio.channels);
    }
}

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

TEST(WavMalformed, IsRefusedNamingTheProblem) {
    const Malformed cases[] = {{"Empty", [](Bytes& b) { b.clear(); }, "too short"},
                               {"NotRiff", [](Bytes& b) { b[0] = 'X'; }, "not a RIFF/WAVE file"},
                               {"TruncatedData", [](Bytes& b) { b.resize(b.size() - 5); }, "truncated"},
                               {"DataChunkLongerThanRiff", [](Bytes& b) { Put32At(b, 40, 1000); }, "truncated"},
                               {"PartialFrame",
                                [](Bytes& b) {
                                    Put32At(b, 40, 30);
                                    b.resize(b.size() - 2);
                                    Put32At(b, 4, static_cast<std::uint32_t>(b.size() - 8));
                                },
                                "not whole frames"},
                               {"ZeroChannels", [](Bytes& b) { Put16At(b, 22, 0); }, "0 channels"},
                               {"TwentyFiveChannels", [](Bytes& b) { Put16At(b, 22, 25); }, "more than 24"},
                               {"EightBit", [](Bytes& b) { Put16At(b, 34, 8); }, "unsupported format"},
                               {"ALaw", [](Bytes& b) { Put16At(b, 20, 6); }, "unsupported format"},
                               {"WrongBlockAlign", [](Bytes& b) { Put16At(b, 32, 3); }, "block alignment"},
                               {"WrongByteRate", [](Bytes& b) { Put32At(b, 28, 1); }, "byte rate"},
                               {"ZeroRate", [](Bytes& b) { Put32At(b, 24, 0); }, "sample rate of 0"},
                               {"NoData", [](Bytes& b) { b[36] = 'j'; }, "no data chunk"},
                               {"NoFormat", [](Bytes& b) { b[12] = 'x'; }, "before the fmt chunk"},
                               {"ShortFormat", [](Bytes& b) { Put32At(b, 16, 14); }, "fewer than 16"},
                               {"ExtensibleADPCM",
                                [](Bytes& b) {
                                    b = SerializeWav(Signal(SampleFormat::Float32, true, 2, 4));
                                    b[12 + 8 + 24] = 2;  // the subformat's first byte
                                },
                                "unsupported format"}};
    for (const Malformed& c : cases) {
        Bytes bytes = SerializeWav(Signal(SampleFormat::Pcm16, false, 2, 8));  // fmt at 12, data header at 36
        c.damage(bytes);
        try {
            ParseWav(bytes);
            ADD_FAILURE() << c.name << " accepted";
        } catch (const WavError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << c.name << ": " << error.what();
        }
    }
}

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
