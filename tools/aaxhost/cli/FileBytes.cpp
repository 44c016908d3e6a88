#include "aaxhost/cli/FileBytes.h"

#include <windows.h>

#include <algorithm>
#include <stdexcept>

#include "aaxhost/cli/OutputFiles.h"
#include "toolcli/SystemError.h"
#include "util/WideText.h"

namespace aaxhost::cli {

std::wstring WidePath(const std::string& path) {
    const Util::WideText wide = Util::ToWide(Util::String(path));
    return std::wstring(wide.CStr(), wide.Length());
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
    const std::wstring wide = WidePath(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        throw std::runtime_error(path + ": no such file");
    const HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error(path + ": cannot be opened for reading: " + toolcli::SystemErrorText(GetLastError()));
    LARGE_INTEGER size{};
    std::vector<std::uint8_t> bytes;
    bool ok = GetFileSizeEx(file, &size) != 0;
    DWORD code = ok ? ERROR_SUCCESS : GetLastError();
    // Inputs (WAV, MIDI, state files) are read whole; one past 4 GiB is no WAV file.
    if (ok && static_cast<unsigned long long>(size.QuadPart) > 0xFFFFFFFFull + 8) {
        CloseHandle(file);
        throw std::runtime_error(path + ": too large to read (" + std::to_string(size.QuadPart) + " bytes)");
    }
    if (ok) bytes.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        DWORD read = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        ok = ReadFile(file, bytes.data() + done, chunk, &read, nullptr) != 0;
        code = ok ? ERROR_SUCCESS : GetLastError();
        if (ok && read == 0) {  // the file got shorter while it was read
            ok = false;
            code = ERROR_HANDLE_EOF;
        }
        done += read;
    }
    CloseHandle(file);
    if (!ok) throw std::runtime_error(path + ": read error: " + toolcli::SystemErrorText(code));
    return bytes;
}

void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    OutputFiles output;
    output.Add(path, bytes);
    output.Commit();
}

}  // namespace aaxhost::cli
