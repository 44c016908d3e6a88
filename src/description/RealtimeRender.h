#pragma once
// The realtime process procedure and the render of one instance.
//
// The host calls the procedure on its audio thread with a run of instance contexts
// (the fields ComponentIo declares). For each instance the render gathers the host's
// MIDI into the instance's queue in batches of at most 1000, updates the transport
// record (with the two bar-phase values), pre-fills the outputs from the inputs and
// runs the hook-made bypass's delay lines (in one pass while the bypass is engaged),
// puts the channel pointers into the core's order and hands the block to the core
// unless the hook's bypass is engaged.
//
// After EffectInit the render takes no lock and allocates nothing: the MIDI arrays and
// queue are reserved up front, the channel pointers are reordered in a fixed array on
// the stack (the host's own array is never written), and a latency change reaches the
// delay lines through their lock-free hand-over. It changes no floating-point control
// state. Nothing is reported from the audio thread; the core's result is not examined.

#include <cstdint>

#include "aax/AAX_StemFormat.h"

class Parameters;

// MIDI words move into the instance's queue whenever this many have been gathered.
constexpr std::uint32_t kMidiIntakeBatch = 1000;

// Registered with AddProcessProc_Native. The instance count is the distance between
// the two pointers in pointer sizes, rounded up; none when `end` lies before `begin`.
// An instance whose private data holds no address is skipped. [audio-thread]
void ProcessInstances(void* const begin[], const void* const end) noexcept;

// Renders one block of `parameters` from its instance context (an array of field
// pointers, indexed by AAX_EContextField). [audio-thread]
void RenderInstance(Parameters& parameters, void* const* context) noexcept;

// A stem format the render knows; any other (and a failed query) counts as Mono.
bool IsKnownStemFormat(AAX_EStemFormat format) noexcept;
