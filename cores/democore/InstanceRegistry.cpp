#include "InstanceRegistry.h"

#include <mutex>
#include <set>

namespace DemoCore {
namespace {

struct Registry {
    std::mutex mutex;
    std::set<DemoInstance*> instances;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

}  // namespace

void RegisterInstance(DemoInstance* instance) {
    Registry& registry = TheRegistry();
    std::lock_guard<std::mutex> lock(registry.mutex);
    registry.instances.insert(instance);
}

void UnregisterInstance(DemoInstance* instance) noexcept {
    Registry& registry = TheRegistry();
    std::lock_guard<std::mutex> lock(registry.mutex);
    registry.instances.erase(instance);
}

DemoInstance* FindInstance(std::uint64_t handle) noexcept {
    auto* instance = reinterpret_cast<DemoInstance*>(static_cast<std::uintptr_t>(handle));
    Registry& registry = TheRegistry();
    std::lock_guard<std::mutex> lock(registry.mutex);
    return registry.instances.count(instance) ? instance : nullptr;
}

}  // namespace DemoCore
