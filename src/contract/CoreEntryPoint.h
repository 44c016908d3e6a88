#pragma once
// The one entry point every core exports, and the selectors the hook sends through it.
// Hook to core: PluginCoreCallback(1090, selector, argument, instance, record) returns
// 0 for success. `instance` is the handle the core wrote during instance creation (0
// for the static-information and instance-creation requests). Records are owned by the
// hook for the duration of the call. Each selector's record type is given by
// CoreRecordFor in hook/CoreRequest.h.

#include <cstdint>

constexpr std::uint32_t kCoreMagic = 1090;

// Resolved by name ("PluginCoreCallback") in the core library.
using PluginCoreCallbackFn = std::uint32_t (*)(std::uint32_t magic, std::uint32_t selector, std::uint32_t argument,
                                               std::uint64_t instance, void* record);

enum class CoreSelector : std::uint32_t {
    StaticInfo = 0,         // StaticInfoRequest; argument 1
    CreateInstance = 1,     // InstanceCreateRequest; argument 1; the core writes its handle
    ParametersReady = 5,    // no record; argument 1
    InstanceClosing = 6,    // no record; argument 1; the instance is being destroyed
    DestroyInstance = 7,    // no record; argument 1
    ParameterCount = 8,     // U32Out; argument 1
    ParameterInfo = 9,      // ParameterDescriptionsRequest; argument 1
    SetParameter = 11,      // ParameterValueRecord; argument: on the recorded thread
    Configure = 17,         // ConfigureRecord; argument 1 realtime, 0 offline
    Latency = 18,           // U32Out; caller's argument
    OfflineMode = 21,       // OfflineModeRecord; argument 0
    ProcessBlock = 23,      // BlockRecord; argument 0
    Midi = 24,              // MidiBatchRecord; argument 0
    EditorEvent = 29,       // EditorEvent; argument 1
    Request30 = 30,         // the caller's record; argument 1
    Request31 = 31,         // the caller's record; argument 1
    State = 32,             // StateRequest; argument 1
    LegacyStateLoad = 33,   // LegacyStateLoad; argument 1
    QueryU32 = 35,          // U32Out; caller's argument
    QueryText = 36,         // TextQueryRecord; caller's argument
    SelectionLength = 39,   // SelectionLengthRecord; argument 1
    TrackNameChanged = 40,  // no record; argument 1
    Notify = 42,            // NotifyRecord; caller's argument
};

// "StaticInfo", "ProcessBlock", ...; "Unknown" for numbers the hook never sends.
const char* CoreSelectorName(std::uint32_t selector) noexcept;
