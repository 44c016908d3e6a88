#include "gui/EditorWindowClassName.h"

#include "contract/PluginFormat.h"
#include "hook/CoreStaticInfoCache.h"
#include "hook/HookCallback.h"
#include "util/FormatArg.h"

Util::String FormatEditorWindowClassName(const CoreStaticInfo& info, std::uint64_t moduleAddress) {
    // Three chained fills; the template has no "%3", so the address lands in "%4".
    const bool valid = info.IsValid();
    Util::String name =
        Util::FormatArg(Util::String("Lm_%1_v%2_fAAX_Window.%4"), valid ? info.NameStem() : Util::String("Unknown"));
    name = Util::FormatArg(name, valid ? info.PackageVersion() : std::uint32_t{0}, 10);
    return Util::FormatArg(name, moduleAddress, 16);
}

std::uint64_t EditorWindowClassAddress() noexcept {
    return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(&PluginHookCallback));
}

Util::String EditorWindowClassName() {
    return FormatEditorWindowClassName(GetCoreStaticInfo(kPluginFormatAaxNative), EditorWindowClassAddress());
}
