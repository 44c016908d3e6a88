#pragma once
// Windows error codes as readable text for lmprime's messages. [any-thread]

#include <cstdint>
#include <string>

// "the system's message (error N)" in UTF-8; just "error N" when the system has no text.
std::string SystemErrorText(std::uint32_t code);
