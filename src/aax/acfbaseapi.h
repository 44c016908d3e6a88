#pragma once
// The ACF base interfaces a host and a plug-in use to find each other's objects:
// definitions with attributes, the plug-in definition that registration hands back, and
// the host's component factory, through which a plug-in obtains every host object it
// describes into or reports to (collection, descriptors, property maps, host services).
// Slot order and IDs are the host's; the rules of acfunknown.h apply.

#include <cstdint>

#include "aax/acfunknown.h"

// A boolean of the older ACF interfaces: a 32-bit enum.
enum acfBool : std::int32_t { kACFFalse = 0, kACFTrue = 1 };
// UTF-16 on Windows.
using acfWChar = wchar_t;
static_assert(sizeof(acfWChar) == 2, "ACF texts are UTF-16 on Windows");

class IACFDefinition;
class IACFEnumDefinitions;

// Makes instances of one class. [any-thread]
class IACFClassFactory : public IACFUnknown {
public:
    virtual acfResult CreateInstance(IACFUnknown* host, IACFUnknown* outer, const acfIID& iid, void** out) noexcept = 0;

protected:
    ~IACFClassFactory() = default;
};

// A set of typed attributes (a host's identity, a plug-in's definition). Attribute data
// is copied in and out; `size` is in bytes. [any-thread]
class IACFDefinition : public IACFUnknown {
public:
    virtual acfResult DefineAttribute(const acfUID& attributeID, const acfUID& typeID, const void* data,
                                      std::uint32_t size) noexcept = 0;
    virtual acfResult GetAttributeInfo(const acfUID& attributeID, acfUID* outTypeID,
                                       std::uint32_t* outSize) noexcept = 0;
    virtual acfResult CopyAttribute(const acfUID& attributeID, const acfUID& typeID, void* outData,
                                    std::uint32_t size) noexcept = 0;

protected:
    ~IACFDefinition() = default;
};

// What ACFRegisterPlugin hands back: the host's collection, queried for this interface.
class IACFPluginDefinition : public IACFDefinition {
public:
    virtual acfResult InitializePlugin(const acfUID& uid, std::uint32_t majorVersion, std::uint32_t minorVersion,
                                       const acfWChar* name, const acfUID& vendorID, const acfWChar* vendorName,
                                       std::uint32_t componentCount, acfBool cacheDefinition) noexcept = 0;

protected:
    ~IACFPluginDefinition() = default;
};

// What ACFRegisterComponent hands back; this module registers none.
class IACFComponentDefinition : public IACFDefinition {
public:
    virtual acfResult InitializeComponent(const acfUID& componentID, const acfUID& componentTypeID,
                                          std::uint32_t majorVersion, std::uint32_t minorVersion,
                                          const acfCLSID& classID, const acfWChar* name) noexcept = 0;

protected:
    ~IACFComponentDefinition() = default;
};

class IACFEnumDefinitions : public IACFUnknown {
public:
    virtual std::uint32_t Count() noexcept = 0;
    virtual acfResult Next(std::uint32_t count, const acfIID& iid, IACFDefinition** out) noexcept = 0;
    virtual acfResult Reset() noexcept = 0;
    virtual acfResult Clone(IACFEnumDefinitions** outEnum) noexcept = 0;

protected:
    ~IACFEnumDefinitions() = default;
};

// The host's factory of components, found by querying the IACFUnknown the host hands
// to ACFStartup, ACFRegisterPlugin and Initialize. CreateComponent makes a new host
// object of component `componentID` and writes an added reference to its interface
// `iid` into *out (null and a failure when the host has no such component or version).
// [any-thread]
class IACFComponentFactory : public IACFUnknown {
public:
    virtual acfResult CreateComponent(const acfUID& componentID, IACFUnknown* outer, const acfIID& iid,
                                      void** out) noexcept = 0;
    virtual acfResult CreateInstance(const acfCLSID& classID, IACFUnknown* outer, const acfIID& iid,
                                     void** out) noexcept = 0;
    virtual acfResult GetClassFactory(const acfCLSID& classID, const acfIID& iid, void** out) noexcept = 0;
    virtual acfResult FindDefinition(const acfUID& uid, const acfIID& iid, IACFDefinition** outDefinition) noexcept = 0;
    virtual acfResult EnumDefinitions(const acfUID& componentTypeID, IACFEnumDefinitions** outEnum) noexcept = 0;

protected:
    ~IACFComponentFactory() = default;
};

inline constexpr acfIID IID_IACFClassFactory = {0x80996EEE,
                                                0x7FCF,
                                                0x11D6,
                                                {0xAC, 0xA8, 0x00, 0x30, 0x65, 0x42, 0xA0, 0x24}};
inline constexpr acfIID IID_IACFDefinition = {0xE51741F1,
                                              0x7FCF,
                                              0x11D6,
                                              {0xAA, 0xC3, 0x00, 0x30, 0x65, 0x42, 0xA0, 0x24}};
inline constexpr acfIID IID_IACFPluginDefinition = {0x00EEF015,
                                                    0x7FD0,
                                                    0x11D6,
                                                    {0x84, 0x85, 0x00, 0x30, 0x65, 0x42, 0xA0, 0x24}};
inline constexpr acfIID IID_IACFComponentDefinition = {0x1718A226,
                                                       0x7FD0,
                                                       0x11D6,
                                                       {0xBD, 0x1D, 0x00, 0x30, 0x65, 0x42, 0xA0, 0x24}};
inline constexpr acfIID IID_IACFEnumDefinitions = {0xC34189E3,
                                                   0x8398,
                                                   0x11D6,
                                                   {0x84, 0x7E, 0x00, 0x30, 0x65, 0x42, 0xA0, 0x24}};
inline constexpr acfIID IID_IACFComponentFactory = {0x382B6A96,
                                                    0x7FD0,
                                                    0x11D6,
                                                    {0xBC, 0xFE, 0x00, 0x30, 0x65, 0x42, 0xA0, 0x24}};
