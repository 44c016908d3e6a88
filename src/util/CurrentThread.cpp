#include "util/CurrentThread.h"

#include <windows.h>

namespace Util {

std::uint32_t CurrentThreadId() noexcept { return static_cast<std::uint32_t>(GetCurrentThreadId()); }

}  // namespace Util
