#pragma once
// What the test core keeps of each request: a copy of the record by its selector's
// record type, and a copy of the data the record points to where tests look at it.
// Copies are taken on entry, before the core answers. [any-thread], under the core's mutex.

#include <cstddef>
#include <cstdint>

#include "ScriptedCore.h"

namespace TestCore {

// Whether the hook sends this selector at all.
bool IsKnownSelector(std::uint32_t selector) noexcept;

// sizeof the selector's record type; 0 for selectors without a record and for 30 and
// 31, whose record only the caller knows.
std::size_t RecordSizeOf(std::uint32_t selector) noexcept;

// The data copy of selectors 23, 24, 32 (load and compare) and 33, laid out as
// TestCoreControl.h describes; empty for every other request. `record` is not null.
Bytes CaptureData(std::uint32_t selector, const void* record, const CoreScript& script);

}  // namespace TestCore
