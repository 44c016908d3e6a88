#include "aaxhost/validate/CheckText.h"

#include <cstdio>

#include "aax/AAX.h"

namespace aaxhost::validate {

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

std::string ResultText(std::int32_t result) {
    return std::string(AAX_ResultName(result)) + " (" + std::to_string(result) + ")";
}

std::string Quote(const std::string& text) { return "\"" + text + "\""; }

std::string JoinLimited(const std::vector<std::string>& items, std::size_t limit) {
    std::string text;
    for (std::size_t i = 0; i < items.size() && i < limit; ++i) text += (i ? "; " : "") + items[i];
    if (items.size() > limit) text += "; and " + std::to_string(items.size() - limit) + " more";
    return text;
}

}  // namespace aaxhost::validate
