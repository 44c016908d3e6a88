#include "util/String.h"

#include <utility>

namespace Util {
namespace {

char LowerAscii(char c) noexcept { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool IsBlankByte(unsigned char c) noexcept { return c == ' ' || (c >= 9 && c <= 13); }

bool IsUtf8LeadByte(unsigned char c) noexcept { return c >= 0xC2 && c <= 0xF4; }

}  // namespace

String::String(const char* text) : null_(text == nullptr), bytes_(text ? text : "") {}

String::String(const char* data, std::size_t length) : null_(false), bytes_(data, length) {}

String::String(std::string bytes) noexcept : null_(false), bytes_(std::move(bytes)) {}

String String::ToLowerAscii() const {
    if (null_) return String();
    std::string lowered = bytes_;
    for (char& c : lowered) c = LowerAscii(c);
    return String(std::move(lowered));
}

String String::Trimmed() const {
    if (null_) return String();
    // The no-break space counts both as the lone byte 0xA0 and as its UTF-8 form C2 A0.
    // An 0xA0 that ends a multibyte character ("\xC3\xA0" is U+00E0) is text, not blank:
    // trimming it would cut the character in half.
    const auto byteAt = [this](std::size_t i) { return static_cast<unsigned char>(bytes_[i]); };
    std::size_t begin = 0, end = bytes_.size();
    while (begin < end) {
        if (IsBlankByte(byteAt(begin)) || byteAt(begin) == 0xA0)
            ++begin;
        else if (byteAt(begin) == 0xC2 && begin + 1 < end && byteAt(begin + 1) == 0xA0)
            begin += 2;
        else
            break;
    }
    while (end > begin) {
        const unsigned char last = byteAt(end - 1);
        if (IsBlankByte(last)) {
            --end;
        } else if (last == 0xA0) {
            const unsigned char before = end - 1 > begin ? byteAt(end - 2) : 0;
            if (before == 0xC2)
                end -= 2;
            else if (!IsUtf8LeadByte(before) && (before & 0xC0) != 0x80)
                --end;
            else
                break;
        } else {
            break;
        }
    }
    return String(bytes_.substr(begin, end - begin));
}

std::vector<String> String::Split(char separator) const {
    std::vector<String> pieces;
    if (bytes_.empty()) return pieces;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = bytes_.find(separator, start);
        if (at == std::string::npos) {
            pieces.emplace_back(bytes_.substr(start));
            return pieces;
        }
        pieces.emplace_back(bytes_.substr(start, at - start));
        start = at + 1;
    }
}

String String::Replaced(const String& from, const String& to) const {
    if (null_) return String();
    if (from.IsEmpty()) return *this;
    std::string out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = bytes_.find(from.bytes_, start);
        if (at == std::string::npos) break;
        out.append(bytes_, start, at - start);
        out += to.bytes_;
        start = at + from.bytes_.size();
    }
    out.append(bytes_, start, std::string::npos);
    return String(std::move(out));
}

String String::Substring(std::size_t offset, std::size_t length) const {
    if (null_) return String();
    if (offset > bytes_.size()) offset = bytes_.size();
    return String(bytes_.substr(offset, length));
}

bool String::StartsWithIgnoreCase(const String& prefix) const noexcept {
    if (prefix.bytes_.size() > bytes_.size()) return false;
    for (std::size_t i = 0; i < prefix.bytes_.size(); ++i) {
        if (LowerAscii(bytes_[i]) != LowerAscii(prefix.bytes_[i])) return false;
    }
    return true;
}

bool String::EqualsIgnoreCase(const String& a, const String& b) noexcept {
    return a.bytes_.size() == b.bytes_.size() && a.StartsWithIgnoreCase(b);
}

String& String::operator+=(const String& other) {
    null_ = false;
    bytes_ += other.bytes_;
    return *this;
}

}  // namespace Util
