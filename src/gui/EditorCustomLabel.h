#pragma once
// The labels the editor supplies for the host's AudioSuite buttons: "RENDER" for the
// process button (AAX_ePlugInStrings_Process) and, when the instance's record sets the
// analysis flag, the core's analysis label for the analysis button
// (AAX_ePlugInStrings_Analysis). Pure; [any-thread].

#include <cstdint>

#include "contract/CoreStaticInfo.h"
#include "util/String.h"

// The label for `selector`, or the null text when the editor supplies none. `info` is
// the record of the instance's format, null while the editor knows no instance.
Util::String EditorCustomLabel(std::int32_t selector, const CoreStaticInfo* info);
