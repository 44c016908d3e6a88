#include "util/Path.h"

#include <windows.h>

#include <utility>
#include <vector>

#include "util/FileName.h"
#include "util/PathText.h"
#include "util/WideText.h"

namespace Util {
namespace {

// The "HOME" variable of the process; null when it is not set.
String HomeFolder() {
    const DWORD needed = GetEnvironmentVariableW(L"HOME", nullptr, 0);
    if (needed == 0) return String();
    std::vector<wchar_t> value(needed + 1, L'\0');
    const DWORD length = GetEnvironmentVariableW(L"HOME", value.data(), needed + 1);
    if (length == 0 || length > needed) return String();
    value[length] = L'\0';
    return FromWide(value.data());
}

// The working directory (at most 1023 UTF-16 units); null when it cannot be read.
String WorkingDirectory() {
    wchar_t directory[1024] = {};
    const DWORD length = GetCurrentDirectoryW(1024, directory);
    if (length == 0 || length >= 1024) return String();
    return FromWide(directory);
}

// The system's long-name form of `text`; null when the conversion fails.
String LongPathName(const String& text) {
    const WideText wide = ToWide(text);
    const DWORD needed = GetLongPathNameW(wide.CStr(), nullptr, 0);
    if (needed == 0) return String();
    std::vector<wchar_t> buffer(needed + 1, L'\0');
    const DWORD length = GetLongPathNameW(wide.CStr(), buffer.data(), needed + 1);
    if (length == 0 || length > needed) return String();
    buffer[length] = L'\0';
    return FromWide(buffer.data());
}

}  // namespace

Path::Path(const String& text) {
    if (PathText::IsBlank(text)) return;
    String resolved = PathText::ResolveHome(text, HomeFolder());
    if (PathText::IsRelative(resolved)) resolved = AppendSeparator(WorkingDirectory()) + resolved;
    text_ = std::move(resolved);
}

String Path::NativeText() const {
    if (text_.IsNull()) return String();
    String body;
    if (text_.Bytes().find('~') != std::string::npos) {
        // Only texts with '~' can hold short (8.3) names worth expanding.
        const String prepared = PathText::PrepareForLongNameExpansion(text_);
        if (!prepared.IsEmpty() && !PathText::IsNetworkPath(prepared)) body = LongPathName(prepared);
        if (body.IsNull()) body = text_;
    } else {
        body = PathText::NormaliseComponents(text_);
    }
    return PathText::FinishNativeText(body);
}

String Path::FileName() const { return FileNameOf(text_); }

String Path::AppendSeparator(const String& text) { return text + String("/"); }

}  // namespace Util
