#pragma once
// SlotProbe: calls an object through the raw slots of its vtable, the way a host or
// plug-in built by another compiler does: the slot index comes from the published table
// by the method's name, and the call's own signature is held against the table's before
// the call is made, so neither the object's headers nor the caller's can agree on a
// private layout. Every call passes `this` first, as the x64 calling convention does
// for member functions. [any-thread], one probe per object.

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "conformance/PublishedInterfaces.h"
#include "conformance/SlotKinds.h"

namespace conformance {

class SlotProbe {
public:
    // `object` points at the interface `interfaceName` (a published name, e.g.
    // "AAX_IACFEffectParameters_V4"); borrowed.
    SlotProbe(void* object, std::string interfaceName) : object_(object), interface_(std::move(interfaceName)) {}

    // Calls `method` as R(Args...). A method the table does not list for the interface,
    // or a signature that differs from the table's, fails the test and returns R{}.
    template <class R, class... Args>
    R Call(const std::string& method, Args... arguments) {
        const int slot = SlotFor(method, KindsOf<R, Args...>());
        if (slot < 0) {
            if constexpr (std::is_void_v<R>)
                return;
            else
                return R{};
        }
        using Function = R (*)(void*, Args...);
        void** vtable = *static_cast<void***>(object_);
        return reinterpret_cast<Function>(vtable[slot])(object_, arguments...);
    }

    void* Object() const noexcept { return object_; }

private:
    // The slot of the first overload of `method` whose kinds are `kinds`; -1 (and a
    // failure) when there is none.
    int SlotFor(const std::string& method, const std::string& kinds) const {
        const auto slots = PublishedSlots(interface_);
        std::string published;
        for (std::size_t i = 0; i < slots.size(); ++i) {
            if (method != slots[i].method->name) continue;
            if (kinds == slots[i].method->kinds) return static_cast<int>(i);
            published = slots[i].method->kinds;
        }
        ADD_FAILURE() << interface_ << "::" << method << " called as \"" << kinds << "\", published as \""
                      << (published.empty() ? "(no such method)" : published) << "\"";
        return -1;
    }

    void* object_;
    std::string interface_;
};

}  // namespace conformance
