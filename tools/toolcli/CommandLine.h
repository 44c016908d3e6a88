#pragma once
// The options of one command line, as UTF-8 texts: "--name VALUE" or "--name=VALUE" for
// options that take a value, "--name" for flags, anything else positional; after "--"
// every argument is positional. "--help" (or "-h") is always known. Unknown options, a
// missing value, a value given to a flag and a single-valued option given twice are
// refused with UsageError, which RunCommand turns into kExitBadArguments.
// Pure. [any-thread]

#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace toolcli {

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct OptionRule {
    enum class Kind { Flag, Value, Repeated };
    const char* name;  // with the leading "--"
    Kind kind;
};

class ParsedOptions {
public:
    ParsedOptions(const std::vector<std::string>& arguments, const std::vector<OptionRule>& rules);

    const std::vector<std::string>& Positional() const noexcept { return positional_; }
    bool Has(const std::string& name) const { return values_.count(name) != 0; }
    // How many different options were given, "--help" included.
    std::size_t OptionCount() const noexcept { return values_.size(); }
    std::optional<std::string> Value(const std::string& name) const;
    // Every value of a repeated option, in order.
    std::vector<std::string> Values(const std::string& name) const;
    // The value of a required option; UsageError naming it when absent.
    std::string Required(const std::string& name) const;

private:
    std::vector<std::string> positional_;
    std::map<std::string, std::vector<std::string>> values_;
};

// A whole decimal number within [minimum, maximum]; UsageError naming `what` otherwise.
std::int64_t ParseInteger(const std::string& text, std::int64_t minimum, std::int64_t maximum, const std::string& what);
// Decimal digits only (no sign, no space) giving a number within [minimum, maximum]; the
// whole unsigned 64-bit range is open to it. UsageError naming `what` otherwise.
std::uint64_t ParseUnsigned(const std::string& text, std::uint64_t minimum, std::uint64_t maximum,
                            const std::string& what);
// A finite decimal number within [minimum, maximum]; UsageError naming `what` otherwise.
double ParseNumber(const std::string& text, double minimum, double maximum, const std::string& what);

}  // namespace toolcli
