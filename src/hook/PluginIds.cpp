#include "hook/PluginIds.h"

namespace {

constexpr std::uint32_t kFixedIds[] = {
    0,                                 // Product: always from the table or the base
    0,                                 // Chunk: likewise
    FourCharCode('A', 'u', 'd', 'S'),  // Audiosuite
    0,                                 // Multi Out: never asked for
    FourCharCode('M', 'o', 'n', 'o'),  // Mono
    FourCharCode('M', 't', 'o', 'S'),  // Mono To Stereo
    FourCharCode('S', 't', 'e', 'o'),  // Stereo
    FourCharCode('L', 'R', 'C', ' '),  // LRC
    FourCharCode('Q', 'u', 'a', 'd'),  // Quad
    FourCharCode('L', 'C', 'R', 'S'),  // LCRS
    FourCharCode('5', '.', '0', ' '),  // 5.0
    FourCharCode('5', '.', '1', ' '),  // 5.1
    FourCharCode('7', '.', '0', ' '),  // 7.0 DTS
    FourCharCode('7', '.', '0', 's'),  // 7.0 SDDS
    FourCharCode('7', '.', '1', ' '),  // 7.1 DTS
    FourCharCode('7', '.', '1', 's'),  // 7.1 SDDS
    FourCharCode('7', '1', '2', ' '),  // 7.1.2
    FourCharCode('7', '0', '2', ' '),  // 7.0.2
};
static_assert(sizeof(kFixedIds) / sizeof(kFixedIds[0]) == kPluginIdKindCount, "one fixed code per kind");

}  // namespace

std::uint32_t PluginTypeIdOf(const CoreStaticInfo& info, PluginIdKind kind) noexcept {
    if (kind >= kPluginIdKindCount) return 0;
    if (info.UsesExplicitIds()) return info.ExplicitId(kind);
    if (kind == kPluginIdProduct || kind == kPluginIdChunk || info.DerivesIds())
        return info.BasePluginId() + static_cast<std::uint32_t>(kind);
    return kFixedIds[kind];
}
