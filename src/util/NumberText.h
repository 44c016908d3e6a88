#pragma once
// Number-to-text conversions used to put numbers into messages. No "0x" prefix is
// ever produced; templates that show one carry it ("[0x%1]"). A minimum width of 0
// means none. Pure functions. [any-thread]

#include <cstdint>

#include "util/String.h"

namespace Util {

// Radix 2..36 with upper-case digits; any other radix converts in decimal.
String UInt32ToText(std::uint32_t value, std::uint32_t radix, std::uint32_t minWidth = 0);
// Radix 16 gives upper-case hexadecimal; any other radix gives decimal.
String UInt64ToText(std::uint64_t value, std::uint32_t radix, std::uint32_t minWidth = 0);
// Radix 16 gives the two's-complement pattern in upper-case hexadecimal; any other
// radix gives signed decimal, zero-padded after the sign ("-005").
String Int64ToText(std::int64_t value, std::uint32_t radix, std::uint32_t minWidth = 0);

}  // namespace Util
