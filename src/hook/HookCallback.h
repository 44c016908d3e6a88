#pragma once
// PluginHookCallback: the one function through which a core calls its hook. The core
// receives its address and the hook object's address in the instance-creation request
// and passes the hook object back on every call:
//   PluginHookCallback(1090, selector, argument, hook, record) -> HookStatus
// The dispatcher checks, in this order, the magic, the selector range, the hook
// pointer (every selector but 0, 4 and 5) and the record pointer (the selectors that
// use one), then calls the hook object's operation the selector names, moving record
// fields into its arguments and its results back into the record. It keeps no state
// and takes no lock except the hook's mutex for selector 14. Records are owned by the
// core for the call. [core-thread]: any thread the core calls from; selector 11 must
// come on the host's UI thread because it ends in window operations.

#include <cstdint>

class PluginHook;

constexpr std::uint32_t kHookMagic = 1090;

enum class HookSelector : std::uint32_t {
    Nothing = 0,                 // no record; nothing done
    ParameterEdit = 1,           // ParameterEditRecord -> SetParameterFromCore
    Latency = 2,                 // LatencyRecord -> SetLatency(argument, samples)
    CoreNotify = 3,              // no record -> OnCoreNotify(argument)
    Reserved4 = 4,               // no record; nothing done
    Reserved5 = 5,               // no record; nothing done
    HostInfoLookup = 6,          // HostInfoLookupRecord; needs the host-information store
    StoreCapability7 = 7,        // CapabilityQueryRecord; needs the store, then as 10
    StoreCapability8 = 8,        // as 7
    StoreCapability9 = 9,        // as 7
    Capability = 10,             // CapabilityAnswerRecord -> QueryCapability
    ResizeEditor = 11,           // EditorSizeRecord -> ResizeEditorForCore; UI thread
    CoreValue = 12,              // CoreValueOut -> QueryCoreValue
    HostInfo = 13,               // HostInfoRecord -> FillHostInfo
    TrackName = 14,              // TrackNameRecord, under the hook's mutex
    ParameterGesture = 15,       // GestureRecord -> HandleParameterGesture, answer at 156
    CoreRequest = 16,            // CoreAnswerRecord -> AnswerCoreRequest, answer at 24
    CoreFlag = 17,               // CoreFlagRecord -> SetCoreFlag
    Capabilities = 18,           // CapabilitiesRecord -> QueryCapabilities
    InstanceCreateSeconds = 19,  // SecondsOut
    EditorOpenSeconds = 20,      // SecondsOut
    CoreCommand = 21,            // CoreCommandRecord -> HandleCoreCommand; its answer is the status
};
constexpr std::uint32_t kHookSelectorCount = 22;  // 22 and higher answer UnknownSelector

enum class HookStatus : std::uint32_t {
    Done = 0,
    WrongMagic = 1,       // magic is not 1090; nothing was done
    UnknownSelector = 2,  // selector 22 or higher; nothing was done
    NoHook = 3,           // the hook pointer is null
    NoRecord = 4,         // the record pointer is null; selector 6: also no store
    UnknownCommand = 5,   // HandleCoreCommand does not know the command (selector 21)
    NoHostInfoStore = 6,  // selectors 7 to 9 on a hook without a store
    Refused = 7,          // the operation answered false (selectors 7 to 11); also an
                          // operation that failed with an exception, on any selector
};

// "TrackName", "CoreCommand", ...; "Unknown" from 22 on. [any-thread]
const char* HookSelectorName(std::uint32_t selector) noexcept;
// "Done", "NoRecord", ...; "Unknown" above 7. [any-thread]
const char* HookStatusName(std::uint32_t status) noexcept;

using PluginHookCallbackFn = std::uint32_t (*)(std::uint32_t magic, std::uint32_t selector, std::uint32_t argument,
                                               PluginHook* hook, void* record);

// Exported by name from the hook module. Never throws: an exception from an operation
// is caught here and answered with HookStatus::Refused. [core-thread]
extern "C" __declspec(dllexport) std::uint32_t
    PluginHookCallback(std::uint32_t magic, std::uint32_t selector, std::uint32_t argument, PluginHook* hook,
                       void* record) noexcept;
