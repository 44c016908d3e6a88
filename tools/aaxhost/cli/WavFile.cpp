#include "aaxhost/cli/WavFile.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>

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

std::uint8_t* Store16(std::uint8_t* out, std::uint32_t v) {
    out[0] = static_cast<std::uint8_t>(v);
    out[1] = static_cast<std::uint8_t>(v >> 8);
    return out + 2;
}

std::uint8_t* EncodeSample(std::uint8_t* out, float sample, SampleFormat format) {
    switch (format) {
    case SampleFormat::Pcm16: return Store16(out, static_cast<std::uint32_t>(Quantise(sample, 32768.0)) & 0xFFFF);
    case SampleFormat::Pcm24: {
        const std::uint32_t value = static_cast<std::uint32_t>(Quantise(sample, 8388608.0));
        out[0] = static_cast<std::uint8_t>(value);
        out[1] = static_cast<std::uint8_t>(value >> 8);
        out[2] = static_cast<std::uint8_t>(value >> 16);
        return out + 3;
    }
    case SampleFormat::Float32: std::memcpy(out, &sample, 4); return out + 4;
    }
    return out;
}

// Where a file's samples lie, found through `readAt` (bytes at an offset) in a file of
// `total` bytes; the chunks are walked without reading the data chunk.
struct DataLocation {
    Format format;
    std::uint64_t offset = 0;
    std::uint32_t size = 0;
};

using ReadAt = std::function<void(std::uint64_t offset, std::uint8_t* bytes, std::size_t size)>;

DataLocation LocateData(std::uint64_t total, const ReadAt& readAt) {
    if (total < 12) throw WavError("too short for a RIFF/WAVE header");
    std::uint8_t riff[12];
    readAt(0, riff, sizeof riff);
    if (std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "WAVE", 4) != 0)
        throw WavError("not a RIFF/WAVE file");
    const std::uint64_t riffEnd = 8ull + Read32(riff + 4);
    if (riffEnd > total)
        throw WavError("truncated: the RIFF header declares " + std::to_string(riffEnd) + " bytes, the file has " +
                       std::to_string(total));
    bool haveFormat = false;
    bool haveData = false;
    DataLocation location;
    std::uint64_t offset = 12;
    while (offset < riffEnd) {
        if (riffEnd - offset < 8) throw WavError("truncated chunk header at byte " + std::to_string(offset));
        std::uint8_t header[8];
        readAt(offset, header, sizeof header);
        const std::uint32_t size = Read32(header + 4);
        const std::uint64_t body = offset + 8;
        if (body + size > riffEnd)
            throw WavError("truncated: the \"" + std::string(reinterpret_cast<const char*>(header), 4) +
                           "\" chunk declares " + std::to_string(size) + " bytes, " + std::to_string(riffEnd - body) +
                           " remain");
        if (std::memcmp(header, "fmt ", 4) == 0) {
            if (haveFormat) throw WavError("more than one fmt chunk");
            // ParseFormat reads no further than the extensible format's 40 bytes.
            std::uint8_t format[40] = {};
            readAt(body, format, std::min<std::size_t>(size, sizeof format));
            location.format = ParseFormat(format, size);
            haveFormat = true;
        } else if (std::memcmp(header, "data", 4) == 0) {
            if (!haveFormat) throw WavError("the data chunk comes before the fmt chunk");
            if (haveData) throw WavError("more than one data chunk");
            if (size % location.format.blockAlign != 0)
                throw WavError("the data chunk's " + std::to_string(size) + " bytes are not whole frames of " +
                               std::to_string(location.format.blockAlign) + " bytes");
            location.offset = body;
            location.size = size;
            haveData = true;
        }
        // A pad byte follows an odd-sized chunk; a file may end without the last one.
        offset = body + size + (size & 1u);
    }
    if (!haveFormat) throw WavError("no fmt chunk");
    if (!haveData) throw WavError("no data chunk");
    return location;
}

WavLayout LayoutOf(const DataLocation& location) {
    WavLayout layout;
    layout.sampleRate = location.format.sampleRate;
    layout.format = location.format.sampleFormat;
    layout.extensible = location.format.extensible;
    layout.channelMask = location.format.channelMask;
    layout.channels = location.format.channels;
    layout.frames = location.size / location.format.blockAlign;
    return layout;
}

