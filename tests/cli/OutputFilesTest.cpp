// What aaxhost leaves on disk: every output goes through a temporary file and a rename,
// so a failing command leaves none of its outputs (an earlier file stays as it was) and
// no temporary file; a succeeding one leaves exactly its outputs. Also the inputs it
// refuses before writing anything, each named in a one-line message.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "aaxhost/cli/WavFile.h"
#include "support/PrimedHook.h"
#include "support/ScratchFolder.h"
#include "support/ToolRun.h"

using namespace aaxhost::cli;

namespace {

const std::wstring kStereo = L"com.lumetra.lmdemo Stereo";

void WriteText(const std::wstring& path, const std::string& bytes) {
    std::ofstream(std::filesystem::path(path), std::ios::binary) << bytes;
}

std::string ReadText(const std::wstring& path) {
    std::stringstream text;
    text << std::ifstream(std::filesystem::path(path), std::ios::binary).rdbuf();
    return text.str();
}

void WriteStereo(const std::wstring& path, std::uint32_t sampleRate) {
    WavAudio audio;
    audio.sampleRate = sampleRate;
    audio.channels.assign(2, std::vector<float>(4800, 0.25f));
    WriteWavFile(std::filesystem::path(path).u8string(), audio);
}

struct Case {
    const char* what;
    std::vector<std::wstring> arguments;  // after "aaxhost"
    DWORD exitCode;
    const char* message;                     // a part of stderr; "" for a run that succeeds
    std::vector<std::wstring> outputs = {};  // the names a successful run adds to the folder
};

TEST(AaxhostOutputs, AFailedCommandLeavesNoneOfItsOutputsAndASucceedingOneOnlyThem) {
    ScratchFolder product(L"outputs-product");
    product.CopyBinary(L"LmDemoCore.dll");
    const std::wstring module = product.Join(L"LmDemo" + product.Id() + L".aaxplugin");
    ASSERT_EQ(PrimeHookCopy(module, ProductSettings("LmDemoCore.dll", "CoreConfig:demo", "LmDemo")), "");

    ScratchFolder work(L"outputs");
    const auto at = [&](const wchar_t* name) { return work.Join(name); };
    WriteStereo(at(L"in.wav"), 48000);
    WriteStereo(at(L"rate1.wav"), 1);
    WriteStereo(at(L"rate2g.wav"), 2000000000);
    // A well-formed state file whose chunk the effect refuses (a chunk ID it does not own).
    std::string state = "LMCHUNK1" + std::string(56, '\0');
    state.replace(8 + 20, 4, "XXXX");
    WriteText(at(L"refused.state"), state);
    WriteText(at(L"text.dll"), "not a module");
    std::filesystem::create_directory(at(L"afolder"));
    WriteText(at(L"out.wav"), "earlier");

    const std::vector<std::wstring> render = {L"render", module, L"--effect", kStereo, L"--out", at(L"out.wav")};
    const auto with = [&](std::vector<std::wstring> tail) {
        std::vector<std::wstring> arguments = render;
        arguments.insert(arguments.end(), tail.begin(), tail.end());
        return arguments;
    };
    const Case cases[] = {
        {"--save-state in a missing folder", with({L"--in", at(L"in.wav"), L"--save-state", at(L"missing\\state.bin")}),
         1, "state.bin: cannot be written"},
        {"--save-state naming a folder", with({L"--in", at(L"in.wav"), L"--save-state", at(L"afolder")}), 1,
         "afolder: is a folder"},
        {"an input at 1 Hz", with({L"--in", at(L"rate1.wav")}), 1, "sample rate of 1 Hz"},
        {"an input at 2 GHz", with({L"--in", at(L"rate2g.wav")}), 1, "sample rate of 2000000000 Hz"},
        {"a refused state", with({L"--in", at(L"in.wav"), L"--load-state", at(L"refused.state")}), 1,
         "refused.state: the effect refused the state"},
        {"a screenshot in a missing folder",
         {L"editor", module, L"--effect", kStereo, L"--seconds", L"0", L"--screenshot", at(L"missing\\shot.bmp")},
         1,
         "shot.bmp: cannot be written"},
        {"an hour of 8 channels",
         {L"generate", L"--out", at(L"out.wav"), L"--seconds", L"3600", L"--channels", L"8"},
         2,
         "more than a WAV file holds"},
        // The system's text follows the error's number.
        {"a module that is no DLL", {L"scan", at(L"text.dll")}, 1, "error 193: "},
        {"render and save the state",
         with({L"--in", at(L"in.wav"), L"--save-state", at(L"state.bin")}),
         0,
         "",
         {L"state.bin"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::wstring> expected = FolderEntries(work.Wide());
        expected.insert(expected.end(), c.outputs.begin(), c.outputs.end());
        std::sort(expected.begin(), expected.end());

        const ToolRun run = RunTool(L"aaxhost.exe", c.arguments);

        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        EXPECT_EQ(FolderEntries(work.Wide()), expected) << "no temporary file, no output of a failed command";
        if (c.exitCode != 0) {
            EXPECT_EQ(run.err.rfind("aaxhost: ", 0), 0u) << run.err;
            const std::size_t found = run.err.find(c.message);
            const std::size_t end = found + std::string(c.message).size();
            EXPECT_TRUE(found != std::string::npos && end < run.err.size() && run.err[end] != '\n')
                << "the message part, with text after it: " << run.err;
            EXPECT_TRUE(ReadText(at(L"out.wav")) == "earlier") << "the earlier --out stays as it was";
        } else {
            EXPECT_NE(ReadText(at(L"out.wav")), "earlier");
            EXPECT_EQ(ReadText(at(L"state.bin")).rfind("LMCHUNK1", 0), 0u);
        }
    }
}

}  // namespace
