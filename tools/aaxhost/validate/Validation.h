#pragma once
// Validation: one run of the validator over one module. It holds the options, the
// seeded random source, the results of the checks in the order they ran, and the
// module as the checks share it. Checks are grouped (ValidationGroups.h); each check is
// a body run through Run: it passes when the body returns (its text says what it
// covered), fails when the body throws (CheckFailure's text is the reason, any other
// exception is reported with its text), and is skipped through Skip when it cannot
// apply (for example no effect has an AudioSuite processor).
// [ui-thread]: checks run one after another on the thread that made the Validation;
// a check may start threads of its own and joins them before it returns.

#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "aaxhost/LoadedModule.h"
#include "aaxhost/PackageDescription.h"
#include "aaxhost/validate/ValidationCounts.h"

namespace aaxhost::validate {

enum class Outcome { Passed, Failed, Skipped };
// "pass", "fail", "skip".
const char* OutcomeName(Outcome outcome) noexcept;

struct CheckResult {
    std::string group;  // "load", "instances", "parameters", "processing", "state",
                        // "editor", "audiosuite", "threading"
    std::string name;   // short and stable, e.g. "repeated-load"
    Outcome outcome = Outcome::Passed;
    std::string detail;  // failed or skipped: the reason; passed: what was covered
    double seconds = 0.0;
};

struct Options {
    std::wstring modulePath;
    int strictness = 5;      // 1..10: more iterations, sizes and rates when higher
    std::uint64_t seed = 1;  // every random choice comes from this seed
    bool json = false;
};

// A check's expectation that did not hold; its text is the reason reported.
class CheckFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void Fail(const std::string& reason);
inline void Expect(bool condition, const std::string& reason) {
    if (!condition) Fail(reason);
}

// A fresh load of the module at `path` (not started); a module that cannot be loaded
// fails the check with `context` followed by the loader's error.
std::unique_ptr<LoadedModule> LoadModuleOrFail(const std::wstring& path, const std::string& context = "");

class Validation {
public:
    explicit Validation(Options options);
    ~Validation();
    Validation(const Validation&) = delete;
    Validation& operator=(const Validation&) = delete;

    const Options& GetOptions() const noexcept { return options_; }
    int Strictness() const noexcept { return options_.strictness; }
    // A count that grows with the strictness: `atLowest` at 1, `atHighest` at 10,
    // straight in between (never below 1).
    int Scaled(int atLowest, int atHighest) const noexcept;
    std::mt19937_64& Random() noexcept { return random_; }
    // The counts of the heaviest checks at this strictness (ValidationCounts.h).
    const ValidationCounts& Counts() const noexcept { return counts_; }

    // Runs one check and records its result; returns whether it passed. Checks and
    // skips are numbered from 0 in the order they come; those below the ResumeAt
    // number are passed over (not run, not recorded, Run returns true).
    bool Run(const std::string& group, const std::string& name, const std::function<std::string()>& body);
    void Skip(const std::string& group, const std::string& name, const std::string& reason);
    // A result from elsewhere (a group run in a process of its own), recorded as it is.
    void Record(const CheckResult& result);
    const std::vector<CheckResult>& Results() const noexcept { return results_; }

    // A check of an earlier group, run in another process, that failed: CheckFailed
    // sees it as if it had failed here.
    void NoteEarlierFailure(const std::string& check) { earlierFailures_.push_back(check); }
    // Whether group/name failed here or in an earlier group's process.
    bool Failed(const std::string& group, const std::string& name) const;
    // Where a group run in a process of its own picks up after a check that ended it.
    void ResumeAt(int number) noexcept { resumeAt_ = number; }
    // Told before a check's body runs and after each result is recorded, with the
    // check's number; for a group's process to pass its progress on. [ui-thread]
    struct Observer {
        std::function<void(int number, const std::string& group, const std::string& name)> started;
        std::function<void(int number, const CheckResult& result)> recorded;
    };
    void SetObserver(Observer observer) { observer_ = std::move(observer); }
    // No check failed.
    bool Passed() const noexcept;
    // The group and name of the check running now; empty between checks. [any-thread]
    std::string CurrentCheck() const;

    // The module under test as the checks share it: loaded, started and registered at
    // the first call. Throws CheckFailure when it cannot be loaded; a registration
    // that failed is returned as it is (see Registered()).
    LoadedModule& Module();
    const Registration& ModuleRegistration();
    // The shared module registered with ACF_OK and described at least one effect.
    bool Registered();
    const PackageDescription& Package() { return ModuleRegistration().package; }
    // Lets go of the shared module (shutdown and unload as LoadedModule does), so that
    // a check can load it afresh; the next Module() loads it again.
    void ReleaseModule();

private:
    Options options_;
    ValidationCounts counts_;
    std::mt19937_64 random_;
    std::vector<CheckResult> results_;
    std::vector<std::string> earlierFailures_;
    int nextNumber_ = 0;
    int resumeAt_ = 0;
    Observer observer_;
    std::unique_ptr<LoadedModule> module_;
    std::unique_ptr<Registration> registration_;
    struct Current;
    std::unique_ptr<Current> current_;
};

}  // namespace aaxhost::validate
