#include "aaxhost/cli/CommandRunner.h"

#include <cstdio>
#include <exception>

#include "aaxhost/cli/CommandLine.h"
#include "aaxhost/cli/Commands.h"

namespace aaxhost::cli {

int RunCommand(const char* commandName, const std::function<int()>& body) {
    try {
        const int code = body();
        std::fflush(stdout);
        return code;
    } catch (const UsageError& error) {
        std::fflush(stdout);
        std::fprintf(stderr, "aaxhost: %s\n(see \"aaxhost %s --help\")\n", error.what(), commandName);
        return kExitBadArguments;
    } catch (const std::exception& error) {
        std::fflush(stdout);
        std::fprintf(stderr, "aaxhost: %s\n", error.what());
        return kExitFailed;
    }
}

}  // namespace aaxhost::cli
