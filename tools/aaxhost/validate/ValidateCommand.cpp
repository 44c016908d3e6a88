// aaxhost validate: placeholder until the validator lands.
#include <cstdio>

#include "aaxhost/cli/Commands.h"

namespace aaxhost::cli {

int RunValidate(const Arguments&) {
    std::fputs("aaxhost: \"validate\" is not available in this build\n", stderr);
    return kExitBadArguments;
}

}  // namespace aaxhost::cli
