#pragma once
// Small texts the checks put into their reasons: hexadecimal codes, result names,
// quoted identifiers. Pure. [any-thread]

#include <cstdint>
#include <string>
#include <vector>

namespace aaxhost::validate {

// "0x0000007F"
std::string Hex(std::uint32_t value);
// "AAX_ERROR_MALFORMED_CHUNK (-20026)", or the number with the ACF name where one fits.
std::string ResultText(std::int32_t result);
// "\"text\""
std::string Quote(const std::string& text);
// Items joined with "; ", at most `limit` of them, then "and N more".
std::string JoinLimited(const std::vector<std::string>& items, std::size_t limit = 8);

}  // namespace aaxhost::validate
