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
#include "support/TestBinaries.h"
#include "support/ToolRun.h"

inline ToolRun RunLmPrime(const std::vector<std::wstring>& arguments) { return RunTool(L"lmprime.exe", arguments); }

inline std::string FileBytes(const std::wstring& path) {
    std::vector<unsigned char> bytes;
    std::string error;
    if (!ReadWholeFile(path, bytes, error)) return "<unreadable: " + error + ">";
    return std::string(bytes.begin(), bytes.end());
}

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
    const HeldModule module(LoadAsDataFile(path));
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
