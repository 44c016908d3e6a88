#include "aaxhost/validate/ValidateArguments.h"

#include <limits>
#include <string>
#include <vector>

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

namespace {

// A decimal number without sign, below or equal to `maximum`.
bool ParseDecimal(const std::string& text, std::uint64_t maximum, std::uint64_t& value) {
    if (text.empty() || text.size() > 20) return false;
    std::uint64_t result = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        const std::uint64_t digit = static_cast<std::uint64_t>(c - '0');
        if (result > (maximum - digit) / 10) return false;
        result = result * 10 + digit;
    }
    value = result;
    return true;
}

// A whole decimal number from `minimum` to `maximum`; UsageError naming the option.
std::uint64_t DecimalOption(const toolcli::ParsedOptions& options, const char* name, std::uint64_t minimum,
                            std::uint64_t maximum, const char* unit) {
    const std::string text = *options.Value(name);
    std::uint64_t number = 0;
    if (!ParseDecimal(text, maximum, number) || number < minimum)
        throw toolcli::UsageError(std::string(name) + " must be a whole number" + unit + " from " +
                                  std::to_string(minimum) + " to " + std::to_string(maximum) + ", not \"" + text + "\"");
    return number;
}

}  // namespace

ValidateRequest ParseValidateArguments(const cli::Arguments& arguments) {
    const toolcli::ParsedOptions options(arguments, {{"--strictness", toolcli::OptionRule::Kind::Value},
                                                     {"--json", toolcli::OptionRule::Kind::Flag},
                                                     {"--seed", toolcli::OptionRule::Kind::Value},
                                                     {"--check-timeout", toolcli::OptionRule::Kind::Value}});
    ValidateRequest request;
    request.help = options.Has("--help");
    request.options.json = options.Has("--json");
    request.options.strictness = kDefaultStrictness;
    request.options.seed = kDefaultSeed;
    if (options.Has("--strictness"))
        request.options.strictness = static_cast<int>(DecimalOption(options, "--strictness", 1, 10, ""));
    if (options.Has("--seed"))
        request.options.seed = DecimalOption(options, "--seed", 0, std::numeric_limits<std::uint64_t>::max(), "");
    if (options.Has("--check-timeout"))
        request.checkTimeoutSeconds = static_cast<int>(DecimalOption(options, "--check-timeout", 1, 86400, " of seconds"));
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
