#pragma once
// The published AAX and ACF interfaces as a host built on them sees them, transcribed
// from the published interface definitions: for each interface version its name, the
// interface it extends, its interface ID, the component ID a plug-in passes to the
// host's component factory for it, and its own methods in declaration order with the
// kinds of their result and parameters. Nothing here is derived from this project's
// headers, so a mistake in them cannot hide here.
//
// Kinds, result first: i32 (any 32-bit integer or enum), i64, u8 (a one-byte boolean),
// f32, f64, str (a NUL-terminated text), ptr (any other pointer), ref (a reference,
// passed as a pointer), void, dtor (a virtual destructor).
//
// Plain C++ interfaces (not derived from IACFUnknown) are listed as declared; the MSVC
// layout rules that turn a declaration into slots are the test's business.

#include <string>
#include <vector>

namespace conformance {

struct PublishedMethod {
    const char* name;
    const char* kinds;
};

struct PublishedInterface {
    const char* name;
    const char* base;             // null for a root
    const char* iidName;          // null for a plain C++ interface
    const char* iid;              // text form, upper case with braces
    const char* componentIDName;  // null when no component of its own is made for it
    const char* componentID;
    bool plainCpp;
    std::vector<PublishedMethod> methods;  // its own, not its base's
};

const std::vector<PublishedInterface>& PublishedInterfaces();
// The interface called `name`; throws std::out_of_range when the table has none.
const PublishedInterface& Published(const std::string& name);

// One slot of an interface's vtable as an MSVC-built host lays it out.
struct PublishedSlot {
    const PublishedInterface* owner;  // the version that declares it
    const PublishedMethod* method;
};
// Every slot of `name` and its bases, root first: ACF interfaces in declaration order;
// plain C++ interfaces with one slot for the destructor and overloads grouped at their
// first declaration in reverse order.
std::vector<PublishedSlot> PublishedSlots(const std::string& name);
// The slot index of `method` in `name` (the first match); -1 when there is none.
int PublishedSlotIndex(const std::string& name, const std::string& method);

}  // namespace conformance
