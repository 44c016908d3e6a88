// aaxhost editor: placeholder until the command lands.
#include <cstdio>

#include "aaxhost/cli/Commands.h"

namespace aaxhost::cli {

int RunEditor(const Arguments&) {
    std::fputs("aaxhost: \"editor\" is not available in this build\n", stderr);
    return kExitBadArguments;
}

}  // namespace aaxhost::cli
