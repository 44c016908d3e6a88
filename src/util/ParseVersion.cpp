#include "util/ParseVersion.h"

#include <vector>

namespace Util {
namespace {

bool IsSpace(char c) noexcept { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Unsigned decimal with optional surrounding white space and a leading '+'; '-' and
// anything after the trailing white space fail, as does a value above 0xFFFFFFFF.
bool ParseNumber(const String& text, std::uint32_t& out) noexcept {
    const std::string& s = text.Bytes();
    std::size_t i = 0;
    while (i < s.size() && IsSpace(s[i])) ++i;
    if (i < s.size() && s[i] == '+') ++i;

    const std::size_t firstDigit = i;
    std::uint64_t value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        value = value * 10 + static_cast<std::uint64_t>(s[i] - '0');
        if (value > 0xFFFFFFFFull) return false;
    }
    if (i == firstDigit) return false;

    while (i < s.size() && IsSpace(s[i])) ++i;
    if (i != s.size()) return false;
    out = static_cast<std::uint32_t>(value);
    return true;
}

// The third part of a three-part version: "3", "3b4" or "3d4". A 'b' is looked for
// first, so "3d4b5" splits at the 'b' (and then fails on "3d4").
bool ParseThirdPart(const String& part, ParsedVersion& v) {
    std::vector<String> fragments = part.Split('b');
    if (fragments.size() == 1) fragments = part.Split('d');

    if (fragments.size() == 2) return ParseNumber(fragments[0], v.third) && ParseNumber(fragments[1], v.fourth);
    if (fragments.size() == 1) {
        v.fourth = 0;
        return ParseNumber(part, v.third);
    }
    return false;
}

}  // namespace

ParsedVersion ParseVersion(const String& text) {
    ParsedVersion v;
    const std::vector<String> parts = text.Split('.');
    if (parts.size() < 2 || parts.size() > 4) return v;

    if (!ParseNumber(parts[0], v.major) || !ParseNumber(parts[1], v.minor)) return v;

    bool ok = true;
    if (parts.size() == 4)
        ok = ParseNumber(parts[2], v.third) && ParseNumber(parts[3], v.fourth);
    else if (parts.size() == 3)
        ok = ParseThirdPart(parts[2], v);
    if (ok) v.valid = 1;
    return v;
}

}  // namespace Util
