#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/StringPrinting.h"
#include "util/String.h"
#include "util/WideText.h"

using Util::String;

namespace {

std::vector<std::string> Pieces(const String& text, char separator) {
    std::vector<std::string> out;
    for (const String& piece : text.Split(separator)) out.push_back(piece.Bytes());
    return out;
}

TEST(Text, NullPointerGivesNullTextButEmptyLiteralDoesNot) {
    EXPECT_TRUE(String(static_cast<const char*>(nullptr)).IsNull());
    EXPECT_TRUE(String().IsNull());
    EXPECT_FALSE(String("").IsNull());
    EXPECT_STREQ(String().CStr(), "");
    EXPECT_EQ(String(), String(""));  // a null text reads as "" wherever bytes are compared
}

TEST(Text, SplitCountsEverySeparatorAndGivesNothingForEmptyText) {
    EXPECT_EQ(Pieces(String("a|b"), '|'), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(Pieces(String("a||b|"), '|'), (std::vector<std::string>{"a", "", "b", ""}));
    EXPECT_EQ(Pieces(String("|"), '|'), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(Pieces(String("abc"), '|'), (std::vector<std::string>{"abc"}));
    EXPECT_TRUE(String("").Split('|').empty());
    EXPECT_TRUE(String().Split('|').empty());
}

TEST(Text, TrimRemovesSpacesControlBytesAndNoBreakByte) {
    EXPECT_EQ(String(" \t\r\n\v\f\xA0x y\xA0 ").Trimmed(), String("x y"));
    EXPECT_EQ(String("\x08x").Trimmed(), String("\x08x"));            // byte 8 is not white space
    EXPECT_EQ(String("\xC2\xA0 x \xC2\xA0").Trimmed(), String("x"));  // U+00A0 in UTF-8
}

TEST(Text, TrimNeverCutsAMultibyteCharacterEndingInA0) {
    EXPECT_EQ(String(" voil\xC3\xA0 ").Trimmed(), String("voil\xC3\xA0"));  // à
    EXPECT_EQ(String("\xC3\xA0").Trimmed(), String("\xC3\xA0"));
    EXPECT_EQ(String("x\xE2\x80\xA0").Trimmed(), String("x\xE2\x80\xA0"));  // † ends in A0 too
    EXPECT_EQ(String("\xC3\xA0\xA0").Trimmed(), String("\xC3\xA0\xA0"));    // no lone byte after a character
}

TEST(Text, CaseInsensitiveComparisonLowersAsciiOnly) {
    EXPECT_TRUE(String::EqualsIgnoreCase(String("FixedChannelConfig"), String("fixedchannelconfig")));
    EXPECT_FALSE(String::EqualsIgnoreCase(String("abc"), String("abcd")));
    EXPECT_FALSE(String::EqualsIgnoreCase(String("\xC3\x84"), String("\xC3\xA4")));  // Ä vs ä stay distinct
    EXPECT_TRUE(String("VST3-Alpha").StartsWithIgnoreCase(String("vst3-")));
    EXPECT_FALSE(String("VS").StartsWithIgnoreCase(String("VST-")));
}

TEST(WideConversion, RoundTripsUtf8AndHandlesNullAndEmpty) {
    const String text(
        "Gr\xC3\xBC\xC3\x9F"
        "e \xE2\x82\xAC \xF0\x9F\x8E\xB5");  // Grüße € 🎵
    const Util::WideText wide = Util::ToWide(text);
    EXPECT_EQ(wide.Length(), 10u);  // the note is a surrogate pair
    EXPECT_EQ(wide.CStr()[2], 0x00FC);
    EXPECT_EQ(Util::FromWide(wide.CStr()), text);

    EXPECT_EQ(Util::ToWide(String()).CStr()[0], 0);
    EXPECT_EQ(Util::ToWide(String("")).Length(), 0u);
    EXPECT_TRUE(Util::FromWide(nullptr).IsNull());
    EXPECT_FALSE(Util::FromWide(L"").IsNull());
    EXPECT_EQ(Util::FromWide(L""), String(""));
}

}  // namespace
