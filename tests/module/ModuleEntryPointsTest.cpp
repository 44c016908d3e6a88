// The module's exports, run by the host simulator on real primed copies of the module.

#include <windows.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "ModuleScenario.h"
#include "support/RenamedTestRun.h"

namespace {

const char* const kNoCoreTrace = "AAXRegisterPlugin exception caught: AAX_ERROR_NULL_OBJECT (-20004)";

TEST(ModuleEntryPoints, InvalidStaticInformationRegistersNothingAndTracesTheErrorBetweenStartupAndShutdown) {
    LM_SCENARIO(scenario);
    CoreStaticInfo info = BasicRecord();
    scenario.Core().SetStaticInfo(6, &info, CoreStaticInfo::kCoreSize, 5);  // the core fails the request
    aaxhost::LoadedModule& module = scenario.Module(/*startup=*/false);
    EXPECT_EQ(module.RegisterPlugin().result, -20004);
    EXPECT_TRUE(module.Traces().empty()) << "no trace before startup";

    ASSERT_EQ(module.Startup(), 0);
    EXPECT_EQ(module.Startup(), 0) << "a second startup keeps the first wrapper";
    const auto registration = module.RegisterPlugin();
    EXPECT_EQ(registration.result, -20004);
    EXPECT_FALSE(registration.collectionReturned);
    EXPECT_TRUE(registration.package.calls.empty()) << "not even the manufacturer is described";
    const auto traces = module.Traces();
    ASSERT_EQ(traces.size(), 1u);
    EXPECT_EQ(traces[0].priority, 0x8000000) << "AAX_eTracePriorityHost_High";
    EXPECT_EQ(traces[0].message, kNoCoreTrace);
    ASSERT_EQ(module.Shutdown(), 0);
    EXPECT_EQ(module.RegisterPlugin().result, -20004);
    EXPECT_EQ(module.Traces().size(), 1u) << "no trace after shutdown";
}

TEST(ModuleEntryPoints, TheFixedEntriesAnswerAsTheHostExpects) {
    LM_SCENARIO(scenario);
    aaxhost::LoadedModule& module = scenario.Module();
    std::uint64_t version = 0;
    EXPECT_EQ(module.GetSDKVersion(&version), 0);
    EXPECT_EQ(version, 0x0000020300BF7318ull);

    IACFComponentDefinition* component = reinterpret_cast<IACFComponentDefinition*>(&version);
    EXPECT_EQ(module.RegisterComponent(0, &component), 0);
    EXPECT_EQ(component, nullptr);

    void* factory = &version;
    EXPECT_EQ(module.GetClassFactory(acfCLSID{}, acfIID{}, &factory), -20009);
    EXPECT_EQ(factory, nullptr);

    const auto reexport = module.FindExportAs<const ACFRegisterPluginProc*>("pForceReexportACFRegisterPlugin");
    ASSERT_NE(reexport, nullptr);
    EXPECT_EQ(reinterpret_cast<void*>(*reexport), reinterpret_cast<void*>(module.FindExport("ACFRegisterPlugin")));
}

TEST(ModuleEntryPoints, StartupAndRegistrationObtainEveryHostObjectFromTheHostsFactory) {
    LM_SCENARIO(scenario);
    scenario.Script(BasicRecord());
    const auto registration = scenario.Register();
    ASSERT_EQ(registration.result, 0);
    EXPECT_TRUE(registration.collectionReturned) << "handed back as the host's IACFPluginDefinition";
    const aaxhost::HostComponentFactory& factory = scenario.Module().Factory();
    const int effects = static_cast<int>(registration.package.effects.size());
    ASSERT_GT(effects, 0);
    EXPECT_EQ(factory.CreatedCount(AAXCompID_HostServices), 3) << "one request per published version";
    EXPECT_EQ(factory.CreatedCount(AAXCompID_AAXCollection), 1);
    EXPECT_EQ(factory.CreatedCount(AAXCompID_AAXEffectDescriptor), effects);
    EXPECT_EQ(factory.CreatedCount(AAXCompID_AAXComponentDescriptor), effects);
    EXPECT_EQ(factory.CreatedCount(AAXCompID_AAXPropertyMap), effects);
}

TEST(ModuleEntryPoints, CanUnloadNowReachesZeroOnceEveryObjectIsReleased) {
    LM_SCENARIO(scenario);
    CoreStaticInfo info = BasicRecord();
    scenario.Script(info);
    aaxhost::LoadedModule& module = scenario.Module();
    const auto registration = module.RegisterPlugin();
    ASSERT_EQ(registration.result, 0);
    EXPECT_EQ(module.CanUnloadNow(), 0);

    const auto& stereo = registration.package.effects.at(0);
    IACFUnknown* parameters = stereo.FindProcPtr(kAAX_ProcPtrID_Create_EffectParameters)();
    IACFUnknown* editor = stereo.FindProcPtr(kAAX_ProcPtrID_Create_EffectGUI)();
    ASSERT_NE(parameters, nullptr);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(module.CanUnloadNow(), 2);
    parameters->AddRef();
    parameters->Release();
    editor->Release();
    EXPECT_EQ(module.CanUnloadNow(), 1);
    parameters->Release();
    EXPECT_EQ(module.CanUnloadNow(), 0);
}

// The names in the export directory of the built module.
std::set<std::string> ExportNames(const std::wstring& path) {
    std::set<std::string> names;
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    if (!module) return names;
    const auto* base = reinterpret_cast<const unsigned char*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (directory.VirtualAddress != 0) {
        const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
        const auto* nameOffsets = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
        for (DWORD i = 0; i < exports->NumberOfNames; ++i)
            names.insert(reinterpret_cast<const char*>(base + nameOffsets[i]));
        if (exports->NumberOfFunctions != exports->NumberOfNames) names.insert("<unnamed export>");
    }
    FreeLibrary(module);
    return names;
}

TEST(ModuleEntryPoints, ExportTableHoldsExactlyTheAcfEntriesAndTheHookCallback) {
    EXPECT_EQ(ExportNames(TestBinaryPath(L"LmHook.dll")),
              (std::set<std::string>{"ACFCanUnloadNow", "ACFGetClassFactory", "ACFGetSDKVersion",
                                     "ACFRegisterComponent", "ACFRegisterPlugin", "ACFShutdown", "ACFStartup",
                                     "PluginHookCallback", "pForceReexportACFRegisterPlugin"}));
}

// The 7.1.2 and 7.0.2 layouts need the gated host at 12.8 or later, which this process
// is not; a copy of this program named "Pro Tools.exe" (with a 12.8 version resource)
// runs the check below and reports through its XML output.
TEST(ModuleEntryPoints, HostVersionGateOpensInProTools128) {
    const RenamedTestRun run = RunRenamedTestProgram(L"module_tests.exe", L"Pro Tools.exe", L"InProTools.*");
    ASSERT_TRUE(run.started) << GetLastError();
    EXPECT_EQ(run.exitCode, 0u) << run.report;
    EXPECT_NE(run.report.find("name=\"DISABLED_AllFifteenLayoutsAreDescribed\""), std::string::npos) << run.report;
    EXPECT_NE(run.report.find("failures=\"0\""), std::string::npos) << run.report;
}

// Runs only in the copy named "Pro Tools.exe" (see above).
TEST(InProTools, DISABLED_AllFifteenLayoutsAreDescribed) {
    LM_SCENARIO(scenario);
    CoreStaticInfo info = BasicRecord();
    for (auto& flag : info.stemAvailable) flag = 1;
    info.audioSuiteAnalysisFlag = 1;
    scenario.Script(info);
    const auto registration = scenario.Register();
    ASSERT_EQ(registration.result, 0);
    const auto& effects = registration.package.effects;
    ASSERT_EQ(effects.size(), 15u);
    EXPECT_EQ(effects[12].identifier, "Fx 7.1.2");
    EXPECT_EQ(effects[13].identifier, "Fx 7.0.2");
    EXPECT_EQ(effects[14].identifier, "Fx Audiosuite");
    for (const auto& property : effects[14].components.at(0).processProcedures.at(0).properties)
        if (property.id == 115) {
            EXPECT_EQ(property.value, 0) << "analysis on 12.8 needs no property 115";
        }
}

}  // namespace
