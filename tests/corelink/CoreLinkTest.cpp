// The core link against real files, real primed hook modules and the real registry:
// the hook module finds the test core the way it finds a product's core.

#include <windows.h>
#include <gtest/gtest.h>
#include <winternl.h>

#include <atomic>
#include <functional>
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

// Whether `message` reads `pattern`, in which each '#' stands for an upper-case hex code.
bool Matches(const std::string& message, const std::string& pattern) {
    const std::string escaped = std::regex_replace(pattern, std::regex(R"([\[\]().\\])"), R"(\$&)");
    return std::regex_match(message, std::regex(std::regex_replace(escaped, std::regex("#"), "[0-9A-F]+")));
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

// Where the link looks when the primed text fails, and what it tells the user: each case
// arranges its product and names the core text it should end with ("" for none) and the
// messages shown ('#' for a code).
struct Outcome {
    std::string corePath;
    std::vector<std::string> messages;
};

TEST(CoreLink, FailedLookupsFallBackInOrderAndReportWhatFailed) {
    const std::string notFound = kNotFound + "#]";
    const std::pair<const char*, std::function<Outcome(CoreLinkScenario&)>> cases[] = {
        {"missing full path: the same name beside the hook",
         [](CoreLinkScenario& s) {
             const std::wstring core = s.AddCore();
             EXPECT_EQ(s.UseHook("C:\\Program Files\\Gone\\LmBrisa3.dll"), "");
             return Outcome{Native(core).Bytes(), {}};
         }},
        {"missing bare name: the registry's text, no look into subfolders",
         [](CoreLinkScenario& s) {
             const std::wstring elsewhere = s.AddCore(L"elsewhere\\Core.dll");
             s.AddCore(L"Missing\\Missing.dll");
             s.SetRegistryCorePath(elsewhere);
             EXPECT_EQ(s.UseHook("Missing.dll"), "");
             return Outcome{CoreLinkScenario::Utf8(elsewhere).Bytes(), {}};
         }},
        {"unprimed hook: said once, then the registry",
         [](CoreLinkScenario& s) {
             const std::wstring core = s.AddCore(L"installed\\LmBrisa3.dll");
             s.SetRegistryCorePath(core);
             EXPECT_EQ(s.UseHook("", nullptr, /*unprimed=*/true), "");
             return Outcome{CoreLinkScenario::Utf8(core).Bytes(), {"Attempting to load unprimed hook [0x#]"}};
         }},
        {"nothing found, no registry value",
         [&](CoreLinkScenario& s) {
             EXPECT_EQ(s.UseHook("Missing.dll"), "");
             return Outcome{"", {notFound}};
         }},
        {"nothing found, the registry names a missing file",
         [&](CoreLinkScenario& s) {
             s.SetRegistryCorePath(s.Folder() + L"\\nothing.dll");
             EXPECT_EQ(s.UseHook("Missing.dll"), "");
             return Outcome{"", {notFound}};
         }},
        {"path resource without its NUL",
         [&](CoreLinkScenario& s) {
             s.AddCore();
             EXPECT_EQ(s.UseHookWithResources({{"LMCORE", "PATH", CoreLinkScenario::Bytes("LmBrisa3.dll", false)}}),
                       "");
             return Outcome{"", {"Invalid core path resource [0x#]", notFound}};
         }},
        {"path resource of a NUL alone",
         [&](CoreLinkScenario& s) {
             s.AddCore();
             EXPECT_EQ(s.UseHookWithResources({{"LMCORE", "PATH", std::vector<unsigned char>{0}}}), "");
             return Outcome{"", {"Attempting to load unprimed hook [0x#]", notFound}};
         }},
        {"a file that is no library: code and path",
         [&](CoreLinkScenario& s) {
             const std::wstring notALibrary = s.Folder() + L"\\LmBrisa3.dll";
             FILE* file = _wfopen(notALibrary.c_str(), L"wb");
             fputs("not a library", file);
             fclose(file);
             EXPECT_EQ(s.UseHook("LmBrisa3.dll"), "");
             return Outcome{"", {notFound + " (attempting to load " + Native(notALibrary).Bytes() + ")"}};
         }},
    };
    for (const auto& c : cases) {
        CoreLinkScenario scenario;
        const Outcome expected = c.second(scenario);
        FatalErrorCapture errors;

        const std::shared_ptr<LoadedCore> link = GetCoreLink();

        EXPECT_EQ(link ? link->corePath.Bytes() : std::string(), expected.corePath) << c.first;
        const std::vector<std::string> messages = errors.Messages();
        ASSERT_EQ(messages.size(), expected.messages.size()) << c.first;
        for (std::size_t i = 0; i < messages.size(); ++i)
            EXPECT_TRUE(Matches(messages[i], expected.messages[i])) << c.first << ": " << messages[i];
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
    EXPECT_TRUE(Matches(messages[0], "Empty core path resource [0x#]")) << messages[0];
    link.reset();
    FreeLibrary(hook);
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

    // A module whose name passes the 4096 units first asked for still gives its whole
    // folder. Neither Wine nor Linux takes such paths, so the loader's own record of the
    // module's name, which GetModuleFileNameW reads, names a deeper folder for a moment.
    std::wstring deep = scenario.Folder();
    while (deep.size() < 5000) deep += L"\\" + std::wstring(200, L'd');
    std::wstring name = deep + L"\\hook.dll";
    using CurrentPeb = PEB*(WINAPI*)();
    const auto currentPeb = reinterpret_cast<CurrentPeb>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetCurrentPeb")));
    ASSERT_NE(currentPeb, nullptr);
    const PEB_LDR_DATA* loader = currentPeb()->Ldr;
    LDR_DATA_TABLE_ENTRY* entry = nullptr;
    for (LIST_ENTRY* link = loader->InMemoryOrderModuleList.Flink; link != &loader->InMemoryOrderModuleList;
         link = link->Flink) {
        auto* candidate = CONTAINING_RECORD(link, LDR_DATA_TABLE_ENTRY, InMemoryOrderLinks);
        if (candidate->DllBase == Util::ModuleInstance()) entry = candidate;
    }
    ASSERT_NE(entry, nullptr);
    const UNICODE_STRING kept = entry->FullDllName;
    entry->FullDllName.Buffer = &name[0];
    entry->FullDllName.Length = static_cast<USHORT>(name.size() * sizeof(wchar_t));
    entry->FullDllName.MaximumLength = static_cast<USHORT>(entry->FullDllName.Length + sizeof(wchar_t));
    const Util::String whole = ModuleDirectory();
    entry->FullDllName = kept;
    EXPECT_EQ(Util::Path(whole).NativeText(), Native(deep));
}

}  // namespace
