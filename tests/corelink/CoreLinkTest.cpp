// The core link against real files, real primed hook modules and the real registry:
// the hook module finds the test core the way it finds a product's core.

#include <windows.h>
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "CoreLinkScenario.h"
#include "hook/CoreLink.h"
#include "hook/HookConfigResource.h"
#include "support/FatalErrorCapture.h"
#include "support/StringPrinting.h"
#include "testcore/TestCoreControl.h"
#include "util/Path.h"

namespace {

const std::string kNotFound =
    "One of the files this plug-in needs cannot be found, please reinstall or contact technical support for "
    "assistance [0x";
const std::string kCorrupt =
    "One of the files this plug-in needs is corrupt or invalid, please reinstall or contact technical support for "
    "assistance [0x";

// "[0x<upper-case hex>]" right after `prefix`, then `rest`.
bool HasCode(const std::string& message, const std::string& prefix, const std::string& rest = "") {
    return std::regex_match(message, std::regex(std::regex_replace(prefix, std::regex(R"([\[\]().\\])"), R"(\$&)") +
                                                "[0-9A-F]+\\]" +
                                                std::regex_replace(rest, std::regex(R"([\[\]().\\])"), R"(\$&)")));
}

Util::String Native(const std::wstring& path) { return Util::Path(CoreLinkScenario::Utf8(path)).NativeText(); }

// The process reads the short name once: make it the scenarios' before any test runs.
class ShortNameEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        CoreLinkScenario scenario;
        ASSERT_EQ(scenario.UseHook("LmBrisa3.dll"), "");
        ASSERT_EQ(ReadHookShortName(), Util::String(kScenarioShortName));
    }
};
::testing::Environment* const g_shortName = ::testing::AddGlobalTestEnvironment(new ShortNameEnvironment);

TEST(CoreLink, BareNameIsLoadedFromTheHookModulesFolder) {
    CoreLinkScenario scenario;
    const std::wstring core = scenario.AddCore();
    ASSERT_EQ(scenario.UseHook("LmBrisa3.dll", "FixedChannelConfig:stereo|CoreConfig:abc"), "");
    FatalErrorCapture errors;

    const std::shared_ptr<LoadedCore> link = GetCoreLink();

    ASSERT_NE(link, nullptr);
    EXPECT_NE(link->coreCallback, nullptr);
    EXPECT_EQ(link->corePath, Native(core));
    EXPECT_EQ(link->hookConfig, Util::String("FixedChannelConfig:stereo|CoreConfig:abc"));
    EXPECT_NE(GetModuleHandleW(core.c_str()), nullptr);
    EXPECT_TRUE(errors.Messages().empty());
}

TEST(CoreLink, MissingFullPathFallsBackToTheSameNameBesideTheHook) {
    CoreLinkScenario scenario;
    const std::wstring core = scenario.AddCore();
    ASSERT_EQ(scenario.UseHook("C:\\Program Files\\Gone\\LmBrisa3.dll"), "");
    FatalErrorCapture errors;

    const std::shared_ptr<LoadedCore> link = GetCoreLink();

    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->corePath, Native(core));
    EXPECT_TRUE(errors.Messages().empty());
}

TEST(CoreLink, MissingBareNameAsksTheRegistryWithoutASecondTry) {
    CoreLinkScenario scenario;
    const std::wstring elsewhere = scenario.AddCore(L"elsewhere\\Core.dll");
    scenario.AddCore(L"Missing\\Missing.dll");  // a same-named file in a subfolder is not looked for
    scenario.SetRegistryCorePath(elsewhere);
    ASSERT_EQ(scenario.UseHook("Missing.dll"), "");
    FatalErrorCapture errors;

    const std::shared_ptr<LoadedCore> link = GetCoreLink();

    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->corePath, CoreLinkScenario::Utf8(elsewhere));  // the registry's text, unchanged
    EXPECT_TRUE(errors.Messages().empty());
}

TEST(CoreLink, UnprimedHookSaysSoOnceThenLoadsTheRegistrysCore) {
    CoreLinkScenario scenario;
    const std::wstring core = scenario.AddCore(L"installed\\LmBrisa3.dll");
    scenario.SetRegistryCorePath(core);
    ASSERT_EQ(scenario.UseHook("", nullptr, /*unprimed=*/true), "");
    FatalErrorCapture errors;

    const std::shared_ptr<LoadedCore> link = GetCoreLink();

    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->corePath, CoreLinkScenario::Utf8(core));
    const std::vector<std::string> messages = errors.Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(HasCode(messages[0], "Attempting to load unprimed hook [0x")) << messages[0];
}

