#pragma once
// Plug-in type IDs: the u32 identifiers the host keys products, state chunks and
// effect variants by, all taken from the core's static information:
//   1. explicit-IDs flag set: the core's explicit ID table entry of the kind;
//   2. otherwise Product and Chunk: base plug-in ID + kind;
//   3. otherwise, derive-IDs flag set: base plug-in ID + kind;
//   4. otherwise the kind's fixed four-character code.
// base + kind wraps around modulo 2^32. Pure functions of the record. [any-thread]

#include <cstdint>

#include "contract/CoreStaticInfo.h"
#include "hook/PluginIdKind.h"

// Four characters as a u32, the first the most significant byte: 'AudS' = 0x41756453.
constexpr std::uint32_t FourCharCode(char a, char b, char c, char d) noexcept {
    return (std::uint32_t{static_cast<unsigned char>(a)} << 24) | (std::uint32_t{static_cast<unsigned char>(b)} << 16) |
           (std::uint32_t{static_cast<unsigned char>(c)} << 8) | std::uint32_t{static_cast<unsigned char>(d)};
}

// The rule above for any kind; 0 for values outside the 18 kinds.
std::uint32_t PluginTypeIdOf(const CoreStaticInfo& info, PluginIdKind kind) noexcept;

inline unsigned ProductIdOf(const CoreStaticInfo& info) noexcept { return PluginTypeIdOf(info, kPluginIdProduct); }
inline unsigned ChunkIdOf(const CoreStaticInfo& info) noexcept { return PluginTypeIdOf(info, kPluginIdChunk); }
inline unsigned AudioSuiteIdOf(const CoreStaticInfo& info) noexcept {
    return PluginTypeIdOf(info, kPluginIdAudioSuite);
}

// The ID accessor of one realtime variant (kinds 4 to 17), fit for a
// std::function<unsigned(const CoreStaticInfo&)>: PluginIdOf<kPluginIdStereo>.
// "Multi Out" (3) has no accessor.
template <PluginIdKind kind>
unsigned PluginIdOf(const CoreStaticInfo& info) noexcept {
    static_assert(IsRealtimeVariantKind(kind), "only realtime variants have an ID accessor");
    return PluginTypeIdOf(info, kind);
}
