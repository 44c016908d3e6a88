#pragma once
// The hook's own "LMHOOK" resources, written into a copy of the generic module when it
// is primed for a product: "CONFIG" (the configuration string) and "SHORTNAME".

#include "hook/ModuleResource.h"
#include "util/ModuleInstance.h"
#include "util/String.h"

// The configuration string of `module` (the hook module by default). An absent or
// zero-size resource is the empty string, not an error. After a failure, shown as a
// "Fatal Error", the result is the null text: core loading then gives up.
// Called under the core-link lock.
Util::String ReadHookConfigResource(void* module = Util::ModuleInstance());

// The configuration string from a looked-up resource: the checks and messages of
// ReadHookConfigResource, apart from the lookup.
Util::String HookConfigFromResource(const ModuleResource& resource);

// The text of `module`'s "SHORTNAME" resource up to its first NUL (never past the
// resource's end); "" when the resource is missing or unreadable. Shows nothing.
Util::String ReadShortNameResource(void* module);

// The product's short name, read once per process from the module that contains this
// code and kept; null when there is none or it is empty. [any-thread]
Util::String ReadHookShortName();
