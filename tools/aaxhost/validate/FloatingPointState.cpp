#include "aaxhost/validate/FloatingPointState.h"

#include <xmmintrin.h>

#include <cstdio>
#include <vector>

namespace aaxhost::validate {

namespace {

#if defined(__GNUC__)
// The x87 control word has no intrinsic; GCC-compatible compilers reach it through the
// two instructions themselves. Other compilers report it as unknown (x64 code rarely
// touches the x87 unit, so MXCSR carries the check there).
constexpr bool kX87Readable = true;
std::uint16_t ReadX87Control() noexcept {
    std::uint16_t word = 0;
    __asm__ __volatile__("fnstcw %0" : "=m"(word));
    return word;
}
void WriteX87Control(std::uint16_t word) noexcept { __asm__ __volatile__("fldcw %0" : : "m"(word)); }
#else
constexpr bool kX87Readable = false;
std::uint16_t ReadX87Control() noexcept { return 0; }
void WriteX87Control(std::uint16_t) noexcept {}
#endif

std::string Hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

void NameBit(std::vector<std::string>& names, std::uint32_t before, std::uint32_t after, std::uint32_t bit,
             const char* name) {
    if ((before & bit) == (after & bit)) return;
    names.push_back(std::string(name) + ((after & bit) ? " set" : " cleared"));
}

std::string Joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
    return text;
}

}  // namespace

FloatingPointState CurrentFloatingPointState() noexcept {
    FloatingPointState state;
    state.mxcsr = _mm_getcsr() & kMxcsrControlBits;
    state.x87Known = kX87Readable;
    state.x87Control = static_cast<std::uint16_t>(ReadX87Control() & kX87ControlBits);
    return state;
}

void SetFloatingPointState(const FloatingPointState& state) noexcept {
    _mm_setcsr(state.mxcsr & kMxcsrControlBits);
    if (state.x87Known && kX87Readable) {
        // Bit 6 is reserved and reads as set; keep it so.
        WriteX87Control(static_cast<std::uint16_t>((state.x87Control & kX87ControlBits) | 0x0040));
    }
}

FloatingPointState DistinctFloatingPointState(const FloatingPointState& state) noexcept {
    FloatingPointState distinct = state;
    distinct.mxcsr =
        ((state.mxcsr ^ (kMxcsrFlushToZero | kMxcsrDenormalsAreZero)) & ~kMxcsrRounding) | kMxcsrExceptionMasks;
    // Precision control: 0x200 is 53 bits, 0x300 64 bits.
    const std::uint16_t precision = (state.x87Control & kX87Precision) == 0x0300 ? 0x0200 : 0x0300;
    distinct.x87Control =
        static_cast<std::uint16_t>((state.x87Control & ~(kX87Precision | 0x0C00)) | precision | 0x003F);
    return distinct;
}

std::string DescribeFloatingPointState(const FloatingPointState& state) {
    std::string text = "MXCSR " + Hex(state.mxcsr, 4);
    if (state.x87Known) text += ", x87 " + Hex(state.x87Control, 4);
    return text;
}

std::string DescribeFloatingPointChange(const FloatingPointState& before, const FloatingPointState& after) {
    std::string text;
    if (before.mxcsr != after.mxcsr) {
        std::vector<std::string> names;
        NameBit(names, before.mxcsr, after.mxcsr, kMxcsrFlushToZero, "flush-to-zero");
        NameBit(names, before.mxcsr, after.mxcsr, kMxcsrDenormalsAreZero, "denormals-are-zero");
        if ((before.mxcsr & kMxcsrRounding) != (after.mxcsr & kMxcsrRounding)) names.push_back("rounding changed");
        if ((before.mxcsr & kMxcsrExceptionMasks) != (after.mxcsr & kMxcsrExceptionMasks))
            names.push_back("exception masks changed");
        text = "MXCSR " + Hex(before.mxcsr, 4) + " -> " + Hex(after.mxcsr, 4) + " (" + Joined(names) + ")";
    }
    if (before.x87Known && after.x87Known && before.x87Control != after.x87Control) {
        std::vector<std::string> names;
        if ((before.x87Control & kX87Precision) != (after.x87Control & kX87Precision))
            names.push_back("precision changed");
        if ((before.x87Control & 0x0C00) != (after.x87Control & 0x0C00)) names.push_back("rounding changed");
        if ((before.x87Control & 0x003F) != (after.x87Control & 0x003F)) names.push_back("exception masks changed");
        if (!text.empty()) text += "; ";
        text += "x87 control word " + Hex(before.x87Control, 4) + " -> " + Hex(after.x87Control, 4) + " (" +
                Joined(names) + ")";
    }
    return text;
}

}  // namespace aaxhost::validate
