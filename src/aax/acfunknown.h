#pragma once
// ACF basics: the 128-bit interface ID, the ACF result type and IACFUnknown, the root
// of every interface that crosses between the module and the host.
//
// Rules for everything derived from IACFUnknown (both directions):
// - pure virtual, no data, no destructor slot: an object is only ever destroyed by its
//   own module, through Release;
// - only plain types, plain structs (with size and offset checks) and other
//   IACFUnknown-derived interfaces as arguments; no STL type ever crosses;
// - every method is noexcept: an exception never leaves the side that threw it;
// - a method that hands out an interface pointer has added one reference to it, which
//   the receiver gives back with Release; an interface pointer passed in as an argument
//   is borrowed for the call (the callee calls AddRef when it keeps it).
// x86-64 has one calling convention (the __stdcall of the published declarations is
// ignored there), so plain member functions are the ABI.

#include <cstddef>
#include <cstdint>

// A 128-bit interface or class ID, laid out like a Windows GUID: the text form
// {00EEF015-7FD0-11D6-8485-00306542A024} is data1-data2-data3-data4[0..1]-data4[2..7].
struct acfIID {
    std::uint32_t data1;
    std::uint16_t data2;
    std::uint16_t data3;
    std::uint8_t data4[8];
};
static_assert(sizeof(acfIID) == 16, "an interface ID is 128 bits");
static_assert(offsetof(acfIID, data2) == 4 && offsetof(acfIID, data3) == 6 && offsetof(acfIID, data4) == 8,
              "GUID layout");

using acfCLSID = acfIID;

constexpr bool operator==(const acfIID& a, const acfIID& b) noexcept {
    if (a.data1 != b.data1 || a.data2 != b.data2 || a.data3 != b.data3) return false;
    for (int i = 0; i < 8; ++i)
        if (a.data4[i] != b.data4[i]) return false;
    return true;
}
constexpr bool operator!=(const acfIID& a, const acfIID& b) noexcept { return !(a == b); }

// Upper-case text form with braces, as above; for messages and test output.
// `buffer` must hold 39 bytes (38 characters and the NUL); returns `buffer`.
char* AcfIIDText(const acfIID& iid, char (&buffer)[39]) noexcept;

// ACF results are signed 32-bit: 0 and ACF_FALSE succeed, negative values fail. The
// failure codes are ACF's own (severity bit, facility 0, a small code), not COM's.
// AAX operations return AAX_Result (AAX.h) through the same type.
using acfResult = std::int32_t;
constexpr acfResult ACF_OK = 0;
constexpr acfResult ACF_FALSE = 1;
constexpr acfResult ACF_E_NOTIMPL = static_cast<acfResult>(0x80000001u);
constexpr acfResult ACF_E_OUTOFMEMORY = static_cast<acfResult>(0x80000002u);
constexpr acfResult ACF_E_INVALIDARG = static_cast<acfResult>(0x80000003u);
constexpr acfResult ACF_E_NOINTERFACE = static_cast<acfResult>(0x80000004u);  // interface not offered
constexpr acfResult ACF_E_POINTER = static_cast<acfResult>(0x80000005u);      // null out pointer
constexpr acfResult ACF_E_FAIL = static_cast<acfResult>(0x80000008u);
constexpr acfResult ACF_E_UNEXPECTED = static_cast<acfResult>(0x8000FFFFu);   // an entry point caught a failure
constexpr acfResult ACF_E_CLASSNOTREG = static_cast<acfResult>(0x80040154u);  // no such component or class

// ACF uses one 128-bit type for interface, class, component, type and attribute IDs.
using acfUID = acfIID;
inline constexpr acfUID acfUID_NULL = {0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};

// The root interface. QueryInterface writes an added reference to the requested
// interface into *out and returns ACF_OK, or writes null and returns ACF_E_NOINTERFACE
// (ACF_E_POINTER for a null out). AddRef and Release return the new count, for
// diagnostics only; the object is destroyed by the Release that gives back the last
// reference. [any-thread]
class IACFUnknown {
public:
    virtual acfResult QueryInterface(const acfIID& iid, void** out) noexcept = 0;
    virtual std::uint32_t AddRef() noexcept = 0;
    virtual std::uint32_t Release() noexcept = 0;

protected:
    ~IACFUnknown() = default;  // never deleted through an interface pointer
};

// The ID every ACF object answers with its root interface.
inline constexpr acfIID IID_IACFUnknown = {0x00000000,
                                           0x0000,
                                           0x0000,
                                           {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
