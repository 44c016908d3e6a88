#include "parameters/HostNameSplit.h"

#include <charconv>
#include <string>
#include <system_error>

namespace {

// Digits with at most one point and at least one digit; no sign, blank or exponent.
bool IsDecimalNumber(const std::string& text) {
    bool digit = false;
    bool point = false;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c == '.' && !point)
            point = true;
        else
            return false;
    }
    return digit;
}

float ParseVersionText(const std::string& text) {
    if (!IsDecimalNumber(text)) return 0.0f;
    double value = 0.0;
    const char* end = text.data() + text.size();
    const std::from_chars_result parsed = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (parsed.ec != std::errc() || parsed.ptr != end) return 0.0f;
    return static_cast<float>(value);
}

}  // namespace

HostNameParts SplitHostName(const Util::String& name) {
    HostNameParts parts;
    const std::string& bytes = name.Bytes();
    const std::size_t digit = bytes.find_first_of("0123456789");
    if (digit == std::string::npos) return parts;

    parts.hasVersion = true;
    parts.productName = digit == 0 ? name : Util::String(bytes.substr(0, digit - 1));
    std::string version = bytes.substr(digit);
    for (std::size_t last = version.rfind('.'); last != std::string::npos && last != version.find('.');
         last = version.rfind('.'))
        version.erase(last, 1);
    parts.version = ParseVersionText(version);
    return parts;
}
