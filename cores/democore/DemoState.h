#pragma once
// The demo core's saved state: its settings in a small little-endian layout, one per
// state version. The hook puts its own 12-byte header (format ID, state version,
// payload size) before these bytes; a state of the current version comes back through
// the normal load with its version, anything else through the legacy load with the
// header included. Decoding checks every size and value and never reads past the
// bytes it is given. Pure. [any-thread]
//
//   version 2 (current), 20 bytes: u32 'LmDm', f32 gain dB, f32 frequency Hz,
//                                  u32 mode, u32 invert (0 or 1)
//   version 1,           16 bytes: the same without invert (which loads as off)

#include <cstddef>
#include <cstdint>

#include "DemoParameters.h"

namespace DemoCore {

constexpr std::uint32_t kStateMagic = 0x6D446D4C;  // "LmDm" in file order
constexpr std::size_t kStateSizeV1 = 16;
constexpr std::size_t kStateSizeV2 = 20;
constexpr std::size_t kStateHeaderSize = 12;

struct Settings {
    float values[kParameterCount];  // by ParameterIndex
};

Settings DefaultSettings() noexcept;

// Writes the current layout; `out` holds kStateSizeV2 bytes.
void EncodeState(const Settings& settings, std::uint8_t* out) noexcept;

// Decodes the layout of `version` (1 or 2). False, with `out` untouched, for any other
// version, a size that is not the layout's, a wrong magic or a value outside its
// parameter's range (NaN included).
bool DecodeState(const std::uint8_t* bytes, std::size_t size, std::uint32_t version, Settings& out) noexcept;

// Decodes a whole blob of the legacy load: the hook's header, then the payload. The
// header must carry this core's format ID, a version of 1 or 2 and a payload size equal
// to what follows it.
bool DecodeLegacyState(const std::uint8_t* bytes, std::size_t size, Settings& out) noexcept;

// Equal within `tolerance` for the floats, exactly for mode and invert.
bool SameSettings(const Settings& a, const Settings& b, float tolerance) noexcept;

}  // namespace DemoCore
