#pragma once
// Version texts such as "12.8", "11.3.1b2" or "2023.6.0.123" turned into four numbers.
// Pure function. [any-thread]

#include <cstdint>

#include "util/String.h"

namespace Util {

// When `valid` is 0 the numbers carry no meaning.
struct ParsedVersion {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t third = 0;
    std::uint32_t fourth = 0;
    std::uint8_t valid = 0;
};

// Two to four '.'-separated unsigned decimal numbers; missing ones are 0. With three
// parts the third may carry the fourth after a 'b' (beta) or, failing that, a 'd'
// (development) marker: "1.2.3b4" and "1.2.3d4" both give 1, 2, 3, 4. Each number may
// have white space around it and a leading '+', and must fit in 32 bits. A null text
// is invalid.
ParsedVersion ParseVersion(const String& text);

}  // namespace Util
