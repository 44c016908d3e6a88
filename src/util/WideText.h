#pragma once
// Conversions between Util::String (UTF-8) and the UTF-16 text of wide Windows calls.
// WideText is a shared, reference-counted, zero-terminated array of UTF-16 units:
// copies share the array and the last holder frees it. [any-thread]

#include <cstddef>
#include <memory>

#include "util/String.h"

namespace Util {

class WideText {
public:
    WideText();  // the empty wide string: one unit holding 0
    WideText(std::shared_ptr<const wchar_t[]> units, std::size_t length) noexcept;

    const wchar_t* CStr() const noexcept { return units_.get(); }
    std::size_t Length() const noexcept { return length_; }  // units before the final 0

private:
    std::shared_ptr<const wchar_t[]> units_;
    std::size_t length_ = 0;
};

// Encoding numbers of ToWide: 1 is UTF-8, 3 is code page 932, anything else the
// system ANSI code page. The module always passes 1.
enum TextEncoding : int { kEncodingUtf8 = 1, kEncodingCp932 = 3 };

// A failed conversion, or one that gives nothing, is the empty wide string.
WideText ToWide(const String& text, int encoding = kEncodingUtf8);

// A null pointer gives the null text; a failed conversion the empty (not null) text.
String FromWide(const wchar_t* text);

}  // namespace Util
