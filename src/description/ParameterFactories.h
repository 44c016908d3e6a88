#pragma once
// The effect-parameters factories, one per (format, channel configuration) pair the
// description registers: format 6 with configurations 0, 1, 3, 5 to 14, format 7 with
// 0, 1, 3, 5 to 9, 11, 12 and 14. Each makes one Parameters and returns its
// AAX_IACFEffectParameters interface holding one reference for the host, or null when
// the instance cannot be made (no usable core or record, no memory). [ui-thread]

#include "aax/AAX_Callbacks.h"
#include "contract/ChannelConfig.h"
#include "contract/PluginFormat.h"

// The factory of that pair; null for a pair without one.
AAX_CreateObjectProc ParametersFactoryFor(PluginFormat format, ChannelConfig config) noexcept;
