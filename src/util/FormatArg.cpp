#include "util/FormatArg.h"

#include "util/NumberText.h"

namespace Util {

String FormatArg(const String& templ, const String& value) {
    const std::string& t = templ.Bytes();
    if (t.empty()) return value;

    std::size_t best = std::string::npos;
    for (std::size_t i = 0; i + 1 < t.size(); ++i) {
        if (t[i] != '%' || t[i + 1] < '0' || t[i + 1] > '9') continue;
        if (best == std::string::npos || t[i + 1] < t[best + 1]) best = i;
    }
    if (best == std::string::npos) return String(t + value.Bytes());

    std::string out = t.substr(0, best);
    out += value.Bytes();
    out.append(t, best + 2, std::string::npos);
    return String(std::move(out));
}

String FormatArg(const String& templ, std::uint32_t value, std::uint32_t radix, std::uint32_t minWidth) {
    return FormatArg(templ, UInt32ToText(value, radix, minWidth));
}

String FormatArg(const String& templ, std::uint64_t value, std::uint32_t radix, std::uint32_t minWidth) {
    return FormatArg(templ, UInt64ToText(value, radix, minWidth));
}

String FormatArg(const String& templ, std::int64_t value, std::uint32_t radix, std::uint32_t minWidth) {
    return FormatArg(templ, Int64ToText(value, radix, minWidth));
}

}  // namespace Util
