// aaxhost generate: writes a test signal to a WAV file, the input a team renders
// through its plug-in (the main job renders one through the demo core).
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "aaxhost/cli/Commands.h"
#include "aaxhost/cli/OutputFiles.h"
#include "aaxhost/cli/TestSignal.h"
#include "aaxhost/cli/WavFile.h"
#include "toolcli/CommandLine.h"
#include "toolcli/CommandRunner.h"

namespace aaxhost::cli {
namespace {

constexpr const char* kUsage =
    "usage: aaxhost generate --out <wav> [options]\n"
    "\n"
    "Writes a test signal, the same on every channel.\n"
    "\n"
    "  --out FILE         the WAV file to write\n"
    "  --signal KIND      sweep (20 Hz to 20 kHz, logarithmic; the default), sine, noise\n"
    "                     or impulses (one every half second)\n"
    "  --seconds S        length, 0.001 to 3600 (default 2); the file must stay within\n"
    "                     the 4 GiB a WAV file holds\n"
    "  --rate HZ          sample rate, 8000 to 384000 (default 48000)\n"
    "  --channels N       1 to 24 (default 2; more than 8 in the extensible format)\n"
    "  --level DB         peak level in dBFS, -120 to 0 (default -12)\n"
    "  --frequency HZ     the sine's frequency (default 440)\n"
    "  --format F         float (default), 24 or 16 (bit PCM)\n"
    "\n"
    "Exits 0 when written, 1 when the file cannot be written, 2 for bad arguments.\n";

int Generate(const toolcli::ParsedOptions& options) {
    if (!options.Positional().empty()) throw toolcli::UsageError("generate takes no positional argument");
    const std::string outPath = options.Required("--out");
    SignalSettings settings;
    if (const auto kind = options.Value("--signal"); kind && !ParseSignalKind(*kind, settings.kind))
        throw toolcli::UsageError("--signal must be sweep, sine, noise or impulses, not \"" + *kind + "\"");
    const double seconds = toolcli::ParseNumber(options.Value("--seconds").value_or("2"), 0.001, 3600.0, "--seconds");
    settings.sampleRate =
        static_cast<double>(toolcli::ParseInteger(options.Value("--rate").value_or("48000"), 8000, 384000, "--rate"));
    settings.channels =
        static_cast<int>(toolcli::ParseInteger(options.Value("--channels").value_or("2"), 1,
                                               static_cast<std::int64_t>(kMaxWavChannels), "--channels"));
    settings.levelDb = toolcli::ParseNumber(options.Value("--level").value_or("-12"), -120.0, 0.0, "--level");
    settings.frequency = toolcli::ParseNumber(options.Value("--frequency").value_or("440"), 1.0,
                                              settings.sampleRate / 2.0, "--frequency");
    settings.frames = static_cast<std::int64_t>(seconds * settings.sampleRate + 0.5);
    if (settings.frames < 1) settings.frames = 1;

    WavLayout audio;
    audio.sampleRate = static_cast<std::uint32_t>(settings.sampleRate);
    audio.channels = static_cast<std::size_t>(settings.channels);
    audio.frames = static_cast<std::uint64_t>(settings.frames);
    const std::string format = options.Value("--format").value_or("float");
    if (format == "float")
        audio.format = SampleFormat::Float32;
    else if (format == "24")
        audio.format = SampleFormat::Pcm24;
    else if (format == "16")
        audio.format = SampleFormat::Pcm16;
    else
        throw toolcli::UsageError("--format must be float, 24 or 16, not \"" + format + "\"");
    // Refused before the file is started.
    const std::uint64_t size = WavFileSize(static_cast<std::size_t>(settings.channels),
                                           static_cast<std::uint64_t>(settings.frames), audio.format, false);
    if (size > kMaxWavFileSize)
        throw toolcli::UsageError(std::to_string(settings.frames) + " frames of " + std::to_string(settings.channels) +
                                  " channel(s) in " + SampleFormatName(audio.format) + " take " + std::to_string(size) +
                                  " bytes, more than a WAV file holds (" + std::to_string(kMaxWavFileSize) +
                                  "); shorten --seconds or lower --rate, --channels or --format");
    // Written a piece at a time: an hour of signal is never held.
    OutputFiles files;
    WavWriter file(files, outPath, audio);
    SignalGenerator signal(settings);
    std::vector<float> piece(65536);
    const std::vector<const float*> channels(audio.channels, piece.data());
    for (std::int64_t done = 0; done < settings.frames;) {
        const auto count = static_cast<std::size_t>(std::min<std::int64_t>(settings.frames - done, 65536));
        signal.Next(piece.data(), count);
        file.Write(channels.data(), count);
        done += static_cast<std::int64_t>(count);
    }
    file.Finish();
    files.Commit();
    std::printf("wrote %s: %lld frames, %d channels, %u Hz, %s\n", outPath.c_str(),
                static_cast<long long>(settings.frames), settings.channels, audio.sampleRate,
                SampleFormatName(audio.format));
    return toolcli::kExitSucceeded;
}

}  // namespace

int RunGenerate(const Arguments& arguments) {
    return toolcli::RunCommand("aaxhost", "aaxhost generate", [&] {
        const toolcli::ParsedOptions options(arguments, {{"--out", toolcli::OptionRule::Kind::Value},
                                                         {"--signal", toolcli::OptionRule::Kind::Value},
                                                         {"--seconds", toolcli::OptionRule::Kind::Value},
                                                         {"--rate", toolcli::OptionRule::Kind::Value},
                                                         {"--channels", toolcli::OptionRule::Kind::Value},
                                                         {"--level", toolcli::OptionRule::Kind::Value},
                                                         {"--frequency", toolcli::OptionRule::Kind::Value},
                                                         {"--format", toolcli::OptionRule::Kind::Value}});
        if (options.Has("--help")) {
            std::fputs(kUsage, stdout);
            return toolcli::kExitSucceeded;
        }
        return Generate(options);
    });
}

}  // namespace aaxhost::cli
