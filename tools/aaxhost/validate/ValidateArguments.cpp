#include "aaxhost/validate/ValidateArguments.h"

#include <limits>
#include <string>
#include <vector>

#include "aaxhost/validate/GroupProcess.h"
#include "toolcli/CommandLine.h"
#include "util/WideText.h"

namespace aaxhost::validate {

const char* const kValidateUsage =
    "usage: aaxhost validate <module> [--strictness 1..10] [--json] [--seed N] [--check-timeout SECONDS]\n"
    "\n"
    "Runs the validation suite on <module> and reports each check as PASS, FAIL or SKIP.\n"
    "  --strictness 1..10   more iterations, sizes and rates when higher (default 5)\n"
    "  --json               the report as one JSON object\n"
    "  --seed N             the seed of every random choice (default 1); a report names it\n"
    "  --check-timeout S    a check running longer fails the run as timed out (default 120)\n"
    "Exit code: 0 when every check passed, 1 when one failed, 2 for a bad command line.\n";

ValidateRequest ParseValidateArguments(const cli::Arguments& arguments) {
    const toolcli::ParsedOptions options(arguments, {{"--strictness", toolcli::OptionRule::Kind::Value},
                                                     {"--json", toolcli::OptionRule::Kind::Flag},
                                                     {"--seed", toolcli::OptionRule::Kind::Value},
                                                     {"--check-timeout", toolcli::OptionRule::Kind::Value},
                                                     {kGroupOption, toolcli::OptionRule::Kind::Value},
                                                     {kProgressOption, toolcli::OptionRule::Kind::Value},
                                                     {kResumeOption, toolcli::OptionRule::Kind::Value},
                                                     {kEarlierFailuresOption, toolcli::OptionRule::Kind::Value}});
    ValidateRequest request;
    request.help = options.Has("--help");
    request.options.json = options.Has("--json");
    request.options.strictness = kDefaultStrictness;
    request.options.seed = kDefaultSeed;
    if (const auto text = options.Value("--strictness"))
        request.options.strictness = static_cast<int>(toolcli::ParseUnsigned(*text, 1, 10, "--strictness"));
    if (const auto text = options.Value("--seed"))
        request.options.seed = toolcli::ParseUnsigned(*text, 0, std::numeric_limits<std::uint64_t>::max(), "--seed");
    if (const auto text = options.Value("--check-timeout"))
        request.checkTimeoutSeconds = static_cast<int>(toolcli::ParseUnsigned(*text, 1, 86400, "--check-timeout"));
    if (const auto text = options.Value(kGroupOption)) request.group = *text;
    if (const auto text = options.Value(kProgressOption))
        request.progressPath = Util::ToWide(Util::String(*text)).CStr();
    if (const auto text = options.Value(kResumeOption))
        request.resumeAt = static_cast<int>(toolcli::ParseUnsigned(*text, 0, 1000000, kResumeOption));
    if (const auto text = options.Value(kEarlierFailuresOption)) {
        std::size_t start = 0;
        for (std::size_t comma = text->find(',');; comma = text->find(',', start)) {
            request.earlierFailures.push_back(text->substr(start, comma - start));
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
    }
    if (!request.group.empty() && request.progressPath.empty())
        throw toolcli::UsageError(std::string(kGroupOption) + " needs " + kProgressOption);
    const std::vector<std::string>& modules = options.Positional();
    if (modules.size() > 1)
        throw toolcli::UsageError("one module only: \"" + modules[1] + "\" follows \"" + modules[0] + "\"");
    if (modules.empty()) {
        if (!request.help) throw toolcli::UsageError("no module given");
    } else {
        request.options.modulePath = Util::ToWide(Util::String(modules[0])).CStr();
    }
    return request;
}

}  // namespace aaxhost::validate
