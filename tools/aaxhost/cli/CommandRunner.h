#pragma once
// The frame of every aaxhost command: runs its body and turns what escapes into the
// exit codes of Commands.h, with the message on stderr after "aaxhost: ": UsageError
// (the command line was not understood, an unknown effect or parameter) gives
// kExitBadArguments and a pointer to --help; any other exception kExitFailed.
// [ui-thread]

#include <functional>

namespace aaxhost::cli {

int RunCommand(const char* commandName, const std::function<int()>& body);

}  // namespace aaxhost::cli
