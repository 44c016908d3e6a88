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

#include "support/PrimedHook.h"
#include "support/ScratchFolder.h"
#include "support/StringPrinting.h"
#include "support/ToolRun.h"

namespace {

using boost::property_tree::ptree;

ptree ParseJson(const std::string& text) {
    std::istringstream stream(text);
    ptree tree;
    boost::property_tree::read_json(stream, tree);
    return tree;
}

// A bundle `name` in `folder` of `core` with "CoreConfig:<coreConfig>", and a short name
// of its own, so that no registry value of another test program applies; its module.
std::string Bundle(const ScratchFolder& folder, const std::string& name, const std::wstring& core,
                   const std::string& coreConfig) {
    std::string error;
    const std::wstring module =
        PrimeBundle(folder.Wide(), WideText(name), core,
                    ProductSettings(Utf8Text(core), "CoreConfig:" + coreConfig, "LmValidate" + name), error);
    EXPECT_EQ(error, "");
    return Utf8Text(module);
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

const char* const kEveryCheck =
    "load/register load/effect-ids load/procedure-ids load/plugin-ids load/categories load/properties "
    "load/same-description-twice load/repeated-load load/core-missing load/core-without-entry-point "
    "instances/create-release instances/concurrent-create instances/unload-reload parameters/identifiers "
    "parameters/defaults parameters/round-trip parameters/traversal processing/finite-output "
    "processing/input-untouched processing/channel-order processing/latency processing/automation-thread "
    "processing/parameter-fuzz state/round-trip state/fresh-instance state/bad-chunks state/compare "
    "editor/open-close editor/open-while-processing editor/parameter-storm editor/teardown-order "
    "audiosuite/analysis audiosuite/render threading/audio-thread-heap threading/floating-point-state";

TEST(ValidateCommand, TheDemoCorePassesEveryCheckAtTheDefaultStrictness) {
    const ScratchFolder folder(L"validate");
    const std::string module = Bundle(folder, "LmDemo", L"LmDemoCore.dll", "demo");
    ASSERT_FALSE(module.empty());
    const ToolRun run = RunAaxhost({"validate", module, "--json"});
    const ptree report = ParseJson(run.out);
    const FailedChecks failed = FailedIn(report);
    EXPECT_EQ(run.exitCode, 0u) << failed.details;
    EXPECT_EQ(report.get<std::string>("passed"), "true");
    EXPECT_TRUE(failed.names.empty()) << failed.details;
    EXPECT_EQ(report.get<int>("strictness"), 5);
    EXPECT_EQ(report.get<std::string>("seed"), "1");
    std::string names;
    for (const auto& check : report.get_child("checks")) {
        names += (names.empty() ? "" : " ") + check.second.get<std::string>("group") + "/" +
                 check.second.get<std::string>("name");
        EXPECT_EQ(check.second.get<std::string>("outcome"), "pass") << check.second.get<std::string>("detail");
    }
    EXPECT_EQ(names, kEveryCheck);
}

struct FaultRow {
    const char* label;
    const wchar_t* core;
    const char* coreConfig;
    const char* failedCheck;
    const char* reasonPattern;  // a regular expression the failed check's detail matches
};

TEST(ValidateFault, TurnsExactlyItsOwnCheckRedWithAReasonThatNamesTheFault) {
    const FaultRow rows[] =
        {{"FaultNan", L"LmDemoFaultCore.dll", "fault=nan", "processing/finite-output", "is NaN \\(nan\\)"},
         {"FaultState", L"LmDemoFaultCore.dll", "fault=state", "state/round-trip", "parameter \"[^\"]+\" is"},
         {"FaultLatency", L"LmDemoFaultCore.dll", "fault=latency", "processing/latency",
          "reported 64 samples, measured 32"},
         {"FaultSwap", L"LmDemoFaultCore.dll", "fault=swap", "processing/channel-order",
          "output channel 0 carries input channel 1's signal"},
         {"NoEntry", L"LmNoEntryCore.dll", "demo", "load/register",
          "is corrupt or invalid, please reinstall or contact technical support for assistance \\[0x7F\\]"}};
    for (const FaultRow& row : rows) {
        SCOPED_TRACE(row.label);
        const ScratchFolder folder(L"validate");
        const std::string module = Bundle(folder, row.label, row.core, row.coreConfig);
        ASSERT_FALSE(module.empty());
        const ToolRun run = RunAaxhost({"validate", module, "--json", "--strictness", "1"});
        const ptree report = ParseJson(run.out);
        const FailedChecks failed = FailedIn(report);
        EXPECT_EQ(run.exitCode, 1u);
        EXPECT_EQ(report.get<std::string>("passed"), "false");
        EXPECT_EQ(failed.names, std::set<std::string>{row.failedCheck}) << failed.details;
        EXPECT_TRUE(std::regex_search(failed.details, std::regex(row.reasonPattern))) << failed.details;
        // A module that did not register skips every check that needs an effect.
        if (std::string(row.failedCheck) != "load/register") continue;
        for (const auto& check : report.get_child("checks")) {
            if (check.second.get<std::string>("group") == "load") continue;
            EXPECT_EQ(check.second.get<std::string>("outcome"), "skip") << check.second.get<std::string>("name");
            EXPECT_EQ(check.second.get<std::string>("detail"), "the module did not register");
        }
    }
}

struct ArgumentRow {
    const char* label;
    std::vector<std::string> arguments;  // after "validate"
};

// The numbers' own rules are the shared parser's (CommandLineTest): one row each shows they apply.
TEST(ValidateArgumentError, IsExitCodeTwoWithoutRunningAnyCheck) {
    const ArgumentRow rows[] = {{"NoModule", {}},
                                {"NoModuleButOptions", {"--json"}},
                                {"TwoModules", {"a.aaxplugin", "b.aaxplugin"}},
                                {"StrictnessEleven", {"m.aaxplugin", "--strictness", "11"}},
                                {"SeedBeyond64Bits", {"m.aaxplugin", "--seed", "18446744073709551616"}},
                                {"UnknownOption", {"m.aaxplugin", "--fast"}}};
    for (const ArgumentRow& row : rows) {
        std::vector<std::string> arguments{"validate"};
        arguments.insert(arguments.end(), row.arguments.begin(), row.arguments.end());
        const ToolRun run = RunAaxhost(arguments);
        EXPECT_EQ(run.exitCode, 2u) << row.label;
        EXPECT_EQ(run.err.rfind("aaxhost: ", 0), 0u) << run.err;
        EXPECT_EQ(run.out.find("PASS"), std::string::npos) << run.out;
        EXPECT_EQ(run.out.find("FAIL"), std::string::npos) << run.out;
    }
}

// The report without its timings ("(0.12 s)" and the total) and without the names of
// the validator's scratch folders, which hold its process ID.
std::string WithoutTimings(const std::string& report) {
    std::string text = std::regex_replace(report, std::regex(R"(\(\d+\.\d+ s\))"), "(t)");
    text = std::regex_replace(text, std::regex(R"(in \d+\.\d+ s)"), "in t");
    // How many blocks an audio thread gets through while editors open is a timing too.
    text = std::regex_replace(text, std::regex(R"(while \d+ blocks)"), "while n blocks");
    return std::regex_replace(text, std::regex(R"(aaxhost-validate-\d+-\d+)"), "aaxhost-validate-x");
}

TEST(ValidateCommand, TheSameSeedGivesTheSameReportWhichTheJsonReportHoldsCheckByCheck) {
    const ScratchFolder folder(L"validate");
    const std::string module = Bundle(folder, "LmDemoSeed", L"LmDemoCore.dll", "demo");
    ASSERT_FALSE(module.empty());
    const std::vector<std::string> arguments = {"validate", module,   "--strictness",
                                                "1",        "--seed", "18446744073709551615"};
    const ToolRun first = RunAaxhost(arguments);
    const ToolRun second = RunAaxhost(arguments);
    std::vector<std::string> jsonArguments = arguments;
    jsonArguments.push_back("--json");
    const ToolRun json = RunAaxhost(jsonArguments);
    EXPECT_NE(first.out.find("seed 18446744073709551615"), std::string::npos) << first.out;
    EXPECT_EQ(WithoutTimings(first.out), WithoutTimings(second.out));
    EXPECT_EQ(first.exitCode, second.exitCode);

    const ptree report = ParseJson(json.out);
    EXPECT_EQ(report.get<int>("strictness"), 1);
    EXPECT_EQ(report.get<std::string>("seed"), "18446744073709551615");
    EXPECT_NE(report.get<std::string>("module").find("LmDemoSeed.aaxplugin"), std::string::npos);
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
        EXPECT_NE(first.out.find(line), std::string::npos) << line;
        ++checks;
    }
    EXPECT_GE(checks, 20u);
    EXPECT_EQ(report.count("fatalErrors"), 1u);
    EXPECT_EQ(json.exitCode, first.exitCode);
}

}  // namespace