TEST(CoreLink, NothingFoundReportsTheNotFoundMessage) {
    struct Case {
        const char* name;
        bool registryNamesMissingFile;
    };
    for (const Case& c : {Case{"no registry value", false}, Case{"registry names a missing file", true}}) {
        CoreLinkScenario scenario;
        if (c.registryNamesMissingFile) scenario.SetRegistryCorePath(scenario.Folder() + L"\\nothing.dll");
        ASSERT_EQ(scenario.UseHook("Missing.dll"), "");
        FatalErrorCapture errors;

        EXPECT_EQ(GetCoreLink(), nullptr) << c.name;
        const std::vector<std::string> messages = errors.Messages();
        ASSERT_EQ(messages.size(), 1u) << c.name;
        EXPECT_TRUE(HasCode(messages[0], kNotFound)) << messages[0];
    }
}

TEST(CoreLink, BrokenPathResourcesReportThenFallToTheRegistry) {
    struct Case {
        std::vector<unsigned char> bytes;
        const char* message;
    };
    const Case cases[] = {
        {CoreLinkScenario::Bytes("LmBrisa3.dll", /*nul=*/false), "Invalid core path resource [0x"},
        {{0}, "Attempting to load unprimed hook [0x"},
    };
    for (const Case& c : cases) {
        CoreLinkScenario scenario;
        scenario.AddCore();
        ASSERT_EQ(scenario.UseHookWithResources({{"LMCORE", "PATH", c.bytes}}), "");
        FatalErrorCapture errors;

        EXPECT_EQ(GetCoreLink(), nullptr);
        const std::vector<std::string> messages = errors.Messages();
        ASSERT_EQ(messages.size(), 2u) << c.message;
        EXPECT_TRUE(HasCode(messages[0], c.message)) << messages[0];
        EXPECT_TRUE(HasCode(messages[1], kNotFound)) << messages[1];
    }
}

TEST(CoreLink, EmptyPathResourceReportsThenFallsToTheRegistry) {
    CoreLinkScenario scenario;
    const std::wstring core = scenario.AddCore(L"installed\\LmBrisa3.dll");
    scenario.SetRegistryCorePath(core);
    HMODULE hook = LoadLibraryW(TestBinaryPath(L"fx_core_path_empty.dll").c_str());
    ASSERT_NE(hook, nullptr);
    Util::SetModuleInstance(hook);
    FatalErrorCapture errors;

    std::shared_ptr<LoadedCore> link = GetCoreLink();

    Util::SetModuleInstance(nullptr);
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->corePath, CoreLinkScenario::Utf8(core));
    const std::vector<std::string> messages = errors.Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(HasCode(messages[0], "Empty core path resource [0x")) << messages[0];
    link.reset();
    FreeLibrary(hook);
}

TEST(CoreLink, LibraryThatDoesNotLoadNamesCodeAndPath) {
    CoreLinkScenario scenario;
    const std::wstring notALibrary = scenario.Folder() + L"\\LmBrisa3.dll";
    FILE* file = _wfopen(notALibrary.c_str(), L"wb");
    ASSERT_NE(file, nullptr);
    fputs("not a library", file);
    fclose(file);
    ASSERT_EQ(scenario.UseHook("LmBrisa3.dll"), "");
    FatalErrorCapture errors;

    EXPECT_EQ(GetCoreLink(), nullptr);
    const std::vector<std::string> messages = errors.Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(HasCode(messages[0], kNotFound, " (attempting to load " + Native(notALibrary).Bytes() + ")"))
        << messages[0];
}

TEST(CoreLink, CoreWithoutEntryPointIsReleasedAndNamed) {
    CoreLinkScenario scenario;
    const std::wstring core = scenario.AddCore(L"LmBrisa3.dll", L"fx_hook_none.dll");
    ASSERT_EQ(scenario.UseHook("LmBrisa3.dll"), "");
    FatalErrorCapture errors;

    EXPECT_EQ(GetCoreLink(), nullptr);
    const std::vector<std::string> messages = errors.Messages();
    ASSERT_EQ(messages.size(), 1u);
    // The error code comes first, the path at the template's second "%1".
    EXPECT_EQ(messages[0], kCorrupt + "7F] (attempting to load " + Native(core).Bytes() + ")");
    EXPECT_EQ(GetModuleHandleW(core.c_str()), nullptr) << "the library was not released";
}

TEST(CoreLink, UnusableConfigurationResourceReleasesTheCore) {
    CoreLinkScenario scenario;
    const std::wstring core = scenario.AddCore();
    ASSERT_EQ(scenario.UseHookWithResources({{"LMCORE", "PATH", CoreLinkScenario::Bytes("LmBrisa3.dll")},
                                             {"LMHOOK", "CONFIG", CoreLinkScenario::Bytes("abc", false)}}),
              "");
    const std::uint32_t unloadsBefore = TestCore_UnloadCount();
    FatalErrorCapture errors;

    EXPECT_EQ(GetCoreLink(), nullptr);
    EXPECT_EQ(errors.Messages(), std::vector<std::string>{"Invalid hook config resource"});
    EXPECT_EQ(GetModuleHandleW(core.c_str()), nullptr);
    EXPECT_EQ(TestCore_UnloadCount(), unloadsBefore + 1);
}

