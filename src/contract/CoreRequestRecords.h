#pragma once
// The small records of hook-to-core requests. Owned by the hook for the call.

#include <cstddef>
#include <cstdint>

#include "contract/RecordLayout.h"

// Selectors 8, 18 and 35: one u32 the core writes.
struct U32Out {
    std::uint32_t value;
};
LM_RECORD_TRAITS(U32Out);
static_assert(sizeof(U32Out) == 4, "");

// Selector 11: a parameter's real (not normalised) value.
struct ParameterValueRecord {
    std::uint32_t coreIndex;
    float value;
};
LM_RECORD_TRAITS(ParameterValueRecord);
static_assert(sizeof(ParameterValueRecord) == 8, "");
static_assert(offsetof(ParameterValueRecord, coreIndex) == 0, "");
static_assert(offsetof(ParameterValueRecord, value) == 4, "");

// Selector 17: sample rate and channel configuration.
struct ConfigureRecord {
    float sampleRate;             // Hz
    std::uint32_t channelConfig;  // ChannelConfig code
};
LM_RECORD_TRAITS(ConfigureRecord);
static_assert(sizeof(ConfigureRecord) == 8, "");
static_assert(offsetof(ConfigureRecord, sampleRate) == 0, "");
static_assert(offsetof(ConfigureRecord, channelConfig) == 4, "");

// Selector 21.
struct OfflineModeRecord {
    std::uint32_t on;  // 1 on, 0 off
};
LM_RECORD_TRAITS(OfflineModeRecord);
static_assert(sizeof(OfflineModeRecord) == 4, "");

// Selector 24: MIDI drained for one block; two arrays of `count` entries.
struct MidiBatchRecord {
    std::uint64_t count;
    const std::uint32_t* words;    // status << 24 | data1 << 16 | data2 << 8
    const std::uint32_t* offsets;  // sample offsets within the block
};
LM_RECORD_TRAITS(MidiBatchRecord);
static_assert(sizeof(MidiBatchRecord) == 24, "");
static_assert(offsetof(MidiBatchRecord, count) == 0, "");
static_assert(offsetof(MidiBatchRecord, words) == 8, "");
static_assert(offsetof(MidiBatchRecord, offsets) == 16, "");

// Selector 36: a u32 in, a text out from offset 4.
struct TextQueryRecord {
    std::uint32_t in;
    char text[1024];  // NUL-terminated by the core
};
LM_RECORD_TRAITS(TextQueryRecord);
static_assert(sizeof(TextQueryRecord) == 1028, "");
static_assert(offsetof(TextQueryRecord, in) == 0, "");
static_assert(offsetof(TextQueryRecord, text) == 4, "");

// Selector 39: the AudioSuite selection length.
struct SelectionLengthRecord {
    std::uint64_t length;  // samples
    std::uint8_t present;  // 1
    std::uint8_t padding9[7];
};
LM_RECORD_TRAITS(SelectionLengthRecord);
static_assert(sizeof(SelectionLengthRecord) == 16, "");
static_assert(offsetof(SelectionLengthRecord, length) == 0, "");
static_assert(offsetof(SelectionLengthRecord, present) == 8, "");

// Selector 42: a notification (processing phases, time-code offset, preview).
struct NotifyRecord {
    std::uint32_t event;
    std::uint32_t value;
    std::uint64_t pointer;  // event-specific data, or 0
};
LM_RECORD_TRAITS(NotifyRecord);
static_assert(sizeof(NotifyRecord) == 16, "");
static_assert(offsetof(NotifyRecord, event) == 0, "");
static_assert(offsetof(NotifyRecord, value) == 4, "");
static_assert(offsetof(NotifyRecord, pointer) == 8, "");