// Decodes `frames` interleaved frames of `layout` into channels[k] from `at`.
void DecodeFrames(const std::uint8_t* data, std::size_t frames, const WavLayout& layout, float* const* channels,
                  std::size_t at) {
    const std::size_t sampleBytes = BitsOf(layout.format) / 8;
    const std::size_t frameBytes = sampleBytes * layout.channels;
    for (std::size_t channel = 0; channel < layout.channels; ++channel) {
        float* out = channels[channel];
        if (out == nullptr) continue;
        const std::uint8_t* in = data + channel * sampleBytes;
        for (std::size_t frame = 0; frame < frames; ++frame, in += frameBytes)
            out[at + frame] = DecodeSample(in, layout.format);
    }
}

// The header SerializeWav writes for `layout`; WavError for one it cannot write.
std::vector<std::uint8_t> HeaderBytes(const WavLayout& layout) {
    const std::size_t channels = layout.channels;
    const std::uint32_t bits = BitsOf(layout.format);
    const std::uint32_t blockAlign = static_cast<std::uint32_t>(channels) * bits / 8;
    const std::uint64_t dataSize = layout.frames * blockAlign;
    const bool extensible = layout.extensible || channels > kMostPlainWavChannels;
    const std::uint32_t formatSize = extensible ? 40 : 16;
    const std::uint64_t fileSize = WavFileSize(channels, layout.frames, layout.format, extensible);
    if (fileSize > kMaxWavFileSize) throw WavError("too long for a WAV file");
    const std::uint64_t riffSize = fileSize - 8;

    std::vector<std::uint8_t> out;
    PutTag(out, "RIFF");
    Put32(out, static_cast<std::uint32_t>(riffSize));
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, formatSize);
    const std::uint16_t tag = layout.format == SampleFormat::Float32 ? kFormatFloat : kFormatPcm;
    Put16(out, extensible ? kFormatExtensible : tag);
    Put16(out, static_cast<std::uint32_t>(channels));
    Put32(out, layout.sampleRate);
    Put32(out, layout.sampleRate * blockAlign);
    Put16(out, blockAlign);
    Put16(out, bits);
    if (extensible) {
        Put16(out, 22);
        Put16(out, bits);
        Put32(out, layout.channelMask);
        Put16(out, tag);
        out.insert(out.end(), std::begin(kSubformatTail), std::end(kSubformatTail));
    }
    PutTag(out, "data");
    Put32(out, static_cast<std::uint32_t>(dataSize));
    return out;
}

void CheckChannels(std::size_t channels, std::uint32_t sampleRate) {
    if (channels == 0) throw WavError("no channels to write");
    if (channels > kMaxWavChannels)
        throw WavError(std::to_string(channels) + " channels are more than a file may hold");
    if (sampleRate == 0) throw WavError("a sample rate of 0 cannot be written");
}

// A reader's and a writer's piece of about a megabyte, in whole frames.
constexpr std::size_t kPieceBytes = 1u << 20;

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
    const DataLocation location =
        LocateData(bytes.size(), [&](std::uint64_t offset, std::uint8_t* out, std::size_t size) {
            std::memcpy(out, bytes.data() + offset, size);
        });
    const WavLayout layout = LayoutOf(location);
    WavAudio audio;
    audio.sampleRate = layout.sampleRate;
    audio.format = layout.format;
    audio.extensible = layout.extensible;
    audio.channelMask = layout.channelMask;
    audio.channels.assign(layout.channels, std::vector<float>(static_cast<std::size_t>(layout.frames)));
    std::vector<float*> channels;
    for (auto& channel : audio.channels) channels.push_back(channel.data());
    DecodeFrames(bytes.data() + location.offset, static_cast<std::size_t>(layout.frames), layout, channels.data(), 0);
    return audio;
}

std::vector<std::uint8_t> SerializeWav(const WavAudio& audio) {
    const std::size_t channels = audio.ChannelCount();
    CheckChannels(channels, audio.sampleRate);
    const std::size_t frames = audio.FrameCount();
    for (const auto& channel : audio.channels)
        if (channel.size() != frames) throw WavError("channels of different lengths");
    WavLayout layout;
    layout.sampleRate = audio.sampleRate;
    layout.format = audio.format;
    layout.extensible = audio.extensible;
    layout.channelMask = audio.channelMask;
    layout.channels = channels;
    layout.frames = frames;
    std::vector<std::uint8_t> out = HeaderBytes(layout);
    const std::size_t header = out.size();
    const std::size_t dataSize = frames * channels * (BitsOf(audio.format) / 8);
    out.resize(header + dataSize + (dataSize & 1u), 0);
    std::uint8_t* at = out.data() + header;
    for (std::size_t frame = 0; frame < frames; ++frame)
        for (std::size_t channel = 0; channel < channels; ++channel)
            at = EncodeSample(at, audio.channels[channel][frame], audio.format);
    return out;
}