TEST(CoreLink, HoldersShareOneLoadAndTheLastReleaseUnloads) {
    CoreLinkScenario scenario;
    const std::wstring core = scenario.AddCore();
    ASSERT_EQ(scenario.UseHook("LmBrisa3.dll"), "");
    const std::uint32_t loads = TestCore_LoadCount();
    const std::uint32_t unloads = TestCore_UnloadCount();

    std::shared_ptr<LoadedCore> first = GetCoreLink();
    std::shared_ptr<LoadedCore> second = GetCoreLink();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(TestCore_LoadCount(), loads + 1);

    first.reset();
    EXPECT_EQ(TestCore_UnloadCount(), unloads) << "released while a holder remains";
    second.reset();
    EXPECT_EQ(TestCore_UnloadCount(), unloads + 1);
    EXPECT_EQ(GetModuleHandleW(core.c_str()), nullptr);

    std::shared_ptr<LoadedCore> third = GetCoreLink();
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(TestCore_LoadCount(), loads + 2);
}

TEST(CoreLink, ConcurrentFirstRequestsShareOneLoad) {
    CoreLinkScenario scenario;
    scenario.AddCore();
    ASSERT_EQ(scenario.UseHook("LmBrisa3.dll"), "");
    const std::uint32_t loads = TestCore_LoadCount();

    constexpr int kThreads = 8;
    std::vector<std::shared_ptr<LoadedCore>> links(kThreads);
    std::atomic<bool> go{false};
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i) {
        threads.emplace_back([&, i] {
            while (!go) std::this_thread::yield();
            links[i] = GetCoreLink();
        });
    }
    go = true;
    for (std::thread& t : threads) t.join();

    EXPECT_EQ(TestCore_LoadCount(), loads + 1);
    for (const auto& link : links) EXPECT_EQ(link, links[0]);
    ASSERT_NE(links[0], nullptr);
}

// A real path to the core, padded with ".\" components to exactly `length` bytes.
std::string PaddedPath(const std::wstring& folder, std::size_t length) {
    const std::string head = CoreLinkScenario::Utf8(folder).Bytes() + "\\";
    const std::string tail = "LmBrisa3.dll";
    std::string padding;
    while (head.size() + padding.size() + tail.size() + 2 <= length) padding += ".\\";
    if (head.size() + padding.size() + tail.size() < length) padding += "\\";  // an odd byte: a doubled separator
    return head + padding + tail;
}

TEST(CoreLink, PathsOf2047BytesLoadAndLongerOnesAreRefusedAfterLoading) {
    for (const std::size_t length : {std::size_t{2047}, std::size_t{2048}}) {
        CoreLinkScenario scenario;
        const std::wstring core = scenario.AddCore();
        const std::string path = PaddedPath(scenario.Folder(), length);
        ASSERT_EQ(path.size(), length);
        // Written raw: the priming tool itself refuses a 2048-byte core text.
        ASSERT_EQ(scenario.UseHookWithResources({{"LMCORE", "PATH", CoreLinkScenario::Bytes(path)}}), "");
        const std::uint32_t loads = TestCore_LoadCount();
        const std::uint32_t unloads = TestCore_UnloadCount();
        FatalErrorCapture errors;

        const std::shared_ptr<LoadedCore> link = GetCoreLink();

        EXPECT_EQ(TestCore_LoadCount(), loads + 1) << length;
        if (length == 2047) {
            ASSERT_NE(link, nullptr);
            EXPECT_EQ(link->corePath.Bytes(), path);
            EXPECT_TRUE(errors.Messages().empty());
        } else {
            EXPECT_EQ(link, nullptr);
            EXPECT_EQ(errors.Messages(), std::vector<std::string>{"Core path length limit exceeded"});
            EXPECT_EQ(TestCore_UnloadCount(), unloads + 1);
        }
    }
}

TEST(CoreLink, ModuleDirectoryIsTheHookFolderWithItsBackslash) {
    CoreLinkScenario scenario;
    ASSERT_EQ(scenario.UseHook("LmBrisa3.dll"), "");
    const Util::String directory = ModuleDirectory();
    ASSERT_FALSE(directory.IsEmpty());
    EXPECT_EQ(directory.Bytes().back(), '\\');
    EXPECT_EQ(Util::Path(directory).NativeText(), Native(scenario.Folder()));
}

}  // namespace
