// The validator's broken fixture cores end to end: each turns exactly its own checks
// red with a reason that names the fault, and a core that aborts, crashes or hangs still
// gets the whole report (every group, the last one included) and exit code 1.
#include <gtest/gtest.h>

#include <boost/property_tree/json_parser.hpp>
#include <boost/property_tree/ptree.hpp>

#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "support/PrimedHook.h"
#include "support/ScratchFolder.h"
#include "support/ToolRun.h"

namespace {

struct BrokenCore {
    const wchar_t* fault;  // LmDemo<fault>Core.dll
    std::set<std::string> failed;
    const char* reasonPattern;  // the first failed check's detail matches it
    const wchar_t* checkTimeout;
};

class StrictValidation : public ::testing::TestWithParam<BrokenCore> {};

TEST_P(StrictValidation, TurnsExactlyItsChecksRedAndStillReportsEveryGroup) {
    const BrokenCore& row = GetParam();
    const ScratchFolder folder(L"strict");
    const std::wstring core = std::wstring(L"LmDemo") + row.fault + L"Core.dll";
    std::string error;
    const std::wstring module =
        PrimeBundle(folder.Wide(), std::wstring(L"Broken") + row.fault, core,
                    ProductSettings(Utf8Text(core), "CoreConfig:demo", "LmStrict" + Utf8Text(row.fault)), error);
    ASSERT_EQ(error, "");
    const ToolRun run = RunTool(L"aaxhost.exe", {L"validate", module, L"--json", L"--strictness", L"1",
                                                 L"--check-timeout", row.checkTimeout});
    std::istringstream stream(run.out);
    boost::property_tree::ptree report;
    ASSERT_NO_THROW(boost::property_tree::read_json(stream, report)) << run.out;
    std::set<std::string> failed;
    std::string details;
    std::string firstDetail;
    std::set<std::string> groups;
    for (const auto& entry : report.get_child("checks")) {
        const std::string check = entry.second.get<std::string>("group") + "/" + entry.second.get<std::string>("name");
        groups.insert(entry.second.get<std::string>("group"));
        if (entry.second.get<std::string>("outcome") != "fail") continue;
        failed.insert(check);
        details += check + ": " + entry.second.get<std::string>("detail") + "\n";
        if (firstDetail.empty()) firstDetail = entry.second.get<std::string>("detail");
    }
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_EQ(failed, row.failed) << details;
    EXPECT_TRUE(std::regex_search(firstDetail, std::regex(row.reasonPattern))) << details;
    EXPECT_EQ(groups, (std::set<std::string>{"load", "instances", "parameters", "processing", "state", "editor",
                                             "audiosuite", "threading"}));
}

INSTANTIATE_TEST_SUITE_P(
    FixtureCores, StrictValidation,
    ::testing::Values(
        BrokenCore{L"AudioHeap", {"threading/audio-thread-heap"}, "malloc x\\d+.*LmDemoAudioHeapCore\\.dll", L"60"},
        BrokenCore{L"AudioVirtualAlloc", {"threading/audio-thread-heap"}, "VirtualAlloc x\\d+", L"60"},
        BrokenCore{L"AudioLock", {"threading/audio-thread-heap"}, "EnterCriticalSection x\\d+", L"60"},
        BrokenCore{L"FpState", {"threading/floating-point-state"}, "flush-to-zero set, denormals-are-zero set", L"60"},
        BrokenCore{L"Subnormal", {"processing/finite-output"}, "Frequency=0.*is subnormal", L"60"},
        BrokenCore{L"EditorLeak", {"editor/open-close"}, "left 1 top-level windows behind", L"60"},
        BrokenCore{L"LoadLeak", {"load/repeated-load"}, "TLS slots lost, \\d+ handles more, \\d+ bytes more", L"60"},
        BrokenCore{L"Abort",
                   {"state/bad-chunks"},
                   "process ended with exit code 3 \\(abort\\) in state/bad-chunks",
                   L"60"},
        BrokenCore{L"Crash",
                   {"editor/open-close", "editor/open-while-processing", "editor/parameter-storm",
                    "editor/teardown-order"},
                   "crashed in editor/open-close: exception 0xC0000005 \\(access violation\\)",
                   L"60"},
        BrokenCore{L"Hang", {"state/bad-chunks", "state/compare"}, "timed out after 8 s in state/bad-chunks", L"8"}),
    [](const ::testing::TestParamInfo<BrokenCore>& info) {
        const std::wstring fault = info.param.fault;
        return std::string(fault.begin(), fault.end());
    });

}  // namespace

namespace {

// The release gate: strictness 10 passes the demo bundle with the counts it promises.
TEST(StrictValidation, StrictnessTenPassesTheDemoBundleWithItsReleaseCounts) {
    const ScratchFolder folder(L"strict");
    std::string error;
    const std::wstring module = PrimeBundle(folder.Wide(), L"LmDemo", L"LmDemoCore.dll",
                                            ProductSettings("LmDemoCore.dll", "CoreConfig:demo", "LmStrictTen"), error);
    ASSERT_EQ(error, "");
    const ToolRun run = RunTool(L"aaxhost.exe", {L"validate", module, L"--json", L"--strictness", L"10"});
    EXPECT_EQ(run.exitCode, 0u) << run.out;
    std::istringstream stream(run.out);
    boost::property_tree::ptree report;
    ASSERT_NO_THROW(boost::property_tree::read_json(stream, report)) << run.out;
    const std::pair<const char*, int> promised[] = {{"loadCycles", 1000},   {"instances", 64},
                                                    {"instanceThreads", 8}, {"instancesAliveAtOnce", 16},
                                                    {"largeChunks", 3},     {"largeChunkBytes", 1048576},
                                                    {"corruptChunks", 500}, {"automationBlocks", 10000}};
    for (const auto& [name, count] : promised) EXPECT_EQ(report.get<int>(std::string("counts.") + name), count) << name;
    for (const auto& entry : report.get_child("checks"))
        EXPECT_EQ(entry.second.get<std::string>("outcome"), "pass") << entry.second.get<std::string>("name");
}

}  // namespace
