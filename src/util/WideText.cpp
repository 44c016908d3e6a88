#include "util/WideText.h"

#include <windows.h>

#include <climits>

namespace Util {
namespace {

UINT CodePageOf(int encoding) noexcept {
    switch (encoding) {
    case kEncodingUtf8: return CP_UTF8;
    case kEncodingCp932: return 932;
    default: return CP_ACP;
    }
}

}  // namespace

WideText::WideText() : WideText(std::shared_ptr<const wchar_t[]>(new wchar_t[1]{0}), 0) {}

WideText::WideText(std::shared_ptr<const wchar_t[]> units, std::size_t length) noexcept
    : units_(std::move(units)), length_(length) {}

WideText ToWide(const String& text, int encoding) {
    if (text.IsEmpty() || text.Size() > static_cast<std::size_t>(INT_MAX)) return WideText();
    const UINT codePage = CodePageOf(encoding);
    const int inLength = static_cast<int>(text.Size());
    const int needed = MultiByteToWideChar(codePage, 0, text.CStr(), inLength, nullptr, 0);
    if (needed <= 0) return WideText();
    std::shared_ptr<wchar_t[]> units(new wchar_t[static_cast<std::size_t>(needed) + 1]);
    const int written = MultiByteToWideChar(codePage, 0, text.CStr(), inLength, units.get(), needed);
    if (written <= 0) return WideText();
    units[static_cast<std::size_t>(written)] = 0;
    return WideText(std::move(units), static_cast<std::size_t>(written));
}

String FromWide(const wchar_t* text) {
    if (text == nullptr) return String();
    if (*text == 0) return String("");
    const int needed = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (needed <= 1) return String("");
    std::string bytes(static_cast<std::size_t>(needed), '\0');
    const int written = WideCharToMultiByte(CP_UTF8, 0, text, -1, &bytes[0], needed, nullptr, nullptr);
    if (written <= 1) return String("");
    bytes.resize(static_cast<std::size_t>(written) - 1);  // drop the converted terminator
    return String(std::move(bytes));
}

}  // namespace Util
