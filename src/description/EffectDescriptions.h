#pragma once
// The package description the host receives at registration: manufacturer, package
// version and names, one realtime effect per available channel layout (EffectVariant)
// and, unless the core is an instrument, one AudioSuite effect, everything taken from
// the core's static information.
//
// The host version gate for 7.1.2 and 7.0.2 (host 12.8 or later) is probed on the
// first description that reaches it and kept for the module's life.
// [ui-thread] (the host's scan)

#include "aax/AAX.h"

class AAX_ICollection;

// What a description returns when the core's static information is not valid: the
// core is the missing object, and nothing is registered.
constexpr AAX_Result kNoCoreDescriptionResult = -20004;  // AAX_ERROR_NULL_OBJECT

// 0, or the first failing result; effects added before a failure stay added.
// Exceptions (allocation) propagate to the registration entry point.
AAX_Result GetEffectDescriptions(AAX_ICollection* collection);
