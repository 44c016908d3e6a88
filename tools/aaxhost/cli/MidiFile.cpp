#include "aaxhost/cli/MidiFile.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>

#include "aaxhost/cli/FileBytes.h"

namespace aaxhost::cli {
namespace {

constexpr std::uint32_t kDefaultTempo = 500000;  // microseconds per quarter: 120 BPM

std::uint32_t Read32BE(const std::uint8_t* p) {
    return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
           (static_cast<std::uint32_t>(p[2]) << 8) | p[3];
}
std::uint16_t Read16BE(const std::uint8_t* p) { return static_cast<std::uint16_t>((p[0] << 8) | p[1]); }

class TrackReader {
public:
    TrackReader(const std::uint8_t* begin, const std::uint8_t* end, int track) : p_(begin), end_(end), track_(track) {}

    bool AtEnd() const noexcept { return p_ == end_; }
    std::uint8_t Byte() {
        if (p_ == end_) Fail("ends inside an event");
        return *p_++;
    }
    std::uint8_t Peek() {
        if (p_ == end_) Fail("ends inside an event");
        return *p_;
    }
    std::uint32_t Number() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t byte = Byte();
            value = (value << 7) | (byte & 0x7Fu);
            if ((byte & 0x80u) == 0) return value;
        }
        Fail("has a variable-length number longer than four bytes");
    }
    const std::uint8_t* Skip(std::uint32_t count) {
        if (static_cast<std::size_t>(end_ - p_) < count) Fail("ends inside an event");
        const std::uint8_t* start = p_;
        p_ += count;
        return start;
    }
    [[noreturn]] void Fail(const std::string& problem) const {
        throw MidiError("track " + std::to_string(track_ + 1) + " " + problem);
    }

private:
    const std::uint8_t* p_;
    const std::uint8_t* end_;
    int track_;
};

int DataBytesOf(std::uint8_t status) { return (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2; }

}  // namespace

MidiSequence ParseMidi(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < 14 || std::memcmp(bytes.data(), "MThd", 4) != 0)
        throw MidiError("not a Standard MIDI File (no MThd header)");
    const std::uint32_t headerSize = Read32BE(bytes.data() + 4);
    if (headerSize < 6 || 8ull + headerSize > bytes.size()) throw MidiError("the MThd header has a wrong size");
    MidiSequence sequence;
    sequence.format = Read16BE(bytes.data() + 8);
    sequence.trackCount = Read16BE(bytes.data() + 10);
    sequence.division = Read16BE(bytes.data() + 12);
    if (sequence.format > 1) throw MidiError("type " + std::to_string(sequence.format) + " files are not supported");
    if (sequence.format == 0 && sequence.trackCount != 1) throw MidiError("a type 0 file must have exactly one track");
    if ((sequence.division & 0x7FFF) == 0 || ((sequence.division & 0x8000) && (sequence.division & 0xFF) == 0))
        throw MidiError("the time division is 0");

    std::map<std::uint64_t, std::uint32_t> tempos;  // tick -> microseconds per quarter; the last at a tick wins
    std::size_t offset = 8 + headerSize;
    int track = 0;
    while (track < sequence.trackCount) {
        if (bytes.size() - offset < 8)
            throw MidiError("truncated: " + std::to_string(sequence.trackCount) + " tracks declared, " +
                            std::to_string(track) + " found");
        const std::uint32_t size = Read32BE(bytes.data() + offset + 4);
        if (size > bytes.size() - offset - 8)
            throw MidiError("truncated: track chunk " + std::to_string(track + 1) +
                            " declares more bytes than the file holds");
        const std::uint8_t* body = bytes.data() + offset + 8;
        offset += 8ull + size;
        if (std::memcmp(body - 8, "MTrk", 4) != 0) continue;  // unknown chunks are skipped

        TrackReader reader(body, body + size, track);
        std::uint64_t tick = 0;
        std::uint8_t running = 0;
        bool ended = false;
        while (!reader.AtEnd() && !ended) {
            tick += reader.Number();
            std::uint8_t status = reader.Peek();
            if (status < 0x80) {
                if (running == 0) reader.Fail("uses running status before any status byte");
                status = running;
            } else {
                reader.Byte();
            }
            if (status == 0xFF) {
                const std::uint8_t type = reader.Byte();
                const std::uint32_t length = reader.Number();
                const std::uint8_t* data = reader.Skip(length);
                if (type == 0x51) {
                    if (length != 3) reader.Fail("has a tempo event of " + std::to_string(length) + " bytes");
                    const std::uint32_t tempo = (data[0] << 16) | (data[1] << 8) | data[2];
                    if (tempo == 0) reader.Fail("has a tempo of 0");
                    tempos[tick] = tempo;
                } else if (type == 0x2F) {
                    ended = true;
                }
                running = 0;
            } else if (status == 0xF0 || status == 0xF7) {
                reader.Skip(reader.Number());
                running = 0;
            } else if (status >= 0xF0) {
                reader.Fail("has a system status byte " + std::to_string(status) + " that does not belong in a file");
            } else {
                running = status;
                MidiEvent event;
                event.tick = tick;
                event.bytes[0] = status;
                event.size = static_cast<std::uint8_t>(1 + DataBytesOf(status));
                for (int i = 1; i < event.size; ++i) {
                    event.bytes[i] = reader.Byte();
                    if (event.bytes[i] & 0x80) reader.Fail("has a data byte with its top bit set");
                }
                sequence.events.push_back(event);
            }
        }
        ++track;
    }

    std::stable_sort(sequence.events.begin(), sequence.events.end(),
                     [](const MidiEvent& a, const MidiEvent& b) { return a.tick < b.tick; });
    if (sequence.division & 0x8000) {
        const int frames = -static_cast<std::int8_t>(sequence.division >> 8);
        const double framesPerSecond = frames == 29 ? 30000.0 / 1001.0 : frames;
        const double ticksPerSecond = framesPerSecond * (sequence.division & 0xFF);
        for (MidiEvent& event : sequence.events) event.seconds = static_cast<double>(event.tick) / ticksPerSecond;
    } else {
        const double ticksPerQuarter = sequence.division;
        std::uint64_t segmentTick = 0;
        double segmentSeconds = 0.0;
        std::uint32_t tempo = kDefaultTempo;
        auto next = tempos.begin();
        for (MidiEvent& event : sequence.events) {
            while (next != tempos.end() && next->first <= event.tick) {
                segmentSeconds += static_cast<double>(next->first - segmentTick) * tempo / 1e6 / ticksPerQuarter;
                segmentTick = next->first;
                tempo = next->second;
                ++next;
            }
            event.seconds =
                segmentSeconds + static_cast<double>(event.tick - segmentTick) * tempo / 1e6 / ticksPerQuarter;
        }
    }
    return sequence;
}

MidiSequence ReadMidiFile(const std::string& path) {
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    try {
        return ParseMidi(bytes);
    } catch (const MidiError& error) {
        throw MidiError(path + ": " + error.what());
    }
}

std::int64_t SampleOf(const MidiEvent& event, double sampleRate) noexcept {
    return std::llround(event.seconds * sampleRate);
}

}  // namespace aaxhost::cli
