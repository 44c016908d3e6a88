#pragma once
// AAX_IString: a text passed between the module and the host for the length of one
// call: an out-value the callee fills (host name, parameter names, labels) or an
// in-value it reads (the track-name notification). UTF-8, NUL-terminated.
//
// The one pure-virtual interface that crosses without IACFUnknown: the receiver only
// borrows it for the call, never keeps or deletes it, so it needs no reference count.
// No destructor slot; the owner destroys its own object (AAX_CString on either side).
// Methods never throw: a text that cannot be stored leaves the old one. [any-thread],
// one user at a time.

#include <cstdint>

class AAX_IString {
public:
    // Bytes, without the NUL.
    virtual std::uint32_t Length() const noexcept = 0;
    // Valid until the next Set or the end of the object; never null.
    virtual const char* Get() const noexcept = 0;
    // Copies `text`; null sets the empty text.
    virtual void Set(const char* text) noexcept = 0;

protected:
    ~AAX_IString() = default;
};
