#pragma once
// A folder of its own under the temporary folder, removed with everything in it when the
// object goes. Its name carries the process id and a per-process counter, so test
// programs running side by side (CTest -j) and fixtures within one never share a folder;
// Id() gives that pair for file names that must differ too (a module file name per
// product, so that every product is a fresh module with empty caches). One thread at a time.

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/TestBinaries.h"

class ScratchFolder {
public:
    explicit ScratchFolder(const std::wstring& prefix = L"test") {
        static int counter = 0;
        id_ = std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
        path_ = std::filesystem::temp_directory_path() / (L"lm-" + prefix + L"-" + id_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::wstring& Id() const { return id_; }
    std::wstring Wide() const { return path_.wstring(); }
    std::wstring Join(const std::wstring& relative) const { return (path_ / relative).wstring(); }
    const std::filesystem::path& Path() const { return path_; }
    // A UTF-8 path inside the folder, for the tools' UTF-8 command lines.
    std::string File(const std::string& relative) const {
        return (path_ / std::filesystem::u8path(relative)).u8string();
    }

    // Writes `bytes` to `relative`, creating folders as needed; the file's path.
    std::wstring WriteFile(const std::wstring& relative, const std::string& bytes) const {
        const std::filesystem::path target = path_ / relative;
        std::filesystem::create_directories(target.parent_path());
        std::ofstream(target, std::ios::binary) << bytes;
        return target.wstring();
    }

    // Copies the built binary `name` (beside the tests) to `relative` (default: its own
    // name), creating folders as needed; the copy's path.
    std::wstring CopyBinary(const std::wstring& name, const std::wstring& relative = L"") const {
        const std::filesystem::path target = path_ / (relative.empty() ? name : relative);
        std::filesystem::create_directories(target.parent_path());
        std::filesystem::copy_file(TestBinaryPath(name), target, std::filesystem::copy_options::overwrite_existing);
        return target.wstring();
    }

private:
    std::wstring id_;
    std::filesystem::path path_;
};
