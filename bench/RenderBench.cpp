// render_bench: the time per block of the shipped hook's realtime process procedure
// against a plain copy of the same channels in the same run, for the Mono, Stereo, 5.1
// and 7.1.2 effects a core offers, at 32, 64, 256 and 1024 samples; once with the
// core processing ("core") and once with the hook's Bypass parameter engaged over a
// core latency of 64 ("bypass"). Over the null core (the default) the figures are the
// hook's own cost.
//
//   render_bench [--core <dll>] [--json]
//
// Everything is real: copies of the built LmHook.dll, primed for the core, load a copy
// of the core from a temporary folder through the host simulator, and the effects they
// register are instantiated and run through their registered process procedure. The
// hook offers 7.1.2 only to a Pro Tools 12.8 or later, so the bench measures in a copy
// of itself named "Pro Tools.exe" (this program carries a 12.8 version resource) and
// passes its output and exit code on.
// Exit codes: 0 measured, 1 the core does not load or offers none of the layouts,
// 2 bad arguments.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "Priming.h"
#include "aax/AAX_CString.h"
#include "aaxhost/DialogWatcher.h"
#include "aaxhost/EffectInstance.h"
#include "aaxhost/InstanceContext.h"
#include "aaxhost/LoadedModule.h"
#include "util/BufferOps.h"

namespace {

namespace fs = std::filesystem;

constexpr int kMeasured = 0;
constexpr int kCoreFailed = 1;
constexpr int kBadArguments = 2;

const char* const kUsage =
    "usage: render_bench [--core <dll>] [--json]\n"
    "  --core <dll>  the core to run (any library exporting PluginCoreCallback);\n"
    "                default: LmNullCore.dll beside the bench\n"
    "  --json        one JSON object per measurement and line instead of the table\n";

// Between the bench and its renamed copy: the two primed modules to measure.
const wchar_t* const kMeasureOption = L"--measure";
const wchar_t* const kHostName = L"Pro Tools.exe";

struct Layout {
    const char* name;
    AAX_EStemFormat stem;
};
constexpr Layout kLayouts[] = {{"Mono", AAX_eStemFormat_Mono},
                               {"Stereo", AAX_eStemFormat_Stereo},
                               {"5.1", AAX_eStemFormat_5_1},
                               {"7.1.2", AAX_eStemFormat_7_1_2}};
constexpr std::int32_t kBlockSizes[] = {32, 64, 256, 1024};
constexpr std::int32_t kMaxBlock = 1024;
constexpr int kRepetitions = 7;

// The core's latency in each mode, as its configuration text ("CoreConfig" of the hook);
// the null core answers it, other cores may ignore it.
struct Mode {
    const char* name;
    const char* coreConfig;
    bool bypass;
};
constexpr Mode kModes[] = {{"core", "latency=0", false}, {"bypass", "latency=64", true}};

void Fail(const std::string& message) { std::fprintf(stderr, "render_bench: %s\n", message.c_str()); }

std::string Utf8(const std::wstring& text) { return fs::path(text).u8string(); }

fs::path OwnPath() {
    std::wstring buffer(32768, L'\0');
    buffer.resize(GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size())));
    return fs::path(buffer);
}

// ---------------------------------------------------------------------------------------
// Measuring (in the copy named "Pro Tools.exe").

using Clock = std::chrono::steady_clock;

// Keeps the compiler from dropping or merging the copies it can see through.
inline void Barrier() noexcept { asm volatile("" ::: "memory"); }

struct Figures {
    double render = 0.0;  // ns per block
    double copy = 0.0;
};

template <class Block>
double NanosecondsPerBlock(Block&& block, int blocks) {
    const Clock::time_point start = Clock::now();
    for (int b = 0; b < blocks; ++b) {
        block();
        Barrier();
    }
    return std::chrono::duration<double, std::nano>(Clock::now() - start).count() / blocks;
}

// Best of kRepetitions runs of each, render and copy taking turns, after a warm-up.
Figures Time(AAX_CProcessProc proc, aaxhost::InstanceContext& context, std::int32_t samples) {
    context.SetBlockLength(samples);
    const std::int32_t channels = std::min(context.InputChannelCount(), context.MainOutputChannelCount());
    std::vector<const float*> inputs;
    std::vector<float*> outputs;
    for (std::int32_t k = 0; k < channels; ++k) {
        inputs.push_back(context.Input(k));
        outputs.push_back(context.Output(k));
    }
    void* instances[1] = {const_cast<void**>(context.Fields())};
    const auto render = [&] { proc(instances, instances + 1); };
    const auto copy = [&] {
        for (std::size_t k = 0; k < inputs.size(); ++k)
            Util::CopyFloats(outputs[k], inputs[k], static_cast<std::size_t>(samples));
    };
    // About a million channel samples per run.
    const int blocks = std::clamp((1 << 20) / (samples * std::max(channels, 1)), 1024, 16384);
    NanosecondsPerBlock(render, blocks);
    NanosecondsPerBlock(copy, blocks);
    Figures best{1e300, 1e300};
    for (int r = 0; r < kRepetitions; ++r) {
        best.render = std::min(best.render, NanosecondsPerBlock(render, blocks));
        best.copy = std::min(best.copy, NanosecondsPerBlock(copy, blocks));
    }
    return best;
}

