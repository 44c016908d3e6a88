#pragma once
// Shared by the lmprime tests: a scratch folder with copies of the built hook module,
// the real lmprime.exe run as a child process, and modules opened for their resources.

#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "FileOperations.h"
#include "support/TestBinaries.h"

// A fresh folder under the temporary folder, removed with everything in it.
class ScratchFolder {
public:
    ScratchFolder() {
        static int counter = 0;
        wchar_t temp[MAX_PATH + 1];
        GetTempPathW(MAX_PATH + 1, temp);
        path_ = std::wstring(temp) + L"LmPrimeTest" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(counter++);
        RemoveTree(path_);
        EXPECT_TRUE(CreateDirectoryW(path_.c_str(), nullptr));
    }
    ~ScratchFolder() { RemoveTree(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring Join(const std::wstring& name) const { return path_ + L"\\" + name; }

    // A copy of the built, generic hook module.
    std::wstring CopyOfHook(const std::wstring& name = L"LmHook.dll") const {
        const std::wstring target = Join(name);
        EXPECT_TRUE(CopyFileW(TestBinaryPath(L"LmHook.dll").c_str(), target.c_str(), FALSE)) << "LmHook.dll missing";
        return target;
    }
    std::wstring WriteFile(const std::wstring& name, const std::string& bytes) const {
        const std::wstring target = Join(name);
        const HANDLE file = CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        EXPECT_TRUE(::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
        CloseHandle(file);
        return target;
    }

private:
    std::wstring path_;
};

inline std::string FileBytes(const std::wstring& path) {
    std::vector<unsigned char> bytes;
    std::string error;
    if (!ReadWholeFile(path, bytes, error)) return "<unreadable: " + error + ">";
    return std::string(bytes.begin(), bytes.end());
}

// The names in a folder, sorted, without "." and "..".
inline std::vector<std::wstring> FolderEntries(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW entry;
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = entry.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

// A module file opened for its resources only.
class DataFile {
public:
    explicit DataFile(const std::wstring& path)
        : module_(LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
    ~DataFile() {
        if (module_) FreeLibrary(module_);
    }
    DataFile(const DataFile&) = delete;
    DataFile& operator=(const DataFile&) = delete;
    HMODULE Get() const { return module_; }

private:
    HMODULE module_;
};

// Adds one resource in a given language straight through the system's updater, as
// another tool might have left it.
inline bool AddResourceInLanguage(const std::wstring& path, LPCWSTR type, LPCWSTR name, WORD language,
                                  const std::string& bytes) {
    const HANDLE update = BeginUpdateResourceW(path.c_str(), FALSE);
    if (update == nullptr) return false;
    const bool added = UpdateResourceW(update, type, name, language, const_cast<char*>(bytes.data()),
                                       static_cast<DWORD>(bytes.size())) != 0;
    return EndUpdateResourceW(update, added ? FALSE : TRUE) && added;
}

// The languages a resource exists in.
inline std::vector<WORD> ResourceLanguages(HMODULE module, LPCWSTR type, LPCWSTR name) {
    std::vector<WORD> languages;
    EnumResourceLanguagesW(
        module, type, name,
        [](HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR list) -> BOOL {
            reinterpret_cast<std::vector<WORD>*>(list)->push_back(language);
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&languages));
    return languages;
}

// The bytes of a resource in exactly `language` (lookups by language fall back to
// others); "<none>" when it does not exist in that language.
inline std::string ResourceBytes(const std::wstring& path, LPCWSTR type, LPCWSTR name, WORD language) {
    const DataFile module(path);
    const std::vector<WORD> languages = ResourceLanguages(module.Get(), type, name);
    if (std::find(languages.begin(), languages.end(), language) == languages.end()) return "<none>";
    const HRSRC info = FindResourceExW(module.Get(), type, name, language);
    const char* data = static_cast<const char*>(LockResource(LoadResource(module.Get(), info)));
    return std::string(data, SizeofResource(module.Get(), info));
}

struct ToolRun {
    DWORD exitCode = 0xFFFFFFFF;
    std::string out;  // UTF-8 as the tool wrote it
    std::string err;
};

// One argument quoted so that the child's command-line parser gives it back unchanged.
inline std::wstring QuotedArgument(const std::wstring& argument) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

// Reads a pipe to its end on a thread of its own, so that neither of the child's
// output pipes can fill up and stall it.
class PipeReader {
public:
    PipeReader() {
        SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        EXPECT_TRUE(CreatePipe(&read_, &write_, &inherit, 0));
        SetHandleInformation(read_, HANDLE_FLAG_INHERIT, 0);
    }
    ~PipeReader() {
        CloseWriteEnd();
        if (thread_.joinable()) thread_.join();
        CloseHandle(read_);
    }
    PipeReader(const PipeReader&) = delete;
    PipeReader& operator=(const PipeReader&) = delete;

    HANDLE WriteEnd() const { return write_; }
    // After the child has its copy: from now on the pipe ends when the child ends.
    void Start() {
        CloseWriteEnd();
        thread_ = std::thread([this] {
            char buffer[4096];
            DWORD read = 0;
            while (ReadFile(read_, buffer, sizeof(buffer), &read, nullptr) && read != 0) text_.append(buffer, read);
        });
    }
    std::string Finish() {
        if (thread_.joinable()) thread_.join();
        return text_;
    }

private:
    void CloseWriteEnd() {
        if (write_) CloseHandle(write_);
        write_ = nullptr;
    }

    HANDLE read_ = nullptr;
    HANDLE write_ = nullptr;
    std::thread thread_;
    std::string text_;
};

// Runs the built lmprime.exe with `arguments` and collects what it prints.
inline ToolRun RunLmPrime(const std::vector<std::wstring>& arguments) {
    std::wstring commandLine = QuotedArgument(TestBinaryPath(L"lmprime.exe"));
    for (const std::wstring& argument : arguments) commandLine += L" " + QuotedArgument(argument);

    PipeReader out, err;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out.WriteEnd();
    startup.hStdError = err.WriteEnd();
    PROCESS_INFORMATION process{};
    ToolRun run;
    const bool started = CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                        nullptr, &startup, &process) != 0;
    EXPECT_TRUE(started) << "cannot start lmprime.exe, error " << GetLastError();
    out.Start();
    err.Start();
    if (started) {
        WaitForSingleObject(process.hProcess, 60000);
        GetExitCodeProcess(process.hProcess, &run.exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    run.out = out.Finish();
    run.err = err.Finish();
    return run;
}
