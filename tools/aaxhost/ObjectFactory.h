#pragma once
// Makes an effect's objects the way a host does: through the factory the effect
// registered under the procedure ID (AAX_CProcPtrID), then QueryInterface on what the
// factory returned for the interface the ID stands for. The factory's own reference
// is given back; the result holds the queried one. Empty when the effect registered no
// such factory, the factory returned null or the object lacks the interface. The
// objects live in the module: the module must stay loaded while any of them lives.
// [ui-thread]

#include "aax/AAX_IACFEffectGUI.h"
#include "aax/AAX_IACFEffectParameters.h"
#include "aax/AAX_IACFHostProcessor.h"
#include "aax/ACFPtr.h"
#include "aaxhost/PackageDescription.h"

namespace aaxhost {

// Procedure ID 0.
ACFPtr<AAX_IACFEffectParameters> CreateEffectParameters(const EffectDescription& effect);
// Procedure ID 1.
ACFPtr<AAX_IACFEffectGUI> CreateEffectGUI(const EffectDescription& effect);
// Procedure ID 3.
ACFPtr<AAX_IACFHostProcessor> CreateHostProcessor(const EffectDescription& effect);

}  // namespace aaxhost
