#pragma once
// The command line of "aaxhost validate": <module> [--strictness 1..10] [--json]
// [--seed N] [--check-timeout SECONDS], parsed as every command's. Pure parsing, no
// Windows calls. [any-thread]

#include <cstdint>
#include <string>
#include <vector>

#include "aaxhost/cli/Commands.h"
#include "aaxhost/validate/Validation.h"

namespace aaxhost::validate {

// The seed when none is given; printed in every report so that a run can be repeated.
constexpr std::uint64_t kDefaultSeed = 1;
constexpr int kDefaultStrictness = 5;
// How long one check may run before the validator gives up on the module.
constexpr int kDefaultCheckTimeoutSeconds = 120;

struct ValidateRequest {
    Options options;  // modulePath, strictness, seed, json
    int checkTimeoutSeconds = kDefaultCheckTimeoutSeconds;
    bool help = false;  // --help: print the usage, nothing else
    // Set only in a group's own process (GroupProcess.h): the group to run, the file
    // for its progress, and the number of the check to resume at.
    std::string group;
    std::wstring progressPath;
    int resumeAt = 0;
    std::vector<std::string> earlierFailures;  // "group/name"
};

extern const char* const kValidateUsage;

// The request of `arguments`; toolcli::UsageError when they are not understood: no
// module or two, an unknown option, a missing value, a strictness outside 1..10, a seed
// that is not a decimal number below 2^64, a timeout outside 1..86400 seconds. The
// options of a group's own process are understood but not shown in the usage.
ValidateRequest ParseValidateArguments(const cli::Arguments& arguments);

}  // namespace aaxhost::validate
