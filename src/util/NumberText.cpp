#include "util/NumberText.h"

#include <string>

namespace Util {
namespace {

constexpr char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

std::string Digits(std::uint64_t value, std::uint32_t radix) {
    std::string reversed;
    do {
        reversed += kDigits[value % radix];
        value /= radix;
    } while (value != 0);
    return std::string(reversed.rbegin(), reversed.rend());
}

std::string PadLeft(std::string digits, std::uint32_t minWidth) {
    if (digits.size() < minWidth) digits.insert(0, minWidth - digits.size(), '0');
    return digits;
}

}  // namespace

String UInt32ToText(std::uint32_t value, std::uint32_t radix, std::uint32_t minWidth) {
    if (radix < 2 || radix > 36) radix = 10;
    return String(PadLeft(Digits(value, radix), minWidth));
}

String UInt64ToText(std::uint64_t value, std::uint32_t radix, std::uint32_t minWidth) {
    return String(PadLeft(Digits(value, radix == 16 ? 16 : 10), minWidth));
}

String Int64ToText(std::int64_t value, std::uint32_t radix, std::uint32_t minWidth) {
    if (radix == 16) return String(PadLeft(Digits(static_cast<std::uint64_t>(value), 16), minWidth));
    const bool negative = value < 0;
    // Negate in unsigned arithmetic so the most negative value converts too.
    const std::uint64_t magnitude =
        negative ? ~static_cast<std::uint64_t>(value) + 1 : static_cast<std::uint64_t>(value);
    std::string text = PadLeft(Digits(magnitude, 10), minWidth);
    if (negative) text.insert(0, 1, '-');
    return String(std::move(text));
}

}  // namespace Util
