// The processing, threading, editor and AudioSuite checks in-process against real
// bundles: the demo core passes every one of them, and each fault variant of the demo
// core turns exactly its intended check red, with the reason that names the fault.

#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "Bundle.h"
#include "aaxhost/DialogWatcher.h"
#include "aaxhost/validate/ValidationGroups.h"
#include "support/TestBinaries.h"

using namespace aaxhost::validate;

namespace {

// A bundle of the hook primed for a core, in a temporary folder of its own. Each gets
// a name of its own, so that every bundle's module is a fresh module in this process.
class ProbeBundle {
public:
    ProbeBundle(const std::wstring& core, const std::string& coreConfig) {
        static int counter = 0;
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        const std::wstring id = std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
        folder_ = std::wstring(temp) + L"lm-probe-" + id;
        BundleSettings bundle;
        bundle.directory = folder_;
        bundle.name = L"LmProbe" + std::to_wstring(counter);
        bundle.coreFile = TestBinaryPath(core);
        PrimeSettings settings;
        settings.core = std::filesystem::path(core).string();
        settings.config = "FixedChannelConfig:stereo|CoreConfig:" + coreConfig;
        settings.shortName = std::string("LmValidateProbes");
        std::wstring bundlePath;
        ready_ = BuildBundle(TestBinaryPath(L"LmHook.dll"), bundle, settings, bundlePath, error_);
        modulePath_ = BundleModulePath(bundlePath, bundle.name);
    }
    ~ProbeBundle() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    bool Ready() const { return ready_; }
    const std::string& Error() const { return error_; }
    const std::wstring& ModulePath() const { return modulePath_; }

private:
    std::wstring folder_;
    std::wstring modulePath_;
    bool ready_ = false;
    std::string error_;
};

using Group = void (*)(Validation&);

// Runs the groups over the bundle's module and gives the results.
std::vector<CheckResult> Validate(const ProbeBundle& bundle, int strictness, const std::vector<Group>& groups) {
    Options options;
    options.modulePath = bundle.ModulePath();
    options.strictness = strictness;
    options.seed = 7;
    aaxhost::DialogWatcher watcher;  // a fatal error box must not block the run
    std::vector<CheckResult> results;
    {
        Validation validation(options);
        for (Group group : groups) group(validation);
        results = validation.Results();
    }
    return results;
}

std::string Name(const CheckResult& result) { return result.group + "/" + result.name; }

std::string Describe(const std::vector<CheckResult>& results) {
    std::string text;
    for (const CheckResult& result : results)
        text += Name(result) + " " + OutcomeName(result.outcome) + " (" + std::to_string(result.seconds) +
                " s): " + result.detail + "\n";
    return text;
}

TEST(ProbeChecks, DemoCorePassesEveryCheckAtStrictnessFive) {
    ProbeBundle bundle(L"LmDemoCore.dll", "demo");
    ASSERT_TRUE(bundle.Ready()) << bundle.Error();
    const auto results =
        Validate(bundle, 5, {RunProcessingChecks, RunEditorChecks, RunAudioSuiteChecks, RunThreadingChecks});
    std::printf("%s", Describe(results).c_str());
    std::vector<std::string> names;
    for (const CheckResult& result : results) {
        names.push_back(Name(result));
        EXPECT_EQ(result.outcome, Outcome::Passed) << Describe(results);
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{"processing/finite-output", "processing/input-untouched",
                                        "processing/channel-order", "processing/latency",
                                        "processing/automation-thread", "processing/parameter-fuzz",
                                        "editor/open-close", "editor/open-while-processing", "editor/parameter-storm",
                                        "editor/teardown-order", "audiosuite/analysis", "audiosuite/render",
                                        "threading/audio-thread-heap", "threading/floating-point-state"}));
}

struct FaultCase {
    const char* fault;
    const char* failingCheck;  // empty: none of these checks may fail
    const char* reasonPart;
};

class ProbeFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(ProbeFaults, EachFaultTurnsExactlyItsCheckRed) {
    const FaultCase& c = GetParam();
    ProbeBundle bundle(L"LmDemoFaultCore.dll", std::string("fault=") + c.fault);
    ASSERT_TRUE(bundle.Ready()) << bundle.Error();
    const auto results =
        Validate(bundle, 1, {RunProcessingChecks, RunEditorChecks, RunAudioSuiteChecks, RunThreadingChecks});
    std::vector<std::string> failed;
    for (const CheckResult& result : results) {
        if (result.outcome != Outcome::Failed) continue;
        failed.push_back(Name(result));
        std::printf("fault=%s: %s: %s\n", c.fault, Name(result).c_str(), result.detail.c_str());
        if (Name(result) == c.failingCheck) {
            EXPECT_NE(result.detail.find(c.reasonPart), std::string::npos) << result.detail;
        }
    }
    const std::vector<std::string> expected =
        *c.failingCheck ? std::vector<std::string>{c.failingCheck} : std::vector<std::string>{};
    EXPECT_EQ(failed, expected) << Describe(results);
}

INSTANTIATE_TEST_SUITE_P(DemoFaultCore, ProbeFaults,
                         ::testing::Values(FaultCase{"nan", "processing/finite-output", "is NaN (nan)"},
                                           FaultCase{"latency", "processing/latency",
                                                     "reported 64 samples, measured 32"},
                                           FaultCase{"swap", "processing/channel-order",
                                                     "output channel 0 carries input channel 1's signal"},
                                           FaultCase{"state", "", ""}),
                         [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.fault); });

TEST(ProbeChecks, ChecksNeedingAnEffectAreSkippedWhenTheModuleDidNotRegister) {
    ProbeBundle bundle(L"LmNoEntryCore.dll", "demo");
    ASSERT_TRUE(bundle.Ready()) << bundle.Error();
    const auto results =
        Validate(bundle, 1, {RunProcessingChecks, RunEditorChecks, RunAudioSuiteChecks, RunThreadingChecks});
    ASSERT_EQ(results.size(), 14u) << Describe(results);
    for (const CheckResult& result : results) {
        EXPECT_EQ(result.outcome, Outcome::Skipped) << Describe(results);
        EXPECT_EQ(result.detail, "the module did not register");
    }
}

}  // namespace
