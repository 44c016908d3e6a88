#pragma once
// Callback selector 13: the hook tells the core which host it runs in. The name points
// into the hook object's own storage, valid until the host name next changes.

#include <cstddef>
#include <cstdint>

#include "contract/RecordLayout.h"

struct HostInfoRecord {
    std::uint32_t nameLength;  // bytes of `name`, no NUL counted
    std::uint32_t padding4;
    const char* name;        // UTF-8
    float version;           // e.g. 2023.6
    std::uint32_t reserved;  // 0
};

LM_RECORD_TRAITS(HostInfoRecord);
static_assert(sizeof(HostInfoRecord) == 24, "host-information record size");
static_assert(offsetof(HostInfoRecord, nameLength) == 0, "");
static_assert(offsetof(HostInfoRecord, name) == 8, "");
static_assert(offsetof(HostInfoRecord, version) == 16, "");
static_assert(offsetof(HostInfoRecord, reserved) == 20, "");
