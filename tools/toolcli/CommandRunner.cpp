#include "toolcli/CommandRunner.h"

#include <cstdio>
#include <exception>

#include "toolcli/CommandLine.h"

namespace toolcli {

int RunCommand(const char* tool, const char* command, const std::function<int()>& body) noexcept {
    try {
        const int code = body();
        std::fflush(stdout);
        return code;
    } catch (const UsageError& error) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s: %s\nRun \"%s --help\" for usage.\n", tool, error.what(), command);
        return kExitBadArguments;
    } catch (const std::exception& error) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s: %s\n", tool, error.what());
        return kExitFailed;
    } catch (...) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s: unexpected failure\n", tool);
        return kExitFailed;
    }
}

}  // namespace toolcli
