#pragma once
// Standard MIDI Files (type 0 or 1) as aaxhost renders them: every channel-voice event
// (note on/off, controller, program, pressure, pitch bend) of every track, with its time
// in seconds through the file's tempo map (tempo meta events of any track; 120 BPM
// until the first) or its SMPTE timing. Meta and system-exclusive events are read past.
// A malformed file (no header, truncated chunks, a running status with nothing to
// run, an over-long number, type 2) is refused with MidiError naming the problem.
// ParseMidi is pure. [any-thread]

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace aaxhost::cli {

class MidiError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct MidiEvent {
    std::uint64_t tick = 0;
    double seconds = 0.0;
    std::uint8_t bytes[3] = {0, 0, 0};
    std::uint8_t size = 0;  // 2 or 3
};

struct MidiSequence {
    std::uint16_t format = 0;
    std::uint16_t trackCount = 0;
    std::uint16_t division = 0;     // ticks per quarter, or SMPTE (top bit set)
    std::vector<MidiEvent> events;  // by time; events at one time keep their file order
};

MidiSequence ParseMidi(const std::vector<std::uint8_t>& bytes);
// `path` is UTF-8; errors read "<path>: <problem>".
MidiSequence ReadMidiFile(const std::string& path);

// The sample at which an event falls at `sampleRate`, rounded to the nearest.
std::int64_t SampleOf(const MidiEvent& event, double sampleRate) noexcept;

}  // namespace aaxhost::cli
