#pragma once
// Windows error codes in the tools' messages: the number and the system's own text, so
// that "error 193" comes with what it means. [any-thread]

#include <cstdint>
#include <string>

namespace toolcli {

// "error N: <the system's text>" in UTF-8 ("error 193: %1 is not a valid Win32
// application."), inserts left as they stand and trailing spaces and line breaks
// trimmed; "error N" alone when the system has no text for N.
std::string SystemErrorText(std::uint32_t code);

}  // namespace toolcli
