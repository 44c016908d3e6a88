#include "aaxhost/cli/WavFile.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "aaxhost/cli/FileBytes.h"
#include "aaxhost/cli/OutputFiles.h"

namespace aaxhost::cli {
namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
// The subformat GUIDs of an extensible file are the format tag followed by these bytes.
constexpr std::uint8_t kSubformatTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                             0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

std::uint16_t Read16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t Read32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}
void PutTag(std::vector<std::uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

unsigned BitsOf(SampleFormat format) {
    switch (format) {
    case SampleFormat::Pcm16: return 16;
    case SampleFormat::Pcm24: return 24;
    case SampleFormat::Float32: return 32;
    }
    return 0;
}

struct Format {
    SampleFormat sampleFormat = SampleFormat::Float32;
    bool extensible = false;
    std::uint32_t channelMask = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t blockAlign = 0;
};

Format ParseFormat(const std::uint8_t* p, std::uint32_t size) {
    if (size < 16) throw WavError("the fmt chunk is " + std::to_string(size) + " bytes, fewer than 16");
    Format format;
    std::uint16_t tag = Read16(p);
    format.channels = Read16(p + 2);
    format.sampleRate = Read32(p + 4);
    const std::uint32_t byteRate = Read32(p + 8);
    format.blockAlign = Read16(p + 12);
    const std::uint16_t bits = Read16(p + 14);
    if (tag == kFormatExtensible) {
        if (size < 40 || Read16(p + 16) < 22) throw WavError("the extensible fmt chunk is too short for its extension");
        const std::uint16_t validBits = Read16(p + 18);
        if (validBits != bits)
            throw WavError("unsupported format: " + std::to_string(validBits) + " valid bits in " +
                           std::to_string(bits) + "-bit samples");
        format.extensible = true;
        format.channelMask = Read32(p + 20);
        tag = Read16(p + 24);
        if (std::memcmp(p + 26, kSubformatTail, sizeof kSubformatTail) != 0)
            throw WavError("unsupported format: an extensible subformat that is neither PCM nor IEEE float");
    }
    if (tag == kFormatPcm && bits == 16)
        format.sampleFormat = SampleFormat::Pcm16;
    else if (tag == kFormatPcm && bits == 24)
        format.sampleFormat = SampleFormat::Pcm24;
    else if (tag == kFormatFloat && bits == 32)
        format.sampleFormat = SampleFormat::Float32;
    else
        throw WavError("unsupported format: tag " + std::to_string(tag) + " with " + std::to_string(bits) +
                       " bits (16/24-bit PCM and 32-bit float are supported)");
    if (format.channels == 0) throw WavError("the file declares 0 channels");
    if (format.channels > kMaxWavChannels)
        throw WavError("the file declares " + std::to_string(format.channels) + " channels, more than " +
                       std::to_string(kMaxWavChannels));
    if (format.sampleRate < kMinWavSampleRate || format.sampleRate > kMaxWavSampleRate)
        throw WavError("the file declares a sample rate of " + std::to_string(format.sampleRate) + " Hz; " +
                       std::to_string(kMinWavSampleRate) + " to " + std::to_string(kMaxWavSampleRate) +
                       " are supported");
    if (format.blockAlign != format.channels * (bits / 8))
        throw WavError("the block alignment " + std::to_string(format.blockAlign) + " does not match " +
                       std::to_string(format.channels) + " channels of " + std::to_string(bits) + " bits");
    if (byteRate != static_cast<std::uint64_t>(format.sampleRate) * format.blockAlign)
        throw WavError("the byte rate " + std::to_string(byteRate) +
                       " does not match the sample rate and block alignment");
    return format;
}

float DecodeSample(const std::uint8_t* p, SampleFormat format) {
    switch (format) {
    case SampleFormat::Pcm16: return static_cast<float>(static_cast<std::int16_t>(Read16(p))) / 32768.0f;
    case SampleFormat::Pcm24: {
        std::int32_t value = p[0] | (p[1] << 8) | (p[2] << 16);
        if (value & 0x800000) value -= 0x1000000;
        return static_cast<float>(value) / 8388608.0f;
    }
    case SampleFormat::Float32: {
        const std::uint32_t bits = Read32(p);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    }
    return 0.0f;
}

std::int32_t Quantise(float sample, double scale) {
    if (std::isnan(sample)) return 0;
    const double scaled = std::nearbyint(static_cast<double>(sample) * scale);
    if (scaled < -scale) return static_cast<std::int32_t>(-scale);
    if (scaled > scale - 1.0) return static_cast<std::int32_t>(scale - 1.0);
    return static_cast<std::int32_t>(scaled);
}

void EncodeSample(std::vector<std::uint8_t>& out, float sample, SampleFormat format) {
    switch (format) {
    case SampleFormat::Pcm16: Put16(out, static_cast<std::uint32_t>(Quantise(sample, 32768.0)) & 0xFFFF); break;
    case SampleFormat::Pcm24: {
        const std::uint32_t value = static_cast<std::uint32_t>(Quantise(sample, 8388608.0));
        out.push_back(static_cast<std::uint8_t>(value));
        out.push_back(static_cast<std::uint8_t>(value >> 8));
        out.push_back(static_cast<std::uint8_t>(value >> 16));
        break;
    }
    case SampleFormat::Float32: {
        std::uint32_t bits;
        std::memcpy(&bits, &sample, sizeof bits);
        Put32(out, bits);
        break;
    }
    }
}

}  // namespace

const char* SampleFormatName(SampleFormat format) noexcept {
    switch (format) {
    case SampleFormat::Pcm16: return "16-bit PCM";
    case SampleFormat::Pcm24: return "24-bit PCM";
    case SampleFormat::Float32: return "32-bit float";
    }
    return "unknown format";
}

std::uint64_t WavFileSize(std::size_t channels, std::uint64_t frames, SampleFormat format, bool extensible) noexcept {
    const std::uint64_t dataSize = frames * channels * (BitsOf(format) / 8);
    const bool extensibleHeader = extensible || channels > kMostPlainWavChannels;
    return 12 + 8 + (extensibleHeader ? 40 : 16) + 8 + dataSize + (dataSize & 1u);
}

WavAudio ParseWav(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < 12) throw WavError("too short for a RIFF/WAVE header");
    if (std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        throw WavError("not a RIFF/WAVE file");
    const std::uint64_t riffEnd = 8ull + Read32(bytes.data() + 4);
    if (riffEnd > bytes.size())
        throw WavError("truncated: the RIFF header declares " + std::to_string(riffEnd) + " bytes, the file has " +
                       std::to_string(bytes.size()));
    bool haveFormat = false;
    Format format;
    const std::uint8_t* data = nullptr;
    std::uint32_t dataSize = 0;
    std::uint64_t offset = 12;
    while (offset < riffEnd) {
        if (riffEnd - offset < 8) throw WavError("truncated chunk header at byte " + std::to_string(offset));
        const std::uint8_t* header = bytes.data() + offset;
        const std::uint32_t size = Read32(header + 4);
        const std::uint64_t body = offset + 8;
        if (body + size > riffEnd)
            throw WavError("truncated: the \"" + std::string(reinterpret_cast<const char*>(header), 4) +
                           "\" chunk declares " + std::to_string(size) + " bytes, " + std::to_string(riffEnd - body) +
                           " remain");
        if (std::memcmp(header, "fmt ", 4) == 0) {
            if (haveFormat) throw WavError("more than one fmt chunk");
            format = ParseFormat(bytes.data() + body, size);
            haveFormat = true;
        } else if (std::memcmp(header, "data", 4) == 0) {
            if (!haveFormat) throw WavError("the data chunk comes before the fmt chunk");
            if (data != nullptr) throw WavError("more than one data chunk");
            if (size % format.blockAlign != 0)
                throw WavError("the data chunk's " + std::to_string(size) + " bytes are not whole frames of " +
                               std::to_string(format.blockAlign) + " bytes");
            data = bytes.data() + body;
            dataSize = size;
        }
        // A pad byte follows an odd-sized chunk; a file may end without the last one.
        offset = body + size + (size & 1u);
    }
    if (!haveFormat) throw WavError("no fmt chunk");
    if (data == nullptr) throw WavError("no data chunk");

    WavAudio audio;
    audio.sampleRate = format.sampleRate;
    audio.format = format.sampleFormat;
    audio.extensible = format.extensible;
    audio.channelMask = format.channelMask;
    const std::size_t frames = dataSize / format.blockAlign;
    const std::size_t sampleBytes = BitsOf(format.sampleFormat) / 8;
    audio.channels.assign(format.channels, std::vector<float>(frames));
    for (std::size_t frame = 0; frame < frames; ++frame)
        for (std::size_t channel = 0; channel < format.channels; ++channel)
            audio.channels[channel][frame] =
                DecodeSample(data + frame * format.blockAlign + channel * sampleBytes, format.sampleFormat);
    return audio;
}

std::vector<std::uint8_t> SerializeWav(const WavAudio& audio) {
    const std::size_t channels = audio.ChannelCount();
    if (channels == 0) throw WavError("no channels to write");
    if (channels > kMaxWavChannels)
        throw WavError(std::to_string(channels) + " channels are more than a file may hold");
    if (audio.sampleRate == 0) throw WavError("a sample rate of 0 cannot be written");
    const std::size_t frames = audio.FrameCount();
    for (const auto& channel : audio.channels)
        if (channel.size() != frames) throw WavError("channels of different lengths");
    const std::uint32_t bits = BitsOf(audio.format);
    const std::uint32_t blockAlign = static_cast<std::uint32_t>(channels) * bits / 8;
    const std::uint64_t dataSize = static_cast<std::uint64_t>(frames) * blockAlign;
    const bool extensible = audio.extensible || channels > kMostPlainWavChannels;
    const std::uint32_t formatSize = extensible ? 40 : 16;
    const std::uint64_t fileSize = WavFileSize(channels, frames, audio.format, extensible);
    if (fileSize > kMaxWavFileSize) throw WavError("too long for a WAV file");
    const std::uint64_t riffSize = fileSize - 8;

    std::vector<std::uint8_t> out;
    out.reserve(static_cast<std::size_t>(riffSize + 8));
    PutTag(out, "RIFF");
    Put32(out, static_cast<std::uint32_t>(riffSize));
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, formatSize);
    const std::uint16_t tag = audio.format == SampleFormat::Float32 ? kFormatFloat : kFormatPcm;
    Put16(out, extensible ? kFormatExtensible : tag);
    Put16(out, static_cast<std::uint32_t>(channels));
    Put32(out, audio.sampleRate);
    Put32(out, audio.sampleRate * blockAlign);
    Put16(out, blockAlign);
    Put16(out, bits);
    if (extensible) {
        Put16(out, 22);
        Put16(out, bits);
        Put32(out, audio.channelMask);
        Put16(out, tag);
        out.insert(out.end(), std::begin(kSubformatTail), std::end(kSubformatTail));
    }
    PutTag(out, "data");
    Put32(out, static_cast<std::uint32_t>(dataSize));
    for (std::size_t frame = 0; frame < frames; ++frame)
        for (std::size_t channel = 0; channel < channels; ++channel)
            EncodeSample(out, audio.channels[channel][frame], audio.format);
    if (dataSize & 1u) out.push_back(0);
    return out;
}

WavAudio ReadWavFile(const std::string& path) {
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    try {
        return ParseWav(bytes);
    } catch (const WavError& error) {
        throw WavError(path + ": " + error.what());
    }
}

void AddWavFile(OutputFiles& outputs, const std::string& path, const WavAudio& audio) {
    std::vector<std::uint8_t> bytes;
    try {
        bytes = SerializeWav(audio);
    } catch (const WavError& error) {
        throw WavError(path + ": " + error.what());
    }
    outputs.Add(path, bytes);
}

void WriteWavFile(const std::string& path, const WavAudio& audio) {
    OutputFiles outputs;
    AddWavFile(outputs, path, audio);
    outputs.Commit();
}

}  // namespace aaxhost::cli
