#include "aax/AAX_StemFormat.h"

namespace {

struct NamedStemFormat {
    AAX_EStemFormat format;
    const char* name;
};

constexpr NamedStemFormat kNames[] = {
    {AAX_eStemFormat_Mono, "Mono"},         {AAX_eStemFormat_Stereo, "Stereo"},
    {AAX_eStemFormat_LCR, "LCR"},           {AAX_eStemFormat_LCRS, "LCRS"},
    {AAX_eStemFormat_Quad, "Quad"},         {AAX_eStemFormat_5_0, "5.0"},
    {AAX_eStemFormat_5_1, "5.1"},           {AAX_eStemFormat_7_0_SDDS, "7.0 SDDS"},
    {AAX_eStemFormat_7_1_SDDS, "7.1 SDDS"}, {AAX_eStemFormat_7_0_DTS, "7.0 DTS"},
    {AAX_eStemFormat_7_1_DTS, "7.1 DTS"},   {AAX_eStemFormat_7_1_2, "7.1.2"},
    {AAX_eStemFormat_7_0_2, "7.0.2"},       {AAX_eStemFormat_None, "None"},
};

}  // namespace

const char* StemFormatName(AAX_EStemFormat format) noexcept {
    for (const NamedStemFormat& entry : kNames)
        if (entry.format == format) return entry.name;
    return "unknown stem format";
}

AAX_EStemFormat StemFormatForChannelCount(std::int32_t channels) noexcept {
    static constexpr AAX_EStemFormat kByCount[] = {
        AAX_eStemFormat_Mono, AAX_eStemFormat_Stereo,   AAX_eStemFormat_LCR,     AAX_eStemFormat_Quad,
        AAX_eStemFormat_5_0,  AAX_eStemFormat_5_1,      AAX_eStemFormat_7_0_DTS, AAX_eStemFormat_7_1_DTS,
        AAX_eStemFormat_7_0_2, AAX_eStemFormat_7_1_2,
    };
    constexpr std::int32_t kCount = static_cast<std::int32_t>(sizeof kByCount / sizeof kByCount[0]);
    return channels >= 1 && channels <= kCount ? kByCount[channels - 1] : AAX_eStemFormat_None;
}
