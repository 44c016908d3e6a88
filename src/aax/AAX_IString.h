#pragma once
// AAX_IString: a text passed between the module and the host for the length of one
// call: an out-value the callee fills (host name, parameter names, labels) or an
// in-value it reads (the track-name notification). UTF-8, NUL-terminated.
//
// A plain C++ interface, not an ACF one: the receiver only borrows it for the call and
// never deletes it. Its published declaration has a virtual destructor and two
// overloads of operator=, and hosts are built with MSVC, which gives the destructor one
// slot (the scalar deleting destructor, where it is declared) and lays overloads out
// together in reverse order; GCC would give the destructor two slots and keep the
// declared order. So the slots are declared here in MSVC's order, the destructor slot as
// the method MSVC generates for it. Methods never throw: a text that cannot be stored
// leaves the old one. [any-thread], one user at a time.

#include <cstdint>

class AAX_IString {
public:
    // Slot 0: MSVC's scalar deleting destructor. Destroys the object and, when bit 0 of
    // `flags` is set, frees it; returns the object's address. Only the owner calls it.
    virtual void* ScalarDeletingDestructor(unsigned int flags) noexcept = 0;
    // Bytes, without the NUL.
    virtual std::uint32_t Length() const noexcept = 0;
    // The most bytes the object can hold.
    virtual std::uint32_t MaxLength() const noexcept = 0;
    // Valid until the next change or the end of the object; never null.
    virtual const char* Get() const noexcept = 0;
    // Copies `text`; null sets the empty text.
    virtual void Set(const char* text) noexcept = 0;
    // Declared second but placed first by MSVC (overloads in reverse order).
    virtual AAX_IString& operator=(const char* text) noexcept = 0;
    virtual AAX_IString& operator=(const AAX_IString& other) noexcept = 0;

protected:
    AAX_IString() = default;
    AAX_IString(const AAX_IString&) = default;
    ~AAX_IString() = default;
};

// The base part of a copy has nothing to copy; an implementation's own copy assignment
// calls this before copying its text.
inline AAX_IString& AAX_IString::operator=(const AAX_IString& /*other*/) noexcept { return *this; }
