// lmprime: brands the generic hook module for one product (see "lmprime --help").

#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "Bundle.h"
#include "FileOperations.h"
#include "ModuleReport.h"
#include "PrimeOptions.h"
#include "Priming.h"
#include "toolcli/CommandLine.h"
#include "toolcli/CommandRunner.h"

namespace {

// Texts are UTF-8 bytes, written unchanged.
void Write(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

void FailIf(bool failed, const std::string& error) {
    if (failed) throw std::runtime_error(error);
}

int Run(const std::vector<std::wstring>& arguments) {
    if (arguments.empty()) {
        Write(stderr, PrimeUsage());
        return toolcli::kExitBadArguments;
    }
    PrimeCommand command;
    std::string error;
    if (!ParsePrimeArguments(arguments, command, error)) throw toolcli::UsageError(error);
    switch (command.action) {
    case PrimeCommand::Action::Help: Write(stdout, PrimeUsage()); break;
    case PrimeCommand::Action::Show: {
        std::string report;
        FailIf(!DescribeModule(command.inModule, report, error), error);
        Write(stdout, report);
        break;
    }
    case PrimeCommand::Action::Prime:
        FailIf(!PrimeModule(command.inModule, command.outModule, command.settings, error), error);
        Write(stdout, "Primed " + Utf8(command.outModule) + "\n");
        break;
    case PrimeCommand::Action::Bundle: {
        std::wstring bundlePath;
        FailIf(!BuildBundle(command.inModule, command.bundle, command.settings, bundlePath, error), error);
        Write(stdout, "Bundled " + Utf8(bundlePath) + "\n");
        break;
    }
    }
    return toolcli::kExitSucceeded;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    // A console shows the UTF-8 output as such; pipes and files get the bytes unchanged.
    SetConsoleOutputCP(CP_UTF8);
    return toolcli::RunCommand("lmprime", "lmprime",
                               [&] { return Run(std::vector<std::wstring>(argv + 1, argv + argc)); });
}
