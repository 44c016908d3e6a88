#pragma once
// Error values: a category, a code, a message template with placeholders and its
// arguments. Errors are copied whole and read for their message; the module never
// throws them across the core boundary. Values; one owner at a time.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "util/String.h"

namespace Util {

// A view of an error's arguments; `first` is null when there are none.
struct ErrorArguments {
    const String* first = nullptr;
    std::size_t count = 0;
};

class Error {
public:
    virtual ~Error() = default;
    virtual String Category() const = 0;
    virtual std::uint32_t Code() const = 0;
    virtual String MessageTemplate() const = 0;
    virtual ErrorArguments Arguments() const = 0;
    // The template with the arguments filled in, one FormatArg call per argument.
    virtual String Message() const = 0;
};

class BasicErrorBase : public Error {
public:
    BasicErrorBase(String category, std::uint32_t code, String messageTemplate, std::vector<String> arguments = {});

    String Category() const override { return category_; }
    std::uint32_t Code() const override { return code_; }
    String MessageTemplate() const override { return messageTemplate_; }
    ErrorArguments Arguments() const override;
    String Message() const override;

private:
    String category_;
    std::uint32_t code_;
    String messageTemplate_;
    std::vector<String> arguments_;
};

// Adds nothing but the type: each concrete error T derives from BasicError<T>.
template <typename T>
class BasicError : public BasicErrorBase {
public:
    using BasicErrorBase::BasicErrorBase;
};

}  // namespace Util
