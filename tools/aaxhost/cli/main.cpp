// aaxhost: a headless AAX host for plug-in teams. It loads a module the way a host
// does and scans, renders, runs AudioSuite passes, opens editors and validates.

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "aaxhost/cli/Commands.h"
#include "toolcli/CommandLine.h"
#include "toolcli/CommandRunner.h"
#include "util/WideText.h"

namespace {

using aaxhost::cli::Arguments;

constexpr const char* kUsage =
    "usage: aaxhost <command> <module> [options]\n"
    "\n"
    "commands:\n"
    "  scan <module> [--json]\n"
    "  render <module> --effect <ID> --in <wav> --out <wav> [--block N] [--rate HZ]\n"
    "         [--set ID=VALUE]... [--bypass] [--save-state FILE] [--load-state FILE]\n"
    "         [--midi FILE]\n"
    "  audiosuite <module> --in <wav> --out <wav> [--analyze] [--window N]\n"
    "  editor <module> --effect <ID> [--seconds S] [--screenshot FILE]\n"
    "  validate <module> [--strictness 1..10] [--json] [--seed N]\n"
    "  generate --out <wav> [--signal sweep|sine|noise|impulses] [--seconds S]\n"
    "\n"
    "Run \"aaxhost <command> --help\" for a command's options.\n";

struct Command {
    const char* name;
    int (*run)(const Arguments&);
};

constexpr Command kCommands[] = {
    {"scan", aaxhost::cli::RunScan},
    {"render", aaxhost::cli::RunRender},
    {"audiosuite", aaxhost::cli::RunAudioSuite},
    {"editor", aaxhost::cli::RunEditor},
    {"validate", aaxhost::cli::RunValidate},
    {"generate", aaxhost::cli::RunGenerate},
};

int Run(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return toolcli::kExitBadArguments;
    }
    const std::string name = Util::FromWide(argv[1]).Bytes();
    if (name == "--help" || name == "-h" || name == "help") {
        std::fputs(kUsage, stdout);
        return toolcli::kExitSucceeded;
    }
    Arguments arguments;
    for (int i = 2; i < argc; ++i) arguments.push_back(Util::FromWide(argv[i]).Bytes());
    for (const Command& command : kCommands)
        if (name == command.name) return command.run(arguments);
    throw toolcli::UsageError("unknown command \"" + name + "\"");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    return toolcli::RunCommand("aaxhost", "aaxhost", [&] { return Run(argc, argv); });
}
