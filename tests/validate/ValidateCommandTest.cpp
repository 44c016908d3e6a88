// aaxhost validate end to end: the built tool on bundles of the demo core, of its fault
// variant and of a core without an entry point, as a plug-in team's CI runs it.
#include <gtest/gtest.h>

#include <boost/property_tree/json_parser.hpp>
#include <boost/property_tree/ptree.hpp>

#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/StringPrinting.h"
#include "validate/ValidatorRun.h"

namespace {

using boost::property_tree::ptree;

ptree ParseJson(const std::string& text) {
    std::istringstream stream(text);
    ptree tree;
    boost::property_tree::read_json(stream, tree);
    return tree;
}

struct FailedChecks {
    std::set<std::string> names;
    std::string details;  // every failed check's "name: detail", one per line
};

FailedChecks FailedIn(const ptree& report) {
    FailedChecks failed;
    for (const auto& entry : report.get_child("checks")) {
        const ptree& check = entry.second;
        if (check.get<std::string>("outcome") != "fail") continue;
        const std::string name = check.get<std::string>("group") + "/" + check.get<std::string>("name");
        failed.names.insert(name);
        failed.details += name + ": " + check.get<std::string>("detail") + "\n";
    }
    return failed;
}

TEST(ValidateCommand, PassesOnTheDemoCoreAtTheDefaultStrictness) {
    BundleFolder folder;
    const std::wstring module = folder.Bundle(L"LmDemo", L"LmDemoCore.dll", "demo");
    ASSERT_FALSE(module.empty());
    const ChildResult run = RunAaxhost({L"validate", module, L"--json"});
    const ptree report = ParseJson(run.output);
    const FailedChecks failed = FailedIn(report);
    EXPECT_EQ(run.exitCode, 0u) << failed.details;
    EXPECT_EQ(report.get<std::string>("passed"), "true");
    EXPECT_TRUE(failed.names.empty()) << failed.details;
    EXPECT_EQ(report.get<int>("strictness"), 5);
    EXPECT_EQ(report.get<std::string>("seed"), "1");
}

struct FaultRow {
    const char* label;
    const wchar_t* core;
    const char* coreConfig;
    const char* failedCheck;
    const char* reasonPattern;  // a regular expression the failed check's detail matches
};

class ValidateFault : public ::testing::TestWithParam<FaultRow> {};

TEST_P(ValidateFault, TurnsExactlyItsOwnCheckRedWithAReasonThatNamesTheFault) {
    const FaultRow& row = GetParam();
    BundleFolder folder;
    const std::string label = row.label;
    const std::wstring module = folder.Bundle(std::wstring(label.begin(), label.end()), row.core, row.coreConfig);
    ASSERT_FALSE(module.empty());
    const ChildResult run = RunAaxhost({L"validate", module, L"--json", L"--strictness", L"1"});
    const ptree report = ParseJson(run.output);
    const FailedChecks failed = FailedIn(report);
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_EQ(report.get<std::string>("passed"), "false");
    EXPECT_EQ(failed.names, std::set<std::string>{row.failedCheck}) << failed.details;
    EXPECT_TRUE(std::regex_search(failed.details, std::regex(row.reasonPattern, std::regex::icase))) << failed.details;
}

INSTANTIATE_TEST_SUITE_P(BrokenCores, ValidateFault,
                         ::testing::Values(FaultRow{"FaultNan", L"LmDemoFaultCore.dll", "fault=nan",
                                                    "processing/finite-output", "NaN"},
                                           FaultRow{"FaultState", L"LmDemoFaultCore.dll", "fault=state",
                                                    "state/round-trip", "parameter \"[^\"]+\" is"},
                                           FaultRow{"FaultLatency", L"LmDemoFaultCore.dll", "fault=latency",
                                                    "processing/latency", "32[^0-9].*64|64[^0-9].*32"},
                                           FaultRow{"FaultSwap", L"LmDemoFaultCore.dll", "fault=swap",
                                                    "processing/channel-order", "channel"},
                                           FaultRow{"NoEntry", L"LmNoEntryCore.dll", "demo", "load/register", "0x7F"}),
                         [](const ::testing::TestParamInfo<FaultRow>& info) { return std::string(info.param.label); });

struct ArgumentRow {
    const char* label;
    std::vector<std::wstring> arguments;  // after "validate"
};

class ValidateArgumentError : public ::testing::TestWithParam<ArgumentRow> {};

TEST_P(ValidateArgumentError, IsExitCodeTwoWithoutRunningAnyCheck) {
    std::vector<std::wstring> arguments{L"validate"};
    arguments.insert(arguments.end(), GetParam().arguments.begin(), GetParam().arguments.end());
    const ChildResult run = RunAaxhost(arguments);
    EXPECT_EQ(run.exitCode, 2u);
    EXPECT_EQ(run.output.find("PASS"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("FAIL"), std::string::npos) << run.output;
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, ValidateArgumentError,
    ::testing::Values(ArgumentRow{"NoModule", {}}, ArgumentRow{"NoModuleButOptions", {L"--json"}},
                      ArgumentRow{"TwoModules", {L"a.aaxplugin", L"b.aaxplugin"}},
                      ArgumentRow{"StrictnessZero", {L"m.aaxplugin", L"--strictness", L"0"}},
                      ArgumentRow{"StrictnessEleven", {L"m.aaxplugin", L"--strictness", L"11"}},
                      ArgumentRow{"StrictnessNotANumber", {L"m.aaxplugin", L"--strictness", L"high"}},
                      ArgumentRow{"StrictnessMissing", {L"m.aaxplugin", L"--strictness"}},
                      ArgumentRow{"SeedNegative", {L"m.aaxplugin", L"--seed", L"-1"}},
                      ArgumentRow{"SeedBeyond64Bits", {L"m.aaxplugin", L"--seed", L"18446744073709551616"}},
                      ArgumentRow{"SeedHex", {L"m.aaxplugin", L"--seed", L"0x10"}},
                      ArgumentRow{"UnknownOption", {L"m.aaxplugin", L"--fast"}}),
    [](const ::testing::TestParamInfo<ArgumentRow>& info) { return std::string(info.param.label); });

// The report without its timings ("(0.12 s)" and the total) and without the names of
// the validator's scratch folders, which hold its process ID.
std::string WithoutTimings(const std::string& report) {
    std::string text = std::regex_replace(report, std::regex(R"(\(\d+\.\d+ s\))"), "(t)");
    text = std::regex_replace(text, std::regex(R"(in \d+\.\d+ s)"), "in t");
    // How many blocks an audio thread gets through while editors open is a timing too.
    text = std::regex_replace(text, std::regex(R"(while \d+ blocks)"), "while n blocks");
    return std::regex_replace(text, std::regex(R"(aaxhost-validate-\d+-\d+)"), "aaxhost-validate-x");
}

TEST(ValidateCommand, TheSameSeedGivesTheSameReportAndNamesTheSeed) {
    BundleFolder folder;
    const std::wstring module = folder.Bundle(L"LmDemoSeed", L"LmDemoCore.dll", "demo");
    ASSERT_FALSE(module.empty());
    const ChildResult first =
        RunAaxhost({L"validate", module, L"--strictness", L"1", L"--seed", L"18446744073709551615"});
    const ChildResult second =
        RunAaxhost({L"validate", module, L"--strictness", L"1", L"--seed", L"18446744073709551615"});
    EXPECT_NE(first.output.find("seed 18446744073709551615"), std::string::npos) << first.output;
    EXPECT_EQ(WithoutTimings(first.output), WithoutTimings(second.output));
    EXPECT_EQ(first.exitCode, second.exitCode);
}

TEST(ValidateCommand, JsonReportHoldsEveryCheckWithItsFiveFields) {
    BundleFolder folder;
    const std::wstring module = folder.Bundle(L"LmDemoJson", L"LmDemoCore.dll", "demo");
    ASSERT_FALSE(module.empty());
    const ChildResult text = RunAaxhost({L"validate", module, L"--strictness", L"1", L"--seed", L"42"});
    const ChildResult json = RunAaxhost({L"validate", module, L"--strictness", L"1", L"--seed", L"42", L"--json"});
    const ptree report = ParseJson(json.output);
    EXPECT_EQ(report.get<int>("strictness"), 1);
    EXPECT_EQ(report.get<std::string>("seed"), "42");
    EXPECT_NE(report.get<std::string>("module").find("LmDemoJson.aaxplugin"), std::string::npos);
    std::size_t checks = 0;
    for (const auto& entry : report.get_child("checks")) {
        const ptree& check = entry.second;
        const std::string outcome = check.get<std::string>("outcome");
        EXPECT_TRUE(outcome == "pass" || outcome == "fail" || outcome == "skip") << outcome;
        EXPECT_GE(check.get<double>("seconds"), 0.0);
        EXPECT_FALSE(check.get<std::string>("detail").empty());
        // The text report carries the same check on a line of its own.
        const std::string line = std::string(outcome == "pass"   ? "PASS "
                                             : outcome == "fail" ? "FAIL "
                                                                 : "SKIP ") +
                                 check.get<std::string>("group") + "/" + check.get<std::string>("name") + " (";
        EXPECT_NE(text.output.find(line), std::string::npos) << line;
        ++checks;
    }
    EXPECT_GE(checks, 20u);
    EXPECT_EQ(report.count("fatalErrors"), 1u);
    EXPECT_EQ(json.exitCode, text.exitCode);
}

}  // namespace
