#pragma once
// The instance's table of parameters, built once from the core's descriptions: one row
// per parameter the core exposes to the host, in the core's order, and for every core
// parameter the row it maps to. Pure logic: no core, no host. The table does not
// change after it is built, except `touchedByCore` in each row.

#include <cstdint>
#include <vector>

#include "contract/CoreParameterInfo.h"
#include "util/String.h"

// One exposed core parameter.
struct ParameterEntry {
    std::uint32_t coreIndex = 0;           // position in the core's list; names it to the core
    std::uint32_t kind = kParameterFloat;  // ParameterKind as the core gave it (3 and up read as Int)
    std::uint32_t type = 0;                // 0 master bypass; 15..22 logarithmic taper; else linear
    Util::String identifier;               // the host identifier and name: <= 30 bytes, unique
    Util::String labels;                   // tab-separated value labels (Int)
    float minimum = 0.0f;                  // real values
    float maximum = 0.0f;
    float defaultValue = 0.0f;
    // True while the core holds an edit gesture on the parameter. Written by the core's
    // edits on the core's thread. [core-thread]
    bool touchedByCore = false;
};

// Where one core parameter went: its row when exposed.
struct CoreToRowEntry {
    std::uint32_t row = 0;
    bool exposed = false;
};

struct ParameterTable {
    std::vector<ParameterEntry> rows;
    std::vector<CoreToRowEntry> coreToRow;  // one entry per core parameter
    // The row of type 0 (the last one when several are): the core's own bypass.
    Util::String bypassId;  // null when the core has none
    bool coreOwnsBypass = false;
};

// Builds the table from `count` descriptions, in order. Each text is read within its
// field after the field's last byte is set to NUL (so the records are modified).
// [ui-thread]
ParameterTable BuildParameterTable(CoreParameterInfo* records, std::uint32_t count);

// The row's kind as the host sees it: anything but Float and Bool is Int.
inline bool IsFloatKind(std::uint32_t kind) noexcept { return kind == kParameterFloat; }
inline bool IsBoolKind(std::uint32_t kind) noexcept { return kind == kParameterBool; }
inline bool IsLogTaperType(std::uint32_t type) noexcept { return type >= 15 && type <= 22; }
