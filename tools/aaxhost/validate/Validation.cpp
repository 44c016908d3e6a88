#include "aaxhost/validate/Validation.h"

#include <chrono>
#include <exception>
#include <mutex>
#include <utility>

#include "util/WideText.h"

namespace aaxhost::validate {

const char* OutcomeName(Outcome outcome) noexcept {
    switch (outcome) {
    case Outcome::Passed: return "pass";
    case Outcome::Failed: return "fail";
    case Outcome::Skipped: return "skip";
    }
    return "fail";
}

void Fail(const std::string& reason) { throw CheckFailure(reason); }

std::unique_ptr<LoadedModule> LoadModuleOrFail(const std::wstring& path, const std::string& context) {
    try {
        return std::make_unique<LoadedModule>(path);
    } catch (const ModuleLoadError& error) {
        Fail(context + error.what());
    }
}

// The check running now, readable from a watchdog or crash handler thread.
struct Validation::Current {
    mutable std::mutex mutex;
    std::string check;
};

Validation::Validation(Options options)
    : options_(std::move(options)), random_(options_.seed), current_(std::make_unique<Current>()) {
    if (options_.strictness < 1) options_.strictness = 1;
    if (options_.strictness > 10) options_.strictness = 10;
    counts_ = CountsAt(options_.strictness);
}

Validation::~Validation() = default;

int Validation::Scaled(int atLowest, int atHighest) const noexcept {
    const long long span = static_cast<long long>(atHighest) - atLowest;
    const long long value = atLowest + span * (options_.strictness - 1) / 9;
    return value < 1 ? 1 : static_cast<int>(value);
}

bool Validation::Run(const std::string& group, const std::string& name, const std::function<std::string()>& body) {
    const int number = nextNumber_++;
    if (number < resumeAt_) return true;
    if (observer_.started) observer_.started(number, group, name);
    {
        std::lock_guard<std::mutex> lock(current_->mutex);
        current_->check = group + "/" + name;
    }
    CheckResult result;
    result.group = group;
    result.name = name;
    const auto start = std::chrono::steady_clock::now();
    try {
        result.detail = body();
        result.outcome = Outcome::Passed;
    } catch (const CheckFailure& failure) {
        result.outcome = Outcome::Failed;
        result.detail = failure.what();
    } catch (const std::exception& error) {
        result.outcome = Outcome::Failed;
        result.detail = std::string("unexpected error: ") + error.what();
    } catch (...) {
        result.outcome = Outcome::Failed;
        result.detail = "unexpected error";
    }
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    results_.push_back(result);
    if (observer_.recorded) observer_.recorded(number, result);
    {
        std::lock_guard<std::mutex> lock(current_->mutex);
        current_->check.clear();
    }
    return result.outcome != Outcome::Failed;
}

void Validation::Skip(const std::string& group, const std::string& name, const std::string& reason) {
    const int number = nextNumber_++;
    if (number < resumeAt_) return;
    CheckResult result;
    result.group = group;
    result.name = name;
    result.outcome = Outcome::Skipped;
    result.detail = reason;
    results_.push_back(result);
    if (observer_.recorded) observer_.recorded(number, result);
}

void Validation::Record(const CheckResult& result) { results_.push_back(result); }

bool Validation::Failed(const std::string& group, const std::string& name) const {
    for (const std::string& check : earlierFailures_)
        if (check == group + "/" + name) return true;
    for (const CheckResult& result : results_)
        if (result.group == group && result.name == name && result.outcome == Outcome::Failed) return true;
    return false;
}

bool Validation::Passed() const noexcept {
    for (const CheckResult& result : results_)
        if (result.outcome == Outcome::Failed) return false;
    return true;
}

std::string Validation::CurrentCheck() const {
    std::lock_guard<std::mutex> lock(current_->mutex);
    return current_->check;
}

LoadedModule& Validation::Module() {
    if (!module_) {
        module_ = LoadModuleOrFail(options_.modulePath);
        module_->Startup();
        registration_ = std::make_unique<Registration>(module_->RegisterPlugin());
    }
    return *module_;
}

const Registration& Validation::ModuleRegistration() {
    Module();
    return *registration_;
}

bool Validation::Registered() {
    const Registration& registration = ModuleRegistration();
    return registration.result == ACF_OK && !registration.package.effects.empty();
}

void Validation::ReleaseModule() {
    registration_.reset();
    module_.reset();
}

}  // namespace aaxhost::validate
