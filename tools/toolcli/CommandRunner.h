#pragma once
// The frame of every tool's command: runs its body and turns what escapes into the exit
// codes of ExitCodes.h, with the message on stderr after "<tool>: ": UsageError (the
// command line was not understood) gives kExitBadArguments and a pointer to the
// command's --help; any other exception kExitFailed. stdout is flushed first, so that
// the message follows what the command reported. [ui-thread]

#include <functional>

#include "toolcli/ExitCodes.h"

namespace toolcli {

// `tool` prefixes every message ("aaxhost"); `command` is how the help is asked for
// ("aaxhost render", "lmprime").
int RunCommand(const char* tool, const char* command, const std::function<int()>& body) noexcept;

}  // namespace toolcli
