#pragma once
// Channels of a hook channel-configuration code, as the core receives them in each
// block: the fixed layouts, the generic layouts 15..36 of (code - 12) channels, the
// reordered variants 38..46; 0 for "none" (37) and unknown codes. Pure. [any-thread]

#include <cstdint>

namespace DemoCore {

inline std::uint32_t ChannelCountOf(std::uint32_t config) noexcept {
    static const std::uint8_t kFixed[15] = {1, 2, 2, 3, 3, 4, 4, 5, 6, 7, 7, 9, 8, 8, 10};
    static const std::uint8_t kVariants[9] = {3, 5, 6, 6, 6, 7, 8, 10, 9};  // 38..46
    if (config < 15) return kFixed[config];
    if (config <= 36) return config - 12;
    if (config >= 38 && config <= 46) return kVariants[config - 38];
    return 0;
}

}  // namespace DemoCore
