// The built lmprime.exe, run as a child process on copies of the built hook module:
// what it writes, what it prints, and that a failure leaves every output as it was.

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LmPrimeTestSupport.h"
#include "ModuleResources.h"
#include "hook/HookConfigResource.h"
#include "hook/ModuleResource.h"
#include "support/StringPrinting.h"

namespace {

const std::string kNul(1, '\0');

std::string PathResource(const std::wstring& module) {
    return ResourceBytes(module, L"LMCORE", L"PATH", kNeutralLanguage);
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(LmPrimeTool, PrimesWithUnicodeTextsStoredAsUtf8AndShowsThem) {
    const ScratchFolder scratch(L"lmprime");
    const std::wstring generic = scratch.CopyBinary(L"LmHook.dll");
    const std::wstring primed = scratch.Join(L"Primed \u00e9.dll");
    const ToolRun run = RunLmPrime({generic, primed, L"--core", L"LmBrisa3.dll", L"--config",
                                    L"FixedChannelConfig:mono", L"--short-name", L"Bri\u00dfa \u97f3\U0001F3B5"});
    ASSERT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_TRUE(run.err.empty()) << run.err;

    const std::string shortName =
        "Bri\xC3\x9F"
        "a \xE9\x9F\xB3\xF0\x9F\x8E\xB5";
    {
        const HeldModule module(LoadAsDataFile(primed));
        ASSERT_NE(module.Get(), nullptr);
        EXPECT_EQ(ReadShortNameResource(module.Get()), Util::String(shortName));
        EXPECT_EQ(ReadHookConfigResource(module.Get()), Util::String("FixedChannelConfig:mono"));
        EXPECT_EQ(PathResource(primed), "LmBrisa3.dll" + kNul);
    }
    EXPECT_EQ(FileBytes(generic), FileBytes(TestBinaryPath(L"LmHook.dll"))) << "the input must stay generic";

    const ToolRun show = RunLmPrime({L"--show", primed});
    EXPECT_EQ(show.exitCode, 0u) << show.err;
    EXPECT_TRUE(Contains(show.out, "LMCORE/PATH       \"LmBrisa3.dll\" (12 bytes)")) << show.out;
    EXPECT_TRUE(Contains(show.out, "LMHOOK/CONFIG     \"FixedChannelConfig:mono\" (23 bytes)")) << show.out;
    EXPECT_TRUE(Contains(show.out, "LMHOOK/SHORTNAME  \"" + shortName + "\" (14 bytes)")) << show.out;
}

TEST(LmPrimeTool, UnprimedHookGetsAOneByteCorePathAndShowSaysSo) {
    const ScratchFolder scratch(L"lmprime");
    const std::wstring module = scratch.CopyBinary(L"LmHook.dll");
    ASSERT_EQ(RunLmPrime({module, module, L"--core", L"First.dll", L"--short-name", L"Brisa"}).exitCode, 0u);
    const ToolRun run = RunLmPrime({module, module, L"--unprimed"});
    ASSERT_EQ(run.exitCode, 0u) << run.err;

    EXPECT_EQ(PathResource(module), kNul);
    const ToolRun show = RunLmPrime({L"--show", module});
    EXPECT_TRUE(Contains(show.out, "LMCORE/PATH       empty text (unprimed hook)")) << show.out;
    EXPECT_TRUE(Contains(show.out, "LMHOOK/CONFIG     absent")) << show.out;
    EXPECT_TRUE(Contains(show.out, "LMHOOK/SHORTNAME  absent")) << show.out;
}

struct FailureCase {
    const char* what;
    std::vector<std::wstring> arguments;  // "<in>": a hook copy, "<out>": out.dll, "<>name": name in the folder
    DWORD exitCode;
    const char* reason;  // a part of the message on stderr
};

// The texts the command line refuses are PrimeOptionsTest's; one stands for them here.
TEST(LmPrimeFailure, ReportsTheProblemAndLeavesTheOutputAsItWas) {
    const FailureCase cases[] = {
        {"input missing", {L"<>gone.dll", L"<out>", L"--core", L"c.dll"}, 1, "gone.dll"},
        {"input not a module", {L"<>readme.txt", L"<out>", L"--core", L"c.dll"}, 1, "not a Windows module"},
        {"output folder missing", {L"<in>", L"<>no\\such\\out.dll", L"--core", L"c.dll"}, 1, "cannot create a file in"},
        {"unknown option",
         {L"<in>", L"<out>", L"--core", L"c.dll", L"--shortname", L"B"},
         2,
         "unknown option --shortname"},
        {"show a missing module", {L"--show", L"<>missing.dll"}, 1, "missing.dll"}};
    for (const FailureCase& c : cases)
        for (const bool outputExists : {true, false}) {
            SCOPED_TRACE(std::string(c.what) + (outputExists ? ", earlier output" : ", no earlier output"));
            const ScratchFolder scratch(L"lmprime");
            const std::wstring in = scratch.CopyBinary(L"LmHook.dll");
            const std::wstring out = scratch.Join(L"out.dll");
            scratch.WriteFile(L"readme.txt", "text");
            if (outputExists) scratch.WriteFile(L"out.dll", "earlier output");
            std::vector<std::wstring> arguments;
            for (const std::wstring& argument : c.arguments)
                arguments.push_back(argument == L"<in>"             ? in
                                    : argument == L"<out>"          ? out
                                    : argument.rfind(L"<>", 0) == 0 ? scratch.Join(argument.substr(2))
                                                                    : argument);
            const std::vector<std::wstring> before = FolderEntries(scratch.Wide());

            const ToolRun run = RunLmPrime(arguments);

            EXPECT_EQ(run.exitCode, c.exitCode);
            EXPECT_EQ(run.err.rfind("lmprime: ", 0), 0u) << run.err;
            EXPECT_TRUE(Contains(run.err, c.reason)) << run.err;
            // A refused command line, and only that, points to the help.
            EXPECT_EQ(Contains(run.err, "Run \"lmprime --help\" for usage."), c.exitCode == 2u) << run.err;
            EXPECT_TRUE(run.out.empty()) << run.out;
            EXPECT_EQ(FolderEntries(scratch.Wide()), before) << "no new or temporary file";
            if (outputExists) {
                EXPECT_EQ(FileBytes(out), "earlier output");
            }
        }
}

TEST(LmPrimeTool, OutputThatCannotBeReplacedIsReportedAndNoTemporaryRemains) {
    const ScratchFolder scratch(L"lmprime");
    const std::wstring in = scratch.CopyBinary(L"LmHook.dll");
    const std::wstring out = scratch.Join(L"out.dll");
    ASSERT_TRUE(CreateDirectoryW(out.c_str(), nullptr));
    const ToolRun run = RunLmPrime({in, out, L"--core", L"c.dll"});
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_TRUE(Contains(run.err, "cannot replace")) << run.err;
    EXPECT_EQ(FolderEntries(scratch.Wide()), (std::vector<std::wstring>{L"LmHook.dll", L"out.dll"}));
}

// A bundle folder with a stale file, standing for an earlier bundle.
std::wstring EarlierBundle(const ScratchFolder& scratch) {
    scratch.WriteFile(L"out\\Brisa.aaxplugin\\stale.txt", "earlier bundle");
    return scratch.Join(L"out\\Brisa.aaxplugin");
}

TEST(LmPrimeTool, BundleHoldsThePrimedModuleAndTheCoreAndReplacesAnEarlierOne) {
    const ScratchFolder scratch(L"lmprime");
    const std::wstring in = scratch.CopyBinary(L"LmHook.dll");
    const std::wstring core = scratch.WriteFile(L"built-core.dll", "core bytes");
    const std::wstring bundle = EarlierBundle(scratch);

    const ToolRun run = RunLmPrime({in, L"--bundle", scratch.Join(L"out"), L"--name", L"Brisa", L"--core",
                                    L"LmBrisa3.dll", L"--core-file", core, L"--short-name", L"Brisa"});
    ASSERT_EQ(run.exitCode, 0u) << run.err;

    EXPECT_EQ(FolderEntries(scratch.Join(L"out")), std::vector<std::wstring>{L"Brisa.aaxplugin"});
    EXPECT_EQ(FolderEntries(bundle), std::vector<std::wstring>{L"Contents"});
    const std::wstring x64 = bundle + L"\\Contents\\x64";
    EXPECT_EQ(FolderEntries(x64), (std::vector<std::wstring>{L"Brisa.aaxplugin", L"LmBrisa3.dll"}));
    EXPECT_EQ(FileBytes(x64 + L"\\LmBrisa3.dll"), "core bytes");
    const std::wstring module = x64 + L"\\Brisa.aaxplugin";
    EXPECT_EQ(PathResource(module), "LmBrisa3.dll" + kNul);
    const HMODULE loaded = LoadLibraryW(module.c_str());
    EXPECT_NE(loaded, nullptr) << "the bundled module must load as a library";
    if (loaded) FreeLibrary(loaded);
}

TEST(LmPrimeTool, BundledCoreIsNamedAfterTheLastComponentOfACorePath) {
    const ScratchFolder scratch(L"lmprime");
    const std::wstring core = scratch.WriteFile(L"built-core.dll", "core bytes");
    const ToolRun run =
        RunLmPrime({scratch.CopyBinary(L"LmHook.dll"), L"--bundle", scratch.Join(L"new\\deep"), L"--name", L"Brisa",
                    L"--core", L"C:\\Program Files\\Lumetra\\LmBrisa3.dll", L"--core-file", core});
    ASSERT_EQ(run.exitCode, 0u) << run.err;
    const std::wstring x64 = scratch.Join(L"new\\deep\\Brisa.aaxplugin\\Contents\\x64");
    EXPECT_EQ(FolderEntries(x64), (std::vector<std::wstring>{L"Brisa.aaxplugin", L"LmBrisa3.dll"}));
    EXPECT_EQ(PathResource(x64 + L"\\Brisa.aaxplugin"), "C:\\Program Files\\Lumetra\\LmBrisa3.dll" + kNul);
}

TEST(LmPrimeTool, FailedBundleLeavesTheEarlierBundleAndNoTemporaryFolder) {
    const ScratchFolder scratch(L"lmprime");
    const std::wstring in = scratch.CopyBinary(L"LmHook.dll");
    const std::wstring bundle = EarlierBundle(scratch);
    const struct {
        std::vector<std::wstring> arguments;
        const char* reason;
    } cases[] = {
        {{in, L"--bundle", scratch.Join(L"out"), L"--name", L"Brisa", L"--core", L"LmBrisa3.dll", L"--core-file",
          scratch.Join(L"missing-core.dll")},
         "core file"},
        {{scratch.Join(L"gone.dll"), L"--bundle", scratch.Join(L"out"), L"--name", L"Brisa", L"--core", L"c.dll"},
         "gone.dll"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunLmPrime(c.arguments);
        EXPECT_EQ(run.exitCode, 1u);
        EXPECT_TRUE(Contains(run.err, c.reason)) << run.err;
        EXPECT_EQ(FolderEntries(scratch.Join(L"out")), std::vector<std::wstring>{L"Brisa.aaxplugin"});
        EXPECT_EQ(FolderEntries(bundle), std::vector<std::wstring>{L"stale.txt"});
    }
    // A bundle folder that had to be made is removed again.
    const ToolRun run = RunLmPrime({scratch.Join(L"gone.dll"), L"--bundle", scratch.Join(L"fresh\\dir"), L"--name",
                                    L"Brisa", L"--core", L"c.dll"});
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_FALSE(PathExists(scratch.Join(L"fresh")));
}

TEST(LmPrimeTool, HelpDocumentsEveryFormAndNoArgumentsIsAnError) {
    const ToolRun help = RunLmPrime({L"--help"});
    EXPECT_EQ(help.exitCode, 0u);
    for (const char* form : {"--core NAME-OR-PATH", "--unprimed", "--config TEXT", "--short-name NAME",
                             "--bundle DIR --name NAME", "--core-file FILE", "--show MODULE"})
        EXPECT_TRUE(Contains(help.out, form)) << form;
    const ToolRun none = RunLmPrime({});
    EXPECT_EQ(none.exitCode, 2u);
    EXPECT_TRUE(Contains(none.err, "Usage:"));
}

}  // namespace
