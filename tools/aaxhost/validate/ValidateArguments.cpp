#include "aaxhost/validate/ValidateArguments.h"

#include <limits>

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

}  // namespace

bool ParseValidateArguments(const cli::Arguments& arguments, ValidateRequest& request, std::string& error) {
    request = ValidateRequest{};
    request.options.strictness = kDefaultStrictness;
    request.options.seed = kDefaultSeed;
    bool haveModule = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const auto value = [&](std::string& out) {
            if (i + 1 >= arguments.size()) {
                error = argument + " needs a value";
                return false;
            }
            out = arguments[++i];
            return true;
        };
        std::string text;
        std::uint64_t number = 0;
        if (argument == "--help" || argument == "-h") {
            request.help = true;
        } else if (argument == "--json") {
            request.options.json = true;
        } else if (argument == "--strictness") {
            if (!value(text)) return false;
            if (!ParseDecimal(text, 10, number) || number < 1) {
                error = "--strictness must be a whole number from 1 to 10, not \"" + text + "\"";
                return false;
            }
            request.options.strictness = static_cast<int>(number);
        } else if (argument == "--seed") {
            if (!value(text)) return false;
            if (!ParseDecimal(text, std::numeric_limits<std::uint64_t>::max(), number)) {
                error = "--seed must be a whole number from 0 to 18446744073709551615, not \"" + text + "\"";
                return false;
            }
            request.options.seed = number;
        } else if (argument == "--check-timeout") {
            if (!value(text)) return false;
            if (!ParseDecimal(text, 86400, number) || number < 1) {
                error = "--check-timeout must be a whole number of seconds from 1 to 86400, not \"" + text + "\"";
                return false;
            }
            request.checkTimeoutSeconds = static_cast<int>(number);
        } else if (argument.size() > 1 && argument[0] == '-') {
            error = "unknown option \"" + argument + "\"";
            return false;
        } else if (haveModule) {
            error = "one module only: \"" + argument + "\" follows \"" + Util::FromWide(request.options.modulePath.c_str()).Bytes() + "\"";
            return false;
        } else {
            request.options.modulePath = Util::ToWide(Util::String(argument)).CStr();
            haveModule = true;
        }
    }
    if (!haveModule && !request.help) {
        error = "no module given";
        return false;
    }
    return true;
}

}  // namespace aaxhost::validate
