#pragma once
// RunGroupInProcess: runs one check group in a process of its own, so that a module
// that calls abort(), crashes or hangs takes down that process and not the report.
// The process is this program again ("aaxhost validate ... --internal-group <group>"),
// which writes its progress to a file (GroupProgress.h). When it ends before the group
// finished, the check it was running is failed with how the process ended, and a new
// process resumes the group after that check; a process that shows no progress for
// longer than `silenceLimit` is ended and its running check failed as timed out.
// [ui-thread]

#include <chrono>
#include <string>
#include <vector>

#include "aaxhost/validate/Validation.h"

namespace aaxhost::validate {

// The hidden options of a group's process.
constexpr const char* kGroupOption = "--internal-group";
constexpr const char* kProgressOption = "--internal-progress";
constexpr const char* kResumeOption = "--internal-resume";
// The checks of earlier groups that failed, "group/name" each, separated by commas.
constexpr const char* kEarlierFailuresOption = "--internal-failed";

struct GroupOutcome {
    std::vector<CheckResult> results;
    std::vector<std::string> boxes;  // texts of the Fatal Error boxes its processes saw
    bool unloadable = false;         // the module could not be loaded at all
};

GroupOutcome RunGroupInProcess(const Options& options, int checkTimeoutSeconds, const std::string& group,
                               const std::vector<CheckResult>& earlier, std::chrono::seconds silenceLimit);

}  // namespace aaxhost::validate
