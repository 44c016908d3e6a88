// aaxhost's commands end to end: the built aaxhost.exe run as a child process on the
// trivial module and on a primed hook whose core is missing.

#include <gtest/gtest.h>

#include <boost/property_tree/json_parser.hpp>
#include <boost/property_tree/ptree.hpp>
#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "aaxhost/cli/FileBytes.h"
#include "aaxhost/cli/WavFile.h"
#include "support/PrimedHook.h"
#include "support/ToolRun.h"

using namespace aaxhost::cli;
using boost::property_tree::ptree;

namespace {

std::string TrivialModule() { return Utf8Text(TestBinaryPath(L"fx_trivial_gain.dll")); }

ptree ParseJson(const std::string& text) {
    ptree tree;
    std::istringstream in(text);
    boost::property_tree::read_json(in, tree);
    return tree;
}

std::vector<ptree> Items(const ptree& array) {
    std::vector<ptree> items;
    for (const auto& item : array) items.push_back(item.second);
    return items;
}

WavAudio Sine(std::size_t channels, std::size_t frames, SampleFormat format = SampleFormat::Float32) {
    WavAudio audio;
    audio.sampleRate = 48000;
    audio.format = format;
    audio.channels.assign(channels, std::vector<float>(frames));
    for (std::size_t c = 0; c < channels; ++c)
        for (std::size_t i = 0; i < frames; ++i)
            audio.channels[c][i] =
                static_cast<float>(std::round(0.5 * std::sin(0.01 * (i + 1) * (c + 1)) * 32768.0) / 32768.0);
    return audio;
}

TEST(ScanCommand, JsonDescribesThePackageEffectsAndComponentsWithStableKeys) {
    const ToolRun run = RunAaxhost({"scan", TrivialModule(), "--json"});
    ASSERT_EQ(run.exitCode, 0u) << run.err;
    const ptree scan = ParseJson(run.out);
    EXPECT_EQ(scan.get<int>("result"), 0);
    EXPECT_EQ(scan.get<std::string>("resultName"), "AAX_SUCCESS (0)");
    EXPECT_TRUE(scan.get_child("fatalErrors").empty());
    EXPECT_TRUE(scan.get<bool>("collectionReturned"));
    EXPECT_EQ(scan.get<std::string>("package.manufacturer"), "Lumetra Test");
    EXPECT_EQ(scan.get<std::uint32_t>("package.version"), 0x10002u);
    const std::vector<ptree> effects = Items(scan.get_child("effects"));
    ASSERT_EQ(effects.size(), 3u);
    EXPECT_EQ(effects[0].get<std::string>("id"), "Trivial Gain Mono");
    EXPECT_EQ(effects[2].get<std::string>("id"), "Trivial Gain Audiosuite");
    std::vector<std::string> procedures;
    for (const ptree& proc : Items(effects[2].get_child("procedures")))
        procedures.push_back(proc.get<std::string>("id") + " " + proc.get<std::string>("name"));
    EXPECT_EQ(procedures,
              (std::vector<std::string>{"1 kAAX_ProcPtrID_Create_EffectGUI", "0 kAAX_ProcPtrID_Create_EffectParameters",
                                        "3 kAAX_ProcPtrID_Create_HostProcessor"}));

    const ptree stereo = Items(effects[1].get_child("components")).at(0);
    EXPECT_EQ(stereo.get<std::string>("inputStem.name"), "AAX_eStemFormat_Stereo");
    EXPECT_EQ(stereo.get<int>("outputStem.value"), 0x10002);
    const std::vector<ptree> properties = Items(stereo.get_child("properties"));
    ASSERT_GE(properties.size(), 3u);
    EXPECT_EQ(properties[0].get<int>("id"), 116) << "properties keep the order they were added in";
    EXPECT_EQ(properties[0].get<std::string>("name"), "AAX_eProperty_SupportsSideChainInput");
    EXPECT_EQ(properties[1].get<std::string>("name"), "AAX_eProperty_ManufacturerID");
    EXPECT_EQ(properties[1].get<std::string>("fourCC"), "LmTs");
    EXPECT_EQ(properties[1].get<std::string>("hex"), "0x4C6D5473");
    const std::vector<ptree> aux = Items(stereo.get_child("auxStems"));
    ASSERT_EQ(aux.size(), 1u);
    EXPECT_EQ(aux[0].get<std::string>("name"), "Aux 1");
    EXPECT_EQ(aux[0].get<std::string>("stemName"), "AAX_eStemFormat_Stereo");
    EXPECT_EQ(Items(stereo.get_child("midiNodes")).at(0).get<int>("field"), 5);
    EXPECT_EQ(Items(stereo.get_child("midiNodes")).at(0).get<std::string>("typeName"), "AAX_eMIDINodeType_LocalInput");
    const std::vector<ptree> fields = Items(stereo.get_child("fields"));
    EXPECT_EQ(fields.at(3).get<std::string>("kind"), "AddPrivateData");
    EXPECT_EQ(fields.at(3).get<int>("size"), 40);
}

TEST(ScanCommand, TextNamesEveryEffectAndProperty) {
    const ToolRun run = RunAaxhost({"scan", TrivialModule()});
    ASSERT_EQ(run.exitCode, 0u) << run.err;
    for (const char* line :
         {"registration AAX_SUCCESS (0)", "effect \"Trivial Gain Stereo\"",
          "stems in AAX_eStemFormat_Stereo, out AAX_eStemFormat_Stereo", "field AddPrivateData 3 size 40 options 1",
          "property 11 AAX_eProperty_ManufacturerID = 1282233459 (0x4C6D5473 'LmTs')",
          "property 60 AAX_eProperty_CanBypass = 1 (0x1)", "aux stem 1 AAX_eStemFormat_Stereo \"Aux 1\""})
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
}

TEST(ScanCommand, AModuleWhoseCoreIsMissingReportsItsFatalErrorAndFails) {
    const ScratchFolder folder(L"cli");
    std::string error;
    const std::string module = Utf8Text(
        PrimeBundle(folder.Wide(), L"CliMissingCore", L"",
                    ProductSettings("LmNoSuchCore.dll", "FixedChannelConfig:stereo|CoreConfig:demo", "CliMissingCore"),
                    error));
    ASSERT_FALSE(module.empty()) << error;

    const ToolRun json = RunAaxhost({"scan", module, "--json"});
    EXPECT_EQ(json.exitCode, 1u);
    const ptree scan = ParseJson(json.out);
    EXPECT_NE(scan.get<int>("result"), 0);
    const std::vector<ptree> fatal = Items(scan.get_child("fatalErrors"));
    ASSERT_FALSE(fatal.empty()) << json.out;
    EXPECT_NE(fatal[0].get_value<std::string>().find("cannot be found"), std::string::npos)
        << fatal[0].get_value<std::string>();
    EXPECT_NE(fatal[0].get_value<std::string>().find("[0x2]"), std::string::npos) << "the system's file-not-found code";
    EXPECT_TRUE(scan.get_child("effects").empty());
    EXPECT_NE(json.err.find("aaxhost: the module's registration failed"), std::string::npos) << json.err;

    const ToolRun text = RunAaxhost({"scan", module});
    EXPECT_EQ(text.exitCode, 1u);
    EXPECT_NE(text.out.find("fatal error: " + fatal[0].get_value<std::string>()), std::string::npos) << text.out;
}

TEST(RenderCommand, OutputFollowsTheGainSetThroughTheModulesDisplayText) {
    const ScratchFolder folder(L"cli");
    const WavAudio input = Sine(2, 3000);
    WriteWavFile(folder.File("in.wav"), input);
    const ToolRun run =
        RunAaxhost({"render", TrivialModule(), "--effect", "Trivial Gain Stereo", "--in", folder.File("in.wav"),
                    "--out", folder.File("out.wav"), "--set", "Gain=0.5", "--block", "700"});
    ASSERT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_NE(run.out.find("set Gain = 0.50"), std::string::npos) << run.out;
    const WavAudio output = ReadWavFile(folder.File("out.wav"));
    ASSERT_EQ(output.ChannelCount(), 2u);
    ASSERT_EQ(output.FrameCount(), input.FrameCount());
    EXPECT_EQ(output.format, SampleFormat::Float32);
    for (std::size_t c = 0; c < 2; ++c)
        for (std::size_t i = 0; i < input.FrameCount(); i += 97)
            EXPECT_FLOAT_EQ(output.channels[c][i], 0.5f * input.channels[c][i]) << c << " " << i;
}

TEST(RenderCommand, NormalisedValuesAndPcmOutputKeepTheInputsFormat) {
    const ScratchFolder folder(L"cli");
    const WavAudio input = Sine(1, 1000, SampleFormat::Pcm24);
    WriteWavFile(folder.File("in.wav"), input);
    const ToolRun run = RunAaxhost({"render", TrivialModule(), "--effect", "Trivial Gain Mono", "--in",
                                    folder.File("in.wav"), "--out", folder.File("out.wav"), "--set", "Gain=@0.25"});
    ASSERT_EQ(run.exitCode, 0u) << run.err;
    const WavAudio output = ReadWavFile(folder.File("out.wav"));
    EXPECT_EQ(output.format, SampleFormat::Pcm24);
    ASSERT_EQ(output.FrameCount(), 1000u);
    EXPECT_NEAR(output.channels[0][500], 0.5f * input.channels[0][500], 1.0 / 8388608.0);
}

struct Failing {
    const char* name;
    const char* arguments;  // split at spaces; "<module>", "<in>", "<bad>", "<out>", "<mono>", "<stereo>" are replaced
    DWORD exitCode;
    const char* message;
};

class CommandFailure : public ::testing::TestWithParam<Failing> {};

TEST_P(CommandFailure, GivesTheDocumentedExitCodeAndAMessage) {
    const ScratchFolder folder(L"cli");
    WriteWavFile(folder.File("in.wav"), Sine(2, 100));
    std::vector<std::uint8_t> bad = SerializeWav(Sine(2, 100));
    bad.resize(bad.size() - 3);
    WriteFileBytes(folder.File("bad.wav"), bad);
    const std::map<std::string, std::string> replaced = {{"<module>", TrivialModule()},
                                                         {"<in>", folder.File("in.wav")},
                                                         {"<bad>", folder.File("bad.wav")},
                                                         {"<out>", folder.File("out.wav")},
                                                         {"<mono>", "Trivial Gain Mono"},
                                                         {"<stereo>", "Trivial Gain Stereo"}};
    std::vector<std::string> arguments;
    std::istringstream words(GetParam().arguments);
    for (std::string word; words >> word;) arguments.push_back(replaced.count(word) ? replaced.at(word) : word);
    const ToolRun run = RunAaxhost(arguments);
    EXPECT_EQ(run.exitCode, GetParam().exitCode) << run.err;
    EXPECT_EQ(run.err.rfind("aaxhost: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
    // A refused command line, and only that, points to the command's help.
    const std::string helpCommand =
        GetParam().name == std::string("UnknownCommand") ? "aaxhost" : "aaxhost " + arguments.front();
    EXPECT_EQ(run.err.find("Run \"" + helpCommand + " --help\" for usage.") != std::string::npos,
              GetParam().exitCode == 2u)
        << run.err;
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "out.wav"));
}

INSTANTIATE_TEST_SUITE_P(
    Runs, CommandFailure,
    ::testing::Values(
        Failing{"UnknownCommand", "play <module>", 2, "unknown command \"play\""},
        Failing{"ScanWithoutModule", "scan", 2, "scan takes one module path"},
        Failing{"ScanUnknownOption", "scan <module> --xml", 2, "unknown option --xml"},
        Failing{"ModuleMissing", "scan no-such-module.dll", 1, "no-such-module.dll"},
        Failing{"RenderWithoutIn", "render <module> --effect <mono> --out <out>", 2, "--in is required"},
        Failing{"RenderBlockZero", "render <module> --effect X --in <in> --out <out> --block 0", 2,
                "--block must be between 1 and 65536"},
        Failing{"RenderUnknownEffect", "render <module> --effect Nope --in <in> --out <out>", 2,
                "its effects: \"Trivial Gain Mono\""},
        Failing{"RenderNoComponentForChannels", "render <module> --effect <mono> --in <in> --out <out>", 2,
                "no realtime component for 2 input channel(s)"},
        Failing{"RenderUnknownParameter", "render <module> --effect <stereo> --in <in> --out <out> --set Mix=1", 2,
                "no parameter \"Mix\"; its parameters: \"Gain\""},
        Failing{"RenderValueOutOfRange", "render <module> --effect <stereo> --in <in> --out <out> --set Gain=3", 2,
                "outside the range of Gain (0.00 to 2.00)"},
        Failing{"RenderMalformedWav", "render <module> --effect <stereo> --in <bad> --out <out>", 1,
                "bad.wav: truncated"},
        Failing{"RenderMalformedMidi", "render <module> --effect <stereo> --in <in> --out <out> --midi <in>", 1,
                "in.wav: not a Standard MIDI File"},
        Failing{"RenderNoChunkToSave", "render <module> --effect <stereo> --in <in> --out <in> --save-state <out>", 1,
                "no state chunk"},
        Failing{"AudioSuiteNotOffline", "audiosuite <module> --effect <mono> --in <in> --out <out>", 2,
                "has no offline processor"},
        Failing{"EditorWithoutEffect", "editor <module>", 2, "--effect is required"}),
    [](const ::testing::TestParamInfo<Failing>& info) { return std::string(info.param.name); });

TEST(Commands, EveryCommandExplainsItselfWithHelp) {
    for (const char* command : {"scan", "render", "audiosuite", "editor"}) {
        const ToolRun run = RunAaxhost({command, "--help"});
        EXPECT_EQ(run.exitCode, 0u) << command;
        EXPECT_EQ(run.out.rfind(std::string("usage: aaxhost ") + command, 0), 0u) << run.out;
    }
}

TEST(AudioSuiteCommand, RendersTheWholeSelectionWithTheInputsLength) {
    const ScratchFolder folder(L"cli");
    const WavAudio input = Sine(2, 10000, SampleFormat::Pcm16);
    WriteWavFile(folder.File("in.wav"), input);
    const ToolRun run = RunAaxhost({"audiosuite", TrivialModule(), "--in", folder.File("in.wav"), "--out",
                                    folder.File("out.wav"), "--analyze", "--window", "3000"});
    ASSERT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_NE(run.out.find("analysis pass: 4 window(s)"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("render pass: 4 window(s) of 3000 samples through \"Trivial Gain Audiosuite\""),
              std::string::npos);
    EXPECT_NE(run.out.find("clip name suffix \"gain 1.00\""), std::string::npos) << run.out;
    const WavAudio output = ReadWavFile(folder.File("out.wav"));
    EXPECT_EQ(output.FrameCount(), input.FrameCount());
    EXPECT_EQ(output.ChannelCount(), 2u);
    EXPECT_EQ(output.format, SampleFormat::Pcm16);
    EXPECT_EQ(output.channels, input.channels) << "the trivial effect's default gain is 1";
}

TEST(RenderCommand, LongInputsReportProgressOnStderrOnly) {
    const ScratchFolder folder(L"cli");
    WavAudio input = Sine(1, 8000 * 11);  // 11 seconds at 8 kHz
    input.sampleRate = 8000;
    WriteWavFile(folder.File("long.wav"), input);
    const ToolRun run = RunAaxhost({"render", TrivialModule(), "--effect", "Trivial Gain Mono", "--in",
                                    folder.File("long.wav"), "--out", folder.File("out.wav"), "--block", "4096"});
    ASSERT_EQ(run.exitCode, 0u) << run.err;
    for (int percent = 10; percent <= 100; percent += 10)
        EXPECT_NE(run.err.find("aaxhost: rendering " + std::to_string(percent) + "%"), std::string::npos) << run.err;
    EXPECT_EQ(run.out.find('%'), std::string::npos) << run.out;
    EXPECT_EQ(ReadWavFile(folder.File("out.wav")).sampleRate, 8000u);

    WriteWavFile(folder.File("short.wav"), Sine(1, 8000));
    const ToolRun brief = RunAaxhost({"render", TrivialModule(), "--effect", "Trivial Gain Mono", "--in",
                                      folder.File("short.wav"), "--out", folder.File("out.wav")});
    ASSERT_EQ(brief.exitCode, 0u) << brief.err;
    EXPECT_EQ(brief.err.find("rendering"), std::string::npos) << brief.err;
}

}  // namespace
