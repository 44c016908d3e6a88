#include "FileOperations.h"

#include <windows.h>

#include <algorithm>

#include "toolcli/SystemError.h"
#include "util/WideText.h"

namespace {

constexpr DWORD kNoAttributes = INVALID_FILE_ATTRIBUTES;

std::string Failure(const char* what, const std::wstring& path, DWORD code) {
    return std::string(what) + " \"" + Utf8(path) + "\": " + toolcli::SystemErrorText(code);
}

// ".lmprime-<process>-<n><tag>" beside `target`. The process number keeps two lmprime
// runs apart; the counter keeps one run's names apart. The target's own name is left
// out: a bundle's module lies in the bundle's temporary folder, and two long names in
// one path would pass the system's path limit (MAX_PATH), which the resource
// functions do not go beyond.
std::wstring CandidateBeside(const std::wstring& target, unsigned counter, const wchar_t* tag) {
    return JoinPath(FolderOf(target),
                    L".lmprime-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(counter) + tag);
}

constexpr unsigned kMaxCandidates = 1000;

bool WriteAll(HANDLE file, const std::vector<unsigned char>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

}  // namespace

std::string Utf8(const std::wstring& text) { return Util::FromWide(text.c_str()).Bytes(); }

bool ReadWholeFile(const std::wstring& path, std::vector<unsigned char>& bytes, std::string& error) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = Failure("cannot open", path, GetLastError());
        return false;
    }
    LARGE_INTEGER size = {};
    bool ok = GetFileSizeEx(file, &size) != 0;
    DWORD code = ok ? 0 : GetLastError();
    if (ok && (size.QuadPart < 0 || static_cast<unsigned long long>(size.QuadPart) > (1ull << 31))) {
        // A hook module is a few megabytes; anything near this size is not one.
        CloseHandle(file);
        error = "\"" + Utf8(path) + "\" is too large for a module";
        return false;
    }
    if (ok) {
        bytes.assign(static_cast<std::size_t>(size.QuadPart), 0);
        std::size_t done = 0;
        while (ok && done < bytes.size()) {
            DWORD read = 0;
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
            ok = ReadFile(file, bytes.data() + done, chunk, &read, nullptr) != 0 && read != 0;
            if (!ok) code = GetLastError();
            done += read;
        }
    }
    CloseHandle(file);
    if (!ok) error = Failure("cannot read", path, code);
    return ok;
}

bool IsExistingFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != kNoAttributes && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool IsExistingDirectory(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != kNoAttributes && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool PathExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != kNoAttributes; }

std::wstring FolderOf(const std::wstring& path) {
    const std::size_t cut = path.find_last_of(L"\\/");
    if (cut == std::wstring::npos) return L".";
    if (cut == 0 || (cut == 2 && path[1] == L':')) return path.substr(0, cut + 1);  // a root keeps its separator
    return path.substr(0, cut);
}

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name) {
    if (folder.empty()) return name;
    const wchar_t last = folder.back();
    return (last == L'\\' || last == L'/') ? folder + name : folder + L"\\" + name;
}

bool CreateTemporaryFileBeside(const std::wstring& target, const std::vector<unsigned char>& bytes,
                               std::wstring& temporary, std::string& error) {
    for (unsigned counter = 0; counter < kMaxCandidates; ++counter) {
        const std::wstring candidate = CandidateBeside(target, counter, L".tmp");
        const HANDLE file =
            CreateFileW(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            const DWORD code = GetLastError();
            if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS) continue;
            error = Failure("cannot create a file in", FolderOf(target), code);
            return false;
        }
        const bool written = WriteAll(file, bytes);
        const DWORD code = written ? 0 : GetLastError();
        const bool closed = CloseHandle(file) != 0;
        if (!written || !closed) {
            DeleteFileW(candidate.c_str());
            error = Failure("cannot write", candidate, written ? GetLastError() : code);
            return false;
        }
        temporary = candidate;
        return true;
    }
    error = "no free temporary name beside \"" + Utf8(target) + "\"";
    return false;
}

bool CreateTemporaryFolderBeside(const std::wstring& target, std::wstring& temporary, std::string& error) {
    for (unsigned counter = 0; counter < kMaxCandidates; ++counter) {
        const std::wstring candidate = CandidateBeside(target, counter, L".tmp");
        if (CreateDirectoryW(candidate.c_str(), nullptr)) {
            temporary = candidate;
            return true;
        }
        const DWORD code = GetLastError();
        if (code == ERROR_ALREADY_EXISTS || code == ERROR_FILE_EXISTS) continue;
        error = Failure("cannot create a folder in", FolderOf(target), code);
        return false;
    }
    error = "no free temporary name beside \"" + Utf8(target) + "\"";
    return false;
}

std::wstring UnusedNameBeside(const std::wstring& target, const wchar_t* tag) {
    for (unsigned counter = 0;; ++counter) {
        const std::wstring candidate = CandidateBeside(target, counter, tag);
        if (!PathExists(candidate)) return candidate;
    }
}

bool MoveReplacing(const std::wstring& from, const std::wstring& to, std::string& error) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    error = Failure("cannot replace", to, GetLastError());
    return false;
}

bool MoveNew(const std::wstring& from, const std::wstring& to, std::string& error) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) return true;
    error = Failure("cannot move into place", to, GetLastError());
    return false;
}

bool CopyFileReplacing(const std::wstring& from, const std::wstring& to, std::string& error) {
    if (CopyFileW(from.c_str(), to.c_str(), FALSE)) return true;
    error = Failure("cannot copy", from, GetLastError());
    return false;
}

bool CreateFolders(const std::wstring& folder, std::vector<std::wstring>& created, std::string& error) {
    if (folder.empty() || IsExistingDirectory(folder)) return true;
    const std::wstring parent = FolderOf(folder);
    if (parent != folder && parent != L"." && !CreateFolders(parent, created, error)) return false;
    if (CreateDirectoryW(folder.c_str(), nullptr)) {
        created.push_back(folder);
        return true;
    }
    const DWORD code = GetLastError();
    if (code == ERROR_ALREADY_EXISTS && IsExistingDirectory(folder)) return true;
    error = Failure("cannot create the folder", folder, code);
    return false;
}

void RemoveCreatedFolders(const std::vector<std::wstring>& created) {
    for (auto it = created.rbegin(); it != created.rend(); ++it) RemoveDirectoryW(it->c_str());
}

void RemoveTree(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == kNoAttributes) return;
    if (attributes & FILE_ATTRIBUTE_READONLY)
        SetFileAttributesW(path.c_str(), attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        DeleteFileW(path.c_str());
        return;
    }
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        WIN32_FIND_DATAW entry;
        const HANDLE search = FindFirstFileW(JoinPath(path, L"*").c_str(), &entry);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = entry.cFileName;
                if (name != L"." && name != L"..") RemoveTree(JoinPath(path, name));
            } while (FindNextFileW(search, &entry));
            FindClose(search);
        }
    }
    RemoveDirectoryW(path.c_str());
}
