// The static-information cache with the real hook module and the test core. The cache
// lives for the process, so each case uses plug-in format codes of its own.

#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "HookScenario.h"
#include "contract/RecordText.h"
#include "contract/StaticInfoRequest.h"
#include "support/FatalErrorCapture.h"
#include "support/StringPrinting.h"

namespace {

CoreStaticInfo InfoWithPackageVersion(std::uint32_t version) {
    CoreStaticInfo info;
    std::memset(&info, 0, sizeof info);
    info.packageVersion = version;
    return info;
}

TEST(StaticInfoCache, EachFormatIsFilledOnceByItsOwnRequest) {
    HookScenario held("FixedChannelConfig:stereo|CoreConfig:cfg value");
    const CoreStaticInfo realtime = InfoWithPackageVersion(9010);
    const CoreStaticInfo audioSuite = InfoWithPackageVersion(90001);
    held.Core().SetStaticInfo(6, &realtime, CoreStaticInfo::kCoreSize, 0);
    held.Core().SetStaticInfo(7, &audioSuite, CoreStaticInfo::kCoreSize, 0);

    const CoreStaticInfo& first6 = GetCoreStaticInfo(6);
    const CoreStaticInfo& first7 = GetCoreStaticInfo(7);
    const CoreStaticInfo& again6 = GetCoreStaticInfo(6);

    EXPECT_TRUE(first6.IsValid());
    EXPECT_TRUE(first7.IsValid());
    EXPECT_EQ(first6.PackageVersion(), 9010u);
    EXPECT_EQ(first7.PackageVersion(), 90001u);
    EXPECT_EQ(&again6, &first6);

    const std::vector<TestCoreCall> calls = held.Core().CallsOf(0);
    ASSERT_EQ(calls.size(), 2u) << "one request per format, none for the cached one";
    for (std::size_t i = 0; i < calls.size(); ++i) {
        const StaticInfoRequest request = calls[i].As<StaticInfoRequest>();
        EXPECT_EQ(calls[i].info.argument, 1u);
        EXPECT_EQ(calls[i].info.instance, 0u);
        EXPECT_EQ(ReadRecordText(request.coreConfig), Util::String("cfg value"));
        EXPECT_EQ(ReadRecordText(request.shortName), Util::String(kScenarioShortName));
        EXPECT_EQ(request.pluginFormat, i == 0 ? 6u : 7u);
        EXPECT_EQ(request.reserved, 0u);
        EXPECT_NE(request.outputAddress, 0u);
    }
}

TEST(StaticInfoCache, AFailedFillStaysInvalidAndIsNotRetried) {
    HookScenario held("FixedChannelConfig:mono");
    CoreStaticInfo info = InfoWithPackageVersion(1234);
    held.Core().SetStaticInfo(100, &info, CoreStaticInfo::kCoreSize, 5);

    const CoreStaticInfo& failed = GetCoreStaticInfo(100);
    EXPECT_FALSE(failed.IsValid());
    EXPECT_EQ(failed.PackageVersion(), 0u) << "a failed fill leaves a zero record";

    held.Core().SetStaticInfo(100, &info, CoreStaticInfo::kCoreSize, 0);
    EXPECT_EQ(&GetCoreStaticInfo(100), &failed);
    EXPECT_FALSE(GetCoreStaticInfo(100).IsValid());
    EXPECT_EQ(held.Core().CallsOf(0).size(), 1u);
}

TEST(StaticInfoCache, NoCoreConfigurationSendsNoRequest) {
    HookScenario held("FixedChannelConfig:mono|CoreConfig:a:b");
    CoreStaticInfo info = InfoWithPackageVersion(1);
    held.Core().SetStaticInfo(101, &info, CoreStaticInfo::kCoreSize, 0);
    FatalErrorCapture errors;

    EXPECT_FALSE(GetCoreStaticInfo(101).IsValid());
    EXPECT_TRUE(held.Core().CallsOf(0).empty());
    EXPECT_EQ(errors.Messages(), std::vector<std::string>{"Invalid hook config string CoreConfig:a:b"});
}

TEST(StaticInfoCache, NoCoreGivesAnInvalidRecord) {
    CoreLinkScenario scenario;
    ASSERT_EQ(scenario.UseHook("Missing.dll"), "");
    FatalErrorCapture errors;
    EXPECT_FALSE(GetCoreStaticInfo(102).IsValid());
    EXPECT_EQ(errors.Messages().size(), 1u);
}

}  // namespace
