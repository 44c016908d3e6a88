#pragma once
// Runs a built tool (beside the tests) as a child process, the way a team's scripts run
// it, and collects its exit code and what it printed to stdout and stderr.

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/ScratchFolder.h"

struct ToolRun {
    DWORD exitCode = 0xFFFFFFFF;
    std::string out;  // as the tool wrote it (UTF-8)
    std::string err;
};

inline std::wstring WideText(const std::string& utf8) { return std::filesystem::u8path(utf8).wstring(); }
inline std::string Utf8Text(const std::wstring& wide) { return std::filesystem::path(wide).u8string(); }

// One argument quoted so that the child's command-line parser gives it back unchanged.
inline std::wstring QuotedArgument(const std::wstring& argument) {
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

// Runs the built `tool` (or the program at an absolute path) with `arguments`; a run that
// outlasts `timeoutMs` is ended with exit code 99, one that cannot start keeps 0xFFFFFFFF.
inline ToolRun RunTool(const std::wstring& tool, const std::vector<std::wstring>& arguments, DWORD timeoutMs = 600000) {
    const ScratchFolder outputs(L"run");
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const auto create = [&](const wchar_t* name) {
        return CreateFileW(outputs.Join(name).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0,
                           nullptr);
    };
    const HANDLE out = create(L"out"), err = create(L"err");
    std::wstring commandLine = QuotedArgument(std::filesystem::path(tool).is_absolute() ? tool : TestBinaryPath(tool));
    for (const std::wstring& argument : arguments) commandLine += L" " + QuotedArgument(argument);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    ToolRun run;
    if (CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        if (WaitForSingleObject(process.hProcess, timeoutMs) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 99);
        GetExitCodeProcess(process.hProcess, &run.exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(out);
    CloseHandle(err);
    std::stringstream outText, errText;
    outText << std::ifstream(outputs.Path() / L"out", std::ios::binary).rdbuf();
    errText << std::ifstream(outputs.Path() / L"err", std::ios::binary).rdbuf();
    run.out = outText.str();
    run.err = errText.str();
    return run;
}

// aaxhost.exe with UTF-8 arguments.
inline ToolRun RunAaxhost(const std::vector<std::string>& arguments) {
    std::vector<std::wstring> wide;
    for (const std::string& argument : arguments) wide.push_back(WideText(argument));
    return RunTool(L"aaxhost.exe", wide);
}

// The names in `folder`, sorted; hidden and temporary files included: what a run left.
inline std::vector<std::wstring> FolderEntries(const std::filesystem::path& folder) {
    std::vector<std::wstring> names;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored))
        names.push_back(entry.path().filename().wstring());
    std::sort(names.begin(), names.end());
    return names;
}
