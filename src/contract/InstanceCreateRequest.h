#pragma once
// Selector 1: asks the core to create its instance for one hook object. The core keeps
// the callback and hook addresses to call back through PluginHookCallback, and writes
// its instance handle at instanceHandleAddress. Owned by the hook for the call.

#include <cstddef>
#include <cstdint>

#include "contract/RecordLayout.h"

struct InstanceCreateRequest {
    std::uint64_t hookCallbackAddress;  // address of PluginHookCallback
    std::uint64_t hookAddress;          // the hook object, passed back on every callback
    char corePath[2048];                // the path the core was loaded from, NUL-terminated
    char coreConfig[1024];              // the "CoreConfig" value, NUL-terminated
    char shortName[1024];               // a single NUL when there is none
    std::uint32_t pluginFormat;         // 6 realtime, 7 AudioSuite
    std::uint32_t padding;
    std::uint64_t instanceHandleAddress;  // u64 the core writes its handle into
    float sampleRate;                     // Hz
    std::uint32_t channelConfig;          // ChannelConfig code
    std::uint32_t flag;                   // the hook object's constructor flag (0)
    std::uint32_t reserved;               // 0
};

LM_RECORD_TRAITS(InstanceCreateRequest);
static_assert(sizeof(InstanceCreateRequest) == 4144, "instance-creation request size");
static_assert(offsetof(InstanceCreateRequest, hookCallbackAddress) == 0, "");
static_assert(offsetof(InstanceCreateRequest, hookAddress) == 8, "");
static_assert(offsetof(InstanceCreateRequest, corePath) == 16, "");
static_assert(offsetof(InstanceCreateRequest, coreConfig) == 2064, "");
static_assert(offsetof(InstanceCreateRequest, shortName) == 3088, "");
static_assert(offsetof(InstanceCreateRequest, pluginFormat) == 4112, "");
static_assert(offsetof(InstanceCreateRequest, padding) == 4116, "");
static_assert(offsetof(InstanceCreateRequest, instanceHandleAddress) == 4120, "");
static_assert(offsetof(InstanceCreateRequest, sampleRate) == 4128, "");
static_assert(offsetof(InstanceCreateRequest, channelConfig) == 4132, "");
static_assert(offsetof(InstanceCreateRequest, flag) == 4136, "");
static_assert(offsetof(InstanceCreateRequest, reserved) == 4140, "");
