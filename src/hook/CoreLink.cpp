#include "hook/CoreLink.h"

#include <windows.h>

#include <fmt/format.h>

#include <cstring>
#include <mutex>
#include <utility>

#include "hook/HookConfigResource.h"
#include "hook/ModuleResource.h"
#include "util/ConfigFile.h"
#include "util/FatalError.h"
#include "util/File.h"
#include "util/FileName.h"
#include "util/FormatArg.h"
#include "util/ModuleInstance.h"
#include "util/Mutex.h"
#include "util/Path.h"
#include "util/WideText.h"

namespace {

// The path must fit, with its NUL, the 2048-byte field of the instance-creation request.
constexpr std::size_t kMaxCorePathLength = 2047;

const char* const kNotFoundMessage =
    "One of the files this plug-in needs cannot be found, please reinstall or contact technical support for "
    "assistance [0x%1]";
const char* const kCorruptMessage =
    "One of the files this plug-in needs is corrupt or invalid, please reinstall or contact technical support for "
    "assistance [0x%1] (attempting to load %1)";

// Shows `templ` with %1 filled by a Windows error code in upper-case hexadecimal.
void ReportWithCode(const char* templ, std::uint32_t code) {
    Util::ShowFatalError(Util::kFatalErrorTitle, Util::FormatArg(Util::String(templ), std::uint64_t{code}, 16));
}

bool FileExists(const Util::String& path) { return Util::File(Util::Path(path)).Exists(); }

// The native path of `name` in the hook module's folder.
Util::String BesideModule(const Util::String& name) {
    return Util::Path(Util::Path::AppendSeparator(ModuleDirectory()) + name).NativeText();
}

struct CoreLinkCache {
    Util::Mutex mutex;
    std::weak_ptr<LoadedCore> current;
};

CoreLinkCache& Cache() {
    static CoreLinkCache cache;
    return cache;
}

}  // namespace

HmoduleWithLoadedCore::HmoduleWithLoadedCore(void* module, LoadedCore loaded) noexcept
    : core(std::move(loaded)), module_(module) {}

HmoduleWithLoadedCore::~HmoduleWithLoadedCore() {
    // The texts go first; the core's code and data may go with the library.
    core = LoadedCore();
    FreeLibrary(static_cast<HMODULE>(module_));
}

// The module's whole file name, however long (the system's limit is 32767 units): a
// name cut short would send the search for the core to the wrong folder without a word,
// where a whole one gives a core path that is either found or reported as too long.
Util::String ModuleDirectory() {
    std::wstring name;
    DWORD length = 0;
    for (DWORD room = 4096; room <= 65536; room *= 2) {
        name.assign(room, L'\0');
        length = GetModuleFileNameW(static_cast<HMODULE>(Util::ModuleInstance()), &name[0], room);
        if (length < room) break;  // a cut name fills the room exactly
        length = 0;
    }
    if (length == 0) return Util::String(".\\");
    name.resize(length);
    const std::size_t slash = name.find_last_of(L'\\');
    if (slash == std::wstring::npos) return Util::String(".\\");
    name.resize(slash + 1);
    return Util::FromWide(name.c_str());
}

Util::String FindCorePathFromResource() {
    const ModuleResource resource = FindModuleResource(Util::ModuleInstance(), "LMCORE", "PATH");
    switch (resource.status) {
    case ModuleResource::Status::NotFound: return Util::String();
    case ModuleResource::Status::Empty:
        ReportWithCode("Empty core path resource [0x%1]", resource.lastError);
        return Util::String();
    case ModuleResource::Status::LoadFailed:
        ReportWithCode("Can't load core path resource [0x%1]", resource.lastError);
        return Util::String();
    case ModuleResource::Status::LockFailed:
        ReportWithCode("Can't lock core path resource [0x%1]", resource.lastError);
        return Util::String();
    case ModuleResource::Status::Found: break;
    }
    if (resource.data[resource.size - 1] != 0) {
        ReportWithCode("Invalid core path resource [0x%1]", GetLastError());
        return Util::String();
    }
    if (resource.size == 1) {
        ReportWithCode("Attempting to load unprimed hook [0x%1]", GetLastError());
        return Util::String();
    }

    Util::String path(reinterpret_cast<const char*>(resource.data));
    const bool bareName = path.Bytes().find_first_of("/\\") == std::string::npos;
    if (bareName) path = BesideModule(path);

    // A full path that does not exist here (the product was moved or installed
    // elsewhere): look for the same file name beside the hook module.
    if (!bareName && !FileExists(path)) {
        const Util::String name = Util::FileNameOf(path);
        if (!name.IsEmpty()) path = BesideModule(name);
    }
    return FileExists(path) ? path : Util::String();
}

Util::String FindCorePathFromRegistry() {
    const Util::String shortName = ReadHookShortName();
    if (shortName.IsNull()) return Util::String();
    const Util::String keyPath(fmt::format("SOFTWARE\\Lumetra\\{}", shortName.Bytes()));
    const Util::String path = Util::ConfigFile(keyPath).GetString(Util::String("CorePath"), Util::String(""));
    return !path.IsEmpty() && FileExists(path) ? path : Util::String();
}

std::shared_ptr<LoadedCore> LoadCore() {
    Util::String path = FindCorePathFromResource();
    if (path.IsNull()) path = FindCorePathFromRegistry();
    if (path.IsNull()) {
        ReportWithCode(kNotFoundMessage, GetLastError());
        return nullptr;
    }

    const HMODULE module = LoadLibraryW(Util::ToWide(path).CStr());
    if (module == nullptr) {
        const std::uint64_t code = GetLastError();
        const Util::String templ = Util::String(kNotFoundMessage) + " (attempting to load %2)";
        Util::ShowFatalError(Util::kFatalErrorTitle, Util::FormatArg(Util::FormatArg(templ, code, 16), path));
        return nullptr;
    }
    if (path.Size() > kMaxCorePathLength) {
        Util::ShowFatalError(Util::kFatalErrorTitle, "Core path length limit exceeded");
        FreeLibrary(module);
        return nullptr;
    }

    const FARPROC entry = GetProcAddress(module, "PluginCoreCallback");
    if (entry == nullptr) {
        const std::uint64_t code = GetLastError();
        Util::ShowFatalError(Util::kFatalErrorTitle,
                             Util::FormatArg(Util::FormatArg(Util::String(kCorruptMessage), code, 16), path));
        FreeLibrary(module);
        return nullptr;
    }

    Util::String hookConfig = ReadHookConfigResource();
    if (hookConfig.IsNull()) {
        FreeLibrary(module);
        return nullptr;
    }

    LoadedCore loaded;
    // GetProcAddress gives a generic function pointer; the core exports this signature.
    loaded.coreCallback = reinterpret_cast<PluginCoreCallbackFn>(reinterpret_cast<void (*)()>(entry));
    loaded.corePath = std::move(path);
    loaded.hookConfig = std::move(hookConfig);
    const auto record = std::make_shared<HmoduleWithLoadedCore>(module, std::move(loaded));
    return std::shared_ptr<LoadedCore>(record, &record->core);
}

std::shared_ptr<LoadedCore> GetCoreLink() {
    CoreLinkCache& cache = Cache();
    // Held across the whole load, message boxes included: concurrent first users wait
    // and then share the one load.
    std::lock_guard<Util::Mutex> lock(cache.mutex);
    if (std::shared_ptr<LoadedCore> current = cache.current.lock()) return current;
    std::shared_ptr<LoadedCore> loaded = LoadCore();
    cache.current = loaded;
    return loaded;
}
