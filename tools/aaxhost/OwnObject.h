#pragma once
// OwnObject<Self, Interface, IIDs...>: a host object the host must recognise when a
// module hands it back (an effect descriptor to AddEffect, a component to AddComponent,
// a property map to AddProcessProc_Native). Besides its published IDs it answers
// Self::kOwnIID, an ID private to this host, with the object itself; FindOwn turns an
// IACFUnknown back into the host's object, or null for anything the host did not make.
// [any-thread] as HostObject.

#include "aaxhost/HostObject.h"

namespace aaxhost {

template <class Self, class Interface, const acfIID&... kIIDs>
class OwnObject : public HostObject<Interface, kIIDs...> {
protected:
    acfResult QueryOtherInterface(const acfIID& iid, void** out) noexcept override {
        if (iid != Self::kOwnIID) return ACF_E_NOINTERFACE;
        this->AddRef();
        *out = static_cast<Self*>(this);
        return ACF_OK;
    }
};

// The host's own T behind `object` (borrowed, as `object` is), null when there is none.
template <class T>
T* FindOwn(IACFUnknown* object) noexcept {
    void* found = nullptr;
    if (object == nullptr || object->QueryInterface(T::kOwnIID, &found) != ACF_OK || found == nullptr) return nullptr;
    T* own = static_cast<T*>(found);
    own->Release();  // the caller's reference to `object` keeps it alive
    return own;
}

}  // namespace aaxhost