WavReader::WavReader(const std::string& path) : file_(std::make_unique<InputFile>(path)) {
    try {
        const DataLocation location =
            LocateData(file_->Size(), [&](std::uint64_t offset, std::uint8_t* out, std::size_t size) {
                file_->ReadAt(offset, out, size);
            });
        layout_ = LayoutOf(location);
        dataOffset_ = location.offset;
        frameBytes_ = location.format.blockAlign;
    } catch (const WavError& error) {
        throw WavError(path + ": " + error.what());
    }
    cache_.resize(std::max(kPieceBytes / frameBytes_, std::size_t{1}) * frameBytes_);
}

WavReader::~WavReader() = default;

void WavReader::Read(std::uint64_t position, std::size_t count, float* const* channels) {
    if (position > layout_.frames || count > layout_.frames - position)
        throw std::out_of_range(file_->Path() + ": a read past the end of the audio");
    const std::uint64_t cacheCapacity = cache_.size() / frameBytes_;
    std::size_t done = 0;
    while (done < count) {
        const std::uint64_t at = position + done;
        if (at < cacheStart_ || at >= cacheStart_ + cacheFrames_) {
            cacheStart_ = at;
            cacheFrames_ = std::min(cacheCapacity, layout_.frames - at);
            file_->ReadAt(dataOffset_ + at * frameBytes_, cache_.data(),
                          static_cast<std::size_t>(cacheFrames_ * frameBytes_));
        }
        const auto frames =
            static_cast<std::size_t>(std::min<std::uint64_t>(count - done, cacheStart_ + cacheFrames_ - at));
        DecodeFrames(cache_.data() + (at - cacheStart_) * frameBytes_, frames, layout_, channels, done);
        done += frames;
    }
}

WavWriter::WavWriter(OutputFiles& outputs, const std::string& path, const WavLayout& layout)
    : outputs_(outputs), file_(0), layout_(layout) {
    std::vector<std::uint8_t> header;
    try {
        CheckChannels(layout.channels, layout.sampleRate);
        header = HeaderBytes(layout);
    } catch (const WavError& error) {
        throw WavError(path + ": " + error.what());
    }
    file_ = outputs_.Open(path);
    const std::size_t frameBytes = layout.channels * (BitsOf(layout.format) / 8);
    buffer_.resize(std::max(kPieceBytes / frameBytes, std::size_t{1}) * frameBytes);
    outputs_.Append(file_, header.data(), header.size());
}

void WavWriter::Write(const float* const* channels, std::size_t count) {
    const std::size_t frameBytes = layout_.channels * (BitsOf(layout_.format) / 8);
    if (count > layout_.frames - written_) throw std::logic_error("more frames than the file's length");
    for (std::size_t frame = 0; frame < count; ++frame) {
        if (used_ + frameBytes > buffer_.size()) Flush();
        std::uint8_t* at = buffer_.data() + used_;
        for (std::size_t channel = 0; channel < layout_.channels; ++channel)
            at = EncodeSample(at, channels[channel][frame], layout_.format);
        used_ += frameBytes;
    }
    written_ += count;
}

void WavWriter::WriteSilence(std::size_t count) {
    std::vector<float> silence(std::min<std::size_t>(count, 4096), 0.0f);
    const std::vector<const float*> channels(layout_.channels, silence.data());
    while (count > 0) {
        const std::size_t piece = std::min(count, silence.size());
        Write(channels.data(), piece);
        count -= piece;
    }
}

void WavWriter::Flush() {
    outputs_.Append(file_, buffer_.data(), used_);
    used_ = 0;
}

void WavWriter::Finish() {
    if (written_ != layout_.frames) throw std::logic_error("a WAV file ended before its length");
    const std::uint64_t dataSize = layout_.frames * layout_.channels * (BitsOf(layout_.format) / 8);
    Flush();
    const std::uint8_t pad = 0;
    if (dataSize & 1u) outputs_.Append(file_, &pad, 1);
    outputs_.Finish(file_);
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
