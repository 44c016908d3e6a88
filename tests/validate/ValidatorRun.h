#pragma once
// Runs the built aaxhost.exe as a child process, the way CI runs the validator, on
// product bundles primed in a temporary folder with lmprime's library.

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Bundle.h"
#include "support/TestBinaries.h"

struct ChildResult {
    DWORD exitCode = 0xFFFFFFFF;
    std::string output;  // stdout
};

// Runs aaxhost.exe with `arguments` (each quoted), stdout captured, stderr dropped.
inline ChildResult RunAaxhost(const std::vector<std::wstring>& arguments) {
    std::wstring command = L"\"" + TestBinaryPath(L"aaxhost.exe") + L"\"";
    for (const std::wstring& argument : arguments) command += L" \"" + argument + L"\"";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    ChildResult result;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return result;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    HANDLE nul = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = nul;
    startup.hStdInput = nullptr;
    PROCESS_INFORMATION process{};
    const BOOL started =
        CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    if (nul != INVALID_HANDLE_VALUE) CloseHandle(nul);
    if (started) {
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read > 0) result.output.append(buffer, read);
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &result.exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(readEnd);
    return result;
}

// A temporary folder holding bundles of the built hook, removed at the end.
class BundleFolder {
public:
    BundleFolder() {
        static int counter = 0;
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"lm-validate-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                  std::to_wstring(++counter);
        std::filesystem::create_directories(folder_);
    }
    ~BundleFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    BundleFolder(const BundleFolder&) = delete;
    BundleFolder& operator=(const BundleFolder&) = delete;

    // The module of a bundle named `name` with the built `coreDll` beside it and
    // "CoreConfig:<coreConfig>" (every variant keeps its own layout); empty on failure (reported).
    std::wstring Bundle(const std::wstring& name, const std::wstring& coreDll, const std::string& coreConfig) {
        BundleSettings bundle;
        bundle.directory = folder_;
        bundle.name = name;
        bundle.coreFile = TestBinaryPath(coreDll);
        PrimeSettings settings;
        settings.core = std::string(coreDll.begin(), coreDll.end());
        settings.config = "CoreConfig:" + coreConfig;
        // A short name of its own, so no registry value of another test program applies.
        settings.shortName = "LmValidate" + std::string(name.begin(), name.end());
        std::wstring bundlePath;
        std::string error;
        if (!BuildBundle(TestBinaryPath(L"LmHook.dll"), bundle, settings, bundlePath, error)) {
            ADD_FAILURE() << "bundle " << std::string(name.begin(), name.end()) << ": " << error;
            return {};
        }
        return BundleModulePath(bundlePath, name);
    }

private:
    std::wstring folder_;
};
