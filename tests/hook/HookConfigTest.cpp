#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "hook/HookConfig.h"
#include "support/FatalErrorCapture.h"
#include "support/StringPrinting.h"

namespace {

std::vector<std::string> Names(const HookConfig& config) {
    std::vector<std::string> names;
    for (const Util::String& name : config.mediaNames) names.push_back(name.Bytes());
    return names;
}

struct ParseCase {
    const char* name;
    const char* text;
    PluginFormat format;
    ChannelConfig initialChannels;
    ChannelConfig channels;
    bool fixed;
    std::vector<std::string> media;
    std::vector<std::string> messages;
};

class HookConfigParser : public ::testing::TestWithParam<ParseCase> {};

TEST_P(HookConfigParser, SetsRecordAndReportsExactMessages) {
    const ParseCase& c = GetParam();
    FatalErrorCapture errors;
    HookConfig config;
    config.pluginFormat = c.format;
    config.channelConfig = c.initialChannels;

    ParseHookConfig(Util::String(c.text), config);

    EXPECT_EQ(config.channelConfig, c.channels);
    EXPECT_EQ(config.hasFixedChannelConfig, c.fixed);
    EXPECT_EQ(Names(config), c.media);
    EXPECT_EQ(errors.Messages(), c.messages);
}

const char* const kNoFixed = "Hook config string should contain fixed channel config";

INSTANTIATE_TEST_SUITE_P(
    Strings, HookConfigParser,
    ::testing::Values(
        ParseCase{"EmptyWithoutChannelsFallsBackToStereo", "", 6, kChannelConfigNone, 1, false, {}, {kNoFixed}},
        ParseCase{"EmptyWithConstructorChannelsIsSilent", "", 6, 8, 8, false, {}, {}},
        ParseCase{"ThreeEntries",
                  "FixedChannelConfig:stereo|Media:VST-One,AU-One|CoreConfig:abc",
                  2,
                  37,
                  1,
                  true,
                  {"One"},
                  {}},
        ParseCase{"OtherCaseAndBlanks", " fixedchannelconfig : MONO ", 6, 37, 0, true, {}, {}},
        ParseCase{"TrailingBarIsAnEmptyEntry",
                  "FixedChannelConfig:mono|",
                  6,
                  37,
                  0,
                  true,
                  {},
                  {"Invalid hook config string "}},
        ParseCase{"DoubleBarStopsBeforeLaterEntries",
                  "Media:VST-A||FixedChannelConfig:mono",
                  2,
                  37,
                  37,
                  false,
                  {"A"},
                  {"Invalid hook config string "}},
        ParseCase{"TwoColonsIsAnError",
                  "CoreConfig:a:b|FixedChannelConfig:mono",
                  6,
                  37,
                  37,
                  false,
                  {},
                  {"Invalid hook config string CoreConfig:a:b"}},
        ParseCase{"BadChannelValueKeepsPrevious",
                  "FixedChannelConfig:mono|FixedChannelConfig:quad",
                  6,
                  37,
                  0,
                  true,
                  {},
                  {"Invalid hook config fixed channel config quad"}},
        ParseCase{"LaterChannelEntryWins", "FixedChannelConfig:mono|FixedChannelConfig:Stereo", 6, 37, 1, true, {}, {}},
        ParseCase{"UnknownKeyStops",
                  "Colour: blue |FixedChannelConfig:mono",
                  6,
                  37,
                  37,
                  false,
                  {},
                  {"Invalid hook config string Colour"}},
        ParseCase{"MediaOfOwnFormatOnly",
                  "Media:VST3-Alpha,VST-Beta,AU-Gamma|FixedChannelConfig:mono",
                  11,
                  37,
                  0,
                  true,
                  {"Alpha"},
                  {}},
        ParseCase{"MediaPrefixesAnyCaseNamesUntrimmed",
                  "Media:dx-One, DX-Two,Dx-Three|FixedChannelConfig:mono",
                  1,
                  37,
                  0,
                  true,
                  {"One", "Three"},
                  {"Invalid hook config media strings dx-One, DX-Two,Dx-Three, unknown hook format"}},
        ParseCase{"EmptyMediaReportsAndEmptiesTheList",
                  "Media:VST-A|Media:|FixedChannelConfig:mono",
                  2,
                  37,
                  0,
                  true,
                  {},
                  {"Invalid hook config media strings "}},
        ParseCase{"UnknownMediaPrefixSkipsThatName",
                  "Media:CLAP-X,VST-Y|FixedChannelConfig:mono",
                  2,
                  37,
                  0,
                  true,
                  {"Y"},
                  {"Invalid hook config media strings CLAP-X,VST-Y, unknown hook format"}},
        ParseCase{
            "LaterMediaEntryReplacesList", "Media:AU-A|Media:AU-B|FixedChannelConfig:mono", 9, 37, 0, true, {"B"}, {}},
        ParseCase{"ValueEndingInAccentedLetterKeepsIt",
                  "Media:VST-Voil\xC3\xA0|FixedChannelConfig:mono",
                  2,
                  37,
                  0,
                  true,
                  {"Voil\xC3\xA0"},
                  {}},
        ParseCase{"CoreConfigIsAcceptedWithoutEffect", "CoreConfig:xyz", 6, 1, 1, false, {}, {}}),
    [](const ::testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

struct CoreConfigCase {
    const char* name;
    std::string text;
    std::optional<std::string> value;  // nullopt: the caller must send no request
    std::vector<std::string> messages;
};

class CoreConfigExtractor : public ::testing::TestWithParam<CoreConfigCase> {};

TEST_P(CoreConfigExtractor, GivesLastValueOrNothingAfterAnError) {
    const CoreConfigCase& c = GetParam();
    FatalErrorCapture errors;
    const std::optional<Util::String> value = GetCoreConfig(Util::String(c.text));
    ASSERT_EQ(value.has_value(), c.value.has_value());
    if (value) {
        EXPECT_EQ(value->Bytes(), *c.value);
    }
    EXPECT_EQ(errors.Messages(), c.messages);
}

INSTANTIATE_TEST_SUITE_P(
    Strings, CoreConfigExtractor,
    ::testing::Values(
        CoreConfigCase{"EmptyStringGivesEmptyValue", "", std::string(""), {}},
        CoreConfigCase{"NoCoreConfigEntryGivesEmptyValue", "FixedChannelConfig:mono", std::string(""), {}},
        CoreConfigCase{"SecondEntryWins", "CoreConfig:first|coreconfig: second ", std::string("second"), {}},
        CoreConfigCase{"OtherKeysAreIgnored", "Colour:blue|CoreConfig:abc", std::string("abc"), {}},
        CoreConfigCase{"ThreePiecesIsAnError",
                       "CoreConfig:a:b",
                       std::nullopt,
                       {"Invalid hook config string CoreConfig:a:b"}},
        CoreConfigCase{"EmptyEntryIsAnError", "CoreConfig:a||", std::nullopt, {"Invalid hook config string "}},
        CoreConfigCase{"1023BytesFit", "CoreConfig:" + std::string(1023, 'c'), std::string(1023, 'c'), {}},
        CoreConfigCase{"1024BytesAreTooLong",
                       "CoreConfig:" + std::string(1024, 'c'),
                       std::nullopt,
                       {"Core config string too long: " + std::string(1024, 'c')}}),
    [](const ::testing::TestParamInfo<CoreConfigCase>& info) { return std::string(info.param.name); });

TEST(CoreConfigExtractor, NoEntryGivesTextThatReadsEmpty) {
    FatalErrorCapture errors;
    const std::optional<Util::String> value = GetCoreConfig(Util::String());
    ASSERT_TRUE(value.has_value());
    EXPECT_STREQ(value->CStr(), "");
}

}  // namespace
