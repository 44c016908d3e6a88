// aaxhost render: placeholder until the command lands.
#include <cstdio>

#include "aaxhost/cli/Commands.h"

namespace aaxhost::cli {

int RunRender(const Arguments&) {
    std::fputs("aaxhost: \"render\" is not available in this build\n", stderr);
    return kExitBadArguments;
}

}  // namespace aaxhost::cli
