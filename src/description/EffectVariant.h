#pragma once
// The realtime variant table: one row per channel layout the hook can describe as a
// realtime effect, in the order they are registered. A row is available when its
// predicate says so; 7.1.2 and 7.0.2 also need the host version gate, which is fixed
// into their predicates when the table is made. [any-thread]

#include <array>
#include <cstdint>

#include "aax/AAX_Callbacks.h"
#include "aax/AAX_StemFormat.h"
#include "description/StemAvailability.h"
#include "hook/PluginIdKind.h"

struct EffectVariant {
    CoreStaticInfoAccessor available;  // 0 or 1
    CoreStaticInfoAccessor pluginId;
    AAX_CreateObjectProc createParameters;
    AAX_EStemFormat inputStem;
    AAX_EStemFormat outputStem;
    PluginIdKind kind;  // its name is the variant name
};

constexpr std::size_t kEffectVariantCount = 14;

// Rows 0 to 13: Mono, Mono To Stereo, Stereo, LRC, Quad, LCRS, 5.0, 5.1, 7.0 DTS,
// 7.0 SDDS, 7.1 DTS, 7.1 SDDS, 7.1.2, 7.0.2.
std::array<EffectVariant, kEffectVariantCount> MakeEffectVariants(bool hostVersionGate);