// The realtime effect with `stem` in and out; null when the module registered none.
const aaxhost::EffectDescription* FindEffect(const aaxhost::Registration& registration, AAX_EStemFormat stem) {
    for (const aaxhost::EffectDescription& effect : registration.package.effects) {
        if (effect.components.empty() || effect.components.front().processProcedures.empty()) continue;
        const aaxhost::ComponentDescription& component = effect.components.front();
        if (component.InputStemFormat() == stem && component.OutputStemFormat() == stem &&
            component.FindProperty(AAX_eProperty_PlugInID_Native))
            return &effect;
    }
    return nullptr;
}

void FillInputs(aaxhost::InstanceContext& context) {
    for (std::int32_t k = 0; k < context.InputChannelCount(); ++k)
        for (std::int32_t i = 0; i < context.MaxBlockSize(); ++i)
            context.Input(k)[i] = 0.25f * static_cast<float>((i * 7 + k * 13) % 64 - 32) / 32.0f;
}

struct Rig {
    const Layout* layout;
    AAX_CProcessProc proc;
    std::unique_ptr<aaxhost::EffectInstance> instance;
    std::unique_ptr<aaxhost::InstanceContext> context;
};

void ReportFatalErrors(const aaxhost::DialogWatcher& watcher) {
    for (const std::string& text : watcher.Texts()) Fail("the module reported: " + text);
}

// One mode over one primed module: a line per measurement (JSON) or a table.
int MeasureMode(const Mode& mode, const fs::path& modulePath, bool json) {
    std::optional<aaxhost::DialogWatcher> watcher(std::in_place);
    std::unique_ptr<aaxhost::LoadedModule> module;
    try {
        module = std::make_unique<aaxhost::LoadedModule>(modulePath.wstring());
    } catch (const aaxhost::ModuleLoadError& error) {
        Fail(std::string("the primed hook did not load: ") + error.what());
        return kCoreFailed;
    }
    module->Startup();
    const aaxhost::Registration registration = module->RegisterPlugin();
    if (registration.result != ACF_OK) {
        ReportFatalErrors(*watcher);
        Fail("the hook registered no effects over the core (result " + std::to_string(registration.result) +
             "): it does not load or does not describe itself");
        return kCoreFailed;
    }

    std::vector<Rig> rigs;
    std::int32_t latency = 0;
    for (const Layout& layout : kLayouts) {
        const aaxhost::EffectDescription* effect = FindEffect(registration, layout.stem);
        if (!effect) continue;
        Rig rig{&layout, effect->components.front().processProcedures.front().proc, nullptr, nullptr};
        rig.instance = aaxhost::CreateEffectInstance(*effect, aaxhost::SetupFor(effect->components.front()));
        if (!rig.instance || rig.instance->Initialize() != AAX_SUCCESS) {
            ReportFatalErrors(*watcher);
            Fail(std::string("the ") + layout.name + " instance could not be made");
            return kCoreFailed;
        }
        if (mode.bypass) {
            AAX_CString bypass;
            rig.instance->Parameters()->GetMasterBypassParameter(&bypass);
            if (bypass.Empty() || rig.instance->Automate(bypass.Get(), 1.0) != AAX_SUCCESS) {
                Fail(std::string("the ") + layout.name + " instance has no bypass to engage");
                return kCoreFailed;
            }
        }
        rig.instance->Controller().GetSignalLatency(&latency);
        aaxhost::ContextOptions options;
        options.maxBlockSize = kMaxBlock;
        rig.context =
            std::make_unique<aaxhost::InstanceContext>(effect->components.front(), rig.instance->Parameters(), options);
        FillInputs(*rig.context);
        rigs.push_back(std::move(rig));
    }
    if (rigs.empty()) {
        ReportFatalErrors(*watcher);
        Fail("the core offers none of the layouts Mono, Stereo, 5.1, 7.1.2");
        return kCoreFailed;
    }
    ReportFatalErrors(*watcher);
    watcher.reset();  // its polling thread would share the processor with the timing

    if (!json) {
        std::printf("\n%s\n", mode.bypass ? "Hook bypass engaged: no block reaches the core"
                                          : "Bypass off: every block goes to the core");
        std::printf("(core latency %d samples)\n", static_cast<int>(latency));
        std::printf("%-8s %8s %14s %14s %8s\n", "layout", "samples", "render ns/blk", "copy ns/blk", "ratio");
    }
    for (Rig& rig : rigs)
        for (const std::int32_t samples : kBlockSizes) {
            const Figures figures = Time(rig.proc, *rig.context, samples);
            const double ratio = figures.copy > 0.0 ? figures.render / figures.copy : 0.0;
            if (json)
                std::printf(
                    "{\"layout\": \"%s\", \"samples\": %d, \"mode\": \"%s\", \"render_ns\": %.1f, \"copy_ns\": %.1f, "
                    "\"ratio\": %.3f}\n",
                    rig.layout->name, static_cast<int>(samples), mode.name, figures.render, figures.copy, ratio);
            else
                std::printf("%-8s %8d %14.0f %14.0f %8.2f\n", rig.layout->name, static_cast<int>(samples),
                            figures.render, figures.copy, ratio);
            std::fflush(stdout);
        }

    watcher.emplace();  // boxes shown while the instances and the module go are answered too
    rigs.clear();
    module.reset();
    ReportFatalErrors(*watcher);
    return kMeasured;
}

