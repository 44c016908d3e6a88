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

// The one message a case reports, or none.
std::vector<std::string> Expected(const std::string& message) {
    return message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message};
}

const char* const kNoFixed = "Hook config string should contain fixed channel config";
const char* const kInvalid = "Invalid hook config string ";
const char* const kMedia = "Invalid hook config media strings ";

TEST(HookConfigParser, SetsTheRecordAndReportsExactMessages) {
    const struct {
        std::string text;
        PluginFormat format;
        ChannelConfig initialChannels, channels;
        bool fixed;
        std::vector<std::string> media;
        std::string message;
    } cases[] = {
        {"", 6, kChannelConfigNone, 1, false, {}, kNoFixed},  // no channels yet: stereo
        {"", 6, 8, 8, false, {}, ""},                         // the constructor's channels: silent
        {"FixedChannelConfig:stereo|Media:VST-One,AU-One|CoreConfig:abc", 2, 37, 1, true, {"One"}, ""},
        {" fixedchannelconfig : MONO ", 6, 37, 0, true, {}, ""},
        {"FixedChannelConfig:mono|", 6, 37, 0, true, {}, kInvalid},  // a trailing bar is an empty entry
        {"Media:VST-A||FixedChannelConfig:mono", 2, 37, 37, false, {"A"}, kInvalid},  // stops before later entries
        {"CoreConfig:a:b|FixedChannelConfig:mono", 6, 37, 37, false, {}, kInvalid + std::string("CoreConfig:a:b")},
        {"FixedChannelConfig:mono|FixedChannelConfig:quad",
         6,
         37,
         0,
         true,
         {},
         "Invalid hook config fixed channel config quad"},  // keeps the previous value
        {"FixedChannelConfig:mono|FixedChannelConfig:Stereo", 6, 37, 1, true, {}, ""},
        {"Colour: blue |FixedChannelConfig:mono", 6, 37, 37, false, {}, kInvalid + std::string("Colour")},
        {"Media:VST3-Alpha,VST-Beta,AU-Gamma|FixedChannelConfig:mono", 11, 37, 0, true, {"Alpha"}, ""},
        {"Media:dx-One, DX-Two,Dx-Three|FixedChannelConfig:mono",
         1,
         37,
         0,
         true,
         {"One", "Three"},
         kMedia + std::string("dx-One, DX-Two,Dx-Three, unknown hook format")},  // names are not trimmed
        {"Media:VST-A|Media:|FixedChannelConfig:mono", 2, 37, 0, true, {}, kMedia},
        {"Media:CLAP-X,VST-Y|FixedChannelConfig:mono",
         2,
         37,
         0,
         true,
         {"Y"},
         kMedia + std::string("CLAP-X,VST-Y, unknown hook format")},
        {"Media:AU-A|Media:AU-B|FixedChannelConfig:mono", 9, 37, 0, true, {"B"}, ""},
        {"Media:VST-Voil\xC3\xA0|FixedChannelConfig:mono", 2, 37, 0, true, {"Voil\xC3\xA0"}, ""},
        {"CoreConfig:xyz", 6, 1, 1, false, {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        FatalErrorCapture errors;
        HookConfig config;
        config.pluginFormat = c.format;
        config.channelConfig = c.initialChannels;
        ParseHookConfig(Util::String(c.text), config);
        EXPECT_EQ(config.channelConfig, c.channels);
        EXPECT_EQ(config.hasFixedChannelConfig, c.fixed);
        EXPECT_EQ(Names(config), c.media);
        EXPECT_EQ(errors.Messages(), Expected(c.message));
    }
}

TEST(CoreConfigExtractor, GivesTheLastValueOrNothingAfterAnError) {
    const std::string long1023 = std::string(1023, 'c'), long1024 = std::string(1024, 'c');
    const struct {
        std::string text;
        std::optional<std::string> value;  // nullopt: the caller must send no request
        std::string message;
    } cases[] = {
        {"", std::string(""), ""},
        {"FixedChannelConfig:mono", std::string(""), ""},
        {"CoreConfig:first|coreconfig: second ", std::string("second"), ""},
        {"Colour:blue|CoreConfig:abc", std::string("abc"), ""},
        {"CoreConfig:a:b", std::nullopt, kInvalid + std::string("CoreConfig:a:b")},
        {"CoreConfig:a||", std::nullopt, kInvalid},
        {"CoreConfig:" + long1023, long1023, ""},
        {"CoreConfig:" + long1024, std::nullopt, "Core config string too long: " + long1024},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        FatalErrorCapture errors;
        const std::optional<Util::String> value = GetCoreConfig(Util::String(c.text));
        ASSERT_EQ(value.has_value(), c.value.has_value());
        if (value) {
            EXPECT_EQ(value->Bytes(), *c.value);
        }
        EXPECT_EQ(errors.Messages(), Expected(c.message));
    }
}

TEST(CoreConfigExtractor, NoEntryGivesTextThatReadsEmpty) {
    FatalErrorCapture errors;
    const std::optional<Util::String> value = GetCoreConfig(Util::String());
    ASSERT_TRUE(value.has_value());
    EXPECT_STREQ(value->CStr(), "");
}

}  // namespace
