#pragma once
// The demo core's self-description for the realtime (6) and AudioSuite (7) formats,
// written into the hook's 9204-byte output area. Pure. [any-thread]

#include <cstdint>

namespace DemoCore {

constexpr std::uint32_t kStateFormatId = 0x4C6D4453;  // 'LmDS'
constexpr std::uint32_t kStateVersion = 2;            // 1: the layout before Invert
constexpr std::uint32_t kPackageVersion = 10100;      // 1.1.0
constexpr std::int32_t kEditorWidth = 440;
constexpr std::int32_t kEditorHeight = 230;

// Fills the output area (the caller zero-filled it) for formats 6 and 7; false, with
// nothing written, for any other format.
bool FillStaticInfo(std::uint32_t pluginFormat, void* output) noexcept;

}  // namespace DemoCore
