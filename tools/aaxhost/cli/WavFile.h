#pragma once
// WAV files as aaxhost reads and writes them: RIFF/WAVE with a "fmt " chunk for 16- or
// 24-bit integer PCM or 32-bit IEEE float, plain or WAVE_FORMAT_EXTENSIBLE with one of
// those subformats, 1 to 8 channels. Odd-sized chunks carry their pad byte; chunks
// other than "fmt " and "data" are skipped. Anything else (a truncated file, sizes that
// disagree, 0 channels, a sample rate outside 1000 to 768000 Hz, another format) is refused with WavError naming the problem.
// Samples are held as floats per channel: integer PCM is scaled by 2^(bits-1) both
// ways and clipped to its range when written (NaN as 0), so integer files round-trip exactly.
// Parse/Serialize are pure; ReadWavFile/WriteWavFile add the file and its name to
// messages. WavReader and WavWriter do the same a piece at a time, for files too long to
// hold: the commands stream, their memory bounded by blocks, not by files. [any-thread]

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace aaxhost::cli {

class WavError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class SampleFormat { Pcm16, Pcm24, Float32 };
// "16-bit PCM", "24-bit PCM", "32-bit float".
const char* SampleFormatName(SampleFormat format) noexcept;

struct WavAudio {
    std::uint32_t sampleRate = 48000;
    SampleFormat format = SampleFormat::Float32;
    bool extensible = false;                   // written as WAVE_FORMAT_EXTENSIBLE
    std::uint32_t channelMask = 0;             // speaker mask of an extensible file
    std::vector<std::vector<float>> channels;  // all of the same length

    std::size_t ChannelCount() const noexcept { return channels.size(); }
    std::size_t FrameCount() const noexcept { return channels.empty() ? 0 : channels.front().size(); }
};

// The widest channel configuration an effect takes; more than 8 channels are written
// in the extensible format.
constexpr std::size_t kMaxWavChannels = 24;
constexpr std::size_t kMostPlainWavChannels = 8;
// The sample rates a file may declare, the same that render's --rate takes.
constexpr std::uint32_t kMinWavSampleRate = 1000;
constexpr std::uint32_t kMaxWavSampleRate = 768000;

// The bytes a file of `frames` frames of `channels` channels takes, header and pad byte
// included, and the most a file can take: its RIFF size field counts 32 bits. Pure.
std::uint64_t WavFileSize(std::size_t channels, std::uint64_t frames, SampleFormat format, bool extensible) noexcept;
constexpr std::uint64_t kMaxWavFileSize = 0xFFFFFFFFull + 8;

// The audio of a whole file's bytes; WavError without the file name.
WavAudio ParseWav(const std::vector<std::uint8_t>& bytes);
// The bytes of a file holding `audio`; WavError for audio it cannot write (no
// channels, too many, channels of different lengths, a rate of 0, over 4 GiB).
std::vector<std::uint8_t> SerializeWav(const WavAudio& audio);

class OutputFiles;
class InputFile;

// The shape of a file's audio, without its samples.
struct WavLayout {
    std::uint32_t sampleRate = 48000;
    SampleFormat format = SampleFormat::Float32;
    bool extensible = false;
    std::uint32_t channelMask = 0;
    std::size_t channels = 0;
    std::uint64_t frames = 0;
};

// A WAV file's audio read on demand: the header is checked as ParseWav checks it when
// the reader opens; frames come from anywhere in the file, through a cache of about a
// megabyte, so that reads that go forward touch the file once.
class WavReader {
public:
    // `path` is UTF-8; errors read "<path>: <problem>".
    explicit WavReader(const std::string& path);
    ~WavReader();
    WavReader(const WavReader&) = delete;
    WavReader& operator=(const WavReader&) = delete;

    const WavLayout& Layout() const noexcept { return layout_; }
    // `count` frames from `position` (within the file: std::out_of_range otherwise) into
    // channels[k] for each of the file's channels; null entries are skipped.
    void Read(std::uint64_t position, std::size_t count, float* const* channels);

private:
    std::unique_ptr<InputFile> file_;
    WavLayout layout_;
    std::uint64_t dataOffset_ = 0;
    std::size_t frameBytes_ = 0;
    std::vector<std::uint8_t> cache_;
    std::uint64_t cacheStart_ = 0;  // the first frame the cache holds
    std::uint64_t cacheFrames_ = 0;
};

// A WAV file written a piece at a time, as one of a command's outputs: the header, with
// the length the layout gives, when it opens, then frames in order. The bytes are those
// SerializeWav gives for the same audio.
class WavWriter {
public:
    // Refuses a layout SerializeWav refuses, with its messages after "<path>: ".
    WavWriter(OutputFiles& outputs, const std::string& path, const WavLayout& layout);
    // Appends `count` frames: channels[k] for each of the layout's channels.
    void Write(const float* const* channels, std::size_t count);
    // Appends `count` frames of silence.
    void WriteSilence(std::size_t count);
    // Ends the file, which must hold the layout's frames (std::logic_error otherwise).
    void Finish();

private:
    void Flush();

    OutputFiles& outputs_;
    std::size_t file_;
    WavLayout layout_;
    std::uint64_t written_ = 0;
    std::vector<std::uint8_t> buffer_;
    std::size_t used_ = 0;
};

// `path` is UTF-8. Errors read "<path>: <problem>".
WavAudio ReadWavFile(const std::string& path);
// Writes the file all or nothing; AddWavFile makes it one of a command's outputs.
void WriteWavFile(const std::string& path, const WavAudio& audio);
void AddWavFile(OutputFiles& outputs, const std::string& path, const WavAudio& audio);

}  // namespace aaxhost::cli
