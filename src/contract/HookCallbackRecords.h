#pragma once
// The small records of core-to-hook callbacks (PluginHookCallback). Owned by the core
// for the call; the hook reads the inputs and writes the outputs named here.

#include <cstddef>
#include <cstdint>

#include "contract/RecordLayout.h"

// Callback 1: a parameter edit from the core's editor.
struct ParameterEditRecord {
    std::uint32_t operation;  // 0 begin, 1 set, 2 end
    std::uint32_t coreIndex;
    float value;  // real value in the parameter's own range
};
LM_RECORD_TRAITS(ParameterEditRecord);
static_assert(sizeof(ParameterEditRecord) == 12, "");
static_assert(offsetof(ParameterEditRecord, operation) == 0, "");
static_assert(offsetof(ParameterEditRecord, coreIndex) == 4, "");
static_assert(offsetof(ParameterEditRecord, value) == 8, "");

// Callback 2: the core's latency.
struct LatencyRecord {
    std::uint32_t samples;
};
LM_RECORD_TRAITS(LatencyRecord);
static_assert(sizeof(LatencyRecord) == 4, "");

// Callback 6: host-information lookup; the hook never finds an entry.
struct HostInfoLookupRecord {
    const char* key;
    const char* second;
    std::uint32_t value;  // out
    std::uint32_t found;  // out
};
LM_RECORD_TRAITS(HostInfoLookupRecord);
static_assert(sizeof(HostInfoLookupRecord) == 24, "");
static_assert(offsetof(HostInfoLookupRecord, key) == 0, "");
static_assert(offsetof(HostInfoLookupRecord, second) == 8, "");
static_assert(offsetof(HostInfoLookupRecord, value) == 16, "");
static_assert(offsetof(HostInfoLookupRecord, found) == 20, "");

// Callbacks 7 to 10: a capability query. Callbacks 7 to 9 carry a flag at offset 0;
// the answer byte is then written over the flag's first byte, as for callback 10.
struct CapabilityQueryRecord {
    std::uint32_t flag;  // callbacks 7 to 9: non-zero marks the usage kind "adv"
};
LM_RECORD_TRAITS(CapabilityQueryRecord);
static_assert(sizeof(CapabilityQueryRecord) == 4, "");

struct CapabilityAnswerRecord {
    std::uint8_t answer;  // written by the hook
};
LM_RECORD_TRAITS(CapabilityAnswerRecord);
static_assert(sizeof(CapabilityAnswerRecord) == 1, "");

// Callback 11: the core resizes its editor.
struct EditorSizeRecord {
    std::uint32_t width;   // pixels
    std::uint32_t height;  // pixels
};
LM_RECORD_TRAITS(EditorSizeRecord);
static_assert(sizeof(EditorSizeRecord) == 8, "");
static_assert(offsetof(EditorSizeRecord, width) == 0, "");
static_assert(offsetof(EditorSizeRecord, height) == 4, "");

// Callback 14: the track name, pointing into the hook object's own storage.
struct TrackNameRecord {
    std::uint32_t present;  // 1 when the hook holds a track name
    std::uint32_t length;   // bytes, written only when present
    const char* bytes;      // UTF-8, written only when present
};
LM_RECORD_TRAITS(TrackNameRecord);
static_assert(sizeof(TrackNameRecord) == 16, "");
static_assert(offsetof(TrackNameRecord, present) == 0, "");
static_assert(offsetof(TrackNameRecord, length) == 4, "");
static_assert(offsetof(TrackNameRecord, bytes) == 8, "");

// Callback 16: a request the hook answers through slot AnswerCoreRequest.
struct CoreAnswerRecord {
    std::uint32_t a;
    std::uint32_t b;
    std::uint32_t c;
    std::uint32_t padding12;
    std::uint64_t d;
    std::uint32_t result;   // written by the dispatcher: 0 or 1
    std::uint8_t bytes[4];  // passed by address; their extent is the core's
};
LM_RECORD_TRAITS(CoreAnswerRecord);
static_assert(sizeof(CoreAnswerRecord) == 32, "");
static_assert(offsetof(CoreAnswerRecord, a) == 0, "");
static_assert(offsetof(CoreAnswerRecord, b) == 4, "");
static_assert(offsetof(CoreAnswerRecord, c) == 8, "");
static_assert(offsetof(CoreAnswerRecord, d) == 16, "");
static_assert(offsetof(CoreAnswerRecord, result) == 24, "");
static_assert(offsetof(CoreAnswerRecord, bytes) == 28, "");

// Callback 17.
struct CoreFlagRecord {
    std::uint8_t value;
};
LM_RECORD_TRAITS(CoreFlagRecord);
static_assert(sizeof(CoreFlagRecord) == 1, "");

// Callback 18: three capability outputs; `a` is written back as 0 or 1.
struct CapabilitiesRecord {
    std::uint32_t a;
    std::uint32_t b;
    std::uint32_t c;
};
LM_RECORD_TRAITS(CapabilitiesRecord);
static_assert(sizeof(CapabilitiesRecord) == 12, "");
static_assert(offsetof(CapabilitiesRecord, a) == 0, "");
static_assert(offsetof(CapabilitiesRecord, b) == 4, "");
static_assert(offsetof(CapabilitiesRecord, c) == 8, "");

// Callbacks 19 and 20: seconds the core took to create the instance / open the editor.
struct SecondsOut {
    float seconds;
};
LM_RECORD_TRAITS(SecondsOut);
static_assert(sizeof(SecondsOut) == 4, "");

// Callback 21: a command from the core (0x4460FCEA asks for a new analysis).
struct CoreCommandRecord {
    std::uint32_t code;
    std::uint32_t value;
    std::uint64_t data;
};
LM_RECORD_TRAITS(CoreCommandRecord);
static_assert(sizeof(CoreCommandRecord) == 16, "");
static_assert(offsetof(CoreCommandRecord, code) == 0, "");
static_assert(offsetof(CoreCommandRecord, value) == 4, "");
static_assert(offsetof(CoreCommandRecord, data) == 8, "");

// Callback 12: one u32 the hook writes (0).
struct CoreValueOut {
    std::uint32_t value;
};
LM_RECORD_TRAITS(CoreValueOut);
static_assert(sizeof(CoreValueOut) == 4, "");
