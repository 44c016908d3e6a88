#include "util/ConfigFile.h"

#include <windows.h>

#include <cstring>
#include <limits>
#include <utility>

#include "util/RegistryName.h"
#include "util/WideText.h"

namespace Util {
namespace {

constexpr std::size_t kAnySize = std::numeric_limits<std::size_t>::max();

// One opened registry key, closed when the object goes.
class OpenedKey {
public:
    OpenedKey() = default;
    ~OpenedKey() {
        if (key_ != nullptr) RegCloseKey(key_);
    }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;

    bool Open(HKEY root, const String& path, REGSAM access) {
        if (RegOpenKeyExW(root, ToWide(path).CStr(), 0, access, &key_) == ERROR_SUCCESS) return true;
        key_ = nullptr;
        return false;
    }
    bool Create(HKEY root, const String& path, REGSAM access) {
        if (RegCreateKeyExW(root, ToWide(path).CStr(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key_,
                            nullptr) == ERROR_SUCCESS)
            return true;
        key_ = nullptr;
        return false;
    }
    HKEY Get() const noexcept { return key_; }

private:
    HKEY key_ = nullptr;
};

// One value with its type, read under one root.
bool ReadValue(HKEY root, REGSAM access, const RegistryValueLocation& at, DWORD& type,
               std::vector<std::uint8_t>& bytes) {
    OpenedKey key;
    if (!key.Open(root, at.keyPath, KEY_READ | access)) return false;
    const WideText name = ToWide(at.valueName);
    DWORD size = 0;
    if (RegQueryValueExW(key.Get(), name.CStr(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
    bytes.assign(size, 0);
    if (size == 0) return true;
    DWORD read = size;
    DWORD readType = 0;
    return RegQueryValueExW(key.Get(), name.CStr(), nullptr, &readType, bytes.data(), &read) == ERROR_SUCCESS &&
           read == size && readType == type;
}

// A REG_SZ value under one root. The data need not end in a 0 unit and may have an odd
// size: the buffer has two spare zero bytes and the text ends after size / 2 units, so
// nothing past the data is read.
bool ReadText(HKEY root, REGSAM access, const RegistryValueLocation& at, String& text) {
    OpenedKey key;
    if (!key.Open(root, at.keyPath, KEY_READ | access)) return false;
    const WideText name = ToWide(at.valueName);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key.Get(), name.CStr(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ)
        return false;
    if (size == 0) {
        text = String("");
        return true;
    }
    if (size > std::numeric_limits<DWORD>::max() - 2) return false;
    std::vector<wchar_t> units(size / 2 + 2, L'\0');  // at least size + 2 bytes
    DWORD read = size + 2;
    if (RegQueryValueExW(key.Get(), name.CStr(), nullptr, &type, reinterpret_cast<BYTE*>(units.data()), &read) !=
            ERROR_SUCCESS ||
        read != size || type != REG_SZ)
        return false;
    units[size / 2] = L'\0';
    text = FromWide(units.data());
    return true;
}

void AddNameOnce(std::vector<String>& names, String name) {
    for (const String& known : names)
        if (String::EqualsIgnoreCase(known, name)) return;  // registry names ignore case
    names.push_back(std::move(name));
}

}  // namespace

ConfigFile::ConfigFile(const String& keyPath) : keyPath_(RegistryKeyPathOf(keyPath)), rootKey_(HKEY_CURRENT_USER) {}

ConfigFile::~ConfigFile() = default;

RegistryKey ConfigFile::GetRootKey() const { return rootKey_; }

std::uint32_t ConfigFile::GetAccessFlags() const { return accessFlags_; }

String ConfigFile::GetKeyPath() const { return keyPath_; }

std::vector<String> ConfigFile::GetSubkeyNames(const String& subkey) const {
    std::vector<String> names;
    const String path = JoinRegistryKeyPath(keyPath_, RegistryKeyPathOf(subkey));
    for (HKEY root : {rootKey_, HKEY_LOCAL_MACHINE}) {
        OpenedKey key;
        if (!key.Open(root, path, KEY_READ | accessFlags_)) continue;
        wchar_t name[256];  // key names are at most 255 units long
        for (DWORD index = 0;; ++index) {
            DWORD length = 256;
            if (RegEnumKeyExW(key.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                break;
            AddNameOnce(names, FromWide(name));
        }
    }
    return names;
}

std::vector<String> ConfigFile::GetValueNames(const String& subkey) const {
    std::vector<String> names;
    const String path = JoinRegistryKeyPath(keyPath_, RegistryKeyPathOf(subkey));
    for (HKEY root : {rootKey_, HKEY_LOCAL_MACHINE}) {
        OpenedKey key;
        if (!key.Open(root, path, KEY_READ | accessFlags_)) continue;
        DWORD longest = 0;
        if (RegQueryInfoKeyW(key.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longest,
                             nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            continue;
        std::vector<wchar_t> name(longest + 1, L'\0');
        for (DWORD index = 0;; ++index) {
            DWORD length = longest + 1;
            if (RegEnumValueW(key.Get(), index, name.data(), &length, nullptr, nullptr, nullptr, nullptr) !=
                ERROR_SUCCESS)
                break;
            AddNameOnce(names, FromWide(name.data()));
        }
    }
    return names;
}

String ConfigFile::GetString(const String& name, const String& defaultValue) const {
    const RegistryValueLocation at = LocateRegistryValue(keyPath_, name);
    String text;
    for (HKEY root : {rootKey_, HKEY_LOCAL_MACHINE})
        if (ReadText(root, accessFlags_, at, text)) return text;
    return defaultValue;
}

bool ConfigFile::SetString(const String& name, const String& text) {
    const WideText wide = ToWide(text);
    return SetValue(name, REG_SZ, wide.CStr(), (wide.Length() + 1) * sizeof(wchar_t));
}

// A fixed-size value of `type`: its first sizeof(T) bytes, or the default. The value may
// hold up to `maximumSize` bytes.
template <typename T>
T ConfigFile::GetScalar(const String& name, std::uint32_t type, std::size_t maximumSize, T defaultValue) const {
    std::vector<std::uint8_t> bytes;
    if (!GetValue(name, type, sizeof(T), maximumSize, bytes)) return defaultValue;
    T value{};
    std::memcpy(&value, bytes.data(), sizeof value);
    return value;
}

float ConfigFile::GetFloat(const String& name, float defaultValue) const {
    return GetScalar(name, REG_BINARY, kAnySize, defaultValue);
}

bool ConfigFile::SetFloat(const String& name, float value) { return SetValue(name, REG_BINARY, &value, sizeof value); }

bool ConfigFile::GetBool(const String& name, bool defaultValue) const {
    return GetUInt(name, defaultValue ? 1u : 0u) != 0;
}

bool ConfigFile::SetBool(const String& name, bool value) { return SetUInt(name, value ? 1u : 0u); }

std::uint32_t ConfigFile::GetUInt(const String& name, std::uint32_t defaultValue) const {
    return GetScalar(name, REG_DWORD, sizeof(std::uint32_t), defaultValue);
}

bool ConfigFile::SetUInt(const String& name, std::uint32_t value) {
    return SetValue(name, REG_DWORD, &value, sizeof value);
}

std::uint64_t ConfigFile::GetUInt64(const String& name, std::uint64_t defaultValue) const {
    return GetScalar(name, REG_QWORD, sizeof(std::uint64_t), defaultValue);
}

bool ConfigFile::SetUInt64(const String& name, std::uint64_t value) {
    return SetValue(name, REG_QWORD, &value, sizeof value);
}

std::int32_t ConfigFile::GetInt(const String& name, std::int32_t defaultValue) const {
    return static_cast<std::int32_t>(GetUInt(name, static_cast<std::uint32_t>(defaultValue)));
}

bool ConfigFile::SetInt(const String& name, std::int32_t value) {
    return SetUInt(name, static_cast<std::uint32_t>(value));
}

bool ConfigFile::GetBinary(const String& name, std::vector<std::uint8_t>& bytes) const {
    if (GetValue(name, REG_BINARY, 0, kAnySize, bytes)) return true;
    bytes.clear();
    return false;
}

bool ConfigFile::SetBinary(const String& name, const std::vector<std::uint8_t>& bytes) {
    return SetBinary(name, bytes.data(), bytes.size());
}

bool ConfigFile::SetBinary(const String& name, const void* data, std::size_t size) {
    return SetValue(name, REG_BINARY, data, size);
}

bool ConfigFile::DeleteValue(const String& name) {
    const RegistryValueLocation at = LocateRegistryValue(keyPath_, name);
    OpenedKey key;
    if (!key.Open(rootKey_, at.keyPath, KEY_SET_VALUE | accessFlags_)) return false;
    return RegDeleteValueW(key.Get(), ToWide(at.valueName).CStr()) == ERROR_SUCCESS;
}

bool ConfigFile::DeleteKey(const String& name) {
    std::string subkey = RegistryKeyPathOf(name).Bytes();
    while (!subkey.empty() && subkey.back() == '\\') subkey.pop_back();
    while (!subkey.empty() && subkey.front() == '\\') subkey.erase(0, 1);
    if (subkey.empty()) return false;
    const String path = JoinRegistryKeyPath(keyPath_, String(std::move(subkey)));
    const REGSAM view = accessFlags_ & (KEY_WOW64_32KEY | KEY_WOW64_64KEY);
    return RegDeleteKeyExW(rootKey_, ToWide(path).CStr(), view, 0) == ERROR_SUCCESS;
}

bool ConfigFile::CopyValue(const String& sourceName, const String& targetName) {
    const RegistryValueLocation at = LocateRegistryValue(keyPath_, sourceName);
    DWORD type = 0;
    std::vector<std::uint8_t> bytes;
    for (HKEY root : {rootKey_, HKEY_LOCAL_MACHINE})
        if (ReadValue(root, accessFlags_, at, type, bytes))
            return SetValue(targetName, type, bytes.data(), bytes.size());
    return false;
}

void ConfigFile::Reserved() {}

bool ConfigFile::GetValue(const String& name, std::uint32_t type, std::size_t minimumSize, std::size_t maximumSize,
                          std::vector<std::uint8_t>& bytes) const {
    const RegistryValueLocation at = LocateRegistryValue(keyPath_, name);
    for (HKEY root : {rootKey_, HKEY_LOCAL_MACHINE}) {
        DWORD readType = 0;
        if (ReadValue(root, accessFlags_, at, readType, bytes) && readType == type && bytes.size() >= minimumSize &&
            bytes.size() <= maximumSize)
            return true;
    }
    return false;
}

bool ConfigFile::SetValue(const String& name, std::uint32_t type, const void* data, std::size_t size) {
    if (size > std::numeric_limits<DWORD>::max() || (data == nullptr && size != 0)) return false;
    const RegistryValueLocation at = LocateRegistryValue(keyPath_, name);
    OpenedKey key;
    if (!key.Create(rootKey_, at.keyPath, KEY_SET_VALUE | accessFlags_)) return false;
    return RegSetValueExW(key.Get(), ToWide(at.valueName).CStr(), 0, type, static_cast<const BYTE*>(data),
                          static_cast<DWORD>(size)) == ERROR_SUCCESS;
}

}  // namespace Util
