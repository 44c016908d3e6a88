// The "LMHOOK" resources read from real DLLs (built by windres, loaded by Wine's
// loader) through the same readers the module uses.

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hook/HookConfigResource.h"
#include "support/FatalErrorCapture.h"
#include "support/StringPrinting.h"
#include "support/TestBinaries.h"
#include "util/WideText.h"

namespace {

const std::string kInvalid = "Invalid hook config resource";

TEST(HookResources, ConfigIsReadOrReportedInvalidAndTheShortNameReadsUpToItsFirstNul) {
    const struct {
        const wchar_t* dll;
        bool present;      // false: the result is the null text (absent)
        std::string text;  // when present
        std::string message;
        const char* shortName;  // null: not a short-name case
    } cases[] = {
        {L"fx_hook_none.dll", true, "", "", ""},  // absent: empty, no error
        {L"fx_hook_zero.dll", true, "", "", ""},  // size 0: empty, no error
        {L"fx_hook_nul.dll", true, "", "", ""},   // one NUL byte
        {L"fx_hook_unterminated.dll", false, "", kInvalid, "Brisa"},
        {L"fx_hook_1023.dll", true, std::string(1023, 'a'), "", nullptr},
        {L"fx_hook_1024.dll", false, "", kInvalid, nullptr},
        {L"fx_hook_embedded_nul.dll", true, "FixedChannelConfig:mono", "", "Brisa"},
        {L"fx_hook_valid.dll", true, "FixedChannelConfig:stereo|Media:VST-One,AU-One|CoreConfig:abc", "", "Brisa"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Util::FromWide(c.dll).Bytes());
        const HeldModule module(LoadLibraryW(TestBinaryPath(c.dll).c_str()));
        ASSERT_NE(module.Get(), nullptr) << "fixture missing";
        FatalErrorCapture errors;
        const Util::String config = ReadHookConfigResource(module.Get());
        EXPECT_EQ(!config.IsNull(), c.present);
        if (c.present) {
            EXPECT_EQ(config.Bytes(), c.text);
        }
        EXPECT_EQ(errors.Messages(),
                  c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
        if (c.shortName == nullptr) continue;
        FatalErrorCapture nameErrors;
        const Util::String name = ReadShortNameResource(module.Get());
        EXPECT_FALSE(name.IsNull());
        EXPECT_EQ(name.Bytes(), c.shortName);
        EXPECT_TRUE(nameErrors.Messages().empty());
    }
}

TEST(HookResources, ResourcesThatCannotBeLoadedOrLockedGiveNoConfiguration) {
    // Windows gives no way to make these steps fail on a real module.
    const struct {
        ModuleResource::Status status;
        const char* message;
    } cases[] = {{ModuleResource::Status::LoadFailed, "Can't load hook config resource"},
                 {ModuleResource::Status::LockFailed, "Can't lock hook config resource"}};
    for (const auto& c : cases) {
        FatalErrorCapture errors;
        ModuleResource resource;
        resource.status = c.status;
        resource.size = 4;
        EXPECT_TRUE(HookConfigFromResource(resource).IsNull());
        EXPECT_EQ(errors.Messages(), std::vector<std::string>{c.message});
    }
}

TEST(HookResources, DefaultModuleIsTheOneHoldingTheCode) {
    // This test executable carries no "LMHOOK" resources: empty configuration, no
    // short name, and nothing to report.
    FatalErrorCapture errors;
    const Util::String config = ReadHookConfigResource();
    EXPECT_FALSE(config.IsNull());
    EXPECT_TRUE(config.IsEmpty());
    EXPECT_TRUE(ReadHookShortName().IsNull());
    EXPECT_TRUE(errors.Messages().empty());
}

}  // namespace
