#include "aaxhost/cli/OutputFiles.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <stdexcept>

#include "aaxhost/cli/FileBytes.h"
#include "toolcli/SystemError.h"

namespace aaxhost::cli {
namespace {

std::wstring FolderOf(const std::wstring& path) {
    const std::size_t cut = path.find_last_of(L"\\/");
    return cut == std::wstring::npos ? std::wstring() : path.substr(0, cut + 1);
}

// ".aaxhost-<process>-<n><tag>" beside `target`: short, so that a long target name
// does not take the temporary's path past the system's limit.
std::wstring NameBeside(const std::wstring& target, const wchar_t* tag) {
    static std::atomic<unsigned> counter{0};
    return FolderOf(target) + L".aaxhost-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(counter++) + tag;
}

std::runtime_error Failure(const std::string& path, const std::string& what, DWORD code) {
    return std::runtime_error(path + ": " + what + ": " + toolcli::SystemErrorText(code));
}

}  // namespace

OutputFiles::~OutputFiles() {
    TakeBack();
    for (const Output& output : outputs_) {
        if (output.handle != nullptr) CloseHandle(static_cast<HANDLE>(output.handle));
        if (!output.placed && !output.failed) DeleteFileW(output.temporary.c_str());
    }
}

void OutputFiles::Add(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const std::size_t file = Open(path);
    Append(file, bytes.data(), bytes.size());
    Finish(file);
}

std::size_t OutputFiles::Open(const std::string& path) {
    Output output;
    output.path = path;
    output.target = WidePath(path);
    HANDLE file = INVALID_HANDLE_VALUE;
    DWORD code = ERROR_FILE_EXISTS;
    while (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS) {
        output.temporary = NameBeside(output.target, L".tmp");
        file = CreateFileW(output.temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
        code = file == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
    }
    if (file == INVALID_HANDLE_VALUE) throw Failure(path, "cannot be written", code);
    output.handle = file;
    try {
        outputs_.push_back(output);
    } catch (...) {
        CloseHandle(file);
        DeleteFileW(output.temporary.c_str());
        throw;
    }
    return outputs_.size() - 1;
}

OutputFiles::Output& OutputFiles::Opened(std::size_t file) {
    if (file >= outputs_.size() || outputs_[file].handle == nullptr)
        throw std::logic_error("an output file that is not open");
    return outputs_[file];
}

void OutputFiles::Append(std::size_t file, const std::uint8_t* bytes, std::size_t size) {
    Output& output = Opened(file);
    std::size_t done = 0;
    while (done < size) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(static_cast<HANDLE>(output.handle), bytes + done, chunk, &written, nullptr) || written == 0)
            Fail(output, GetLastError());
        done += written;
    }
}

void OutputFiles::Finish(std::size_t file) {
    Output& output = Opened(file);
    const HANDLE handle = static_cast<HANDLE>(output.handle);
    output.handle = nullptr;
    // Every byte on disk before the rename: a full disk shows here, not as a short file.
    bool ok = FlushFileBuffers(handle) != 0;
    DWORD code = ok ? ERROR_SUCCESS : GetLastError();
    if (!CloseHandle(handle) && ok) {
        ok = false;
        code = GetLastError();
    }
    if (!ok) Fail(output, code);
}

void OutputFiles::Fail(Output& output, unsigned long code) {
    if (output.handle != nullptr) CloseHandle(static_cast<HANDLE>(output.handle));
    output.handle = nullptr;
    DeleteFileW(output.temporary.c_str());
    output.failed = true;
    throw Failure(output.path, "cannot be written", code);
}

void OutputFiles::Commit() {
    for (const Output& output : outputs_)
        if (output.handle != nullptr || output.failed)
            throw std::logic_error(output.path + ": committed unfinished or after a failed write");
    for (Output& output : outputs_) {
        const DWORD attributes = GetFileAttributesW(output.target.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            TakeBack();
            throw std::runtime_error(output.path + ": is a folder, not a file");
        }
        if (attributes != INVALID_FILE_ATTRIBUTES) {
            // Kept until every output is in place, to be restored if a later one fails.
            output.aside = NameBeside(output.target, L".old");
            if (!MoveFileExW(output.target.c_str(), output.aside.c_str(), 0)) {
                const DWORD code = GetLastError();
                output.aside.clear();
                TakeBack();
                throw Failure(output.path, "cannot be replaced", code);
            }
        }
        if (!MoveFileExW(output.temporary.c_str(), output.target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            const DWORD code = GetLastError();
            if (!output.aside.empty()) MoveFileExW(output.aside.c_str(), output.target.c_str(), 0);
            output.aside.clear();
            TakeBack();
            throw Failure(output.path, "cannot be replaced", code);
        }
        output.placed = true;
    }
    for (Output& output : outputs_) {
        if (!output.aside.empty()) DeleteFileW(output.aside.c_str());
        output.aside.clear();
    }
    outputs_.clear();
}

void OutputFiles::TakeBack() {
    for (auto it = outputs_.rbegin(); it != outputs_.rend(); ++it) {
        if (it->placed) {
            DeleteFileW(it->target.c_str());
            it->placed = false;
        }
        if (!it->aside.empty()) MoveFileExW(it->aside.c_str(), it->target.c_str(), MOVEFILE_REPLACE_EXISTING);
        it->aside.clear();
    }
}

}  // namespace aaxhost::cli
