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

InputFile::InputFile(const std::string& path) : path_(path) {
    const std::wstring wide = WidePath(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        throw std::runtime_error(path + ": no such file");
    const HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error(path + ": cannot be opened for reading: " + toolcli::SystemErrorText(GetLastError()));
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file, &size) == 0) {
        const DWORD code = GetLastError();
        CloseHandle(file);
        throw std::runtime_error(path + ": read error: " + toolcli::SystemErrorText(code));
    }
    // Inputs (WAV, MIDI, state files) hold at most 4 GiB; one past that is no WAV file.
    if (static_cast<unsigned long long>(size.QuadPart) > 0xFFFFFFFFull + 8) {
        CloseHandle(file);
        throw std::runtime_error(path + ": too large to read (" + std::to_string(size.QuadPart) + " bytes)");
    }
    handle_ = file;
    size_ = static_cast<std::uint64_t>(size.QuadPart);
}

InputFile::~InputFile() { CloseHandle(static_cast<HANDLE>(handle_)); }

void InputFile::ReadAt(std::uint64_t offset, void* buffer, std::size_t size) {
    auto* bytes = static_cast<std::uint8_t*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        OVERLAPPED at{};
        const std::uint64_t position = offset + done;
        at.Offset = static_cast<DWORD>(position);
        at.OffsetHigh = static_cast<DWORD>(position >> 32);
        DWORD read = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size - done, 1u << 30));
        if (!ReadFile(static_cast<HANDLE>(handle_), bytes + done, chunk, &read, &at)) {
            const DWORD code = GetLastError();
            throw std::runtime_error(path_ + ": read error: " + toolcli::SystemErrorText(code));
        }
        if (read == 0)  // the file got shorter while it was read
            throw std::runtime_error(path_ + ": read error: " + toolcli::SystemErrorText(ERROR_HANDLE_EOF));
        done += read;
    }
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
    InputFile file(path);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(file.Size()));
    file.ReadAt(0, bytes.data(), bytes.size());
    return bytes;
}

void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    OutputFiles output;
    output.Add(path, bytes);
    output.Commit();
}

}  // namespace aaxhost::cli
