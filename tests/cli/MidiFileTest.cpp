// Standard MIDI Files: event times through the tempo map, and malformed files refused.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "aaxhost/cli/MidiFile.h"

using namespace aaxhost::cli;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Header(std::uint16_t format, std::uint16_t tracks, std::uint16_t division) {
    Bytes header = {'M', 'T', 'h', 'd', 0, 0, 0, 6};
    for (const std::uint16_t value : {format, tracks, division})
        header.insert(header.end(), {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)});
    return header;
}

Bytes Track(const Bytes& events) {
    Bytes track = {'M', 'T', 'r', 'k'};
    for (int shift = 24; shift >= 0; shift -= 8) track.push_back(static_cast<std::uint8_t>(events.size() >> shift));
    track.insert(track.end(), events.begin(), events.end());
    return track;
}

Bytes File(const Bytes& header, const std::vector<Bytes>& tracks) {
    Bytes file = header;
    for (const Bytes& track : tracks) file.insert(file.end(), track.begin(), track.end());
    return file;
}

const Bytes kEnd = {0x00, 0xFF, 0x2F, 0x00};

Bytes Concat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(MidiFile, TypeZeroTimesFollowTempoChangesAndRunningStatus) {
    // 480 ticks per quarter at 120 BPM: a note on at 0, a running-status note on at 480
    // (0.5 s), tempo 60 BPM from 480, a controller at 960 (one second later) and a
    // one-data-byte program change with it.
    const Bytes events = Concat({0x00, 0x90, 60,   100,                    // 0: note on
                                 0x83, 0x60, 62,   90,                     // 480: running status
                                 0x00, 0xFF, 0x51, 3,   0x0F, 0x42, 0x40,  // 480: tempo 1000000
                                 0x83, 0x60, 0xB0, 7,   64,                // 960: controller
                                 0x00, 0xC0, 5},                           // 960: program change
                                kEnd);
    const MidiSequence sequence = ParseMidi(File(Header(0, 1, 480), {Track(events)}));
    ASSERT_EQ(sequence.events.size(), 4u);
    EXPECT_DOUBLE_EQ(sequence.events[0].seconds, 0.0);
    EXPECT_EQ(sequence.events[1].bytes[0], 0x90);
    EXPECT_EQ(sequence.events[1].bytes[1], 62);
    EXPECT_DOUBLE_EQ(sequence.events[1].seconds, 0.5);
    EXPECT_DOUBLE_EQ(sequence.events[2].seconds, 1.5);
    EXPECT_EQ(sequence.events[2].size, 3);
    EXPECT_EQ(sequence.events[3].size, 2);
    EXPECT_EQ(SampleOf(sequence.events[2], 48000.0), 72000);
}

TEST(MidiFile, RunningStatusDoesNotSurviveAMetaEvent) {
    const Bytes events = Concat({0x00, 0x90, 60, 100, 0x00, 0xFF, 0x01, 0, 0x00, 62, 90}, kEnd);
    EXPECT_THROW(ParseMidi(File(Header(0, 1, 480), {Track(events)})), MidiError);
}

TEST(MidiFile, TypeOneTempoTrackTimesTheOtherTracksAndEventsMergeByTime) {
    const Bytes slow = Concat({0x00, 0xFF, 0x51, 3, 0x0F, 0x42, 0x40}, kEnd);  // 60 BPM from 0
    const Bytes notesA = Concat({0x60, 0x90, 64, 1}, kEnd);                    // tick 96
    const Bytes notesB = Concat({0x30, 0x80, 64, 0}, kEnd);                    // tick 48
    const MidiSequence sequence = ParseMidi(File(Header(1, 3, 96), {Track(slow), Track(notesA), Track(notesB)}));
    ASSERT_EQ(sequence.events.size(), 2u);
    EXPECT_EQ(sequence.events[0].bytes[0], 0x80);
    EXPECT_DOUBLE_EQ(sequence.events[0].seconds, 0.5);
    EXPECT_DOUBLE_EQ(sequence.events[1].seconds, 1.0);
}

TEST(MidiFile, SmpteDivisionCountsFramesAndTicks) {
    // 25 frames per second, 40 ticks per frame: 1000 ticks per second.
    const Bytes events = Concat({0x87, 0x68, 0x90, 60, 1}, kEnd);  // 1000 ticks
    const MidiSequence sequence = ParseMidi(File(Header(0, 1, 0xE728), {Track(events)}));
    ASSERT_EQ(sequence.events.size(), 1u);
    EXPECT_DOUBLE_EQ(sequence.events[0].seconds, 1.0);
}

struct Malformed {
    const char* name;
    Bytes file;
    const char* message;
};

TEST(MidiMalformed, IsRefusedNamingTheProblem) {
    const Malformed cases[] =
        {{"NoHeader", {'R', 'I', 'F', 'F', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96}, "no MThd header"},
         {"TypeTwo", File(Header(2, 1, 96), {Track(kEnd)}), "type 2"},
         {"TypeZeroWithTwoTracks", File(Header(0, 2, 96), {Track(kEnd), Track(kEnd)}), "exactly one track"},
         {"ZeroDivision", File(Header(0, 1, 0), {Track(kEnd)}), "division is 0"},
         {"MissingTrack", File(Header(1, 2, 96), {Track(kEnd)}), "2 tracks declared, 1 found"},
         {"TrackLongerThanFile",
          Bytes{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k', 0, 0, 1, 0, 0},
          "more bytes than the file holds"},
         {"RunningStatusFirst", File(Header(0, 1, 96), {Track({0x00, 60, 100})}), "running status"},
         {"EventCutShort", File(Header(0, 1, 96), {Track({0x00, 0x90, 60})}), "ends inside an event"},
         {"LongNumber", File(Header(0, 1, 96), {Track({0x81, 0x81, 0x81, 0x81, 0x01})}), "longer than four bytes"},
         {"BadTempo", File(Header(0, 1, 96), {Track({0x00, 0xFF, 0x51, 2, 1, 1})}), "tempo event of 2 bytes"}};
    for (const Malformed& c : cases) {
        try {
            ParseMidi(c.file);
            ADD_FAILURE() << c.name << " accepted";
        } catch (const MidiError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << c.name << ": " << error.what();
        }
    }
}

}  // namespace
