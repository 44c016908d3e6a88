#pragma once
// The transport, shared with the core through the block record. Owned by the hook
// object, all zero at construction; written on the audio (or offline) thread before
// each block and read by the core during the block. Each *Valid field is 1 once its
// value has been written.

#include <cstddef>
#include <cstdint>

#include "contract/RecordLayout.h"

struct TransportRecord {
    double tempo;             // beats per minute
    std::uint32_t playState;  // 2 playing, 1 stopped
    std::uint32_t meterNumerator;
    std::uint32_t meterDenominator;
    std::uint32_t padding20;
    double samplePosition;  // samples
    std::uint32_t samplePositionValid;
    std::uint32_t padding36;
    double tickPosition;  // ticks x 0.001
    std::uint32_t tickPositionValid;
    std::uint32_t padding52;
    std::uint8_t reserved56[16];  // zero
    double barPhase1;
    double barPhase2;
    std::uint8_t reserved88[8];  // zero
    std::uint32_t barPhase1Valid;
    std::uint32_t barPhase2Valid;
    std::uint32_t looping;  // 0 or 1
    std::uint32_t loopingValid;
    double loopStart;  // quarter notes
    double loopEnd;    // quarter notes
    std::uint32_t loopStartValid;
    std::uint32_t loopEndValid;
};

LM_RECORD_TRAITS(TransportRecord);
static_assert(sizeof(TransportRecord) == 136, "transport record size");
static_assert(offsetof(TransportRecord, tempo) == 0, "");
static_assert(offsetof(TransportRecord, playState) == 8, "");
static_assert(offsetof(TransportRecord, meterNumerator) == 12, "");
static_assert(offsetof(TransportRecord, meterDenominator) == 16, "");
static_assert(offsetof(TransportRecord, samplePosition) == 24, "");
static_assert(offsetof(TransportRecord, samplePositionValid) == 32, "");
static_assert(offsetof(TransportRecord, tickPosition) == 40, "");
static_assert(offsetof(TransportRecord, tickPositionValid) == 48, "");
static_assert(offsetof(TransportRecord, reserved56) == 56, "");
static_assert(offsetof(TransportRecord, barPhase1) == 72, "");
static_assert(offsetof(TransportRecord, barPhase2) == 80, "");
static_assert(offsetof(TransportRecord, reserved88) == 88, "");
static_assert(offsetof(TransportRecord, barPhase1Valid) == 96, "");
static_assert(offsetof(TransportRecord, barPhase2Valid) == 100, "");
static_assert(offsetof(TransportRecord, looping) == 104, "");
static_assert(offsetof(TransportRecord, loopingValid) == 108, "");
static_assert(offsetof(TransportRecord, loopStart) == 112, "");
static_assert(offsetof(TransportRecord, loopEnd) == 120, "");
static_assert(offsetof(TransportRecord, loopStartValid) == 128, "");
static_assert(offsetof(TransportRecord, loopEndValid) == 132, "");
