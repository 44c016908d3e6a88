#pragma once
// The buffer primitives of the render path: copy floats, zero floats. Each does
// nothing for a zero length (the pointers may then be null). No allocation and
// no lock: safe on the audio thread. [any-thread]

#include <cstddef>
#include <cstring>
#include <xmmintrin.h>

namespace Util {

inline void CopyFloats(float* destination, const float* source, std::size_t count) noexcept {
    if (count != 0) std::memmove(destination, source, count * sizeof(float));
}

// CopyFloats for buffers that do not overlap, inline up to kInlineCopyFloats: a library
// call costs about as much as copying a few hundred bytes, which short copies (a delay
// ring's stretches) would pay many times a block.
constexpr std::size_t kInlineCopyFloats = 256;

inline void CopyApartFloats(float* destination, const float* source, std::size_t count) noexcept {
    if (count > kInlineCopyFloats) {
        std::memcpy(destination, source, count * sizeof(float));
        return;
    }
    const float* const end = source + count;
    const float* const end16 = source + (count & ~std::size_t{15});
    while (source != end16) {
        const __m128 a = _mm_loadu_ps(source);
        const __m128 b = _mm_loadu_ps(source + 4);
        const __m128 c = _mm_loadu_ps(source + 8);
        const __m128 d = _mm_loadu_ps(source + 12);
        _mm_storeu_ps(destination, a);
        _mm_storeu_ps(destination + 4, b);
        _mm_storeu_ps(destination + 8, c);
        _mm_storeu_ps(destination + 12, d);
        source += 16;
        destination += 16;
    }
    while (source != end) *destination++ = *source++;
}

inline void ZeroFloats(float* destination, std::size_t count) noexcept {
    // All-zero bits are +0.0f for IEEE-754 floats.
    if (count != 0) std::memset(destination, 0, count * sizeof(float));
}

}  // namespace Util
