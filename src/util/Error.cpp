#include "util/Error.h"

#include <utility>

#include "util/FormatArg.h"

namespace Util {

BasicErrorBase::BasicErrorBase(String category, std::uint32_t code, String messageTemplate,
                               std::vector<String> arguments)
    : category_(std::move(category)),
      code_(code),
      messageTemplate_(std::move(messageTemplate)),
      arguments_(std::move(arguments)) {}

ErrorArguments BasicErrorBase::Arguments() const {
    if (arguments_.empty()) return {};
    return {arguments_.data(), arguments_.size()};
}

String BasicErrorBase::Message() const {
    String message = messageTemplate_;
    for (const String& argument : arguments_) message = FormatArg(message, argument);
    return message;
}

}  // namespace Util
