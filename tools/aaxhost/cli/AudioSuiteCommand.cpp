// aaxhost audiosuite: placeholder until the command lands.
#include <cstdio>

#include "aaxhost/cli/Commands.h"

namespace aaxhost::cli {

int RunAudioSuite(const Arguments&) {
    std::fputs("aaxhost: \"audiosuite\" is not available in this build\n", stderr);
    return kExitBadArguments;
}

}  // namespace aaxhost::cli
