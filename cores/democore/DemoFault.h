#pragma once
// The one deliberate fault of the fault variant (LmDemoFaultCore.dll), chosen by the
// core configuration text: "fault=nan" puts NaN into the output, "fault=state" saves a
// state that does not restore to the same settings, "fault=latency" reports 64 samples
// of latency but delays by 32, "fault=swap" swaps output channels 0 and 1 when there
// are two or more. Any other text chooses none. Only a build with LM_DEMOCORE_FAULTS
// reads the text: the shipped demo core never has a fault. Pure. [any-thread]
//
// A fixture core built with LM_DEMOCORE_FAULT=<name> as well has that one fault
// whatever its configuration (tests/fixtures/validate_faults.cmake): AudioHeap
// allocates on the audio thread, AudioVirtualAlloc takes pages from the system there,
// AudioLock enters a critical section there, FpState leaves flush-to-zero and denormals-are-zero
// set after a block, Subnormal puts a subnormal sample into the output while Frequency
// is at its lowest, EditorLeak leaves the editor's window behind (as a top-level
// window) when the editor closes, LoadLeak takes a TLS slot, an event and 64 kB of
// memory on every load and never gives them back, Abort calls abort() on a state it
// cannot read, Crash writes through a null pointer when the editor opens, and Hang
// never returns from comparing a state that differs from its own.

#include <cstddef>
#include <cstring>

namespace DemoCore {

enum class Fault {
    None,
    Nan,
    State,
    Latency,
    Swap,
    AudioHeap,
    AudioVirtualAlloc,
    AudioLock,
    FpState,
    Subnormal,
    EditorLeak,
    LoadLeak,
    Abort,
    Crash,
    Hang
};

// `text` is a NUL-terminated field of `capacity` bytes, read no further than that.
inline Fault FaultFromConfig(const char* text, std::size_t capacity) noexcept {
#if defined(LM_DEMOCORE_FAULTS) && LM_DEMOCORE_FAULTS && defined(LM_DEMOCORE_FAULT)
    (void)text;
    (void)capacity;
    return Fault::LM_DEMOCORE_FAULT;
#elif defined(LM_DEMOCORE_FAULTS) && LM_DEMOCORE_FAULTS
    if (!text || !std::memchr(text, '\0', capacity)) return Fault::None;
    if (std::strcmp(text, "fault=nan") == 0) return Fault::Nan;
    if (std::strcmp(text, "fault=state") == 0) return Fault::State;
    if (std::strcmp(text, "fault=latency") == 0) return Fault::Latency;
    if (std::strcmp(text, "fault=swap") == 0) return Fault::Swap;
    return Fault::None;
#else
    (void)text;
    (void)capacity;
    return Fault::None;
#endif
}

}  // namespace DemoCore
