#include "hook/PluginIdKind.h"

namespace {

constexpr const char* kNames[] = {
    "Product", "Chunk", "Audiosuite", "Multi Out", "Mono",     "Mono To Stereo", "Stereo",   "LRC",   "Quad",
    "LCRS",    "5.0",   "5.1",        "7.0 DTS",   "7.0 SDDS", "7.1 DTS",        "7.1 SDDS", "7.1.2", "7.0.2",
};
static_assert(sizeof(kNames) / sizeof(kNames[0]) == kPluginIdKindCount, "one name per kind");

}  // namespace

const char* PluginIdKindName(PluginIdKind kind) noexcept { return kind < kPluginIdKindCount ? kNames[kind] : ""; }
