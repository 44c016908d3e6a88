#include "aaxhost/validate/CoreLocation.h"

#include <windows.h>

#include <vector>

#include "util/WideText.h"

namespace aaxhost::validate {

namespace {

// The resource's bytes up to its first NUL; nullopt when the module has no such resource.
std::optional<std::string> ResourceText(HMODULE module, const char* type, const char* name) {
    HRSRC resource = FindResourceA(module, name, type);
    if (resource == nullptr) return std::nullopt;
    const DWORD size = SizeofResource(module, resource);
    HGLOBAL loaded = LoadResource(module, resource);
    const char* bytes = loaded == nullptr ? nullptr : static_cast<const char*>(LockResource(loaded));
    if (bytes == nullptr) return std::string();
    std::string text(bytes, size);
    return text.substr(0, text.find('\0'));
}

std::wstring RegistryText(HKEY root, const std::wstring& key, const wchar_t* value) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return {};
    DWORD type = 0;
    DWORD bytes = 0;
    std::wstring text;
    if (RegQueryValueExW(opened, value, nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS && type == REG_SZ &&
        bytes >= sizeof(wchar_t)) {
        std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
        if (RegQueryValueExW(opened, value, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &bytes) ==
            ERROR_SUCCESS)
            text = buffer.data();
    }
    RegCloseKey(opened);
    return text;
}

}  // namespace

bool CoreLocation::BarePathName() const { return pathText.find_first_of("/\\") == std::string::npos; }

std::wstring CoreLocation::CoreFileName() const {
    const std::size_t slash = pathText.find_last_of("/\\");
    const std::string name = slash == std::string::npos ? pathText : pathText.substr(slash + 1);
    return Util::ToWide(Util::String(name)).CStr();
}

bool FileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool ReadCoreLocation(const std::wstring& modulePath, CoreLocation& location, std::string& error) {
    location = CoreLocation{};
    HMODULE module = LoadLibraryExW(modulePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) {
        error = "cannot open the module as a data file (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    const std::optional<std::string> path = ResourceText(module, "LMCORE", "PATH");
    location.hasPathResource = path.has_value();
    location.pathText = path.value_or(std::string());
    location.shortName = ResourceText(module, "LMHOOK", "SHORTNAME");
    FreeLibrary(module);
    if (location.shortName && !location.shortName->empty()) {
        const std::wstring key =
            L"SOFTWARE\\Lumetra\\" + std::wstring(Util::ToWide(Util::String(*location.shortName)).CStr());
        for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
            const std::wstring value = RegistryText(root, key, L"CorePath");
            if (!value.empty() && FileExists(value)) {
                location.registryCore = value;
                break;
            }
        }
    }
    return true;
}

}  // namespace aaxhost::validate
