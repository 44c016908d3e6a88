#pragma once
// Locates fixture binaries, which the build puts beside the test executables.

#include <windows.h>

#include <string>

inline std::wstring TestBinaryDirectory() {
    wchar_t path[MAX_PATH * 4] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    std::wstring directory(path, length);
    return directory.substr(0, directory.find_last_of(L"\\/") + 1);
}

inline std::wstring TestBinaryPath(const std::wstring& name) { return TestBinaryDirectory() + name; }
