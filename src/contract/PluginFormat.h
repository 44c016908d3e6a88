#pragma once
// Plug-in format codes (u32) shared by hook and core. The hook itself runs as 6
// (realtime AAX Native) or 7 (AudioSuite); the others name the formats that media
// names in the hook configuration may be meant for.

#include <cstdint>

using PluginFormat = std::uint32_t;

constexpr PluginFormat kPluginFormatDirectX = 1;
constexpr PluginFormat kPluginFormatVst = 2;
constexpr PluginFormat kPluginFormatAaxNative = 6;
constexpr PluginFormat kPluginFormatAudioSuite = 7;
constexpr PluginFormat kPluginFormatAudioUnit = 9;
constexpr PluginFormat kPluginFormatVst3 = 11;
