#include "contract/CoreStaticInfo.h"

#include <cstring>

namespace {

// The text of a fixed field: up to the first NUL, or the whole field when the core
// wrote none. Never reads past the field.
template <std::size_t N>
Util::String FieldText(const char (&field)[N]) {
    const void* nul = std::memchr(field, '\0', N);
    const std::size_t length = nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - field) : N;
    return Util::String(field, length);
}

}  // namespace

Util::String CoreStaticInfo::NameStem() const { return FieldText(nameStem); }

Util::String CoreStaticInfo::EffectIdStem() const { return FieldText(effectIdStem); }

bool CoreStaticInfo::StemAvailable(std::uint32_t position) const noexcept {
    return position < kStemPositionCount && stemAvailable[position] != 0;
}

Util::String CoreStaticInfo::ManufacturerName() const {
    const Util::String text = FieldText(manufacturerName);
    const std::size_t lineFeed = text.Bytes().find('\n');
    return lineFeed == std::string::npos ? text : text.Substring(0, lineFeed);
}

std::vector<Util::String> CoreStaticInfo::NameList() const {
    const std::string text = FieldText(nameList).Bytes();
    std::vector<Util::String> names;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t lineFeed = text.find('\n', start);
        if (lineFeed == std::string::npos) {
            names.emplace_back(text.substr(start));
            break;
        }
        names.emplace_back(text.substr(start, lineFeed - start));
        start = lineFeed + 1;
    }
    return names;
}

std::uint32_t CoreStaticInfo::ExplicitId(std::uint32_t kind) const noexcept {
    return kind < kExplicitIdCount ? explicitIds[kind] : 0;
}

Util::String CoreStaticInfo::AnalysisLabel() const { return FieldText(analysisLabel); }
