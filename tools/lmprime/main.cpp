// lmprime: brands the generic hook module for one product (see "lmprime --help").

#include <windows.h>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "Bundle.h"
#include "FileOperations.h"
#include "ModuleReport.h"
#include "PrimeOptions.h"
#include "Priming.h"

namespace {

constexpr int kExitDone = 0;
constexpr int kExitFailed = 1;
constexpr int kExitBadArguments = 2;

// Texts are UTF-8 bytes, written unchanged.
void Write(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

int Fail(const std::string& error) {
    Write(stderr, "lmprime: " + error + "\n");
    return kExitFailed;
}

int Run(const std::vector<std::wstring>& arguments) {
    if (arguments.empty()) {
        Write(stderr, PrimeUsage());
        return kExitBadArguments;
    }
    PrimeCommand command;
    std::string error;
    if (!ParsePrimeArguments(arguments, command, error)) {
        Write(stderr, "lmprime: " + error + "\nRun \"lmprime --help\" for usage.\n");
        return kExitBadArguments;
    }
    switch (command.action) {
    case PrimeCommand::Action::Help:
        Write(stdout, PrimeUsage());
        return kExitDone;
    case PrimeCommand::Action::Show: {
        std::string report;
        if (!DescribeModule(command.inModule, report, error)) return Fail(error);
        Write(stdout, report);
        return kExitDone;
    }
    case PrimeCommand::Action::Prime:
        if (!PrimeModule(command.inModule, command.outModule, command.settings, error)) return Fail(error);
        Write(stdout, "Primed " + Utf8(command.outModule) + "\n");
        return kExitDone;
    case PrimeCommand::Action::Bundle: {
        std::wstring bundlePath;
        if (!BuildBundle(command.inModule, command.bundle, command.settings, bundlePath, error)) return Fail(error);
        Write(stdout, "Bundled " + Utf8(bundlePath) + "\n");
        return kExitDone;
    }
    }
    return kExitFailed;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    // A console shows the UTF-8 output as such; pipes and files get the bytes unchanged.
    SetConsoleOutputCP(CP_UTF8);
    try {
        return Run(std::vector<std::wstring>(argv + 1, argv + argc));
    } catch (const std::exception& e) {
        return Fail(std::string("unexpected failure: ") + e.what());
    }
}
