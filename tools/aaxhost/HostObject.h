#pragma once
// HostObject<Interface, IIDs...>: the base of every ACF object the host simulator hands
// to a module (collection, descriptors, host services, controller, transport, view
// container, host-processor delegate). `Interface` is the newest version the object
// implements; it answers QueryInterface for IID_IACFUnknown and the ID of every
// published version up to it (each version extends the one before, so one pointer
// serves them all), counts references atomically and deletes
// itself, in the host, on the last Release, so a module may keep a host object for as
// long as it holds a reference. A new object holds one reference, owned by whoever
// made it (MakeHostObject returns it in an ACFPtr).
//
// Every live host object is counted process-wide: a test compares the count before and
// after a scenario to see that the module gave back every host object it was handed.
// [any-thread] for the reference counting; each derived class states its own rules.

#include <atomic>
#include <cstdint>
#include <utility>

#include "aax/ACFPtr.h"
#include "aax/acfunknown.h"

namespace aaxhost {

// Host objects alive now. [any-thread]
std::int32_t LiveHostObjectCount() noexcept;

namespace detail {
void CountHostObject(int delta) noexcept;
}  // namespace detail

template <class Interface, const acfIID&... kIIDs>
class HostObject : public Interface {
public:
    HostObject(const HostObject&) = delete;
    HostObject& operator=(const HostObject&) = delete;

    acfResult QueryInterface(const acfIID& iid, void** out) noexcept override {
        if (out == nullptr) return ACF_E_POINTER;
        if (iid == IID_IACFUnknown || ((iid == kIIDs) || ...)) {
            *out = static_cast<Interface*>(this);
            AddRef();
            return ACF_OK;
        }
        *out = nullptr;
        return QueryOtherInterface(iid, out);
    }
    std::uint32_t AddRef() noexcept override { return references_.fetch_add(1) + 1; }
    std::uint32_t Release() noexcept override {
        const std::uint32_t remaining = references_.fetch_sub(1) - 1;
        if (remaining == 0) delete this;
        return remaining;
    }

    // This object's own interface, as the module sees it (borrowed).
    Interface* AsInterface() noexcept { return this; }

protected:
    HostObject() noexcept { detail::CountHostObject(+1); }
    virtual ~HostObject() { detail::CountHostObject(-1); }

    // Other interfaces the object hands out (the controller's transport and delegate):
    // write an added reference to *out and return ACF_OK, or leave *out null and
    // return ACF_E_NOINTERFACE. `out` is not null.
    virtual acfResult QueryOtherInterface(const acfIID& /*iid*/, void** /*out*/) noexcept { return ACF_E_NOINTERFACE; }

private:
    std::atomic<std::uint32_t> references_{1};
};

// A new host object with its first reference in an ACFPtr.
template <class T, class... Args>
ACFPtr<T> MakeHostObject(Args&&... arguments) {
    return ACFPtr<T>(new T(std::forward<Args>(arguments)...));
}

// Writes an added reference to `object`'s interface `iid` into *out: the answer of a
// QueryOtherInterface that hands out another object. Null objects give ACF_E_NOINTERFACE.
inline acfResult QueryObject(IACFUnknown* object, const acfIID& iid, void** out) noexcept {
    if (object == nullptr) return ACF_E_NOINTERFACE;
    return object->QueryInterface(iid, out);
}

}  // namespace aaxhost
