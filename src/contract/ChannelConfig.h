#pragma once
// Channel configuration codes (u32) shared by hook and core: one small integer names a
// channel layout. The code travels to the core at instance creation and at every
// reconfiguration, and the core's speaker order of a code decides where each channel
// pointer goes before a block is handed over. Everything here is a fixed table.
// Pure functions. [any-thread]

#include <cstdint>

#include "aax/AAX_StemFormat.h"

using ChannelConfig = std::uint32_t;

constexpr ChannelConfig kChannelConfigMono = 0;
constexpr ChannelConfig kChannelConfigStereo = 1;
constexpr ChannelConfig kChannelConfigTwoChannel = 2;  // speakers 2, 3: carried, not interpreted
constexpr ChannelConfig kChannelConfigLcr = 3;
constexpr ChannelConfig kChannelConfigLrs = 4;
constexpr ChannelConfig kChannelConfigLcrs = 5;
constexpr ChannelConfig kChannelConfigQuad = 6;
constexpr ChannelConfig kChannelConfig5_0 = 7;
constexpr ChannelConfig kChannelConfig5_1 = 8;
constexpr ChannelConfig kChannelConfig7_0Dts = 9;
constexpr ChannelConfig kChannelConfig7_0Sdds = 10;
constexpr ChannelConfig kChannelConfig7_0_2 = 11;
constexpr ChannelConfig kChannelConfig7_1Dts = 12;
constexpr ChannelConfig kChannelConfig7_1Sdds = 13;
constexpr ChannelConfig kChannelConfig7_1_2 = 14;
// Generic layouts: code c has c - 12 channels (3 to 24), every one speaker 1.
constexpr ChannelConfig kChannelConfigGenericFirst = 15;
constexpr ChannelConfig kChannelConfigGenericLast = 36;
constexpr ChannelConfig kChannelConfigNone = 37;  // no layout, 0 channels
// The same layouts as above in other core channel orders.
constexpr ChannelConfig kChannelConfigLcrCentreSecond = 38;
constexpr ChannelConfig kChannelConfig5_0CentreSecond = 39;
constexpr ChannelConfig kChannelConfig5_1CentreSecondLfeFourth = 40;
constexpr ChannelConfig kChannelConfig5_1SurroundsThirdFourth = 41;
constexpr ChannelConfig kChannelConfig5_1CentreSecondLfeLast = 42;
constexpr ChannelConfig kChannelConfig7_0CentreSecond = 43;
constexpr ChannelConfig kChannelConfig7_1CentreSecondLfeLast = 44;
constexpr ChannelConfig kChannelConfig7_1_2CentreSecond = 45;
constexpr ChannelConfig kChannelConfig7_0_2CentreSecond = 46;
constexpr ChannelConfig kChannelConfigLast = 46;  // every code above is unknown: 0 channels

// Speaker codes (u32) of the core's speaker order.
using Speaker = std::uint32_t;

constexpr Speaker kSpeakerNone = 0;
constexpr Speaker kSpeakerMono = 1;  // also every channel of a generic layout
constexpr Speaker kSpeakerTwoChannelFirst = 2;
constexpr Speaker kSpeakerTwoChannelSecond = 3;
constexpr Speaker kSpeakerSurround = 3;  // the single surround channel of LRS and LCRS
constexpr Speaker kSpeakerLeft = 4;
constexpr Speaker kSpeakerRight = 5;
constexpr Speaker kSpeakerCentre = 6;
constexpr Speaker kSpeakerLfe = 7;
constexpr Speaker kSpeakerLeftSurround = 8;
constexpr Speaker kSpeakerRightSurround = 9;
constexpr Speaker kSpeakerLeftRearSurround = 10;
constexpr Speaker kSpeakerRightRearSurround = 11;
constexpr Speaker kSpeakerLeftCentre = 12;
constexpr Speaker kSpeakerRightCentre = 13;
constexpr Speaker kSpeakerLeftTop = 14;
constexpr Speaker kSpeakerRightTop = 15;

// The channel count of a code; 0 for "none" and for unknown codes.
std::uint32_t ChannelCountOf(ChannelConfig code) noexcept;

// The speaker of core channel `channel` of a code; kSpeakerNone when the channel is not
// below the code's channel count.
Speaker SpeakerOf(ChannelConfig code, std::uint32_t channel) noexcept;

// The code the hook uses for a channel count: the DTS and Quad layouts, never SDDS or
// LCRS; 11 to 24 channels give a generic layout; 0 and more than 24 give "none".
ChannelConfig ChannelConfigForCount(std::uint32_t channelCount) noexcept;

// The AAX stem format of a code; AAX_eStemFormat_Any for codes the host has no stem
// format for (2, 4, generic, none, the reordered layouts 38 to 46, unknown codes).
AAX_EStemFormat StemFormatOf(ChannelConfig code) noexcept;

// A readable layout name for messages: "Mono", "7.1 SDDS", "generic", "none"; "unknown"
// above 46.
const char* ChannelConfigName(ChannelConfig code) noexcept;
