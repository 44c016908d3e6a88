#pragma once
// ValidationGuard: keeps a misbehaving module from taking the validator down silently.
// While it lives:
//  - a crash anywhere in the process (an exception that no one handles, such as an
//    access violation inside the module) reports the checks so far plus the running
//    check failed with "crashed in <group/name>" and the exception, then ends the
//    process with exit code 1;
//  - a watchdog thread fails the running check with "timed out" once it has run longer
//    than the limit, reports the checks so far and ends the process with exit code 1
//    (a hung module cannot be stopped any other way).
// The report is written by the caller's `report` function, which receives the checks
// so far with the failed one appended; the process ends right after it returns.
// One guard per process. Made and destroyed on the validation's thread; the report
// function runs on the crashing thread or the watchdog thread.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "aaxhost/validate/Validation.h"

namespace aaxhost::validate {

class ValidationGuard {
public:
    using ReportFunction = std::function<void(const std::vector<CheckResult>& checks)>;

    ValidationGuard(const Validation& validation, ReportFunction report, std::chrono::seconds checkLimit);
    ~ValidationGuard();
    ValidationGuard(const ValidationGuard&) = delete;
    ValidationGuard& operator=(const ValidationGuard&) = delete;

    // Fails the running check (or a "validate/between-checks" entry when none runs)
    // with `prefix` + " " + its group/name + `suffix`, reports the checks so far with it
    // appended and ends the process with exit code 1. Used by the crash filter and the
    // watchdog; only the first caller reports, a later one waits for the end.
    [[noreturn]] void FailRunningCheckAndExit(const std::string& prefix, const std::string& suffix);

    // The guard of this process, null when none lives. [any-thread]
    static ValidationGuard* Current() noexcept;

private:
    void Watch();

    const Validation& validation_;
    ReportFunction report_;
    std::chrono::seconds checkLimit_;
    std::mutex mutex_;
    std::condition_variable stop_;
    bool stopping_ = false;
    std::thread watchdog_;
    void* previousFilter_ = nullptr;
};

}  // namespace aaxhost::validate
