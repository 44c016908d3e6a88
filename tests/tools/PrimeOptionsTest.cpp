// lmprime's command-line parser: what each accepted form sets, and a named reason for
// every refused one.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PrimeOptions.h"

namespace {

using Args = std::vector<std::wstring>;

PrimeCommand Parsed(const Args& arguments) {
    PrimeCommand command;
    std::string error;
    EXPECT_TRUE(ParsePrimeArguments(arguments, command, error)) << error;
    return command;
}

TEST(PrimeOptions, PrimeFormTakesModulesAndTextsInAnyOrder) {
    const PrimeCommand command = Parsed({L"--short-name", L"Brisa", L"in.dll", L"--core", L"LmBrisa3.dll", L"out.dll",
                                         L"--config", L"FixedChannelConfig:mono"});
    EXPECT_EQ(command.action, PrimeCommand::Action::Prime);
    EXPECT_EQ(command.inModule, L"in.dll");
    EXPECT_EQ(command.outModule, L"out.dll");
    EXPECT_FALSE(command.settings.unprimed);
    EXPECT_EQ(command.settings.core, "LmBrisa3.dll");
    EXPECT_EQ(command.settings.config, std::string("FixedChannelConfig:mono"));
    EXPECT_EQ(command.settings.shortName, std::string("Brisa"));
}

TEST(PrimeOptions, OmittedConfigAndShortNameStayAbsentWhileEmptyConfigIsGiven) {
    const PrimeCommand bare = Parsed({L"in.dll", L"out.dll", L"--unprimed"});
    EXPECT_TRUE(bare.settings.unprimed);
    EXPECT_FALSE(bare.settings.config.has_value());
    EXPECT_FALSE(bare.settings.shortName.has_value());

    const PrimeCommand empty = Parsed({L"in.dll", L"out.dll", L"--core", L"c.dll", L"--config", L""});
    EXPECT_EQ(empty.settings.config, std::string());
}

TEST(PrimeOptions, TextsArriveAsUtf8AndLimitsCountUtf8Bytes) {
    EXPECT_EQ(Parsed({L"in.dll", L"out.dll", L"--core", L"C:\\Programme\\K\u00e4se\\LmBrisa3.dll"}).settings.core,
              "C:\\Programme\\K\xC3\xA4se\\LmBrisa3.dll");
    // 511 two-byte characters are 1022 bytes and fit; 512 are 1024 bytes and do not.
    Parsed({L"in.dll", L"out.dll", L"--core", L"c", L"--config", std::wstring(511, L'\u00e9') + L"a"});
    PrimeCommand command;
    std::string error;
    EXPECT_FALSE(
        ParsePrimeArguments({L"in.dll", L"out.dll", L"--core", L"c", L"--config", std::wstring(512, L'\u00e9')},
                            command, error));
    EXPECT_NE(error.find("1024 bytes"), std::string::npos) << error;
}

TEST(PrimeOptions, DoubleDashMakesLaterArgumentsModules) {
    const PrimeCommand command = Parsed({L"--core", L"c.dll", L"--", L"--in.dll", L"-out.dll"});
    EXPECT_EQ(command.inModule, L"--in.dll");
    EXPECT_EQ(command.outModule, L"-out.dll");
}

TEST(PrimeOptions, BundleFormNamesFolderNameAndCoreFile) {
    const PrimeCommand command = Parsed({L"in.dll", L"--bundle", L"out\\bundles", L"--name", L"Brisa", L"--core",
                                         L"LmBrisa3.dll", L"--core-file", L"build\\LmBrisa3.dll"});
    EXPECT_EQ(command.action, PrimeCommand::Action::Bundle);
    EXPECT_EQ(command.inModule, L"in.dll");
    EXPECT_EQ(command.bundle.directory, L"out\\bundles");
    EXPECT_EQ(command.bundle.name, L"Brisa");
    EXPECT_EQ(command.bundle.coreFile, L"build\\LmBrisa3.dll");
}

TEST(PrimeOptions, ShowAndHelp) {
    const PrimeCommand show = Parsed({L"--show", L"primed.dll"});
    EXPECT_EQ(show.action, PrimeCommand::Action::Show);
    EXPECT_EQ(show.inModule, L"primed.dll");
    EXPECT_EQ(Parsed({L"in.dll", L"--help"}).action, PrimeCommand::Action::Help);
    EXPECT_EQ(Parsed({L"-h"}).action, PrimeCommand::Action::Help);
}

struct RefusedCase {
    Args arguments;
    const char* reason;  // a part of the error text
};

// Unknown, repeated and valueless options are the shared parser's (CommandLineTest).
TEST(RefusedArguments, NameTheProblem) {
    const std::wstring kBadSurrogate(1, static_cast<wchar_t>(0xD800));
    const RefusedCase cases[] =
        {{{}, "nothing to do"},
         {{L"in.dll", L"out.dll"}, "missing --core"},
         {{L"in.dll", L"out.dll", L"--core", L"a", L"--unprimed"}, "exclude each other"},
         {{L"--core", L"a"}, "missing the input module"},
         {{L"in.dll", L"--core", L"a"}, "missing the output module"},
         {{L"in.dll", L"out.dll", L"extra", L"--core", L"a"}, "unexpected argument \"extra\""},
         {{L"in.dll", L"", L"--core", L"a"}, "module path is empty"},
         {{L"in.dll", L"out.dll", L"--core", L""}, "core name or path is empty"},
         {{L"in.dll", L"out.dll", L"--core", std::wstring(2048, L'c')}, "core name or path is 2048 bytes"},
         {{L"in.dll", L"out.dll", L"--core", L"c", L"--config", std::wstring(1024, L'x')},
          "configuration string is 1024 bytes"},
         {{L"in.dll", L"out.dll", L"--core", L"c", L"--short-name", std::wstring(1024, L'x')},
          "short name is 1024 bytes"},
         {{L"in.dll", L"out.dll", L"--core", L"c", L"--short-name", L""}, "short name is empty"},
         {{L"in.dll", L"out.dll", L"--core", L"c", L"--short-name", kBadSurrogate}, "not valid Unicode"},
         {{L"in.dll", L"out.dll", L"--core", L"c", L"--name", L"B"}, "--name belongs to --bundle"},
         {{L"in.dll", L"out.dll", L"--core", L"c", L"--core-file", L"c"}, "--core-file belongs to --bundle"},
         {{L"in.dll", L"--bundle", L"d", L"--core", L"c"}, "--bundle needs --name"},
         {{L"in.dll", L"out.dll", L"--bundle", L"d", L"--name", L"B", L"--core", L"c"},
          "a bundle takes no output module"},
         {{L"in.dll", L"--bundle", L"d", L"--name", L"a\\b", L"--core", L"c"}, "not a usable file name"},
         {{L"in.dll", L"--bundle", L"d", L"--name", L"NUL", L"--core", L"c"}, "not a usable file name"},
         {{L"in.dll", L"--bundle", L"d", L"--name", L"B", L"--unprimed", L"--core-file", L"c"},
          "--core-file needs --core"},
         {{L"in.dll", L"--bundle", L"d", L"--name", L"B", L"--core", L"C:\\", L"--core-file", L"f"},
          "no usable file name"},
         {{L"in.dll", L"--bundle", L"d", L"--name", L"B", L"--core", L"b.aaxplugin", L"--core-file", L"f"},
          "the module's own name"},
         {{L"--show", L"a.dll", L"b.dll"}, "--show takes only the module"}};
    for (const RefusedCase& c : cases) {
        PrimeCommand command;
        std::string error;
        EXPECT_FALSE(ParsePrimeArguments(c.arguments, command, error)) << c.reason;
        EXPECT_NE(error.find(c.reason), std::string::npos) << "error: " << error;
    }
}

TEST(BundledCoreName, BareNameAsGivenPathByItsLastComponent) {
    EXPECT_EQ(BundledCoreName("LmBrisa3.dll"), L"LmBrisa3.dll");
    EXPECT_EQ(BundledCoreName("C:\\Program Files\\Lumetra\\LmBrisa3.dll"), L"LmBrisa3.dll");
    EXPECT_EQ(BundledCoreName("cores/K\xC3\xA4se.dll"), L"K\u00e4se.dll");
    EXPECT_EQ(BundledCoreName("C:core.dll"), L"");  // bare for the hook, but no file name here
    EXPECT_EQ(BundledCoreName("core.dll."), L"");
}

}  // namespace
