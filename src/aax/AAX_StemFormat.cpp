#include "aax/AAX_StemFormat.h"

namespace {

struct NamedStemFormat {
    AAX_EStemFormat format;
    const char* name;
    const char* publishedName;
};

#define LM_STEM(id, name) \
    { AAX_eStemFormat_##id, name, "AAX_eStemFormat_" #id }
constexpr NamedStemFormat kNames[] = {
    LM_STEM(Mono, "Mono"),       LM_STEM(Stereo, "Stereo"),     LM_STEM(LCR, "LCR"),
    LM_STEM(LCRS, "LCRS"),       LM_STEM(Quad, "Quad"),         LM_STEM(5_0, "5.0"),
    LM_STEM(5_1, "5.1"),         LM_STEM(7_0_SDDS, "7.0 SDDS"), LM_STEM(7_1_SDDS, "7.1 SDDS"),
    LM_STEM(7_0_DTS, "7.0 DTS"), LM_STEM(7_1_DTS, "7.1 DTS"),   LM_STEM(7_1_2, "7.1.2"),
    LM_STEM(7_0_2, "7.0.2"),     LM_STEM(Any, "None"),
};
#undef LM_STEM

const NamedStemFormat* Find(AAX_EStemFormat format) noexcept {
    for (const NamedStemFormat& entry : kNames)
        if (entry.format == format) return &entry;
    return nullptr;
}

}  // namespace

const char* StemFormatName(AAX_EStemFormat format) noexcept {
    const NamedStemFormat* entry = Find(format);
    return entry != nullptr ? entry->name : "unknown stem format";
}

const char* AAX_StemFormatName(AAX_EStemFormat format) noexcept {
    const NamedStemFormat* entry = Find(format);
    return entry != nullptr ? entry->publishedName : "unknown stem format";
}

AAX_EStemFormat StemFormatForChannelCount(std::int32_t channels) noexcept {
    static constexpr AAX_EStemFormat kByCount[] = {
        AAX_eStemFormat_Mono,  AAX_eStemFormat_Stereo, AAX_eStemFormat_LCR,     AAX_eStemFormat_Quad,
        AAX_eStemFormat_5_0,   AAX_eStemFormat_5_1,    AAX_eStemFormat_7_0_DTS, AAX_eStemFormat_7_1_DTS,
        AAX_eStemFormat_7_0_2, AAX_eStemFormat_7_1_2,
    };
    constexpr std::int32_t kCount = static_cast<std::int32_t>(sizeof kByCount / sizeof kByCount[0]);
    return channels >= 1 && channels <= kCount ? kByCount[channels - 1] : AAX_eStemFormat_Any;
}
