#include "util/PathText.h"

#include <string>
#include <utility>
#include <vector>

namespace Util {
namespace PathText {
namespace {

bool IsSeparator(char c) noexcept { return c == '/' || c == '\\'; }

bool IsDrive(const std::string& component) noexcept {
    if (component.size() != 2 || component[1] != ':') return false;
    const char letter = component[0];
    return (letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z');
}

// Length of the white-space character at `at`, 0 when there is none.
std::size_t WhiteSpaceLength(const std::string& text, std::size_t at) noexcept {
    const unsigned char c = static_cast<unsigned char>(text[at]);
    if (c == ' ' || (c >= 9 && c <= 13)) return 1;
    if (c == 0xC2 && at + 1 < text.size() && static_cast<unsigned char>(text[at + 1]) == 0xA0) return 2;
    return 0;
}

// Drops a multibyte sequence that the end of the text cuts off.
void DropCutOffSequence(std::string& text) {
    std::size_t continuation = 0;
    std::size_t at = text.size();
    while (at > 0 && continuation < 3 && (static_cast<unsigned char>(text[at - 1]) & 0xC0) == 0x80) {
        --at;
        ++continuation;
    }
    if (at == 0) return;
    const unsigned char lead = static_cast<unsigned char>(text[at - 1]);
    std::size_t expected = 0;  // continuation bytes the lead byte announces
    if ((lead & 0xE0) == 0xC0)
        expected = 1;
    else if ((lead & 0xF0) == 0xE0)
        expected = 2;
    else if ((lead & 0xF8) == 0xF0)
        expected = 3;
    if (expected > continuation) text.erase(at - 1);
}

// Splits at either separator, drops empty and "." components, lets ".." remove the
// component before it (never a drive; with nothing removable it is dropped) and joins
// what is left with '/'.
std::string ResolveComponents(const std::string& body) {
    std::vector<std::string> kept;
    std::size_t start = 0;
    while (start <= body.size()) {
        std::size_t end = body.find_first_of("/\\", start);
        if (end == std::string::npos) end = body.size();
        std::string component = body.substr(start, end - start);
        if (component == "..") {
            if (!kept.empty() && !IsDrive(kept.back())) kept.pop_back();
        } else if (!component.empty() && component != ".") {
            kept.push_back(std::move(component));
        }
        start = end + 1;
    }
    std::string joined;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (i > 0) joined += '/';
        joined += kept[i];
    }
    return joined;
}

// The leading separators that mark a root: "//" for a network path, "/" for a rooted one.
std::string RootOf(const std::string& text, std::size_t& length) {
    length = 0;
    while (length < text.size() && IsSeparator(text[length])) ++length;
    if (length >= 2) return "//";
    return length == 1 ? "/" : "";
}

}  // namespace

bool IsBlank(const String& text) {
    const std::string& bytes = text.Bytes();
    std::string reduced;
    bool spacePending = false;
    for (std::size_t at = 0; at < bytes.size();) {
        if (const std::size_t length = WhiteSpaceLength(bytes, at)) {
            spacePending = !reduced.empty();
            at += length;
            continue;
        }
        if (spacePending) reduced += ' ';
        spacePending = false;
        reduced += bytes[at++];
    }
    DropCutOffSequence(reduced);
    return reduced.empty();
}

String ResolveHome(const String& text, const String& home) {
    std::string bytes = text.Bytes();
    if (bytes == "~") bytes = "~/";
    if (bytes.size() < 2 || bytes[0] != '~' || !IsSeparator(bytes[1])) return text;
    return String(home.Bytes() + "/" + bytes.substr(2));
}

bool IsRelative(const String& text) {
    const std::string& bytes = text.Bytes();
    if (bytes.size() >= 2 && bytes[1] == ':') return false;
    return bytes.empty() || !IsSeparator(bytes[0]);
}

bool IsNetworkPath(const String& text) {
    const std::string& bytes = text.Bytes();
    return bytes.size() >= 2 && IsSeparator(bytes[0]) && IsSeparator(bytes[1]);
}

String StripLongPathPrefix(const String& text) {
    const std::string& bytes = text.Bytes();
    if (bytes.size() < 4 || !IsSeparator(bytes[0]) || !IsSeparator(bytes[1]) || bytes[2] != '?' ||
        !IsSeparator(bytes[3]))
        return text;
    const std::string rest = bytes.substr(4);
    if (rest.size() >= 4 && String(rest.substr(0, 3)).StartsWithIgnoreCase(String("UNC")) && IsSeparator(rest[3]))
        return String("\\\\" + rest.substr(4));
    return String(rest);
}

String PrepareForLongNameExpansion(const String& text) {
    std::string bytes = StripLongPathPrefix(text).Bytes();
    for (char& c : bytes)
        if (c == '/') c = '\\';
    while (!bytes.empty() && bytes.back() == '\\') bytes.pop_back();
    return String(std::move(bytes));
}

String NormaliseComponents(const String& text) {
    std::size_t rootLength = 0;
    const std::string root = RootOf(text.Bytes(), rootLength);
    return String(root + ResolveComponents(text.Bytes().substr(rootLength)));
}

String FinishNativeText(const String& text) {
    std::string bytes = StripLongPathPrefix(text).Bytes();
    for (char& c : bytes)
        if (c == '\\') c = '/';
    while (bytes.size() > 1 && bytes.back() == '/') bytes.pop_back();

    std::size_t rootLength = 0;
    const std::string root = RootOf(bytes, rootLength);
    bytes = root + ResolveComponents(bytes.substr(rootLength));

    // Trailing separator rule: one '/' is added, repeated ones reduced to one, every '/'
    // becomes '\', and one trailing separator is removed again.
    bytes += '/';
    while (bytes.size() > 1 && bytes[bytes.size() - 2] == '/') bytes.pop_back();
    for (char& c : bytes)
        if (c == '/') c = '\\';
    bytes.pop_back();
    return String(std::move(bytes));
}

}  // namespace PathText
}  // namespace Util
