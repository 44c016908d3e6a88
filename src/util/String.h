#pragma once
// Util::String: the module's text type. UTF-8 bytes plus a null flag; the null text
// stands for "absent" wherever an optional text is meant. Where bytes are needed
// (comparison, conversion, copying into a record) a null text reads as "".
// A value type with no shared state: safe to use on any thread, one owner at a time.

#include <cstddef>
#include <string>
#include <vector>

namespace Util {

class String {
public:
    String() noexcept = default;  // the null text
    String(const char* text);     // null pointer gives the null text
    String(const char* data, std::size_t length);
    String(std::string bytes) noexcept;

    static String Null() noexcept { return String(); }

    bool IsNull() const noexcept { return null_; }
    bool IsEmpty() const noexcept { return bytes_.empty(); }
    std::size_t Size() const noexcept { return bytes_.size(); }
    const char* CStr() const noexcept { return bytes_.c_str(); }
    const std::string& Bytes() const noexcept { return bytes_; }

    // Derived texts: a null input gives the null text back, anything else a non-null one.
    String ToLowerAscii() const;
    // Removes spaces, the control bytes 9 to 13 and the byte 0xA0 from both ends.
    String Trimmed() const;
    // n separators give n + 1 pieces (empty ones too); the empty text gives none.
    std::vector<String> Split(char separator) const;
    // Replaces every occurrence of `from` (non-empty), scanning left to right.
    String Replaced(const String& from, const String& to) const;
    // Up to `length` bytes from `offset` (clamped to the text).
    String Substring(std::size_t offset, std::size_t length = std::string::npos) const;

    bool StartsWithIgnoreCase(const String& prefix) const noexcept;
    static bool EqualsIgnoreCase(const String& a, const String& b) noexcept;

    String& operator+=(const String& other);

    friend bool operator==(const String& a, const String& b) noexcept { return a.bytes_ == b.bytes_; }
    friend bool operator!=(const String& a, const String& b) noexcept { return !(a == b); }
    friend String operator+(String a, const String& b) { return a += b; }

private:
    bool null_ = true;
    std::string bytes_;
};

}  // namespace Util
