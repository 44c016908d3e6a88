#pragma once
// lmprime's command line: the arguments (after the program name, as UTF-16) parsed
// into one command, or an error text naming the problem. Touches no file. [any-thread]
//
//   lmprime IN OUT (--core TEXT | --unprimed) [--config TEXT] [--short-name NAME]
//   lmprime IN --bundle DIR --name NAME (--core TEXT | --unprimed) [--core-file FILE]
//           [--config TEXT] [--short-name NAME]
//   lmprime --show MODULE
//   lmprime --help
//
// Options and positional arguments mix in any order and are parsed as every tool's
// command line (toolcli/CommandLine.h): "--name VALUE" or "--name=VALUE", "-h" for
// "--help", "--" makes every later argument positional. Arguments that are not valid
// Unicode text are refused.

#include <string>
#include <vector>

#include "Bundle.h"
#include "Priming.h"

struct PrimeCommand {
    enum class Action { Help, Show, Prime, Bundle };

    Action action = Action::Help;
    std::wstring inModule;   // Show: the module shown; Prime, Bundle: the generic module
    std::wstring outModule;  // Prime
    PrimeSettings settings;  // Prime, Bundle: texts converted to UTF-8 and checked
    BundleSettings bundle;   // Bundle
};

bool ParsePrimeArguments(const std::vector<std::wstring>& arguments, PrimeCommand& command, std::string& error);

// The text of "lmprime --help".
const char* PrimeUsage();
