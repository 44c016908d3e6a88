// PluginCoreCallback of the null core: the cheapest core the hook can drive, so that
// what render_bench measures over it is the hook's own cost. It describes one realtime
// product (Mono, Stereo, 5.1 and 7.1.2) and its AudioSuite twin, and makes instances
// whose handle carries their latency: the "latency=N" entry of the core configuration
// (0 without one), so that the hook's own bypass delay can be timed. Nothing is
// allocated, locked or recorded; every other request returns 0 at once and leaves its
// record as the hook filled it. [any-thread]

#include <cstdint>
#include <cstring>

#include "contract/CoreEntryPoint.h"
#include "contract/CoreRequestRecords.h"
#include "contract/CoreStaticInfo.h"
#include "contract/InstanceCreateRequest.h"
#include "contract/PluginFormat.h"
#include "contract/RecordText.h"
#include "contract/StaticInfoRequest.h"

namespace {

constexpr std::uint32_t kDone = 0;
constexpr std::uint32_t kRefused = 1;

// The handle's upper half tells a null-core instance; the lower half is its latency.
constexpr std::uint64_t kHandleTag = 0x4E756C6C00000000;  // 'Null'
constexpr std::uint32_t kMaxLatency = 1u << 24;

std::uint32_t Describe(const StaticInfoRequest& request) {
    if (request.outputAddress == 0) return kRefused;
    if (request.pluginFormat != kPluginFormatAaxNative && request.pluginFormat != kPluginFormatAudioSuite)
        return kRefused;
    CoreStaticInfo info;
    std::memset(&info, 0, sizeof info);
    WriteRecordText(info.nameStem, "LmNull");
    WriteRecordText(info.effectIdStem, "com.lumetra.lmnull");
    info.packageVersion = 0x00010000;
    info.stateFormatId = 0x4C6D4E6C;  // 'LmNl'
    info.stateVersion = 1;
    info.stemAvailable[kStemMono] = 1;
    info.stemAvailable[kStemStereo] = 1;
    info.stemAvailable[kStem5_1] = 1;
    info.stemAvailable[kStem7_1_2] = 1;
    info.editorWidth = 200;
    info.editorHeight = 100;
    WriteRecordText(info.manufacturerName, "Lumetra");
    info.manufacturerId = 0x4C756D65;  // 'Lume'
    WriteRecordText(info.nameList, "LmNull");
    info.basePluginId = 0x4C6D4E00;  // 'LmN\0' + ID kind
    info.categoryMask = 0x2000;      // effect
    info.realtimeFlag = 1;
    info.deriveIdsFlag = 1;
    std::memcpy(reinterpret_cast<void*>(static_cast<std::uintptr_t>(request.outputAddress)), &info,
                CoreStaticInfo::kCoreSize);
    return kDone;
}

// The N of the first "latency=N" in the configuration text; 0 without one.
std::uint32_t LatencyFrom(const char* config, std::size_t size) {
    static const char kKey[] = "latency=";
    const std::size_t keyLength = sizeof kKey - 1;
    const std::size_t length = strnlen(config, size);
    for (std::size_t at = 0; at + keyLength <= length; ++at) {
        if (std::memcmp(config + at, kKey, keyLength) != 0) continue;
        std::uint32_t latency = 0;
        for (std::size_t i = at + keyLength; i < length && config[i] >= '0' && config[i] <= '9'; ++i) {
            latency = latency * 10 + static_cast<std::uint32_t>(config[i] - '0');
            if (latency > kMaxLatency) return kMaxLatency;
        }
        return latency;
    }
    return 0;
}

std::uint32_t Create(const InstanceCreateRequest& request) {
    if (request.instanceHandleAddress == 0) return kRefused;
    const std::uint64_t handle = kHandleTag | LatencyFrom(request.coreConfig, sizeof request.coreConfig);
    std::memcpy(reinterpret_cast<void*>(static_cast<std::uintptr_t>(request.instanceHandleAddress)), &handle,
                sizeof handle);
    return kDone;
}

}  // namespace

extern "C" __declspec(dllexport) std::uint32_t
    PluginCoreCallback(std::uint32_t magic, std::uint32_t selector, std::uint32_t /*argument*/, std::uint64_t instance,
                       void* record) noexcept {
    if (magic != kCoreMagic) return kRefused;
    switch (static_cast<CoreSelector>(selector)) {
    case CoreSelector::StaticInfo: return record ? Describe(*static_cast<const StaticInfoRequest*>(record)) : kRefused;
    case CoreSelector::CreateInstance:
        return record ? Create(*static_cast<const InstanceCreateRequest*>(record)) : kRefused;
    case CoreSelector::Latency:
        if (!record || (instance & ~std::uint64_t{0xFFFFFFFF}) != kHandleTag) return kRefused;
        static_cast<U32Out*>(record)->value = static_cast<std::uint32_t>(instance);
        return kDone;
    default: return kDone;
    }
}

// The signature the hook resolves.
[[maybe_unused]] constexpr PluginCoreCallbackFn kEntryPointShape = &PluginCoreCallback;
