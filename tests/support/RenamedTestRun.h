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
#include "support/ToolRun.h"

struct RenamedTestRun {
    bool started = false;
    DWORD exitCode = 1;
    std::string report;  // the XML report, empty when none was written
};

inline RenamedTestRun RunRenamedTestProgram(const std::wstring& program, const std::wstring& newName,
                                            const std::wstring& filter) {
    const ScratchFolder scratch(L"renamed");
    scratch.CopyBinary(program, newName);
    scratch.CopyBinary(L"LmHook.dll");
    scratch.CopyBinary(L"LmTestCore.dll");
    const std::filesystem::path report = scratch.Join(L"report.xml");
    const ToolRun tool = RunTool(scratch.Join(newName),
                                 {L"--gtest_filter=" + filter, L"--gtest_also_run_disabled_tests",
                                  L"--gtest_output=xml:" + report.wstring()},
                                 120000);
    RenamedTestRun run;
    run.started = tool.exitCode != 0xFFFFFFFF;
    run.exitCode = tool.exitCode;
    std::stringstream xml;
    xml << std::ifstream(report).rdbuf();
    run.report = xml.str();
    return run;
}
