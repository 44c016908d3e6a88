#pragma once
// Selector 9: the core describes its parameters, one 4392-byte record each, into
// zero-filled records the hook allocates and owns. Texts are 8-bit and NUL-terminated
// within their fields; read them with ReadRecordText, never past a field.

#include <cstddef>
#include <cstdint>

#include "contract/RecordLayout.h"

enum ParameterKind : std::uint32_t { kParameterFloat = 0, kParameterBool = 1, kParameterInt = 2 };

struct CoreParameterInfo {
    std::uint8_t reserved0[256];  // not read by the hook
    char names[1024];             // name alternatives separated by line feeds
    char secondNames[1024];       // line-feed separated; not used by the hook
    char valueLabels[2048];       // labels of an Int parameter, separated by tabs
    std::uint32_t kind;           // ParameterKind; any other value reads as Int
    std::uint32_t reserved4356;
    std::uint32_t exposureA;  // exposed to the host when A or B is non-zero
    std::uint32_t exposureB;
    std::uint32_t reserved4368;
    float minimum;  // real (not normalised) values
    float maximum;
    float defaultValue;
    std::uint32_t flag;  // not used by the hook
    std::uint32_t type;  // 0 master bypass; 15..22 logarithmic taper; else linear
};

LM_RECORD_TRAITS(CoreParameterInfo);
static_assert(sizeof(CoreParameterInfo) == 4392, "parameter description size");
static_assert(offsetof(CoreParameterInfo, names) == 256, "");
static_assert(offsetof(CoreParameterInfo, secondNames) == 1280, "");
static_assert(offsetof(CoreParameterInfo, valueLabels) == 2304, "");
static_assert(offsetof(CoreParameterInfo, kind) == 4352, "");
static_assert(offsetof(CoreParameterInfo, exposureA) == 4360, "");
static_assert(offsetof(CoreParameterInfo, exposureB) == 4364, "");
static_assert(offsetof(CoreParameterInfo, minimum) == 4372, "");
static_assert(offsetof(CoreParameterInfo, maximum) == 4376, "");
static_assert(offsetof(CoreParameterInfo, defaultValue) == 4380, "");
static_assert(offsetof(CoreParameterInfo, flag) == 4384, "");
static_assert(offsetof(CoreParameterInfo, type) == 4388, "");

// Selector 9's record: `count` descriptions at `records`, allocated by the hook.
struct ParameterDescriptionsRequest {
    std::uint32_t count;
    std::uint32_t padding;
    CoreParameterInfo* records;
};

LM_RECORD_TRAITS(ParameterDescriptionsRequest);
static_assert(sizeof(ParameterDescriptionsRequest) == 16, "");
static_assert(offsetof(ParameterDescriptionsRequest, count) == 0, "");
static_assert(offsetof(ParameterDescriptionsRequest, records) == 8, "");
