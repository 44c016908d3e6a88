#include "aaxhost/validate/ValidationGuard.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <utility>

#include "toolcli/ExitCodes.h"
#include "util/WideText.h"

namespace aaxhost::validate {

namespace {

std::atomic<ValidationGuard*> g_guard{nullptr};
std::atomic<bool> g_reporting{false};
// When the watchdog saw the running check start, for the crash report's duration.
std::atomic<long long> g_checkStartTicks{0};

long long NowTicks() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double SecondsSinceCheckStart() {
    const long long start = g_checkStartTicks.load();
    return start == 0 ? 0.0 : static_cast<double>(NowTicks() - start) / 1000.0;
}

// "load/register" -> group "load", name "register"; no check running: a name of its own.
CheckResult FailedCheck(const std::string& current, const std::string& detail, double seconds) {
    CheckResult result;
    const std::size_t slash = current.find('/');
    if (current.empty() || slash == std::string::npos) {
        result.group = "validate";
        result.name = "between-checks";
    } else {
        result.group = current.substr(0, slash);
        result.name = current.substr(slash + 1);
    }
    result.outcome = Outcome::Failed;
    result.detail = detail;
    result.seconds = seconds;
    return result;
}

const char* ExceptionName(DWORD code) {
    switch (code) {
    case EXCEPTION_ACCESS_VIOLATION: return "access violation";
    case EXCEPTION_STACK_OVERFLOW: return "stack overflow";
    case EXCEPTION_ILLEGAL_INSTRUCTION: return "illegal instruction";
    case EXCEPTION_INT_DIVIDE_BY_ZERO: return "integer division by zero";
    case EXCEPTION_PRIV_INSTRUCTION: return "privileged instruction";
    case EXCEPTION_IN_PAGE_ERROR: return "in-page error";
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED: return "array bounds exceeded";
    case EXCEPTION_FLT_DIVIDE_BY_ZERO: return "floating-point division by zero";
    case EXCEPTION_FLT_INVALID_OPERATION: return "invalid floating-point operation";
    case EXCEPTION_BREAKPOINT: return "breakpoint";
    default: return "exception";
    }
}

// The file name of the module that holds `address`, "unknown module" when none does.
std::string ModuleOfAddress(const void* address) {
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCWSTR>(address), &module))
        return "unknown module";
    wchar_t path[MAX_PATH * 2] = {};
    const DWORD length = GetModuleFileNameW(module, path, MAX_PATH * 2);
    std::wstring name(path, length);
    name = name.substr(name.find_last_of(L"\\/") + 1);
    return Util::FromWide(name.c_str()).Bytes();
}

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* exception) {
    ValidationGuard* guard = g_guard.load();
    if (guard == nullptr || exception == nullptr || exception->ExceptionRecord == nullptr)
        return EXCEPTION_CONTINUE_SEARCH;
    const EXCEPTION_RECORD& record = *exception->ExceptionRecord;
    char text[256];
    std::snprintf(text, sizeof text, ": exception 0x%08lX (%s) at %p in %s",
                  static_cast<unsigned long>(record.ExceptionCode), ExceptionName(record.ExceptionCode),
                  record.ExceptionAddress, ModuleOfAddress(record.ExceptionAddress).c_str());
    guard->FailRunningCheckAndExit("crashed in", text);
}

}  // namespace

ValidationGuard::ValidationGuard(const Validation& validation, ReportFunction report, std::chrono::seconds checkLimit)
    : validation_(validation), report_(std::move(report)), checkLimit_(checkLimit) {
    g_guard.store(this);
    previousFilter_ = reinterpret_cast<void*>(SetUnhandledExceptionFilter(ReportCrash));
    watchdog_ = std::thread([this] { Watch(); });
}

ValidationGuard::~ValidationGuard() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    stop_.notify_all();
    if (watchdog_.joinable()) watchdog_.join();
    SetUnhandledExceptionFilter(reinterpret_cast<LPTOP_LEVEL_EXCEPTION_FILTER>(previousFilter_));
    g_guard.store(nullptr);
}

ValidationGuard* ValidationGuard::Current() noexcept { return g_guard.load(); }

void ValidationGuard::Watch() {
    std::string watched;
    long long startTicks = NowTicks();
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stop_.wait_for(lock, std::chrono::milliseconds(100), [this] { return stopping_; })) {
        const std::string current = validation_.CurrentCheck();
        if (current != watched) {
            watched = current;
            startTicks = NowTicks();
            g_checkStartTicks.store(startTicks);
            continue;
        }
        if (current.empty()) continue;
        const long long limit = static_cast<long long>(checkLimit_.count()) * 1000;
        if (NowTicks() - startTicks > limit) {
            lock.unlock();
            FailRunningCheckAndExit("timed out after " + std::to_string(checkLimit_.count()) + " s in", "");
        }
    }
}

void ValidationGuard::FailRunningCheckAndExit(const std::string& prefix, const std::string& suffix) {
    if (g_reporting.exchange(true)) {
        // Another thread reports and ends the process.
        for (;;) Sleep(INFINITE);
    }
    const std::string current = validation_.CurrentCheck();
    const std::string where = current.empty() ? std::string("between checks") : current;
    std::vector<CheckResult> checks = validation_.Results();
    checks.push_back(FailedCheck(current, prefix + " " + where + suffix, SecondsSinceCheckStart()));
    std::fprintf(stderr, "aaxhost: %s %s%s\n", prefix.c_str(), where.c_str(), suffix.c_str());
    try {
        report_(checks);
    } catch (...) {
    }
    std::fflush(stdout);
    std::fflush(stderr);
    // The module's threads may hold locks that an orderly exit would wait for.
    TerminateProcess(GetCurrentProcess(), toolcli::kExitFailed);
    for (;;) Sleep(INFINITE);
}

}  // namespace aaxhost::validate
