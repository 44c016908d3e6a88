#pragma once
// Util::ConfigFile: the settings store, named values under one key of the Windows
// registry. Reads look under the root key (the current user's hive) first and then under
// the local machine's hive with the same key path, so a machine-wide value is a default
// that a user's value hides; writes and deletes touch the root key only. Value names may
// reach into subkeys (see util/RegistryName.h). No operation throws for a missing key
// or value or a value of the wrong type: a read gives its default, a failed write or
// delete returns false and leaves the registry as it was.
//
// No registry handle is held between calls: every operation opens its key and closes it
// again, so several stores for one key may be used on different threads. One object
// belongs to one thread at a time. [any-thread]

#include <cstddef>
#include <cstdint>
#include <vector>

#include "util/String.h"

struct HKEY__;  // the registry handle type of <windows.h>, kept out of this header

namespace Util {

using RegistryKey = HKEY__*;

class ConfigFile {
public:
    // `keyPath` is below the root key; '/' is accepted for '\'.
    explicit ConfigFile(const String& keyPath);
    ConfigFile(const ConfigFile&) = delete;
    ConfigFile& operator=(const ConfigFile&) = delete;

    // The virtual operations in their fixed slot order, 0 to 24. The destructor comes
    // last: the compiler places it where it is declared, and the Itanium ABI gives it two
    // entries there, MSVC one. MSVC also lays out the two SetBinary overloads in
    // reverse order next to each other.

    virtual RegistryKey GetRootKey() const;        // 0: HKEY_CURRENT_USER
    virtual std::uint32_t GetAccessFlags() const;  // 1: added to the access mask of every key opened; 0
    virtual String GetKeyPath() const;             // 2

    // 3, 4: names of the subkeys or values of `subkey` (empty for the store's key), from
    // the root key and then the names under HKEY_LOCAL_MACHINE not already listed.
    virtual std::vector<String> GetSubkeyNames(const String& subkey) const;
    virtual std::vector<String> GetValueNames(const String& subkey) const;

    // 5: a REG_SZ value. Any other type (REG_EXPAND_SZ too) reads as missing; an empty
    // value reads as the empty text, which a caller cannot tell from an empty default.
    virtual String GetString(const String& name, const String& defaultValue) const;
    virtual bool SetString(const String& name, const String& text);  // 6: REG_SZ, key created if needed

    virtual float GetFloat(const String& name, float defaultValue) const;  // 7: first 4 bytes of a REG_BINARY
    virtual bool SetFloat(const String& name, float value);                // 8: 4-byte REG_BINARY
    virtual bool GetBool(const String& name, bool defaultValue) const;     // 9: REG_DWORD, nonzero is true
    virtual bool SetBool(const String& name, bool value);                  // 10: REG_DWORD 1 or 0
    virtual std::uint32_t GetUInt(const String& name, std::uint32_t defaultValue) const;    // 11: REG_DWORD
    virtual bool SetUInt(const String& name, std::uint32_t value);                          // 12: REG_DWORD
    virtual std::uint64_t GetUInt64(const String& name, std::uint64_t defaultValue) const;  // 13: REG_QWORD
    virtual bool SetUInt64(const String& name, std::uint64_t value);                        // 14: REG_QWORD
    virtual std::int32_t GetInt(const String& name, std::int32_t defaultValue) const;       // 15: as 11
    virtual bool SetInt(const String& name, std::int32_t value);                            // 16: as 12

    // 17: a REG_BINARY value into `bytes`; false, with `bytes` emptied, when it cannot be read.
    virtual bool GetBinary(const String& name, std::vector<std::uint8_t>& bytes) const;
    virtual bool SetBinary(const String& name, const std::vector<std::uint8_t>& bytes);  // 18: through 19
    virtual bool SetBinary(const String& name, const void* data, std::size_t size);      // 19: REG_BINARY

    virtual bool DeleteValue(const String& name);  // 20
    // 21: deletes the subkey `name` ('/' accepted for '\') if it has no subkeys of its
    // own; the empty name is refused, so the store's own key is never deleted here.
    virtual bool DeleteKey(const String& name);
    // 22: reads `sourceName` with its type (root key, then HKEY_LOCAL_MACHINE) and writes
    // it as `targetName` under the root key, creating the key if needed.
    virtual bool CopyValue(const String& sourceName, const String& targetName);
    virtual void Reserved();  // 23: does nothing
    virtual ~ConfigFile();    // 24

private:
    // A value of `type` whose size lies in [minimumSize, maximumSize], from the root key
    // or else HKEY_LOCAL_MACHINE.
    bool GetValue(const String& name, std::uint32_t type, std::size_t minimumSize, std::size_t maximumSize,
                  std::vector<std::uint8_t>& bytes) const;
    template <typename T>
    T GetScalar(const String& name, std::uint32_t type, std::size_t maximumSize, T defaultValue) const;
    // Writes under the root key, creating the key if needed.
    bool SetValue(const String& name, std::uint32_t type, const void* data, std::size_t size);

    String keyPath_;
    RegistryKey rootKey_;
    std::uint32_t accessFlags_ = 0;
};

}  // namespace Util
