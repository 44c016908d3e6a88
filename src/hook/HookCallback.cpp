#include "hook/HookCallback.h"

#include "contract/GestureRecord.h"
#include "contract/HookCallbackRecords.h"
#include "contract/HostInfoRecord.h"
#include "hook/PluginHook.h"

namespace {

constexpr std::uint32_t Status(HookStatus status) noexcept { return static_cast<std::uint32_t>(status); }

constexpr std::uint32_t Answer(bool done) noexcept { return Status(done ? HookStatus::Done : HookStatus::Refused); }

// Selectors 7 to 9: the host-information store must exist; a non-zero flag marks the
// usage kind, then the record is answered as a capability query (selector 10).
std::uint32_t StoreCapability(PluginHook& hook, void* record) {
    HostInfoStore* store = hook.GetHostInfoStore();
    if (!store) return Status(HookStatus::NoHostInfoStore);
    if (static_cast<const CapabilityQueryRecord*>(record)->flag != 0)
        store->SetUsageKind(Util::String(HostInfoStore::kAdvancedUsage));
    return Answer(hook.QueryCapability(*static_cast<CapabilityAnswerRecord*>(record)));
}

std::uint32_t Dispatch(HookSelector selector, std::uint32_t argument, PluginHook& hook, void* record) {
    switch (selector) {
    case HookSelector::Nothing:
    case HookSelector::Reserved4:
    case HookSelector::Reserved5: return Status(HookStatus::Done);
    case HookSelector::ParameterEdit: {
        const auto& edit = *static_cast<const ParameterEditRecord*>(record);
        hook.SetParameterFromCore(edit.operation, edit.coreIndex, edit.value);
        return Status(HookStatus::Done);
    }
    case HookSelector::Latency:
        hook.SetLatency(argument, static_cast<const LatencyRecord*>(record)->samples);
        return Status(HookStatus::Done);
    case HookSelector::CoreNotify: hook.OnCoreNotify(argument); return Status(HookStatus::Done);
    case HookSelector::HostInfoLookup: {
        auto& lookup = *static_cast<HostInfoLookupRecord*>(record);
        lookup.value = 0;
        lookup.found = 0;
        const HostInfoStore* store = hook.GetHostInfoStore();
        if (!store) return Status(HookStatus::NoRecord);
        const HostInfoStore::LookupResult result = store->Lookup(lookup.key, lookup.second);
        lookup.value = result.value;
        lookup.found = result.found ? 1 : 0;
        return Status(HookStatus::Done);
    }
    case HookSelector::StoreCapability7:
    case HookSelector::StoreCapability8:
    case HookSelector::StoreCapability9: return StoreCapability(hook, record);
    case HookSelector::Capability: return Answer(hook.QueryCapability(*static_cast<CapabilityAnswerRecord*>(record)));
    case HookSelector::ResizeEditor:
        return Answer(hook.ResizeEditorForCore(*static_cast<const EditorSizeRecord*>(record)));
    case HookSelector::CoreValue:
        hook.QueryCoreValue(*static_cast<CoreValueOut*>(record));
        return Status(HookStatus::Done);
    case HookSelector::HostInfo:
        hook.FillHostInfo(*static_cast<HostInfoRecord*>(record));
        return Status(HookStatus::Done);
    case HookSelector::TrackName:
        hook.WriteTrackName(*static_cast<TrackNameRecord*>(record));
        return Status(HookStatus::Done);
    case HookSelector::ParameterGesture: {
        auto& gesture = *static_cast<GestureRecord*>(record);
        gesture.result = hook.HandleParameterGesture(gesture) ? 1 : 0;
        return Status(HookStatus::Done);
    }
    case HookSelector::CoreRequest: {
        auto& request = *static_cast<CoreAnswerRecord*>(record);
        request.result = hook.AnswerCoreRequest(request.a, request.b, request.c, request.d, request.bytes) ? 1 : 0;
        return Status(HookStatus::Done);
    }
    case HookSelector::CoreFlag:
        hook.SetCoreFlag(static_cast<const CoreFlagRecord*>(record)->value);
        return Status(HookStatus::Done);
    case HookSelector::Capabilities: {
        auto& capabilities = *static_cast<CapabilitiesRecord*>(record);
        std::uint8_t a = 0;
        std::uint32_t b = 0, c = 0;
        hook.QueryCapabilities(a, b, c);
        capabilities.a = a != 0 ? 1 : 0;
        capabilities.b = b;
        capabilities.c = c;
        return Status(HookStatus::Done);
    }
    case HookSelector::InstanceCreateSeconds:
        static_cast<SecondsOut*>(record)->seconds = hook.InstanceCreateSeconds();
        return Status(HookStatus::Done);
    case HookSelector::EditorOpenSeconds:
        static_cast<SecondsOut*>(record)->seconds = hook.EditorOpenSeconds();
        return Status(HookStatus::Done);
    case HookSelector::CoreCommand: {
        const auto& command = *static_cast<const CoreCommandRecord*>(record);
        return hook.HandleCoreCommand(argument, command.code, command.value, command.data);
    }
    }
    return Status(HookStatus::UnknownSelector);
}

}  // namespace

