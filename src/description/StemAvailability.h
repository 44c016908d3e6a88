#pragma once
// Availability of the 14 realtime variants: whether the core offers the channel layout
// of a variant, read from the core's stem-format availability flags. Each predicate
// returns 0 or 1 and fits a std::function<unsigned(const CoreStaticInfo&)>, so that
// one registration routine serves every variant. 7.1.2 and 7.0.2 also need the host
// version gate, a boolean the predicate captures when the variant table is built.
// [any-thread]

#include <cstdint>
#include <functional>

#include "contract/CoreStaticInfo.h"
#include "hook/PluginIdKind.h"

using CoreStaticInfoAccessor = std::function<unsigned(const CoreStaticInfo&)>;

// The availability flag position a realtime variant reads (Quad reads 6, LCRS 5,
// 7.1 SDDS 14, ...); kStemPositionCount for kinds that are no realtime variant.
std::uint32_t StemPositionOf(PluginIdKind kind) noexcept;

constexpr bool NeedsHostVersionGate(PluginIdKind kind) noexcept {
    return kind == kPluginId7_1_2 || kind == kPluginId7_0_2;
}

// Predicate of a variant without the gate (kinds 4 to 15): VariantAvailable<kPluginIdQuad>.
template <PluginIdKind kind>
unsigned VariantAvailable(const CoreStaticInfo& info) noexcept {
    static_assert(IsRealtimeVariantKind(kind) && !NeedsHostVersionGate(kind),
                  "7.1.2 and 7.0.2 need the host version gate: VariantAvailableWithGate");
    return info.StemAvailable(StemPositionOf(kind)) ? 1u : 0u;
}

// Predicate of 7.1.2 or 7.0.2: the flag AND `hostVersionGate`, fixed when the predicate
// is made.
template <PluginIdKind kind>
CoreStaticInfoAccessor VariantAvailableWithGate(bool hostVersionGate) {
    static_assert(NeedsHostVersionGate(kind), "only 7.1.2 and 7.0.2 are gated by the host version");
    return [hostVersionGate](const CoreStaticInfo& info) -> unsigned {
        return hostVersionGate && info.StemAvailable(StemPositionOf(kind)) ? 1u : 0u;
    };
}
