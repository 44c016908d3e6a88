#include "aaxhost/validate/GroupProcess.h"

#include <windows.h>

#include <fstream>
#include <iterator>

#include "aaxhost/validate/GroupProgress.h"
#include "aaxhost/validate/ScratchFolder.h"
#include "toolcli/ExitCodes.h"
#include "util/WideText.h"

namespace aaxhost::validate {

namespace {

// More restarts than a group has checks would mean a process that ends without
// progress; the loop below stops at the first of those anyway.
constexpr int kMostProcessesPerGroup = 64;

std::wstring Wide(const std::string& text) { return Util::ToWide(Util::String(text)).CStr(); }

std::wstring OwnPath() {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size())));
    return path;
}

std::string ReadWhole(const std::wstring& path) {
    std::ifstream file(std::string(Util::FromWide(path.c_str()).Bytes()), std::ios::binary);
    if (!file) {
        // The narrow name may not reach a path with characters outside the code page.
        HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
        if (handle == INVALID_HANDLE_VALUE) return {};
        std::string text;
        char buffer[65536];
        DWORD read = 0;
        while (ReadFile(handle, buffer, sizeof buffer, &read, nullptr) && read > 0) text.append(buffer, read);
        CloseHandle(handle);
        return text;
    }
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

long long FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

struct ProcessEnd {
    bool started = false;
    bool timedOut = false;
    unsigned long exitCode = 0;
    std::string error;  // when it could not be started
};

// Runs the group's process until it ends, or until its progress file has not grown
// for `silenceLimit`.
ProcessEnd RunOnce(const std::wstring& commandLine, const std::wstring& progressPath,
                   std::chrono::seconds silenceLimit) {
    ProcessEnd end;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE nul = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = nul;  // the report is this process's to print
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    std::wstring command = commandLine;
    end.started =
        CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process) != 0;
    if (nul != INVALID_HANDLE_VALUE) CloseHandle(nul);
    if (!end.started) {
        end.error = "the group's process could not be started (error " + std::to_string(GetLastError()) + ")";
        return end;
    }
    CloseHandle(process.hThread);
    long long size = -1;
    auto lastProgress = std::chrono::steady_clock::now();
    while (WaitForSingleObject(process.hProcess, 100) == WAIT_TIMEOUT) {
        const long long now = FileSize(progressPath);
        if (now != size) {
            size = now;
            lastProgress = std::chrono::steady_clock::now();
        } else if (std::chrono::steady_clock::now() - lastProgress > silenceLimit) {
            TerminateProcess(process.hProcess, toolcli::kExitFailed);
            WaitForSingleObject(process.hProcess, INFINITE);
            end.timedOut = true;
            break;
        }
    }
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    end.exitCode = code;
    CloseHandle(process.hProcess);
    return end;
}

CheckResult Failed(const std::string& group, const std::string& name, const std::string& detail) {
    CheckResult result;
    result.group = group;
    result.name = name;
    result.outcome = Outcome::Failed;
    result.detail = detail;
    return result;
}

}  // namespace

GroupOutcome RunGroupInProcess(const Options& options, int checkTimeoutSeconds, const std::string& group,
                               const std::vector<CheckResult>& earlier, std::chrono::seconds silenceLimit) {
    GroupOutcome outcome;
    std::string failures;
    for (const CheckResult& result : earlier)
        if (result.outcome == Outcome::Failed)
            failures += (failures.empty() ? "" : ",") + result.group + "/" + result.name;
    ScratchFolder folder;
    int resumeAt = 0;
    for (int attempt = 1; attempt <= kMostProcessesPerGroup; ++attempt) {
        const std::wstring progressPath = folder.Path() + L"\\progress-" + std::to_wstring(attempt) + L".txt";
        std::wstring command = L"\"" + OwnPath() + L"\" validate \"" + options.modulePath + L"\" --strictness " +
                               std::to_wstring(options.strictness) + L" --seed " + std::to_wstring(options.seed) +
                               L" --check-timeout " + std::to_wstring(checkTimeoutSeconds) + L" " + Wide(kGroupOption) +
                               L" " + Wide(group) + L" " + Wide(kProgressOption) + L" \"" + progressPath + L"\" " +
                               Wide(kResumeOption) + L" " + std::to_wstring(resumeAt);
        if (!failures.empty()) command += L" " + Wide(kEarlierFailuresOption) + L" \"" + Wide(failures) + L"\"";
        const ProcessEnd end = RunOnce(command, progressPath, silenceLimit);
        if (!end.started) {
            outcome.results.push_back(Failed(group, "setup", end.error));
            return outcome;
        }
        const GroupProgress progress = ParseGroupProgress(ReadWhole(progressPath));
        outcome.results.insert(outcome.results.end(), progress.results.begin(), progress.results.end());
        outcome.boxes.insert(outcome.boxes.end(), progress.boxes.begin(), progress.boxes.end());
        outcome.unloadable = outcome.unloadable || progress.unloadable;
        if (progress.finished && !end.timedOut) return outcome;
        const std::string how =
            end.timedOut ? "showed no progress for " + std::to_string(silenceLimit.count()) + " s and was ended"
                         : "ended with " + DescribeProcessEnd(end.exitCode);
        if (!progress.runningName.empty()) {
            outcome.results.push_back(
                Failed(progress.runningGroup, progress.runningName,
                       "the group's process " + how + " in " + progress.runningGroup + "/" + progress.runningName));
        } else if (progress.lastNumber < resumeAt) {
            // No check started: the process ended before or between checks.
            outcome.results.push_back(Failed(group, "setup", "the group's process " + how + " outside any check"));
            return outcome;
        }
        resumeAt = progress.lastNumber + 1;
    }
    outcome.results.push_back(Failed(group, "setup", "the group's process ended too often"));
    return outcome;
}

}  // namespace aaxhost::validate
