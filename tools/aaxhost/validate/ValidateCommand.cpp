// aaxhost validate: runs each check group over one module in a process of its own and
// prints the merged report; the exit code is the verdict (0 every check passed, 1 one
// failed, 2 bad command line).
#include <atomic>
#include <chrono>
#include <cstdio>
#include <exception>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

#include "aaxhost/DialogWatcher.h"
#include "aaxhost/cli/Commands.h"
#include "aaxhost/validate/FatalErrorBoxes.h"
#include "aaxhost/validate/GroupProcess.h"
#include "aaxhost/validate/GroupProgress.h"
#include "aaxhost/validate/ValidateArguments.h"
#include "aaxhost/validate/Validation.h"
#include "aaxhost/validate/ValidationGroups.h"
#include "aaxhost/validate/ValidationGuard.h"
#include "aaxhost/validate/ValidationReport.h"
#include "toolcli/CommandLine.h"
#include "toolcli/CommandRunner.h"
#include "util/WideText.h"

namespace aaxhost::cli {

namespace {

using validate::CheckResult;
using validate::Report;

void PrintReport(const validate::Options& options, const std::vector<CheckResult>& checks,
                 const std::vector<std::string>& fatalErrors) {
    Report report;
    report.module = Util::FromWide(options.modulePath.c_str()).Bytes();
    report.strictness = options.strictness;
    report.seed = options.seed;
    report.counts = validate::NamedCounts(validate::CountsAt(options.strictness));
    report.checks = checks;
    report.fatalErrors = fatalErrors;
    const std::string text = options.json ? validate::FormatJsonReport(report) : validate::FormatTextReport(report);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

struct Group {
    const char* name;
    void (*run)(validate::Validation&);
};

constexpr Group kGroups[] = {
    {"load", validate::RunLoadChecks},
    {"instances", validate::RunInstanceChecks},
    {"parameters", validate::RunParameterChecks},
    {"processing", validate::RunProcessingChecks},
    {"state", validate::RunStateChecks},
    {"editor", validate::RunEditorChecks},
    {"audiosuite", validate::RunAudioSuiteChecks},
    {"threading", validate::RunThreadingChecks},
};

// A group's process gives no sign of life for longer than a check may run, and a
// margin for starting and loading: its watchdog should have ended it by then.
constexpr int kSilenceMarginSeconds = 30;

// Runs each group in a process of its own and merges their results in order. A module
// that cannot be loaded at all is reported by load/register; every later group is then
// skipped rather than fail for the same cause.
int Validate(const validate::ValidateRequest& request) {
    validate::Validation validation(request.options);
    std::vector<std::string> boxes;
    bool loadable = true;
    for (const Group& group : kGroups) {
        if (!loadable) {
            validation.Skip(group.name, "all", "the module could not be loaded");
            continue;
        }
        const validate::GroupOutcome outcome =
            validate::RunGroupInProcess(validation.GetOptions(), request.checkTimeoutSeconds, group.name,
                                        validation.Results(),
                                        std::chrono::seconds(request.checkTimeoutSeconds + kSilenceMarginSeconds));
        for (const CheckResult& result : outcome.results) validation.Record(result);
        boxes.insert(boxes.end(), outcome.boxes.begin(), outcome.boxes.end());
        if (outcome.unloadable) loadable = false;
    }
    PrintReport(validation.GetOptions(), validation.Results(), boxes);
    return validation.Passed() ? toolcli::kExitSucceeded : toolcli::kExitFailed;
}

// The progress file of a group's own process: each line written through at once, so
// that it survives the process.
class ProgressFile {
public:
    explicit ProgressFile(const std::wstring& path) : file_(_wfopen(path.c_str(), L"wb")) {
        if (!file_) throw std::runtime_error("cannot write the progress file " + Util::FromWide(path.c_str()).Bytes());
    }
    ~ProgressFile() { std::fclose(file_); }
    ProgressFile(const ProgressFile&) = delete;
    ProgressFile& operator=(const ProgressFile&) = delete;
    void Write(const std::string& line) {
        std::lock_guard<std::mutex> lock(mutex_);
        std::fwrite(line.data(), 1, line.size(), file_);
        std::fflush(file_);
    }

private:
    std::FILE* file_;
    std::mutex mutex_;
};

// One group in this process, for the validator that started it: its progress goes to
// the file, a crash or a hung check is written there as the running check's failure.
int RunGroupHere(const validate::ValidateRequest& request) {
    const Group* group = nullptr;
    for (const Group& candidate : kGroups)
        if (request.group == candidate.name) group = &candidate;
    if (group == nullptr) throw toolcli::UsageError("no check group \"" + request.group + "\"");
    ProgressFile progress(request.progressPath);
    // Boxes are answered for the whole run, so that none blocks a check.
    DialogWatcher dialogs;
    validate::SetFatalErrorWatcher(&dialogs);
    validate::Validation validation(request.options);
    validation.ResumeAt(request.resumeAt);
    for (const std::string& check : request.earlierFailures) validation.NoteEarlierFailure(check);
    std::atomic<int> running{-1};
    validate::Validation::Observer observer;
    observer.started = [&](int number, const std::string& groupName, const std::string& name) {
        running.store(number);
        progress.Write(validate::StartedLine(number, groupName, name));
    };
    observer.recorded = [&](int number, const CheckResult& result) {
        progress.Write(validate::RecordedLine(number, result));
    };
    validation.SetObserver(observer);
    const auto writeBoxes = [&] {
        for (const std::string& text : dialogs.Texts()) progress.Write(validate::BoxLine(text));
    };
    {
        validate::ValidationGuard guard(
            validation,
            [&](const std::vector<CheckResult>& checks) {
                if (!checks.empty()) progress.Write(validate::RecordedLine(running.load(), checks.back()));
                writeBoxes();
            },
            std::chrono::seconds(request.checkTimeoutSeconds));
        try {
            group->run(validation);
        } catch (const std::exception& error) {
            validation.Run(group->name, "setup", [&]() -> std::string { validate::Fail(error.what()); });
        }
        if (group == &kGroups[0]) {
            try {
                validation.ModuleRegistration();
            } catch (const std::exception&) {
                progress.Write(validate::UnloadableLine());
            }
        }
        validation.ReleaseModule();
    }
    validate::SetFatalErrorWatcher(nullptr);
    dialogs.Stop();
    writeBoxes();
    progress.Write(validate::FinishedLine());
    return toolcli::kExitSucceeded;
}

}  // namespace

int RunValidate(const Arguments& arguments) {
    return toolcli::RunCommand("aaxhost", "aaxhost validate", [&] {
        const validate::ValidateRequest request = validate::ParseValidateArguments(arguments);
        if (request.help) {
            std::fputs(validate::kValidateUsage, stdout);
            return toolcli::kExitSucceeded;
        }
        return request.group.empty() ? Validate(request) : RunGroupHere(request);
    });
}

}  // namespace aaxhost::cli
