// aaxhost validate: runs the check groups over one module and prints the report; the
// exit code is the verdict (0 every check passed, 1 one failed, 2 bad command line).
#include <chrono>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "aaxhost/DialogWatcher.h"
#include "aaxhost/cli/Commands.h"
#include "aaxhost/validate/FatalErrorBoxes.h"
#include "aaxhost/validate/ValidateArguments.h"
#include "aaxhost/validate/Validation.h"
#include "aaxhost/validate/ValidationGroups.h"
#include "aaxhost/validate/ValidationGuard.h"
#include "aaxhost/validate/ValidationReport.h"
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

// Runs the groups in order. A module that cannot be loaded at all is reported by
// load/register; every later group is then skipped rather than fail for the same cause.
// A group that throws outside its checks is recorded as a failed "<group>/setup".
void RunGroups(validate::Validation& validation) {
    bool loadable = true;
    for (const Group& group : kGroups) {
        if (!loadable) {
            validation.Skip(group.name, "all", "the module could not be loaded");
            continue;
        }
        try {
            group.run(validation);
        } catch (const std::exception& error) {
            validation.Run(group.name, "setup", [&]() -> std::string { validate::Fail(error.what()); });
        }
        if (&group == &kGroups[0]) {
            try {
                validation.ModuleRegistration();
            } catch (const std::exception&) {
                loadable = false;
            }
        }
    }
}

// Runs every group over the module and prints the report; the exit code is the verdict.
int Validate(const validate::ValidateRequest& request) {
    // Boxes are answered for the whole run, so that none blocks a check.
    DialogWatcher dialogs;
    validate::SetFatalErrorWatcher(&dialogs);
    validate::Validation validation(request.options);
    bool passed = false;
    {
        const validate::Options options = validation.GetOptions();
        validate::ValidationGuard guard(
            validation,
            [options, &dialogs](const std::vector<CheckResult>& checks) {
                PrintReport(options, checks, dialogs.Texts());
            },
            std::chrono::seconds(request.checkTimeoutSeconds));
        RunGroups(validation);
        validation.ReleaseModule();
        passed = validation.Passed();
        PrintReport(options, validation.Results(), dialogs.Texts());
    }
    validate::SetFatalErrorWatcher(nullptr);
    dialogs.Stop();
    return passed ? toolcli::kExitSucceeded : toolcli::kExitFailed;
}

}  // namespace

int RunValidate(const Arguments& arguments) {
    return toolcli::RunCommand("aaxhost", "aaxhost validate", [&] {
        const validate::ValidateRequest request = validate::ParseValidateArguments(arguments);
        if (request.help) {
            std::fputs(validate::kValidateUsage, stdout);
            return toolcli::kExitSucceeded;
        }
        return Validate(request);
    });
}

}  // namespace aaxhost::cli
