#pragma once
// Procedures the module registers and the host calls through plain function pointers.
// The module's own are noexcept: nothing may leave them.

#include <cstdint>

#include "aax/AAX.h"
#include "aax/AAX_Enums.h"
#include "aax/acfunknown.h"

// A factory registered with AddProcPtr under an AAX_CProcPtrID. It makes one new
// object and returns its ACF interface (AAX_IACFEffectParameters, AAX_IACFEffectGUI or
// AAX_IACFHostProcessor, as the ID says) holding one reference that the host owns and
// gives back with Release; the last Release destroys the object inside the module.
// Returns null when the object cannot be made. The host receives it as a void*.
// [ui-thread]
using AAX_CreateObjectProc = IACFUnknown* (*)() noexcept;

// The realtime process procedure registered with AddProcessProc_Native: the host calls
// it with a run of instance-context pointers, [instancesBegin, instancesEnd). Each
// context is an array of pointers indexed by AAX_CFieldIndex, laid out from the fields
// the component declared; the host owns every buffer. [audio-thread]
using AAX_CProcessProc = void (*)(void* const instancesBegin[], const void* const instancesEnd) noexcept;

// Per-instance set-up and tear-down beside the process procedure (this module has none).
using AAX_CInstanceInitProc = std::int32_t (*)(const void* instanceContext, AAX_EComponentInstanceInitAction action);
// Idle-time work of a component (this module has none).
using AAX_CBackgroundProc = std::int32_t (*)();
