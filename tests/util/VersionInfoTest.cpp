// The host-identification helpers always read the running executable, so each case
// runs a probe program (tests/fixtures/version) carrying the version resource under
// test and reads the four lines it prints: HostProcessName, HostProcessDisplayName,
// HostProcessVersion and GetVersionString(<argument>), "(null)" for the null text.

#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "support/StringPrinting.h"
#include "support/TestBinaries.h"
#include "util/VersionInfo.h"

namespace {

constexpr DWORD kProbeTimeoutMs = 120000;  // a cold Wine prefix can be slow to start a process

// Runs `exePath` with `arguments` appended to its command line and returns its output
// lines; records a failure and returns nothing when the probe cannot be run.
std::vector<std::string> RunProbe(const std::wstring& exePath, const std::wstring& arguments) {
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
        ADD_FAILURE() << "CreatePipe failed: " << GetLastError();
        return {};
    }
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    std::wstring commandLine = L"\"" + exePath + L"\" " + arguments;
    PROCESS_INFORMATION process = {};
    const BOOL started = CreateProcessW(exePath.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                        &startup, &process);
    CloseHandle(writeEnd);
    if (!started) {
        ADD_FAILURE() << "CreateProcessW failed: " << GetLastError();
        CloseHandle(readEnd);
        return {};
    }

    // The probe writes a few short lines, far less than the pipe holds, so it can run
    // to its end before anything is read.
    if (WaitForSingleObject(process.hProcess, kProbeTimeoutMs) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "probe did not finish";
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    std::string output;
    char buffer[512];
    DWORD read = 0;
    while (ReadFile(readEnd, buffer, sizeof(buffer), &read, nullptr) && read > 0) output.append(buffer, read);
    CloseHandle(readEnd);

    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = output.find('\n', start)) != std::string::npos; start = end + 1) {
        std::string line = output.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

struct ProbeCase {
    const wchar_t* probe;
    const wchar_t* arguments;
    std::vector<std::string> expected;  // name, display name, version, named string
};

TEST(HostIdentification, ReportsNameDescriptionAndVersionFromTheRunningExecutable) {
    const ProbeCase cases[] = {
        // "1, 2, 3, 4" in the string table wins over the fixed 9.9.9.9.
        {L"version_probe_strings.exe",
         L"ProductName",
         {"version_probe_strings.exe", "Version Probe Host", "1.2.3.4", "Version Probe"}},
        // No string table: the fixed version, and the file name as display name.
        {L"version_probe_fixed_only.exe",
         L"FileVersion",
         {"version_probe_fixed_only.exe", "version_probe_fixed_only.exe", "1.2.3.4", "(null)"}},
        // No "FileDescription": the file name with its extension; no "FileVersion":
        // the fixed version in decimal.
        {L"version_probe_no_description.exe",
         L"CompanyName",
         {"version_probe_no_description.exe", "version_probe_no_description.exe", "11.22.333.44444", "Probe Company"}},
        // No version resource at all.
        {L"version_probe_none.exe",
         L"FileDescription",
         {"version_probe_none.exe", "version_probe_none.exe", "(null)", "(null)"}},
        // The first translation's empty description and missing version are passed
        // over; where the first has a text it wins.
        {L"version_probe_two_translations.exe",
         L"CompanyName",
         {"version_probe_two_translations.exe", "Second Table Host", "7.8.9.10", "First Table Company"}},
        {L"version_probe_two_translations.exe",
         L"LegalCopyright",
         {"version_probe_two_translations.exe", "Second Table Host", "7.8.9.10", "Second Table Only"}},
    };
    for (const ProbeCase& c : cases) {
        SCOPED_TRACE(std::string(c.probe, c.probe + wcslen(c.probe)));
        EXPECT_EQ(RunProbe(TestBinaryPath(c.probe), c.arguments), c.expected);
    }
}

TEST(HostIdentification, InProcessNamesTheTestExecutable) {
    EXPECT_EQ(Util::HostProcessName(), Util::String("util_tests.exe"));
    EXPECT_TRUE(Util::HostProcessVersion().IsNull());
}

}  // namespace
