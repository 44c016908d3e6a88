#pragma once
// Plug-in ID kinds: the 18 roles a plug-in type ID plays towards the host. A kind's
// name is also the variant name in effect identifiers ("<stem> Stereo"), and its value
// indexes the core's explicit ID table. Kinds 4 to 17 are the 14 realtime variants.
// Pure data. [any-thread]

#include <cstdint>

enum PluginIdKind : std::uint32_t {
    kPluginIdProduct = 0,
    kPluginIdChunk = 1,
    kPluginIdAudioSuite = 2,
    kPluginIdMultiOut = 3,  // has a table slot, but nothing asks for its ID
    kPluginIdMono = 4,
    kPluginIdMonoToStereo = 5,
    kPluginIdStereo = 6,
    kPluginIdLrc = 7,
    kPluginIdQuad = 8,
    kPluginIdLcrs = 9,
    kPluginId5_0 = 10,
    kPluginId5_1 = 11,
    kPluginId7_0Dts = 12,
    kPluginId7_0Sdds = 13,
    kPluginId7_1Dts = 14,
    kPluginId7_1Sdds = 15,
    kPluginId7_1_2 = 16,
    kPluginId7_0_2 = 17,
};
constexpr std::uint32_t kPluginIdKindCount = 18;

constexpr bool IsRealtimeVariantKind(PluginIdKind kind) noexcept {
    return kind >= kPluginIdMono && kind <= kPluginId7_0_2;
}

// "Product", "Chunk", "Audiosuite", "Multi Out", "Mono", "Mono To Stereo", "Stereo",
// "LRC", "Quad", "LCRS", "5.0", "5.1", "7.0 DTS", "7.0 SDDS", "7.1 DTS", "7.1 SDDS",
// "7.1.2", "7.0.2"; "" for a value outside the 18 kinds.
const char* PluginIdKindName(PluginIdKind kind) noexcept;
