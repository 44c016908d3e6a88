// The tools' option parsing and the JSON writer the commands build on.

#include <gtest/gtest.h>

#include <boost/property_tree/json_parser.hpp>
#include <boost/property_tree/ptree.hpp>
#include <cstdint>
#include <sstream>

#include "aaxhost/cli/JsonWriter.h"
#include "toolcli/CommandLine.h"

using namespace aaxhost::cli;
using namespace toolcli;

namespace {

const std::vector<OptionRule> kRules = {{"--in", OptionRule::Kind::Value},
                                        {"--set", OptionRule::Kind::Repeated},
                                        {"--json", OptionRule::Kind::Flag}};

TEST(CommandLine, ValuesFlagsAndPositionalsAreSeparatedAndDoubleDashEndsTheOptions) {
    const ParsedOptions options({"module.aaxplugin", "--in", "a.wav", "--set=Gain=-6", "--set", "Mode=Lowpass",
                                 "--json"},
                                kRules);
    EXPECT_EQ(options.Positional(), std::vector<std::string>{"module.aaxplugin"});
    EXPECT_EQ(options.Value("--in"), std::optional<std::string>("a.wav"));
    EXPECT_EQ(options.Values("--set"), (std::vector<std::string>{"Gain=-6", "Mode=Lowpass"}));
    EXPECT_TRUE(options.Has("--json"));
    EXPECT_FALSE(options.Has("--help"));
    EXPECT_EQ(options.Required("--in"), "a.wav");

    const ParsedOptions afterDoubleDash({"-h", "--", "--in", "-x"}, kRules);
    EXPECT_TRUE(afterDoubleDash.Has("--help"));
    EXPECT_EQ(afterDoubleDash.Positional(), (std::vector<std::string>{"--in", "-x"}));
    EXPECT_EQ(afterDoubleDash.OptionCount(), 1u);
}

struct Refused {
    std::vector<std::string> arguments;
    const char* message;
};

TEST(CommandLine, MisusedOptionsAreRefusedNamingTheOption) {
    const Refused cases[] = {
        {{"--out", "x"}, "unknown option --out"},  {{"-x"}, "unknown option -x"},
        {{"--in"}, "--in needs a value"},          {{"--in", "a", "--in", "b"}, "--in is given twice"},
        {{"--json=yes"}, "--json takes no value"},
    };
    for (const Refused& refused : cases) {
        try {
            ParsedOptions(refused.arguments, kRules);
            ADD_FAILURE() << "accepted " << refused.message;
        } catch (const UsageError& error) {
            EXPECT_EQ(std::string(error.what()), refused.message);
        }
    }
    EXPECT_THROW(ParsedOptions({}, kRules).Required("--in"), UsageError);
}

TEST(CommandLine, NumbersOutsideTheirRangeOrMalformedAreRefused) {
    EXPECT_EQ(ParseInteger("512", 1, 65536, "--block"), 512);
    EXPECT_DOUBLE_EQ(ParseNumber("0.25", 0, 1, "x"), 0.25);
    for (const char* text : {"0", "65537", "12a", "", "-1"})
        EXPECT_THROW(ParseInteger(text, 1, 65536, "--block"), UsageError) << text;
    for (const char* text : {"nan", "inf", "1.5", "x"}) EXPECT_THROW(ParseNumber(text, 0, 1, "x"), UsageError) << text;
    EXPECT_EQ(ParseUnsigned("18446744073709551615", 0, UINT64_MAX, "--seed"), UINT64_MAX);
    for (const char* text : {"18446744073709551616", "-1", "+1", " 1", "0x10", ""})
        EXPECT_THROW(ParseUnsigned(text, 0, UINT64_MAX, "--seed"), UsageError) << text;
    for (const char* text : {"0", "11"}) EXPECT_THROW(ParseUnsigned(text, 1, 10, "--strictness"), UsageError) << text;
}

TEST(JsonWriter, WritesADocumentAParserReadsBack) {
    JsonWriter json;
    json.BeginObject().Key("text").String("quote \" backslash \\ tab \t bell \x07 \xC3\xBC");
    json.Key("number").Integer(-20004).Key("real").Number(0.5).Key("infinite").Number(1.0 / 0.0);
    json.Key("list").BeginArray().Integer(1).Bool(true).Null().BeginObject().EndObject().EndArray();
    json.Key("empty").BeginArray().EndArray().EndObject();
    boost::property_tree::ptree tree;
    std::istringstream in(json.Text());
    boost::property_tree::read_json(in, tree);
    EXPECT_EQ(tree.get<std::string>("text"), "quote \" backslash \\ tab \t bell \x07 \xC3\xBC");
    EXPECT_EQ(tree.get<int>("number"), -20004);
    EXPECT_EQ(tree.get<double>("real"), 0.5);
    EXPECT_EQ(tree.get<std::string>("infinite"), "null");
    EXPECT_EQ(tree.get_child("list").size(), 4u);
    EXPECT_EQ(json.Text().back(), '\n');
}

TEST(JsonWriter, MisuseIsRefused) {
    EXPECT_THROW(JsonWriter().BeginObject().Integer(1), std::logic_error);
    EXPECT_THROW(JsonWriter().BeginArray().Key("x"), std::logic_error);
    EXPECT_THROW(JsonWriter().BeginArray().EndObject(), std::logic_error);
    EXPECT_THROW(JsonWriter().Integer(1).Integer(2), std::logic_error);
}

}  // namespace
