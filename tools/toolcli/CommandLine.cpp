#include "toolcli/CommandLine.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace toolcli {

ParsedOptions::ParsedOptions(const std::vector<std::string>& arguments, const std::vector<OptionRule>& rules) {
    bool onlyPositional = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (onlyPositional || argument.size() < 2 || argument[0] != '-') {
            positional_.push_back(argument);
            continue;
        }
        if (argument == "--") {
            onlyPositional = true;
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        if (name == "--help" || name == "-h") {
            values_["--help"];
            continue;
        }
        const OptionRule* settings = nullptr;
        for (const OptionRule& candidate : rules)
            if (name == candidate.name) settings = &candidate;
        if (settings == nullptr) throw UsageError("unknown option " + name);
        std::vector<std::string>& values = values_[name];
        if (settings->kind == OptionRule::Kind::Flag) {
            if (equals != std::string::npos) throw UsageError(name + " takes no value");
            continue;
        }
        std::string value;
        if (equals != std::string::npos) {
            value = argument.substr(equals + 1);
        } else {
            if (i + 1 >= arguments.size()) throw UsageError(name + " needs a value");
            value = arguments[++i];
        }
        if (settings->kind == OptionRule::Kind::Value && !values.empty()) throw UsageError(name + " is given twice");
        values.push_back(value);
    }
}

std::optional<std::string> ParsedOptions::Value(const std::string& name) const {
    const auto found = values_.find(name);
    if (found == values_.end() || found->second.empty()) return std::nullopt;
    return found->second.front();
}

std::vector<std::string> ParsedOptions::Values(const std::string& name) const {
    const auto found = values_.find(name);
    return found == values_.end() ? std::vector<std::string>{} : found->second;
}

std::string ParsedOptions::Required(const std::string& name) const {
    const std::optional<std::string> value = Value(name);
    if (!value) throw UsageError(name + " is required");
    return *value;
}

std::int64_t ParseInteger(const std::string& text, std::int64_t minimum, std::int64_t maximum,
                          const std::string& what) {
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || end != text.c_str() + text.size() || errno == ERANGE)
        throw UsageError(what + " must be a whole number, not \"" + text + "\"");
    if (value < minimum || value > maximum)
        throw UsageError(what + " must be between " + std::to_string(minimum) + " and " + std::to_string(maximum) +
                         ", not " + text);
    return value;
}

std::uint64_t ParseUnsigned(const std::string& text, std::uint64_t minimum, std::uint64_t maximum,
                            const std::string& what) {
    const auto refuse = [&] {
        return UsageError(what + " must be between " + std::to_string(minimum) + " and " + std::to_string(maximum) +
                          ", not " + text);
    };
    if (text.empty()) throw UsageError(what + " must be a whole number, not \"\"");
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') throw UsageError(what + " must be a whole number, not \"" + text + "\"");
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (value > (maximum - digit) / 10) throw refuse();
        value = value * 10 + digit;
    }
    if (value < minimum) throw refuse();
    return value;
}

namespace {
std::string Short(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}
}  // namespace

double ParseNumber(const std::string& text, double minimum, double maximum, const std::string& what) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size() || !std::isfinite(value))
        throw UsageError(what + " must be a number, not \"" + text + "\"");
    if (value < minimum || value > maximum)
        throw UsageError(what + " must be between " + Short(minimum) + " and " + Short(maximum) + ", not " + text);
    return value;
}

}  // namespace toolcli
