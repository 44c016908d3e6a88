#pragma once
// AAX stem formats: the channel layouts an AAX component declares for its audio input
// and output. Each value holds the layout index in the upper 16 bits and the channel
// count in the lower 16 bits; the values are the host's, so they never change.
// Pure data. [any-thread]

#include <cstdint>

enum AAX_EStemFormat : std::int32_t {
    AAX_eStemFormat_Mono = 0x1,
    AAX_eStemFormat_Stereo = 0x10002,
    AAX_eStemFormat_LCR = 0x20003,
    AAX_eStemFormat_LCRS = 0x30004,
    AAX_eStemFormat_Quad = 0x40004,
    AAX_eStemFormat_5_0 = 0x50005,
    AAX_eStemFormat_5_1 = 0x60006,
    AAX_eStemFormat_7_0_SDDS = 0x90007,
    AAX_eStemFormat_7_1_SDDS = 0xA0008,
    AAX_eStemFormat_7_0_DTS = 0xB0007,
    AAX_eStemFormat_7_1_DTS = 0xC0008,
    AAX_eStemFormat_7_1_2 = 0xD000A,
    AAX_eStemFormat_7_0_2 = 0x140009,
    // No particular stem format (AudioSuite components, layouts the host has no format
    // for): the host's "any" layout, index -1 with no channel count. The bit pattern
    // 0xFFFF0000 is what crosses to the host; as int32_t it is negative.
    AAX_eStemFormat_Any = static_cast<std::int32_t>(0xFFFF0000u),
};

// A readable name for messages and test output: "Mono", "Stereo", "7.1 DTS", "None";
// "unknown stem format" for any value not listed above.
const char* StemFormatName(AAX_EStemFormat format) noexcept;

// The published name: "AAX_eStemFormat_Mono", "AAX_eStemFormat_7_1_DTS",
// "AAX_eStemFormat_Any"; "unknown stem format" for any value not listed above.
const char* AAX_StemFormatName(AAX_EStemFormat format) noexcept;

// The layout a host offers for `channels` channels when nothing else decides: Mono,
// Stereo, LCR, Quad, 5.0, 5.1, 7.0 DTS, 7.1 DTS, 7.0.2, 7.1.2 for 1 to 10; None otherwise.
AAX_EStemFormat StemFormatForChannelCount(std::int32_t channels) noexcept;
