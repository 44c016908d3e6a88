#pragma once
// Channel configuration codes (u32) shared by hook and core: one small integer names a
// channel layout. 37 means "none".

#include <cstdint>

using ChannelConfig = std::uint32_t;

constexpr ChannelConfig kChannelConfigMono = 0;
constexpr ChannelConfig kChannelConfigStereo = 1;
constexpr ChannelConfig kChannelConfigNone = 37;
