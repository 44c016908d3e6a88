#pragma once
// The channel count of an AAX stem format: its lower 16 bits; 0 for the host's "any"
// layout, which names no count. The module's channel-configuration codes have their
// own count in the hook/core contract, which the simulator does not see. Pure. [any-thread]

#include <cstdint>

#include "aax/AAX_StemFormat.h"

namespace aaxhost {

inline std::int32_t StemChannelCount(AAX_EStemFormat format) noexcept {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(format) & 0xFFFFu);
}

}  // namespace aaxhost