// ---------------------------------------------------------------------------------------
// Setting up (in render_bench.exe).

struct Options {
    fs::path core;
    bool json = false;
};

// Empty with a message on stderr for bad arguments.
std::optional<Options> ParseArguments(const std::vector<std::wstring>& arguments) {
    Options options;
    bool coreGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::wstring& argument = arguments[i];
        if (argument == L"--json") {
            options.json = true;
        } else if (argument == L"--core") {
            if (coreGiven || i + 1 == arguments.size() || arguments[i + 1].empty()) {
                Fail(coreGiven ? "--core given twice" : "--core needs a library");
                return std::nullopt;
            }
            options.core = fs::absolute(fs::path(arguments[++i]));
            coreGiven = true;
        } else {
            Fail("unknown argument " + Utf8(argument));
            return std::nullopt;
        }
    }
    if (!coreGiven) options.core = OwnPath().parent_path() / L"LmNullCore.dll";
    return options;
}

// A folder of its own under the temporary folder, removed with everything in it.
class TemporaryFolder {
public:
    TemporaryFolder()
        : path_(fs::temp_directory_path() / (L"lm-render-bench-" + std::to_wstring(GetCurrentProcessId()))) {
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const fs::path& Path() const noexcept { return path_; }

private:
    fs::path path_;
};

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

// Runs the command line with this process's standard handles; its exit code.
int Run(std::wstring commandLine) {
    std::fflush(stdout);
    std::fflush(stderr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    for (HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError})
        if (handle && handle != INVALID_HANDLE_VALUE)
            SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        Fail("cannot start the measuring copy (error " + std::to_string(GetLastError()) + ")");
        return kCoreFailed;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = kCoreFailed;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(exitCode);
}

// Lays out the core, one primed hook per mode and the host copy of this program in a
// temporary folder and runs the copy there.
int Launch(const Options& options) {
    if (!fs::is_regular_file(options.core)) {
        Fail("no core library at " + options.core.u8string());
        return kCoreFailed;
    }
    const HMODULE core = LoadLibraryExW(options.core.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    const bool hasEntry = core && GetProcAddress(core, "PluginCoreCallback");
    if (core) FreeLibrary(core);
    if (!hasEntry) {
        Fail(options.core.u8string() + " is not a library exporting PluginCoreCallback");
        return kCoreFailed;
    }

    const fs::path own = OwnPath();
    TemporaryFolder folder;
    std::wstring commandLine = Quoted((folder.Path() / kHostName).wstring()) + L" " + kMeasureOption;
    try {
        fs::copy_file(options.core, folder.Path() / options.core.filename());
        fs::copy_file(own, folder.Path() / kHostName);
        for (const Mode& mode : kModes) {
            PrimeSettings settings;
            settings.core = options.core.filename().u8string();
            settings.config = std::string("CoreConfig:") + mode.coreConfig;
            const fs::path module = folder.Path() / (std::string("LmBench-") + mode.name + ".aaxplugin");
            std::string error;
            if (!PrimeModule((own.parent_path() / L"LmHook.dll").wstring(), module.wstring(), settings, error)) {
                Fail("cannot prime a copy of LmHook.dll: " + error);
                return kCoreFailed;
            }
            commandLine += L" " + Quoted(module.wstring());
        }
    } catch (const fs::filesystem_error& error) {
        Fail(std::string("cannot lay out the bench folder: ") + error.what());
        return kCoreFailed;
    }
    if (options.json) commandLine += L" --json";
    return Run(commandLine);
}

// In the host copy: --measure <core-mode module> <bypass-mode module> [--json].
int Measure(const std::vector<std::wstring>& arguments) {
    if (arguments.size() < 3) {
        Fail("--measure needs two modules");
        return kBadArguments;
    }
    const bool json = arguments.size() > 3 && arguments[3] == L"--json";
    for (std::size_t m = 0; m < std::size(kModes); ++m) {
        int result = kCoreFailed;
        try {
            result = MeasureMode(kModes[m], fs::path(arguments[1 + m]), json);
        } catch (const std::exception& error) {
            Fail(std::string("the host simulator stopped: ") + error.what());
        }
        if (result != kMeasured) return result;
    }
    return kMeasured;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::vector<std::wstring> arguments(argv + 1, argv + argc);
    if (!arguments.empty() && arguments.front() == kMeasureOption) return Measure(arguments);
    const std::optional<Options> options = ParseArguments(arguments);
    if (!options) {
        std::fputs(kUsage, stderr);
        return kBadArguments;
    }
    return Launch(*options);
}
