#pragma once
// Lets GoogleTest print Util::String values in failure messages.

#include <ostream>

#include "util/String.h"

namespace Util {
inline void PrintTo(const String& text, std::ostream* os) {
    if (text.IsNull())
        *os << "(null)";
    else
        *os << '"' << text.Bytes() << '"';
}
}  // namespace Util
