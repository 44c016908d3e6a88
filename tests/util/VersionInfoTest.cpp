// The host-identification helpers always read the running executable, so each case
// runs a probe program (tests/fixtures/version) carrying the version resource under
// test and reads the four lines it prints: HostProcessName, HostProcessDisplayName,
// HostProcessVersion and GetVersionString(<argument>), "(null)" for the null text.

#include <windows.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/StringPrinting.h"
#include "support/ToolRun.h"
#include "util/VersionInfo.h"

namespace {

// The probe's output lines.
std::vector<std::string> RunProbe(const char* probe, const wchar_t* argument) {
    const ToolRun run = RunTool(WideText(probe), {argument}, 120000);  // a cold Wine prefix is slow to start one
    std::vector<std::string> lines;
    std::istringstream text(run.out);
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

TEST(HostIdentification, ReportsNameDescriptionAndVersionFromTheRunningExecutable) {
    const struct {
        const char* probe;  // its name is the first line
        const wchar_t* argument;
        std::vector<std::string> expected;  // display name, version, the named string
    } cases[] = {
        // "1, 2, 3, 4" in the string table wins over the fixed 9.9.9.9.
        {"version_probe_strings.exe", L"ProductName", {"Version Probe Host", "1.2.3.4", "Version Probe"}},
        // No string table: the fixed version, and the file name as display name.
        {"version_probe_fixed_only.exe", L"FileVersion", {"version_probe_fixed_only.exe", "1.2.3.4", "(null)"}},
        // No "FileDescription": the file name with its extension; no "FileVersion":
        // the fixed version in decimal.
        {"version_probe_no_description.exe",
         L"CompanyName",
         {"version_probe_no_description.exe", "11.22.333.44444", "Probe Company"}},
        // No version resource at all.
        {"version_probe_none.exe", L"FileDescription", {"version_probe_none.exe", "(null)", "(null)"}},
        // The first translation's empty description and missing version are passed
        // over; where the first has a text it wins.
        {"version_probe_two_translations.exe",
         L"CompanyName",
         {"Second Table Host", "7.8.9.10", "First Table Company"}},
        {"version_probe_two_translations.exe",
         L"LegalCopyright",
         {"Second Table Host", "7.8.9.10", "Second Table Only"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> expected{c.probe};
        expected.insert(expected.end(), c.expected.begin(), c.expected.end());
        EXPECT_EQ(RunProbe(c.probe, c.argument), expected) << c.probe;
    }
}

TEST(HostIdentification, InProcessNamesTheTestExecutable) {
    EXPECT_EQ(Util::HostProcessName(), Util::String("util_tests.exe"));
    EXPECT_TRUE(Util::HostProcessVersion().IsNull());
}

}  // namespace
