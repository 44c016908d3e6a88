#pragma once
// Callback selector 15: a mouse gesture of the core's editor on some parameters. Owned
// by the core for the call; the dispatcher writes the answer at `result`.

#include <cstddef>
#include <cstdint>

#include "contract/RecordLayout.h"

constexpr std::size_t kMaxGestureParameters = 32;

struct GestureRecord {
    std::uint32_t operation;  // 0 mouse down, 1 mouse drag, 2 mouse up
    std::uint32_t button;     // 1 sets modifier bit 16
    std::uint32_t modifier1;  // non-zero sets bit 1
    std::uint32_t modifier2;  // non-zero sets bit 2
    std::uint32_t modifier3;  // non-zero sets bit 4
    std::uint32_t modifier4;  // non-zero sets bit 8
    std::uint32_t coreIndices[kMaxGestureParameters];
    std::uint32_t indexCount;  // valid entries of coreIndices
    std::uint32_t result;      // 0 or 1, written by the dispatcher
};

LM_RECORD_TRAITS(GestureRecord);
static_assert(sizeof(GestureRecord) == 160, "gesture record size");
static_assert(offsetof(GestureRecord, operation) == 0, "");
static_assert(offsetof(GestureRecord, button) == 4, "");
static_assert(offsetof(GestureRecord, modifier1) == 8, "");
static_assert(offsetof(GestureRecord, modifier2) == 12, "");
static_assert(offsetof(GestureRecord, modifier3) == 16, "");
static_assert(offsetof(GestureRecord, modifier4) == 20, "");
static_assert(offsetof(GestureRecord, coreIndices) == 24, "");
static_assert(offsetof(GestureRecord, indexCount) == 152, "");
static_assert(offsetof(GestureRecord, result) == 156, "");
