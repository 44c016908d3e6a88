#pragma once
// ACFPtr<T>: owns one reference to an ACF interface and gives it back with Release.
// Used by the wrappers that keep host objects; move-only. [any-thread], one owner.

#include <utility>

#include "aax/acfbaseapi.h"
#include "aax/acfunknown.h"

template <class T>
class ACFPtr {
public:
    ACFPtr() noexcept = default;
    // Takes over one reference the caller holds (a New... result, a queried pointer).
    explicit ACFPtr(T* adopted) noexcept : pointer_(adopted) {}
    ~ACFPtr() { Reset(); }

    ACFPtr(ACFPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ACFPtr& operator=(ACFPtr&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.pointer_, nullptr));
        return *this;
    }
    ACFPtr(const ACFPtr&) = delete;
    ACFPtr& operator=(const ACFPtr&) = delete;

    // The interface `iid` of `object` (borrowed), or an empty pointer when `object` is
    // null or does not offer it.
    static ACFPtr Query(IACFUnknown* object, const acfIID& iid) noexcept {
        void* found = nullptr;
        if (object == nullptr || object->QueryInterface(iid, &found) != ACF_OK) return ACFPtr();
        return ACFPtr(static_cast<T*>(found));
    }

    // A new host object of component `componentID`, interface `iid`, made by the host's
    // component factory, which `host` (borrowed) answers to IID_IACFComponentFactory.
    // Empty when there is no factory, or it makes no such component or version.
    static ACFPtr Create(IACFUnknown* host, const acfUID& componentID, const acfIID& iid) noexcept {
        ACFPtr<IACFComponentFactory> factory = ACFPtr<IACFComponentFactory>::Query(host, IID_IACFComponentFactory);
        void* made = nullptr;
        if (!factory || factory->CreateComponent(componentID, nullptr, iid, &made) != ACF_OK) return ACFPtr();
        return ACFPtr(static_cast<T*>(made));
    }

    T* Get() const noexcept { return pointer_; }
    T* operator->() const noexcept { return pointer_; }
    explicit operator bool() const noexcept { return pointer_ != nullptr; }

    void Reset(T* adopted = nullptr) noexcept {
        T* old = std::exchange(pointer_, adopted);
        if (old != nullptr) old->Release();
    }

private:
    T* pointer_ = nullptr;
};
