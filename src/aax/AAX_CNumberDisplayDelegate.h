#pragma once
// AAX_CNumberDisplayDelegate<T, Precision, Spacing>: a number in fixed notation with
// Precision digits after the point (none, and no point, for 0), followed by Spacing
// blanks to keep a unit apart. Always a '.' as decimal point, whatever the host's
// locale; a value that rounds to zero never shows a minus sign ("0.00", not "-0.00").
// An integral T prints as a whole number and ignores Precision.
//   <float, 2, 0>: 1.005f -> "1.00" (the float is 1.00499...), -3.14159 -> "-3.14"
//   <float, 1, 1>: 12.25 -> "12.2 " (round half to even of the exact binary value)

#include <charconv>
#include <cstdint>
#include <string>
#include <system_error>
#include <type_traits>

#include "aax/AAX_IDisplayDelegate.h"

template <typename T, std::int32_t Precision = 2, std::int32_t Spacing = 0>
class AAX_CNumberDisplayDelegate : public AAX_IDisplayDelegate<T> {
    static_assert(Precision >= 0 && Precision <= 20, "digits after the point");
    static_assert(Spacing >= 0 && Spacing <= 16, "blanks after the number");

public:
    AAX_CNumberDisplayDelegate* Clone() const override { return new AAX_CNumberDisplayDelegate(*this); }

    bool ValueToString(T value, AAX_CString* outText) const override {
        if (outText == nullptr) return false;
        char buffer[400];  // DBL_MAX in fixed notation with 20 digits fits
        std::to_chars_result written;
        if constexpr (std::is_integral<T>::value)
            written = std::to_chars(buffer, buffer + sizeof buffer, value);
        else
            written = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                    std::chars_format::fixed, Precision);
        std::string text = written.ec == std::errc() ? std::string(buffer, written.ptr) : std::string("?");
        if (text.size() > 1 && text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
        text.append(static_cast<std::size_t>(Spacing), ' ');
        *outText = AAX_CString(std::move(text));
        return true;
    }

    // Leading blanks, a number in plain or fixed notation, then anything (a unit).
    bool StringToValue(const char* text, T* outValue) const override {
        if (text == nullptr || outValue == nullptr) return false;
        const char* first = text;
        while (*first == ' ') ++first;
        const char* last = first + std::char_traits<char>::length(first);
        if (*first == '+') ++first;
        std::from_chars_result read;
        if constexpr (std::is_integral<T>::value) {
            read = std::from_chars(first, last, *outValue);
        } else {
            double value = 0.0;
            read = std::from_chars(first, last, value, std::chars_format::fixed);
            if (read.ec == std::errc()) *outValue = static_cast<T>(value);
        }
        return read.ec == std::errc() && read.ptr != first;
    }
};
