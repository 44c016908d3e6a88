// Which host the core is told it runs in (callback 13): the host's own name split into
// product and version, the executable's path for recognised hosts and as the fallback.

#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ParametersScenario.h"
#include "support/RenamedTestRun.h"
#include "support/StringPrinting.h"
#include "util/HostExecutablePath.h"

namespace {

struct HostInfo {
    std::string name;
    float version;
};

HostInfo AskHostInfo(ParametersScenario& scenario, Parameters& parameters) {
    HostInfoRecord record;
    std::memset(&record, 0xAB, sizeof record);
    EXPECT_EQ(scenario.CallHook(parameters, 13, 0, &record), 0u);
    EXPECT_EQ(record.reserved, 0u);
    return {std::string(record.name, record.nameLength), record.version};
}

std::string LowerExecutablePath() { return Util::HostExecutablePath().ToLowerAscii().Bytes(); }

TEST(ParametersHostIdentity, HostNameIsSplitIntoProductAndVersionOnEveryRequest) {
    ParametersScenario scenario;
    const auto parameters = scenario.Make();
    ASSERT_EQ(scenario.Initialize(*parameters), AAX_SUCCESS);

    HostInfo info = AskHostInfo(scenario, *parameters);
    EXPECT_EQ(info.name, "Pro Tools");
    EXPECT_FLOAT_EQ(info.version, 2023.6f);

    scenario.Controller(*parameters).SetHostName("Host 10.2.3.4");
    info = AskHostInfo(scenario, *parameters);
    EXPECT_EQ(info.name, "Host");
    EXPECT_FLOAT_EQ(info.version, 10.234f);

    scenario.Controller(*parameters).SetHostName("Some Host");
    info = AskHostInfo(scenario, *parameters);
    EXPECT_EQ(info.name, LowerExecutablePath()) << "a name without digits";
    EXPECT_NE(info.name.find("corelink_tests.exe"), std::string::npos);
    EXPECT_FLOAT_EQ(info.version, 10.234f) << "only a version text changes the version";
}

TEST(ParametersHostIdentity, WithoutAnAnswerFromTheHostThePreviousValuesStay) {
    ParametersScenario scenario;
    const auto parameters = scenario.Make();
    EXPECT_EQ(AskHostInfo(scenario, *parameters).name, LowerExecutablePath()) << "no controller yet";

    ASSERT_EQ(scenario.Initialize(*parameters), AAX_SUCCESS);
    AskHostInfo(scenario, *parameters);
    scenario.Controller(*parameters).SetHostNameResult(AAX_ERROR_UNIMPLEMENTED);
    scenario.Controller(*parameters).SetHostName("Other 9.0");
    const HostInfo info = AskHostInfo(scenario, *parameters);
    EXPECT_EQ(info.name, "Pro Tools");
    EXPECT_FLOAT_EQ(info.version, 2023.6f);
}

// The executable's path is the process's own, so this runs a copy of this test program
// named MediaComposer.exe (with the hook and the test core beside it) and reads its
// report.
TEST(ParametersHostIdentity, MediaComposerExecutableIsReportedByItsPathWithoutAskingTheHost) {
    const RenamedTestRun run =
        RunRenamedTestProgram(L"corelink_tests.exe", L"MediaComposer.exe", L"ParametersInMediaComposer.*");
    ASSERT_TRUE(run.started) << GetLastError();
    EXPECT_EQ(run.exitCode, 0u) << run.report;
    EXPECT_NE(run.report.find("name=\"DISABLED_RecordCarriesTheExecutablePathAsItIs\""), std::string::npos)
        << run.report;
    EXPECT_NE(run.report.find("failures=\"0\""), std::string::npos) << run.report;
}

// Runs only in the copy named MediaComposer.exe (see above).
TEST(ParametersInMediaComposer, DISABLED_RecordCarriesTheExecutablePathAsItIs) {
    ParametersScenario scenario;
    const auto parameters = scenario.Make();
    ASSERT_EQ(scenario.Initialize(*parameters), AAX_SUCCESS);
    scenario.Controller(*parameters).SetHostName("Other Host 9.5");

    const HostInfo info = AskHostInfo(scenario, *parameters);
    EXPECT_EQ(info.name, Util::HostExecutablePath().Bytes()) << "the host's own name is not used";
    EXPECT_NE(info.name.find("MediaComposer.exe"), std::string::npos) << "not lower-cased";
    EXPECT_EQ(info.version, 0.0f);
}

}  // namespace
