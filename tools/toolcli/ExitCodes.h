#pragma once
// The exit codes of every tool (aaxhost and each of its commands, lmprime).

namespace toolcli {

constexpr int kExitSucceeded = 0;     // done; for aaxhost validate: every check passed
constexpr int kExitFailed = 1;        // the work failed; for aaxhost validate: a check failed
constexpr int kExitBadArguments = 2;  // the command line was not understood

}  // namespace toolcli
