#pragma once
// Locates fixture binaries, which the build puts beside the test executables, and holds
// a loaded module for a test's scope.

#include <windows.h>

#include <string>

inline std::wstring TestBinaryDirectory() {
    wchar_t path[MAX_PATH * 4] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    std::wstring directory(path, length);
    return directory.substr(0, directory.find_last_of(L"\\/") + 1);
}

inline std::wstring TestBinaryPath(const std::wstring& name) { return TestBinaryDirectory() + name; }

class HeldModule {
public:
    explicit HeldModule(HMODULE module) : module_(module) {}
    ~HeldModule() {
        if (module_) FreeLibrary(module_);
    }
    HeldModule(const HeldModule&) = delete;
    HeldModule& operator=(const HeldModule&) = delete;
    HMODULE Get() const { return module_; }

private:
    HMODULE module_;
};

// A module file opened for its resources only.
inline HMODULE LoadAsDataFile(const std::wstring& path) {
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
}
