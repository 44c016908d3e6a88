#pragma once
// FloatingPointState: the calling thread's floating-point control state, as a module
// could change it: the SSE control and status register (MXCSR: flush-to-zero,
// denormals-are-zero, rounding, exception masks) and the x87 control word (precision,
// rounding, exception masks). Only control bits are kept; the sticky exception flags
// change with ordinary arithmetic and mean nothing here. A host expects a module to
// leave both as it found them after every call.
// [any-thread]: each function works on the calling thread's state.

#include <cstdint>
#include <string>

namespace aaxhost::validate {

struct FloatingPointState {
    std::uint32_t mxcsr = 0;       // control bits only (mask 0xFFC0)
    std::uint16_t x87Control = 0;  // control bits only (mask 0x0F3F)
    bool x87Known = false;         // false where the compiler gives no way to read it

    friend bool operator==(const FloatingPointState& a, const FloatingPointState& b) noexcept {
        return a.mxcsr == b.mxcsr && (!a.x87Known || !b.x87Known || a.x87Control == b.x87Control);
    }
    friend bool operator!=(const FloatingPointState& a, const FloatingPointState& b) noexcept { return !(a == b); }
};

constexpr std::uint32_t kMxcsrControlBits = 0xFFC0;
constexpr std::uint32_t kMxcsrDenormalsAreZero = 0x0040;
constexpr std::uint32_t kMxcsrExceptionMasks = 0x1F80;
constexpr std::uint32_t kMxcsrRounding = 0x6000;
constexpr std::uint32_t kMxcsrFlushToZero = 0x8000;
constexpr std::uint16_t kX87ControlBits = 0x0F3F;
constexpr std::uint16_t kX87Precision = 0x0300;

FloatingPointState CurrentFloatingPointState() noexcept;
// Sets the control bits of both registers (the exception flags are cleared).
void SetFloatingPointState(const FloatingPointState& state) noexcept;

// A legal state a host may run its audio thread with that differs from `state` in
// every bit a module is tempted to set or clear: flush-to-zero and denormals-are-zero
// toggled, and the x87 precision switched between 53 and 64 bits. Rounding stays to
// nearest and every exception stays masked, so correct code computes as before.
FloatingPointState DistinctFloatingPointState(const FloatingPointState& state) noexcept;

// "MXCSR 0x1F80" or "MXCSR 0x9FC0, x87 0x027F".
std::string DescribeFloatingPointState(const FloatingPointState& state);
// What changed, named: "MXCSR 0x9FC0 -> 0x1F80 (flush-to-zero cleared, denormals-are-zero
// cleared)"; empty when nothing did.
std::string DescribeFloatingPointChange(const FloatingPointState& before, const FloatingPointState& after);

}  // namespace aaxhost::validate
