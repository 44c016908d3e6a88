// The validator's "load" checks: the module loads, registers and describes itself
// completely and the same way every time, and fails cleanly when its core is missing
// or has no entry point.
#include <chrono>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "aax/AAX_Enums.h"
#include "aax/AAX_StemFormat.h"
#include "aaxhost/LoadedModule.h"
#include "aaxhost/ProcessResources.h"
#include "aaxhost/validate/CheckText.h"
#include "aaxhost/validate/CoreLocation.h"
#include "aaxhost/validate/FatalErrorBoxes.h"
#include "aaxhost/validate/PackageComparison.h"
#include "aaxhost/validate/ScratchFolder.h"
#include "aaxhost/validate/ValidationGroups.h"
#include "util/WideText.h"

namespace aaxhost::validate {

namespace {

constexpr const char* kNotRegistered = "the module did not register";

bool IsAudioSuite(const EffectDescription& effect) {
    return effect.FindProcPtr(kAAX_ProcPtrID_Create_HostProcessor) != nullptr;
}

std::string BoxesSince(std::size_t seen) {
    const std::vector<std::string> texts = FatalErrorTexts();
    std::vector<std::string> quoted;
    for (std::size_t i = seen; i < texts.size(); ++i) quoted.push_back(Quote(texts[i]));
    return quoted.empty() ? std::string("no Fatal Error box") : "Fatal Error: " + JoinLimited(quoted, 4);
}

std::string CheckRegister(Validation& validation) {
    const Registration& registration = validation.ModuleRegistration();
    const PackageDescription& package = registration.package;
    Expect(registration.result == ACF_OK && !package.effects.empty(),
           "ACFRegisterPlugin returned " + ResultText(registration.result) + " and described " +
               std::to_string(package.effects.size()) + " effects; " + BoxesSince(0));
    Expect(registration.collectionReturned, "ACFRegisterPlugin returned ACF_OK without handing back the collection");
    std::vector<std::string> names;
    for (const EffectDescription& effect : package.effects) names.push_back(Quote(effect.identifier));
    return "registered " + std::to_string(package.effects.size()) + " effects: " + JoinLimited(names, 20);
}

std::string CheckEffectIds(Validation& validation) {
    std::set<std::string> seen;
    for (const EffectDescription& effect : validation.Package().effects) {
        Expect(!effect.identifier.empty(), "an effect was added with an empty identifier");
        Expect(seen.insert(effect.identifier).second,
               "effect identifier " + Quote(effect.identifier) + " is used twice");
        Expect(!effect.names.empty() && !effect.names.front().empty(),
               "effect " + Quote(effect.identifier) + " has no name");
    }
    return std::to_string(seen.size()) + " effect identifiers, all present, named and unique";
}

std::string CheckProcedureIds(Validation& validation) {
    int factories = 0;
    for (const EffectDescription& effect : validation.Package().effects) {
        std::set<AAX_CProcPtrID> ids;
        for (const ProcPtr& proc : effect.procPtrs) {
            Expect(proc.proc != nullptr, "effect " + Quote(effect.identifier) + " registered procedure ID " +
                                             std::to_string(proc.id) + " with a null factory");
            Expect(ids.insert(proc.id).second, "effect " + Quote(effect.identifier) + " registered procedure ID " +
                                                   std::to_string(proc.id) + " twice");
            ++factories;
        }
        Expect(ids.count(kAAX_ProcPtrID_Create_EffectParameters) == 1,
               "effect " + Quote(effect.identifier) + " has no effect parameters factory (procedure ID 0)");
    }
    return std::to_string(factories) + " factories, each ID once per effect, every effect with procedure ID 0";
}

std::string CheckPlugInIds(Validation& validation) {
    std::set<std::tuple<AAX_CPropertyValue, AAX_CPropertyValue, AAX_CPropertyValue>> seen;
    for (const EffectDescription& effect : validation.Package().effects) {
        Expect(!effect.components.empty(), "effect " + Quote(effect.identifier) + " has no component");
        for (std::size_t c = 0; c < effect.components.size(); ++c) {
            const ComponentDescription& component = effect.components[c];
            const std::string where = "effect " + Quote(effect.identifier) + " component " + std::to_string(c);
            const AAX_EProperty kind =
                IsAudioSuite(effect) ? AAX_eProperty_PlugInID_AudioSuite : AAX_eProperty_PlugInID_Native;
            const std::optional<AAX_CPropertyValue> plugInId = component.FindProperty(kind);
            Expect(plugInId.has_value() && *plugInId != 0,
                   where + " (" + StemFormatName(component.InputStemFormat()) + ") has no " + AAX_PropertyName(kind));
            const AAX_CPropertyValue manufacturer = component.FindProperty(AAX_eProperty_ManufacturerID).value_or(0);
            const AAX_CPropertyValue product = component.FindProperty(AAX_eProperty_ProductID).value_or(0);
            Expect(seen.insert({manufacturer, product, *plugInId}).second,
                   where + " repeats plug-in ID " + Hex(static_cast<std::uint32_t>(*plugInId)) + " of manufacturer " +
                       Hex(static_cast<std::uint32_t>(manufacturer)) + " product " +
                       Hex(static_cast<std::uint32_t>(product)));
        }
    }
    return std::to_string(seen.size()) + " components, each with a plug-in ID of its own";
}

std::string CheckCategories(Validation& validation) {
    int count = 0;
    for (const EffectDescription& effect : validation.Package().effects) {
        Expect(!effect.categories.empty(), "effect " + Quote(effect.identifier) + " has no category");
        std::set<std::uint32_t> seen;
        for (const std::uint32_t category : effect.categories) {
            Expect(category != 0 && (category & (category - 1)) == 0, "effect " + Quote(effect.identifier) +
                                                                          " has category " + Hex(category) +
                                                                          ", which is not one category bit");
            Expect(seen.insert(category).second,
                   "effect " + Quote(effect.identifier) + " adds category " + Hex(category) + " twice");
            ++count;
        }
    }
    return std::to_string(count) + " categories, every effect in at least one";
}

std::string CheckProperties(Validation& validation) {
    int components = 0;
    for (const EffectDescription& effect : validation.Package().effects) {
        const bool audioSuite = IsAudioSuite(effect);
        for (std::size_t c = 0; c < effect.components.size(); ++c) {
            const ComponentDescription& component = effect.components[c];
            const std::string where = "effect " + Quote(effect.identifier) + " component " + std::to_string(c);
            Expect(component.processProcedures.size() == 1,
                   where + " has " + std::to_string(component.processProcedures.size()) + " process procedures, not 1");
            Expect(component.processProcedures.front().hasPropertyMap, where + " has no property map");
            const AAX_EProperty required[] = {AAX_eProperty_ManufacturerID, AAX_eProperty_ProductID,
                                              AAX_eProperty_InputStemFormat, AAX_eProperty_OutputStemFormat};
            for (const AAX_EProperty property : required)
                Expect(component.FindProperty(property).has_value(), where + " lacks " + AAX_PropertyName(property));
            for (const AAX_EProperty property : {AAX_eProperty_ManufacturerID, AAX_eProperty_ProductID})
                Expect(*component.FindProperty(property) != 0, where + " has " + AAX_PropertyName(property) + " 0");
            if (!audioSuite) {
                for (const AAX_EStemFormat stem : {component.InputStemFormat(), component.OutputStemFormat()})
                    Expect(stem != AAX_eStemFormat_Any && std::string(StemFormatName(stem)) != "unknown stem format",
                           where + " is a realtime component with stem format " +
                               Hex(static_cast<std::uint32_t>(stem)));
                for (const FieldKind kind : {FieldKind::AudioIn, FieldKind::AudioOut, FieldKind::BufferLength})
                    Expect(component.FindField(kind) != nullptr,
                           where + " declares no field with " + FieldKindName(kind));
            } else {
                Expect(effect.FindProcPtr(kAAX_ProcPtrID_Create_EffectParameters) != nullptr,
                       where + " is an AudioSuite component without an effect parameters factory");
            }
            ++components;
        }
    }
    return std::to_string(components) +
           " components with process procedure, property map, manufacturer, product and plug-in IDs, stem formats "
           "and audio fields";
}

std::string CheckSameDescriptionTwice(Validation& validation) {
    const PackageDescription first = validation.Package();
    const Registration again = validation.Module().RegisterPlugin();
    Expect(again.result == ACF_OK, "the second ACFRegisterPlugin returned " + ResultText(again.result));
    const std::string difference = FirstDifference(first, again.package, CodeAddresses::Compare);
    Expect(difference.empty(), "the second registration describes differently: " + difference);
    return "a second registration in the same load gives the same description";
}

// The first cycles fill the host's and the C runtime's own caches; resources are
// counted after them.
constexpr int kWarmUpCycles = 16;
// Allocator and page granularity leave some slack, and the validator's own threads
// (its watchdog, the dialog watcher) and Wine's loader take and give back a few handles
// meanwhile (the settled counts drop most of those); a leak per load outgrows both: a
// handle, or 512 bytes, per cycle, four times the slack.
int HandleSlack(int cycles) { return 2 + cycles / 4; }
std::size_t PrivateByteSlack(int cycles) { return 256 * 1024 + 256 * static_cast<std::size_t>(cycles); }

// One cycle as a host's scan makes it: load, startup, registration (the same
// description as the first load's), shutdown, ACFCanUnloadNow 0, unload.
void LoadCycle(const std::wstring& path, const PackageDescription& reference, const std::string& at) {
    const std::unique_ptr<LoadedModule> module = LoadModuleOrFail(path, at);
    const acfResult started = module->Startup();
    Expect(started == ACF_OK, at + "ACFStartup returned " + ResultText(started));
    const Registration registration = module->RegisterPlugin();
    Expect(registration.result == ACF_OK, at + "ACFRegisterPlugin returned " + ResultText(registration.result));
    const std::string difference = FirstDifference(reference, registration.package, CodeAddresses::Ignore);
    Expect(difference.empty(), at + "the description differs from the first load's: " + difference);
    const acfResult shutdown = module->Shutdown();
    Expect(shutdown == ACF_OK, at + "ACFShutdown returned " + ResultText(shutdown));
    const acfResult live = module->CanUnloadNow();
    Expect(live == 0, at + "ACFCanUnloadNow gives " + std::to_string(live) +
                          " after registration and shutdown with no object held");
}

std::string CheckRepeatedLoad(Validation& validation) {
    const PackageDescription reference = validation.Package();
    // A fresh load each cycle: the shared one would keep the module and its caches.
    validation.ReleaseModule();
    const std::wstring& path = validation.GetOptions().modulePath;
    for (int cycle = 1; cycle <= kWarmUpCycles; ++cycle)
        LoadCycle(path, reference, "warm-up cycle " + std::to_string(cycle) + ": ");
    const ProcessResources before = ProcessResources::Settled();
    const int cycles = validation.Counts().loadCycles;
    for (int cycle = 1; cycle <= cycles; ++cycle) LoadCycle(path, reference, "cycle " + std::to_string(cycle) + ": ");
    const ProcessResources after = ProcessResources::Settled();
    const std::string growth = DescribeGrowth(before, after, HandleSlack(cycles), PrivateByteSlack(cycles));
    Expect(growth.empty(), "the module does not give back what a load takes: " + growth + " over " +
                               std::to_string(cycles) + " load/unload cycles (" + DescribeResources(before) +
                               " before, " + DescribeResources(after) + " after)");
    return std::to_string(cycles) + " load/unload cycles after " + std::to_string(kWarmUpCycles) +
           " to warm up: startup, registration, the same description, shutdown, ACFCanUnloadNow 0, unload; free TLS "
           "slots, handles, threads and committed memory as before";
}

// Loads `copy`, which cannot reach a working core, and expects a clean refusal.
std::string ExpectCleanFailure(const std::wstring& copy, const std::string& situation) {
    const std::size_t boxesBefore = FatalErrorTexts().size();
    std::unique_ptr<LoadedModule> module = LoadModuleOrFail(copy, situation + ": the module copy does not load: ");
    module->Startup();
    const Registration registration = module->RegisterPlugin();
    module->Shutdown();
    const acfResult live = module->CanUnloadNow();
    module.reset();
    Expect(registration.result != ACF_OK, situation + ": ACFRegisterPlugin returned ACF_OK with " +
                                              std::to_string(registration.package.effects.size()) + " effects");
    Expect(registration.package.effects.empty(), situation + ": ACFRegisterPlugin returned " +
                                                     ResultText(registration.result) + " but described " +
                                                     std::to_string(registration.package.effects.size()) + " effects");
    Expect(live == 0, situation + ": ACFCanUnloadNow gives " + std::to_string(live) + " after the failed registration");
    std::string boxes = "no Fatal Error box (no display to show one)";
    if (DialogsCanAppear()) {
        const std::vector<std::string> texts = WaitForFatalErrorsBeyond(boxesBefore, std::chrono::milliseconds(2000));
        Expect(texts.size() > boxesBefore, situation + ": registration failed with " + ResultText(registration.result) +
                                               " but no Fatal Error box told the user why");
        boxes = BoxesSince(boxesBefore);
    }
    return situation + ": registration refused with " + ResultText(registration.result) + ", no effect described, " +
           boxes;
}

// Why a copy of the module in a folder of its own would still reach a core; empty when
// it would not.
std::string WhyCopyStillFindsCore(const CoreLocation& location) {
    if (!location.registryCore.empty())
        return "the registry value CorePath of " + Quote(location.shortName.value_or("")) + " names " +
               Util::FromWide(location.registryCore.c_str()).Bytes() + ", which a copy of the module finds as well";
    if (!location.BarePathName() && FileExists(Util::ToWide(Util::String(location.pathText)).CStr()))
        return "the module names its core by the full path " + location.pathText + ", which a copy finds as well";
    return {};
}

enum class CoreFault { Missing, NoEntryPoint };

void RunCoreFaultCheck(Validation& validation, const char* name, CoreFault fault) {
    const std::wstring modulePath = validation.GetOptions().modulePath;
    CoreLocation location;
    std::string error;
    if (!ReadCoreLocation(modulePath, location, error)) {
        validation.Skip("load", name, error);
        return;
    }
    if (!location.hasPathResource) {
        validation.Skip("load", name, "the module names no core library (no LMCORE/PATH resource)");
        return;
    }
    const std::string unreachable = WhyCopyStillFindsCore(location);
    if (!unreachable.empty()) {
        validation.Skip("load", name, unreachable);
        return;
    }
    const std::wstring coreName = location.CoreFileName();
    if (fault == CoreFault::NoEntryPoint && coreName.empty()) {
        validation.Skip("load", name, "the module is not primed with a core file name");
        return;
    }
    validation.Run("load", name, [&] {
        ScratchFolder folder;
        const std::wstring fileName = modulePath.substr(modulePath.find_last_of(L"\\/") + 1);
        // A file name of its own, so that the copy is a module instance of its own.
        const std::wstring copy = folder.Copy(modulePath, L"nocore-" + fileName);
        if (fault == CoreFault::Missing) return ExpectCleanFailure(copy, "core missing");
        // The stand-in core is another copy of the module under test: a DLL that surely
        // loads on this machine (the validator has just loaded it), runs no code of its
        // own when loaded and exports the ACF entry points but no PluginCoreCallback.
        // A system DLL would do as well on Windows, but Wine maps copies of its own
        // DLLs back to the built-in ones.
        folder.Copy(modulePath, coreName);
        return ExpectCleanFailure(copy, "core without PluginCoreCallback");
    });
}

}  // namespace

void RunLoadChecks(Validation& validation) {
    validation.Run("load", "register", [&] { return CheckRegister(validation); });
    bool loadable = true;
    bool registered = false;
    try {
        registered = validation.Registered();
    } catch (const std::exception&) {
        loadable = false;
    }
    struct DescriptionCheck {
        const char* name;
        std::string (*body)(Validation&);
    };
    const DescriptionCheck checks[] = {
        {"effect-ids", CheckEffectIds},       {"procedure-ids", CheckProcedureIds},
        {"plugin-ids", CheckPlugInIds},       {"categories", CheckCategories},
        {"properties", CheckProperties},      {"same-description-twice", CheckSameDescriptionTwice},
        {"repeated-load", CheckRepeatedLoad},
    };
    for (const DescriptionCheck& check : checks) {
        if (registered)
            validation.Run("load", check.name, [&] { return check.body(validation); });
        else
            validation.Skip("load", check.name, kNotRegistered);
    }
    if (!loadable) {
        validation.Skip("load", "core-missing", "the module could not be loaded");
        validation.Skip("load", "core-without-entry-point", "the module could not be loaded");
        return;
    }
    RunCoreFaultCheck(validation, "core-missing", CoreFault::Missing);
    RunCoreFaultCheck(validation, "core-without-entry-point", CoreFault::NoEntryPoint);
}

}  // namespace aaxhost::validate
