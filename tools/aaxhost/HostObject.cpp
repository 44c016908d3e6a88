#include "aaxhost/HostObject.h"

namespace aaxhost {
namespace {

std::atomic<std::int32_t>& LiveHostObjects() noexcept {
    static std::atomic<std::int32_t> count{0};
    return count;
}

}  // namespace

std::int32_t LiveHostObjectCount() noexcept { return LiveHostObjects().load(); }

namespace detail {
void CountHostObject(int delta) noexcept { LiveHostObjects().fetch_add(delta); }
}  // namespace detail

}  // namespace aaxhost
