#pragma once
// Selector 0: the core describes itself for one plug-in format by filling the 9204-byte
// output area (the CoreStaticInfo record without the hook's valid byte). Zero-filled
// before use; owned by the hook for the call.

#include <cstddef>
#include <cstdint>

#include "contract/RecordLayout.h"

struct StaticInfoRequest {
    char coreConfig[1024];        // the "CoreConfig" value, NUL-terminated
    char shortName[1024];         // the product's short name; a single NUL when there is none
    std::uint32_t pluginFormat;   // 6 realtime, 7 AudioSuite
    std::uint32_t reserved;       // 0
    std::uint64_t outputAddress;  // address of the 9204-byte area the core fills
};

LM_RECORD_TRAITS(StaticInfoRequest);
static_assert(sizeof(StaticInfoRequest) == 2064, "static-information request size");
static_assert(offsetof(StaticInfoRequest, coreConfig) == 0, "");
static_assert(offsetof(StaticInfoRequest, shortName) == 1024, "");
static_assert(offsetof(StaticInfoRequest, pluginFormat) == 2048, "");
static_assert(offsetof(StaticInfoRequest, reserved) == 2052, "");
static_assert(offsetof(StaticInfoRequest, outputAddress) == 2056, "");
