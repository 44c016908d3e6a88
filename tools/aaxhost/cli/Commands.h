#pragma once
// The aaxhost command line: one function per subcommand. Each receives the arguments
// after the subcommand's name as UTF-8 texts, writes its report to stdout and its
// errors to stderr, and returns the process exit code. [ui-thread]

#include <string>
#include <vector>

#include "toolcli/ExitCodes.h"  // every command's exit codes

namespace aaxhost::cli {

using Arguments = std::vector<std::string>;

int RunScan(const Arguments& arguments);        // aaxhost scan
int RunRender(const Arguments& arguments);      // aaxhost render
int RunAudioSuite(const Arguments& arguments);  // aaxhost audiosuite
int RunEditor(const Arguments& arguments);      // aaxhost editor
int RunValidate(const Arguments& arguments);    // aaxhost validate (validate/)
int RunGenerate(const Arguments& arguments);    // aaxhost generate (a test signal)

}  // namespace aaxhost::cli
