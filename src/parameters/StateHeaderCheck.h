#pragma once
// The 12-byte header the hook puts before the core's state bytes in a saved chunk, and
// what a loaded blob's header decides: whether the core's normal load takes the bytes
// behind it, or the core gets the whole blob through its legacy load.
//
// A header is accepted when its format ID is the core's current one, or, for a core that
// carries the legacy-state marker 0x4F and is package version 9.0.0 or 9.0.1, when it is
// one of the two older IDs 9000 and 9010; and when its state version is not newer than
// the core's. An accepted header with a lower state version marks the state as older.
//
// The blob comes from a project file and is untrusted: nothing here reads outside the
// length it is given, and a payload size is only ever handed on when the blob holds
// that many bytes behind the header. Pure functions. [any-thread]

#include <cstddef>
#include <cstdint>

#include "contract/CoreStaticInfo.h"
#include "contract/StateRecords.h"

constexpr std::size_t kStateHeaderSize = sizeof(StateHeader);
// Byte of the static information that lets two older format IDs count as current.
constexpr std::uint8_t kLegacyStateMarker = 0x4F;  // 'O'
constexpr std::uint32_t kLegacyStateFormatIdA = 9000;
constexpr std::uint32_t kLegacyStateFormatIdB = 9010;

struct PackageVersion {
    std::uint32_t major;
    std::uint32_t minor;
    std::uint32_t patch;
};

// Below 10000 the decimal digits are major, minor, patch, build (9010: 9.0.1); from
// 10000 on, two digits each for major, minor and patch (90001: 9.0.1).
PackageVersion DecodePackageVersion(std::uint32_t value) noexcept;

// The core's side of the check, from its static information.
struct CurrentStateFacts {
    std::uint32_t formatId;
    std::uint32_t stateVersion;
    std::uint32_t packageVersion;
    std::uint8_t legacyStateMarker;
};

CurrentStateFacts CurrentStateFactsOf(const CoreStaticInfo& info) noexcept;

struct StateHeaderVerdict {
    bool accepted = false;
    bool older = false;             // accepted with a lower state version than the core's
    std::uint32_t payloadSize = 0;  // the stored payload size when accepted, else 0
};

StateHeaderVerdict CheckStateHeader(const StateHeader& stored, const CurrentStateFacts& current) noexcept;

// The header at the start of `blob`; false (and `header` untouched) when the blob is
// shorter than a header.
bool ReadStateHeader(const std::uint8_t* blob, std::size_t length, StateHeader& header) noexcept;

// The header the hook writes before `payloadSize` bytes of the core's current state.
StateHeader CurrentStateHeader(const CurrentStateFacts& current, std::uint32_t payloadSize) noexcept;

// Where a loaded blob goes.
enum class StateLoadRoute {
    kMalformed,      // shorter than its header: nothing is loaded
    kNothingToLoad,  // a current header and no payload: success without the core
    kCoreLoad,       // a current header and exactly its payload behind it: the normal load
    kLegacyLoad,     // anything else: the whole blob to the legacy load
};

StateLoadRoute RouteStateLoad(std::size_t blobLength, const StateHeaderVerdict& verdict) noexcept;

// Whether the payload size a compare would hand the core lies within the blob: a header
// claiming more bytes than follow it makes the chunk malformed.
bool ComparePayloadFits(std::size_t blobLength, const StateHeaderVerdict& verdict) noexcept;
