#pragma once
// The placeholder formatter: each call fills the lowest-numbered placeholder ("%1" to
// "%9", leftmost among equals) of a template with one value; a template without a
// placeholder gets the value appended. Chain calls to fill several placeholders:
//   FormatArg(FormatArg("[0x%1] (attempting to load %1)", code, 16), path)
// Pure functions. [any-thread]

#include <cstdint>

#include "util/String.h"

namespace Util {

String FormatArg(const String& templ, const String& value);
String FormatArg(const String& templ, std::uint32_t value, std::uint32_t radix, std::uint32_t minWidth = 0);
String FormatArg(const String& templ, std::uint64_t value, std::uint32_t radix, std::uint32_t minWidth = 0);
String FormatArg(const String& templ, std::int64_t value, std::uint32_t radix, std::uint32_t minWidth = 0);

}  // namespace Util
