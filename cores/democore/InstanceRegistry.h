#pragma once
// The live instances of the demo core, so that a request naming a handle that is not
// (or no longer) an instance is refused instead of followed. Guarded by one mutex that
// is held only for the lookup itself; the realtime block path does not use it (the
// hook sends blocks only for live instances) and checks the instance's mark instead.
// [any-thread]

#include <cstdint>

namespace DemoCore {

class DemoInstance;

void RegisterInstance(DemoInstance* instance);
void UnregisterInstance(DemoInstance* instance) noexcept;
// Null when `handle` names no live instance.
DemoInstance* FindInstance(std::uint64_t handle) noexcept;

}  // namespace DemoCore
