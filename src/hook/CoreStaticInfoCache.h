#pragma once
// The process-wide cache of the core's self-descriptions, one record per plug-in
// format, filled by the core on first request and kept until the module unloads.

#include "contract/CoreStaticInfo.h"
#include "contract/PluginFormat.h"

// The record for `format`, filled on first use; the reference stays valid until the
// module unloads. Test IsValid() before reading any field: without a core, without a
// core configuration, or when the core fails, the record is zero and invalid, and it
// stays so (a failed fill is not retried). Concurrent first requests wait for one
// fill. [any-thread]
const CoreStaticInfo& GetCoreStaticInfo(PluginFormat format);
