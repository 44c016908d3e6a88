// PluginCoreCallback of the demo core: checks each request, finds its instance and
// hands the record on. A request without the record it needs, for an instance that
// does not exist or with a selector the core does not serve is refused with a non-zero
// result; no exception leaves the entry point. [any-thread]: the hook calls from its
// UI, audio and offline threads.

#include <cstdint>
#include <new>

#include "DemoFault.h"
#include "DemoInstance.h"
#include "DemoParameters.h"
#include "DemoStaticInfo.h"
#include "InstanceRegistry.h"
#include "contract/BlockRecord.h"
#include "contract/CoreEntryPoint.h"
#include "contract/CoreParameterInfo.h"
#include "contract/CoreRequestRecords.h"
#include "contract/EditorEvent.h"
#include "contract/InstanceCreateRequest.h"
#include "contract/StateRecords.h"
#include "contract/StaticInfoRequest.h"

namespace DemoCore {
namespace {

constexpr std::uint32_t kDone = 0;
constexpr std::uint32_t kRefused = 1;

std::uint32_t Describe(StaticInfoRequest& request) {
    return FillStaticInfo(request.pluginFormat, reinterpret_cast<void*>(request.outputAddress)) ? kDone : kRefused;
}

std::uint32_t Create(const InstanceCreateRequest& request) {
    if (request.instanceHandleAddress == 0) return kRefused;
    auto* instance = new (std::nothrow)
        DemoInstance(HookLink(request.hookCallbackAddress, request.hookAddress), request.pluginFormat,
                     FaultFromConfig(request.coreConfig, sizeof request.coreConfig), request.sampleRate,
                     request.channelConfig);
    if (!instance) return kRefused;
    try {
        RegisterInstance(instance);
    } catch (...) {
        delete instance;
        return kRefused;
    }
    *reinterpret_cast<std::uint64_t*>(request.instanceHandleAddress) = reinterpret_cast<std::uintptr_t>(instance);
    return kDone;
}

std::uint32_t DescribeParameters(ParameterDescriptionsRequest& request) {
    const std::uint32_t count = request.count < kParameterCount ? request.count : kParameterCount;
    if (count > 0 && !request.records) return kRefused;
    for (std::uint32_t i = 0; i < count; ++i) DemoCore::Describe(i, request.records[i]);
    return kDone;
}

template <class Record>
Record* As(void* record) noexcept {
    return static_cast<Record*>(record);
}

// The requests that need an instance; `record` is checked by the caller where needed.
std::uint32_t Serve(DemoInstance& instance, CoreSelector selector, void* record) {
    switch (selector) {
    case CoreSelector::ParametersReady:
    case CoreSelector::InstanceClosing:
    case CoreSelector::OfflineMode:
    case CoreSelector::Midi:
    case CoreSelector::SelectionLength:
    case CoreSelector::TrackNameChanged: return kDone;
    case CoreSelector::SetParameter: {
        const auto* value = As<ParameterValueRecord>(record);
        instance.SetValue(value->coreIndex, value->value);
        return kDone;
    }
    case CoreSelector::Configure: {
        const auto* configure = As<ConfigureRecord>(record);
        instance.Configure(configure->sampleRate, configure->channelConfig);
        return kDone;
    }
    case CoreSelector::Latency: As<U32Out>(record)->value = instance.Latency(); return kDone;
    case CoreSelector::EditorEvent: instance.HandleEditorEvent(*As<EditorEvent>(record)); return kDone;
    case CoreSelector::State: instance.ServeState(*As<StateRequest>(record)); return kDone;
    case CoreSelector::LegacyStateLoad: instance.LoadLegacyState(*As<LegacyStateLoad>(record)); return kDone;
    case CoreSelector::Notify: instance.Notify(*As<NotifyRecord>(record)); return kDone;
    default: return kRefused;
    }
}

// Selectors that come without a record.
bool NeedsNoRecord(CoreSelector selector) noexcept {
    switch (selector) {
    case CoreSelector::ParametersReady:
    case CoreSelector::InstanceClosing:
    case CoreSelector::DestroyInstance:
    case CoreSelector::TrackNameChanged: return true;
    default: return false;
    }
}

std::uint32_t Dispatch(std::uint32_t selectorNumber, std::uint64_t handle, void* record) {
    const auto selector = static_cast<CoreSelector>(selectorNumber);
    if (!record && !NeedsNoRecord(selector)) return kRefused;
    switch (selector) {
    case CoreSelector::StaticInfo: return Describe(*As<StaticInfoRequest>(record));
    case CoreSelector::CreateInstance: return Create(*As<InstanceCreateRequest>(record));
    case CoreSelector::ParameterCount: As<U32Out>(record)->value = kParameterCount; return kDone;
    case CoreSelector::ParameterInfo: return DescribeParameters(*As<ParameterDescriptionsRequest>(record));
    case CoreSelector::ProcessBlock: {
        // The audio path takes no lock: the hook sends blocks only for its live instance.
        auto* instance = reinterpret_cast<DemoInstance*>(static_cast<std::uintptr_t>(handle));
        if (!instance || !instance->Alive()) return kRefused;
        return instance->Process(*As<BlockRecord>(record));
    }
    case CoreSelector::DestroyInstance: {
        DemoInstance* instance = FindInstance(handle);
        if (!instance) return kRefused;
        UnregisterInstance(instance);
        delete instance;
        return kDone;
    }
    default: {
        DemoInstance* instance = FindInstance(handle);
        return instance ? Serve(*instance, selector, record) : kRefused;
    }
    }
}

}  // namespace
}  // namespace DemoCore

extern "C" __declspec(dllexport) std::uint32_t
    PluginCoreCallback(std::uint32_t magic, std::uint32_t selector, std::uint32_t /*argument*/, std::uint64_t instance,
                       void* record) noexcept {
    if (magic != kCoreMagic) return DemoCore::kRefused;
    try {
        return DemoCore::Dispatch(selector, instance, record);
    } catch (...) {
        return DemoCore::kRefused;
    }
}

// The signature the hook resolves.
[[maybe_unused]] constexpr PluginCoreCallbackFn kEntryPointShape = &PluginCoreCallback;