const char* HookSelectorName(std::uint32_t selector) noexcept {
    switch (static_cast<HookSelector>(selector)) {
    case HookSelector::Nothing: return "Nothing";
    case HookSelector::ParameterEdit: return "ParameterEdit";
    case HookSelector::Latency: return "Latency";
    case HookSelector::CoreNotify: return "CoreNotify";
    case HookSelector::Reserved4: return "Reserved4";
    case HookSelector::Reserved5: return "Reserved5";
    case HookSelector::HostInfoLookup: return "HostInfoLookup";
    case HookSelector::StoreCapability7: return "StoreCapability7";
    case HookSelector::StoreCapability8: return "StoreCapability8";
    case HookSelector::StoreCapability9: return "StoreCapability9";
    case HookSelector::Capability: return "Capability";
    case HookSelector::ResizeEditor: return "ResizeEditor";
    case HookSelector::CoreValue: return "CoreValue";
    case HookSelector::HostInfo: return "HostInfo";
    case HookSelector::TrackName: return "TrackName";
    case HookSelector::ParameterGesture: return "ParameterGesture";
    case HookSelector::CoreRequest: return "CoreRequest";
    case HookSelector::CoreFlag: return "CoreFlag";
    case HookSelector::Capabilities: return "Capabilities";
    case HookSelector::InstanceCreateSeconds: return "InstanceCreateSeconds";
    case HookSelector::EditorOpenSeconds: return "EditorOpenSeconds";
    case HookSelector::CoreCommand: return "CoreCommand";
    }
    return "Unknown";
}

const char* HookStatusName(std::uint32_t status) noexcept {
    switch (static_cast<HookStatus>(status)) {
    case HookStatus::Done: return "Done";
    case HookStatus::WrongMagic: return "WrongMagic";
    case HookStatus::UnknownSelector: return "UnknownSelector";
    case HookStatus::NoHook: return "NoHook";
    case HookStatus::NoRecord: return "NoRecord";
    case HookStatus::UnknownCommand: return "UnknownCommand";
    case HookStatus::NoHostInfoStore: return "NoHostInfoStore";
    case HookStatus::Refused: return "Refused";
    }
    return "Unknown";
}

namespace {

// Whether the dispatcher requires a record for `selector` (false from 22 on).
bool HookSelectorUsesRecord(std::uint32_t selector) noexcept {
    switch (static_cast<HookSelector>(selector)) {
    case HookSelector::Nothing:
    case HookSelector::CoreNotify:
    case HookSelector::Reserved4:
    case HookSelector::Reserved5: return false;
    default: return selector < kHookSelectorCount;
    }
}

}  // namespace

// Exported for the core; DllMain.cpp keeps this object in the module.
extern "C" __declspec(dllexport) std::uint32_t
    PluginHookCallback(std::uint32_t magic, std::uint32_t selector, std::uint32_t argument, PluginHook* hook,
                       void* record) noexcept {
    if (magic != kHookMagic) return Status(HookStatus::WrongMagic);
    if (selector >= kHookSelectorCount) return Status(HookStatus::UnknownSelector);
    const auto named = static_cast<HookSelector>(selector);
    const bool needsHook =
        named != HookSelector::Nothing && named != HookSelector::Reserved4 && named != HookSelector::Reserved5;
    if (needsHook && !hook) return Status(HookStatus::NoHook);
    if (HookSelectorUsesRecord(selector) && !record) return Status(HookStatus::NoRecord);
    if (!needsHook) return Status(HookStatus::Done);
    try {
        return Dispatch(named, argument, *hook, record);
    } catch (...) {
        // Nothing may unwind into the core; the operation did not complete.
        return Status(HookStatus::Refused);
    }
}
