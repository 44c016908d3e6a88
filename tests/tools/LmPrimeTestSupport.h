#pragma once
// Shared by the lmprime tests: files and folders read back, modules opened for their
// resources, and the real lmprime.exe run as a child process.

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "FileOperations.h"
#include "support/ScratchFolder.h"
#include "support/ToolRun.h"

inline ToolRun RunLmPrime(const std::vector<std::wstring>& arguments) { return RunTool(L"lmprime.exe", arguments); }

inline std::string FileBytes(const std::wstring& path) {
    std::vector<unsigned char> bytes;
    std::string error;
    if (!ReadWholeFile(path, bytes, error)) return "<unreadable: " + error + ">";
    return std::string(bytes.begin(), bytes.end());
}

// The names in a folder, sorted.
inline std::vector<std::wstring> FolderEntries(const std::wstring& folder) {
    std::vector<std::wstring> names;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored))
        names.push_back(entry.path().filename().wstring());
    std::sort(names.begin(), names.end());
    return names;
}

// A module file opened for its resources only.
class DataFile {
public:
    explicit DataFile(const std::wstring& path)
        : module_(LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
    ~DataFile() {
        if (module_) FreeLibrary(module_);
    }
    DataFile(const DataFile&) = delete;
    DataFile& operator=(const DataFile&) = delete;
    HMODULE Get() const { return module_; }

private:
    HMODULE module_;
};

// Adds one resource in a given language straight through the system's updater, as
// another tool might have left it.
inline bool AddResourceInLanguage(const std::wstring& path, LPCWSTR type, LPCWSTR name, WORD language,
                                  const std::string& bytes) {
    const HANDLE update = BeginUpdateResourceW(path.c_str(), FALSE);
    if (update == nullptr) return false;
    const bool added = UpdateResourceW(update, type, name, language, const_cast<char*>(bytes.data()),
                                       static_cast<DWORD>(bytes.size())) != 0;
    return EndUpdateResourceW(update, added ? FALSE : TRUE) && added;
}

// The bytes of a resource in exactly `language` (lookups by language fall back to
// others); "<none>" when it does not exist in that language.
inline std::string ResourceBytes(const std::wstring& path, LPCWSTR type, LPCWSTR name, WORD language) {
    const DataFile module(path);
    std::vector<WORD> languages;
    EnumResourceLanguagesW(
        module.Get(), type, name,
        [](HMODULE, LPCWSTR, LPCWSTR, WORD found, LONG_PTR list) -> BOOL {
            reinterpret_cast<std::vector<WORD>*>(list)->push_back(found);
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&languages));
    if (std::find(languages.begin(), languages.end(), language) == languages.end()) return "<none>";
    const HRSRC info = FindResourceExW(module.Get(), type, name, language);
    const char* data = static_cast<const char*>(LockResource(LoadResource(module.Get(), info)));
    return std::string(data, SizeofResource(module.Get(), info));
}
