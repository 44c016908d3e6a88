// aaxhost scan: placeholder until the command lands.
#include <cstdio>

#include "aaxhost/cli/Commands.h"

namespace aaxhost::cli {

int RunScan(const Arguments&) {
    std::fputs("aaxhost: \"scan\" is not available in this build\n", stderr);
    return kExitBadArguments;
}

}  // namespace aaxhost::cli
