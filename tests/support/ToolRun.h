#pragma once
// Runs a built tool (aaxhost.exe, lmprime.exe beside the tests) as a child process and
// collects its exit code, stdout and stderr; and lists folders, to see what a run left.
// In a namespace of its own: the tools' older test helpers use the plain names.

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/TestBinaries.h"

namespace toolrun {

struct Result {
    DWORD exitCode = 0xFFFFFFFF;
    std::string out;  // the bytes the tool wrote
    std::string err;
};

// One argument as the C runtime splits a command line: quoted, with backslashes
// doubled before a quote (and before the closing one).
inline std::wstring Quoted(const std::wstring& argument) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

inline std::string ReadAll(const std::filesystem::path& path) {
    std::stringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

// Runs `tool` (a file name beside the tests); killed after `timeoutMs`.
inline Result Run(const std::wstring& tool, const std::vector<std::wstring>& arguments, DWORD timeoutMs = 120000) {
    static int counter = 0;
    const std::filesystem::path stem =
        std::filesystem::temp_directory_path() /
        (L"lm-toolrun-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter));
    const std::wstring outPath = stem.wstring() + L".out";
    const std::wstring errPath = stem.wstring() + L".err";
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    const HANDLE out =
        CreateFileW(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    const HANDLE err =
        CreateFileW(errPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    std::wstring commandLine = Quoted(TestBinaryPath(tool));
    for (const std::wstring& argument : arguments) commandLine += L" " + Quoted(argument);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    Result result;
    if (CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        if (WaitForSingleObject(process.hProcess, timeoutMs) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 99);
        GetExitCodeProcess(process.hProcess, &result.exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(out);
    CloseHandle(err);
    result.out = ReadAll(outPath);
    result.err = ReadAll(errPath);
    DeleteFileW(outPath.c_str());
    DeleteFileW(errPath.c_str());
    return result;
}

// The names in `folder`, sorted; hidden and temporary files included.
inline std::vector<std::wstring> Entries(const std::filesystem::path& folder) {
    std::vector<std::wstring> names;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored))
        names.push_back(entry.path().filename().wstring());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace toolrun
