#pragma once
// The operating system's identifier of the calling thread, e.g. to recognise the
// host's audio thread. [any-thread]

#include <cstdint>

namespace Util {

std::uint32_t CurrentThreadId() noexcept;

}  // namespace Util
