#pragma once
// The buffer primitives of the render path: copy floats, zero floats. Each does
// nothing for a zero length (the pointers may then be null). No allocation and
// no lock: safe on the audio thread. [any-thread]

#include <cstddef>
#include <cstring>

namespace Util {

inline void CopyFloats(float* destination, const float* source, std::size_t count) noexcept {
    if (count != 0) std::memmove(destination, source, count * sizeof(float));
}

inline void ZeroFloats(float* destination, std::size_t count) noexcept {
    // All-zero bits are +0.0f for IEEE-754 floats.
    if (count != 0) std::memset(destination, 0, count * sizeof(float));
}

}  // namespace Util
