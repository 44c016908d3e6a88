#include "util/VersionInfo.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "util/FileName.h"
#include "util/FormatArg.h"
#include "util/HostExecutablePath.h"

namespace Util {
namespace {

// The host executable's whole version resource, or an empty buffer.
std::vector<char> HostVersionResource() {
    const String path = HostExecutablePath();
    if (path.IsNull()) return {};

    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.CStr(), &handle);
    if (size == 0) return {};
    std::vector<char> resource(size);
    if (!GetFileVersionInfoA(path.CStr(), 0, size, resource.data())) return {};
    return resource;
}

// A string value of the resource; empty when the query fails. The reported length
// counts the terminating NUL, so the text is cut at the first NUL within it.
String QueryText(std::vector<char>& resource, const String& key) {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(resource.data(), key.CStr(), &value, &length) || value == nullptr || length == 0)
        return String();
    const char* text = static_cast<const char*>(value);
    std::size_t size = 0;
    while (size < length && text[size] != '\0') ++size;
    return String(text, size);
}

}  // namespace

String GetVersionString(const String& name) {
    // Without a name the key would address the string table itself, not a text.
    if (name.IsEmpty()) return String();
    std::vector<char> resource = HostVersionResource();
    if (resource.empty()) return String();

    // An array of {language, code page} pairs, each two 16-bit words.
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(resource.data(), "\\VarFileInfo\\Translation", &value, &length) || value == nullptr)
        return String();
    const std::size_t count = length / (2 * sizeof(WORD));
    const WORD* translations = static_cast<const WORD*>(value);

    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t language = translations[2 * i];
        const std::uint32_t codePage = translations[2 * i + 1];
        const String key =
            FormatArg(FormatArg(FormatArg(String("\\StringFileInfo\\%1%2\\%3"), language, 16, 4), codePage, 16, 4),
                      name);
        String text = QueryText(resource, key);
        if (!text.IsEmpty()) return text;
    }
    return String();
}

String HostProcessName() { return FileNameOf(HostExecutablePath()); }

String HostProcessDisplayName() {
    String description = GetVersionString(String("FileDescription"));
    return description.IsEmpty() ? HostProcessName() : description;
}

String HostProcessVersion() {
    const String fileVersion = GetVersionString(String("FileVersion"));
    if (!fileVersion.IsEmpty()) return fileVersion.Replaced(String(", "), String("."));

    std::vector<char> resource = HostVersionResource();
    if (resource.empty()) return String();
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(resource.data(), "\\", &value, &length) || value == nullptr ||
        length < sizeof(VS_FIXEDFILEINFO))
        return String();
    VS_FIXEDFILEINFO info;
    std::memcpy(&info, value, sizeof info);

    String text("%1.%2.%3.%4");
    text = FormatArg(text, static_cast<std::uint32_t>(HIWORD(info.dwFileVersionMS)), 10);
    text = FormatArg(text, static_cast<std::uint32_t>(LOWORD(info.dwFileVersionMS)), 10);
    text = FormatArg(text, static_cast<std::uint32_t>(HIWORD(info.dwFileVersionLS)), 10);
    text = FormatArg(text, static_cast<std::uint32_t>(LOWORD(info.dwFileVersionLS)), 10);
    return text;
}

}  // namespace Util
