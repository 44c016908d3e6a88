#pragma once
// Runs a copy of a test program under another executable name (the host helpers read
// the process's own executable), with the hook and the test core beside it, and reads
// the gtest XML report of the tests it was asked to run. The chosen tests are written
// DISABLED_ so that only such a run executes them.

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/ScratchFolder.h"

struct RenamedTestRun {
    bool started = false;
    DWORD exitCode = 1;
    std::string report;  // the XML report, empty when none was written
};

inline RenamedTestRun RunRenamedTestProgram(const std::wstring& program, const std::wstring& newName,
                                            const std::wstring& filter) {
    RenamedTestRun run;
    const ScratchFolder scratch(L"renamed");
    const std::filesystem::path folder = scratch.Wide();
    scratch.CopyBinary(program, newName);
    scratch.CopyBinary(L"LmHook.dll");
    scratch.CopyBinary(L"LmTestCore.dll");
    const std::filesystem::path report = folder / L"report.xml";

    std::wstring commandLine = L"\"" + (folder / newName).wstring() + L"\" --gtest_filter=" + filter +
                               L" --gtest_also_run_disabled_tests --gtest_output=xml:" + report.wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    run.started = CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                                 &startup, &process) != FALSE;
    if (run.started) {
        WaitForSingleObject(process.hProcess, 120000);
        GetExitCodeProcess(process.hProcess, &run.exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        std::stringstream xml;
        xml << std::ifstream(report).rdbuf();
        run.report = xml.str();
    }
    return run;
}
