#include "aaxhost/validate/ScratchFolder.h"

#include <windows.h>

#include <atomic>
#include <filesystem>
#include <system_error>

#include "aaxhost/validate/Validation.h"
#include "util/WideText.h"

namespace aaxhost::validate {

namespace {
std::atomic<int> g_counter{0};
}

ScratchFolder::ScratchFolder() {
    wchar_t temp[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    if (length == 0 || length > MAX_PATH) Fail("no temporary folder (error " + std::to_string(GetLastError()) + ")");
    path_ = std::wstring(temp) + L"aaxhost-validate-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++g_counter);
    std::error_code error;
    std::filesystem::create_directories(path_, error);
    if (error) Fail("cannot make the folder " + Util::FromWide(path_.c_str()).Bytes() + ": " + error.message());
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::wstring ScratchFolder::Copy(const std::wstring& source, const std::wstring& name) const {
    const std::wstring target = path_ + L"\\" + name;
    if (!CopyFileW(source.c_str(), target.c_str(), FALSE))
        Fail("cannot copy " + Util::FromWide(source.c_str()).Bytes() + " to " + Util::FromWide(target.c_str()).Bytes() +
             " (error " + std::to_string(GetLastError()) + ")");
    return target;
}

}  // namespace aaxhost::validate
