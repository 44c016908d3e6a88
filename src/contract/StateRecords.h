#pragma once
// State records: the 12-byte header the hook puts before the core's state bytes in a
// saved chunk, the core state request (selector 32) and the legacy state load (selector
// 33). The state bytes belong to the caller and are valid for the call only.

#include <cstddef>
#include <cstdint>

#include "contract/RecordLayout.h"

// The first 12 bytes of a chunk's data.
struct StateHeader {
    std::uint32_t formatId;      // static information's state format ID
    std::uint32_t stateVersion;  // static information's state version
    std::uint32_t payloadSize;   // core state bytes that follow the header
};

LM_RECORD_TRAITS(StateHeader);
static_assert(sizeof(StateHeader) == 12, "state header size");
static_assert(offsetof(StateHeader, formatId) == 0, "");
static_assert(offsetof(StateHeader, stateVersion) == 4, "");
static_assert(offsetof(StateHeader, payloadSize) == 8, "");

enum StateOperation : std::uint32_t {
    kStateSizeQuery = 0,
    kStateRead = 3,
    kStateLoad = 4,
    kStateCompare = 5,
};

struct StateRequest {
    std::uint32_t operation;  // StateOperation
    std::uint8_t status;      // the hook sets 0; the core sets non-zero on failure
    std::uint8_t padding5[3];
    std::uint32_t size;  // bytes
    std::uint32_t padding12;
    std::uint8_t* bytes;         // the state bytes
    float tolerance;             // compare only
    std::uint32_t stateVersion;  // load only: the version the bytes were saved with
    std::uint8_t result;         // compare only: non-zero when equal
    std::uint8_t padding33[7];
};

LM_RECORD_TRAITS(StateRequest);
static_assert(sizeof(StateRequest) == 40, "state request size");
static_assert(offsetof(StateRequest, operation) == 0, "");
static_assert(offsetof(StateRequest, status) == 4, "");
static_assert(offsetof(StateRequest, size) == 8, "");
static_assert(offsetof(StateRequest, bytes) == 16, "");
static_assert(offsetof(StateRequest, tolerance) == 24, "");
static_assert(offsetof(StateRequest, stateVersion) == 28, "");
static_assert(offsetof(StateRequest, result) == 32, "");

// The whole blob, header included, for a state the normal load does not take.
struct LegacyStateLoad {
    std::uint8_t status;  // the hook sets 0; the core sets non-zero on failure
    std::uint8_t padding1[3];
    std::uint32_t size;  // bytes, header included
    const std::uint8_t* bytes;
};

LM_RECORD_TRAITS(LegacyStateLoad);
static_assert(sizeof(LegacyStateLoad) == 16, "legacy state load size");
static_assert(offsetof(LegacyStateLoad, status) == 0, "");
static_assert(offsetof(LegacyStateLoad, size) == 4, "");
static_assert(offsetof(LegacyStateLoad, bytes) == 8, "");
