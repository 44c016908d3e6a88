// The validator's "processing" checks: every realtime effect over a grid of sample
// rates, block sizes and signals (finite output, inputs left alone), the channel
// order of every layout, the reported latency against the measured one, automation
// from a second thread and parameter fuzzing while blocks run.
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <optional>
#include <random>
#include <thread>

#include "aaxhost/validate/CheckScope.h"
#include "aaxhost/validate/InstanceRig.h"
#include "aaxhost/validate/SignalChecks.h"
#include "aaxhost/validate/TestSignals.h"
#include "aaxhost/validate/ValidationGroups.h"

namespace aaxhost::validate {

namespace {

const char* const kGroup = "processing";

// Long enough for a few of the largest blocks, short enough that the grid stays quick.
constexpr std::size_t kGridCaseLength = 4096;
// The channel signatures' spacing: well above what a plug-in's default filtering
// smears an impulse over.
constexpr std::size_t kSignatureSpacing = 128;

std::string SeedNote(const Validation& validation) { return "seed " + std::to_string(validation.GetOptions().seed); }

// The first non-finite (or, when asked, subnormal) sample of the rig's main outputs
// in the block just run, as a reason; empty when there is none.
std::string BadOutput(InstanceRig& rig, std::int64_t position, std::int32_t samples, bool subnormalsAreBad) {
    for (std::int32_t channel = 0; channel < rig.OutputCount(); ++channel) {
        const auto bad =
            FindBadSample(rig.Context().Output(channel), static_cast<std::size_t>(samples), subnormalsAreBad);
        if (!bad) continue;
        return "output channel " + std::to_string(channel) + " sample " +
               std::to_string(position + static_cast<std::int64_t>(bad->index)) + " is " + SampleFaultName(bad->fault) +
               " (" + DescribeSample(bad->value) + ")";
    }
    return {};
}

std::vector<std::vector<float>> Signals(TestSignal signal, std::int32_t channels, std::size_t length,
                                        std::mt19937_64& random) {
    std::vector<std::vector<float>> input;
    for (std::int32_t channel = 0; channel < channels; ++channel)
        input.push_back(MakeTestSignal(signal, length, random, static_cast<std::size_t>(7 + 31 * channel)));
    return input;
}

// The grid: finite output and untouched inputs, found in one pass and reported by two
// checks, so that a module with both faults shows both.
struct GridFindings {
    std::string covered;
    std::string nonFinite;  // first reason, empty when none
    std::string inputChanged;
};

// The settings at the parameters' extremes: every corner (each parameter at 0 or 1)
// when there are at most kMaxCornerParameters, else each parameter alone at either end
// with the others at the opposite one, and all at 0 and all at 1.
constexpr std::size_t kMaxCornerParameters = 6;

std::vector<std::vector<double>> ExtremeSettings(std::size_t parameters) {
    std::vector<std::vector<double>> settings;
    if (parameters == 0) return settings;
    if (parameters <= kMaxCornerParameters) {
        for (std::size_t corner = 0; corner < (std::size_t{1} << parameters); ++corner) {
            std::vector<double> values(parameters);
            for (std::size_t p = 0; p < parameters; ++p) values[p] = (corner >> p) & 1u ? 1.0 : 0.0;
            settings.push_back(values);
        }
        return settings;
    }
    settings.push_back(std::vector<double>(parameters, 0.0));
    settings.push_back(std::vector<double>(parameters, 1.0));
    for (std::size_t p = 0; p < parameters; ++p)
        for (const double end : {0.0, 1.0}) {
            std::vector<double> values(parameters, 1.0 - end);
            values[p] = end;
            settings.push_back(values);
        }
    return settings;
}

std::string DescribeSetting(const std::vector<std::string>& ids, const std::vector<double>& values) {
    std::string text;
    for (std::size_t p = 0; p < ids.size() && p < values.size(); ++p)
        text += (text.empty() ? "" : ", ") + ids[p] + "=" + (values[p] > 0.5 ? "1" : "0");
    return text;
}

GridFindings RunGrid(Validation& validation, const std::vector<const EffectDescription*>& effects) {
    GridFindings findings;
    const std::vector<float> rates = GridSampleRates(validation);
    const std::vector<std::int32_t> blocks = GridBlockSizes(validation);
    const TestSignal signals[] = {TestSignal::Silence, TestSignal::Noise, TestSignal::Impulse};
    int cases = 0;
    for (const EffectDescription* effect : effects) {
        for (float rate : rates) {
            InstanceRig rig(*effect, rate, kLargestGridBlock);
            for (std::int32_t block : blocks) {
                for (TestSignal signal : signals) {
                    ++cases;
                    const auto input = Signals(signal, rig.InputCount(), kGridCaseLength, validation.Random());
                    const std::string where = "effect " + rig.Describe() + ", block " + std::to_string(block) + ", " +
                                              TestSignalName(signal) + ": ";
                    rig.Run(input, block, [&](std::int64_t position, std::int32_t samples) {
                        if (findings.nonFinite.empty()) {
                            const std::string bad = BadOutput(rig, position, samples, true);
                            if (!bad.empty()) findings.nonFinite = where + bad;
                        }
                        if (!findings.inputChanged.empty()) return;
                        for (std::int32_t channel = 0; channel < rig.InputCount(); ++channel) {
                            const float* buffer = rig.Context().Input(channel);
                            const float* given = input[static_cast<std::size_t>(channel)].data() + position;
                            for (std::int32_t i = 0; i < samples; ++i) {
                                if (buffer[i] == given[i]) continue;
                                findings.inputChanged = where + "input channel " + std::to_string(channel) +
                                                        " sample " + std::to_string(position + i) + " was " +
                                                        DescribeSample(given[i]) + " and is " +
                                                        DescribeSample(buffer[i]) + " after the block";
                                return;
                            }
                        }
                    });
                }
            }
        }
    }
    // The same signals with every parameter at its extremes, at the lowest and the
    // highest rate of the grid, where filters and tapers break first.
    const float extremeRates[] = {*std::min_element(rates.begin(), rates.end()),
                                  *std::max_element(rates.begin(), rates.end())};
    int extremeCases = 0;
    for (const EffectDescription* effect : effects) {
        for (float rate : extremeRates) {
            InstanceRig rig(*effect, rate, 512);
            const std::vector<std::string> ids = rig.ParameterIDs();
            for (const std::vector<double>& setting : ExtremeSettings(ids.size())) {
                for (std::size_t p = 0; p < ids.size(); ++p) rig.Instance().SetParameter(ids[p].c_str(), setting[p]);
                for (TestSignal signal : signals) {
                    ++extremeCases;
                    const auto input = Signals(signal, rig.InputCount(), kGridCaseLength, validation.Random());
                    rig.Run(input, 512, [&](std::int64_t position, std::int32_t samples) {
                        if (!findings.nonFinite.empty()) return;
                        const std::string bad = BadOutput(rig, position, samples, true);
                        if (!bad.empty())
                            findings.nonFinite = "effect " + rig.Describe() + " with " + DescribeSetting(ids, setting) +
                                                 ", " + TestSignalName(signal) + ": " + bad;
                    });
                }
            }
        }
    }
    std::string rateList;
    for (float rate : rates) rateList += (rateList.empty() ? "" : ", ") + std::to_string(static_cast<long>(rate));
    std::string blockList;
    for (std::int32_t block : blocks) blockList += (blockList.empty() ? "" : ", ") + std::to_string(block);
    findings.covered = std::to_string(cases) + " cases: " + std::to_string(effects.size()) + " effects at " + rateList +
                       " Hz, blocks of " + blockList + ", silence, noise and impulses, and " +
                       std::to_string(extremeCases) + " cases with every parameter at its extremes (" +
                       SeedNote(validation) + ")";
    return findings;
}

std::string CheckLatency(const std::vector<const EffectDescription*>& effects) {
    for (const EffectDescription* effect : effects) {
        InstanceRig rig(*effect, 48000.0f, 512);
        const std::int32_t reported = rig.ReportedLatency();
        if (reported < 0) Fail("effect " + rig.Describe() + ": reported " + std::to_string(reported) + " samples");
        const std::size_t length = static_cast<std::size_t>(reported) + 8192;
        std::vector<std::vector<float>> input(static_cast<std::size_t>(rig.InputCount()),
                                              std::vector<float>(length, 0.0f));
        for (auto& channel : input) channel[0] = 1.0f;
        const auto output = rig.Run(input, 512);
        if (output.empty()) Fail("effect " + rig.Describe() + " has no output channel");
        const std::size_t peak = PeakIndex(output[0].data(), length);
        if (peak == length)
            Fail("effect " + rig.Describe() + ": reported " + std::to_string(reported) +
                 " samples, measured nothing: no impulse came back within " + std::to_string(length) + " samples");
        if (static_cast<std::int64_t>(peak) != reported)
            Fail("effect " + rig.Describe() + ": reported " + std::to_string(reported) + " samples, measured " +
                 std::to_string(peak));
    }
    return "an impulse through each of " + std::to_string(effects.size()) +
           " effects at its defaults comes back after the latency it reports";
}

std::string CheckChannelOrder(const std::vector<const EffectDescription*>& effects) {
    std::string unidentified;
    for (const EffectDescription* effect : effects) {
        InstanceRig rig(*effect, 48000.0f, 512);
        const std::size_t length = static_cast<std::size_t>(rig.InputCount() + 1) * kSignatureSpacing +
                                   static_cast<std::size_t>(std::max(0, rig.ReportedLatency())) + 2048;
        std::vector<std::vector<float>> input;
        for (std::int32_t channel = 0; channel < rig.InputCount(); ++channel)
            input.push_back(MakeChannelSignature(channel, kSignatureSpacing, length));
        const auto output = rig.Run(input, 512);
        // An output channel with an input of its own must carry that input; the others
        // (a mono input's second output) have no signature of their own to look for.
        const std::int32_t checked = std::min(rig.InputCount(), rig.OutputCount());
        std::string wrong;
        for (std::int32_t channel = 0; channel < checked; ++channel) {
            const std::int32_t source =
                IdentifyChannelSignature(output[static_cast<std::size_t>(channel)], kSignatureSpacing);
            if (source < 0) {
                unidentified += (unidentified.empty() ? "" : ", ") + DescribeEffect(*effect) + " channel " +
                                std::to_string(channel);
            } else if (source != channel) {
                wrong += (wrong.empty() ? "" : ", ") + std::string("output channel ") + std::to_string(channel) +
                         " carries input channel " + std::to_string(source) + "'s signal";
            }
        }
        if (!wrong.empty()) Fail("effect " + rig.Describe() + ": " + wrong);
    }
    std::string covered =
        "every channel of " + std::to_string(effects.size()) + " layouts comes back on its own channel";
    if (!unidentified.empty()) covered += "; no test signal recognisable on " + unidentified;
    return covered;
}

struct ParameterChange {
    std::string id;
    double value = 0.0;
    bool throughUser = false;  // SetParameterNormalizedValue instead of automation
};

std::vector<ParameterChange> RandomChanges(const std::vector<std::string>& ids, int count, std::mt19937_64& random) {
    std::vector<ParameterChange> changes;
    if (ids.empty()) return changes;
    std::uniform_int_distribution<std::size_t> pick(0, ids.size() - 1);
    std::uniform_real_distribution<double> value(0.0, 1.0);
    std::bernoulli_distribution user(0.25);
    for (int i = 0; i < count; ++i) {
        ParameterChange change{ids[pick(random)], value(random), user(random)};
        // The ends of the range are where a taper's arithmetic breaks first.
        if (i % 7 == 3) change.value = 0.0;
        if (i % 7 == 5) change.value = 1.0;
        changes.push_back(change);
    }
    return changes;
}

AAX_Result Apply(InstanceRig& rig, const ParameterChange& change) {
    return change.throughUser ? rig.Instance().SetParameter(change.id.c_str(), change.value)
                              : rig.Instance().Automate(change.id.c_str(), change.value);
}

std::string DescribeChange(const ParameterChange& change) {
    char value[32];
    std::snprintf(value, sizeof value, "%.6g", change.value);
    return change.id + "=" + value;
}

// Output that is not finite is the finite-output check's to report: the checks below
// fail on it only when that one passed, and otherwise note that they saw it too.
std::string CheckAutomationThread(Validation& validation, const std::vector<const EffectDescription*>& effects,
                                  bool nonFiniteReported) {
    const int blocksPerEffect = validation.Counts().automationBlocks;
    std::string seen;
    for (const EffectDescription* effect : effects) {
        InstanceRig rig(*effect, 48000.0f, 512);
        const auto changes = RandomChanges(rig.ParameterIDs(), 1000, validation.Random());
        if (changes.empty()) continue;
        const auto noise = Signals(TestSignal::Noise, rig.InputCount(), 512, validation.Random());
        for (std::int32_t channel = 0; channel < rig.InputCount(); ++channel)
            std::copy(noise[static_cast<std::size_t>(channel)].begin(), noise[static_cast<std::size_t>(channel)].end(),
                      rig.Context().Input(channel));
        std::atomic<bool> started{false};
        std::atomic<bool> stop{false};
        std::string refused;
        // The automation runs from before the first block until after the last one.
        std::thread automation([&] {
            for (std::size_t i = 0; !stop.load(); i = (i + 1) % changes.size()) {
                const AAX_Result result = Apply(rig, changes[i]);
                if (result != AAX_SUCCESS && refused.empty())
                    refused = DescribeChange(changes[i]) + " returned " + std::to_string(result);
                started.store(true);
            }
        });
        while (!started.load()) std::this_thread::yield();
        std::string bad;
        for (int block = 0; block < blocksPerEffect; ++block) {
            const std::int32_t samples = block % 3 == 0 ? 64 : 128;
            rig.ProcessBlock(samples);
            if (bad.empty()) bad = BadOutput(rig, 0, samples, false);
        }
        stop.store(true);
        automation.join();
        if (!refused.empty())
            Fail("effect " + rig.Describe() + ": a parameter change from a second thread was refused: " + refused);
        if (!bad.empty()) {
            if (!nonFiniteReported)
                Fail("effect " + rig.Describe() + ": while another thread changed parameters (" + SeedNote(validation) +
                     "), " + bad);
            seen = "; non-finite output seen as processing/finite-output reports";
        }
    }
    // How many changes the second thread got through is a timing: the report leaves it out.
    return std::to_string(blocksPerEffect) +
           " blocks per effect while a second thread changed parameters from before the first to after the last (" +
           SeedNote(validation) + ")" + seen;
}

std::string CheckParameterFuzz(Validation& validation, const std::vector<const EffectDescription*>& effects,
                               bool nonFiniteReported) {
    const int rounds = validation.Scaled(20, 200);
    std::string seen;
    for (const EffectDescription* effect : effects) {
        InstanceRig rig(*effect, 48000.0f, 512);
        const std::vector<std::string> ids = rig.ParameterIDs();
        if (ids.empty()) continue;
        for (int round = 0; round < rounds; ++round) {
            std::uniform_int_distribution<int> howMany(1, static_cast<int>(std::min<std::size_t>(ids.size(), 8)));
            const auto changes = RandomChanges(ids, howMany(validation.Random()), validation.Random());
            std::string applied;
            for (const ParameterChange& change : changes) {
                const AAX_Result result = Apply(rig, change);
                if (result != AAX_SUCCESS)
                    Fail("effect " + rig.Describe() + ": setting " + DescribeChange(change) + " returned " +
                         std::to_string(result) + " (" + SeedNote(validation) + ")");
                applied += (applied.empty() ? "" : ", ") + DescribeChange(change);
            }
            const auto input = Signals(round % 2 ? TestSignal::Impulse : TestSignal::Noise, rig.InputCount(), 1024,
                                       validation.Random());
            std::string bad;
            rig.Run(input, 256, [&](std::int64_t position, std::int32_t samples) {
                if (bad.empty()) bad = BadOutput(rig, position, samples, false);
            });
            if (bad.empty()) continue;
            if (!nonFiniteReported)
                Fail("effect " + rig.Describe() + ": after setting " + applied + " (round " +
                     std::to_string(round + 1) + ", " + SeedNote(validation) + "), " + bad);
            seen = "; non-finite output seen as processing/finite-output reports";
            break;
        }
    }
    return std::to_string(rounds) + " rounds of random parameter values per effect through the host's interface, " +
           "blocks between them (" + SeedNote(validation) + ")" + seen;
}

}  // namespace

void RunProcessingChecks(Validation& validation) {
    const std::vector<const EffectDescription*> effects =
        EffectsOrSkip(validation, kGroup,
                      {"finite-output", "input-untouched", "channel-order", "latency", "automation-thread",
                       "parameter-fuzz"},
                      IsRealtimeEffect, "the module describes no realtime effect");
    if (effects.empty()) return;

    GridFindings grid;
    bool gridRan = false;
    validation.Run(kGroup, "finite-output", [&] {
        grid = RunGrid(validation, effects);
        gridRan = true;
        if (!grid.nonFinite.empty()) Fail(grid.nonFinite);
        return "no NaN, Inf or subnormal output in " + grid.covered;
    });
    if (gridRan) {
        validation.Run(kGroup, "input-untouched", [&] {
            if (!grid.inputChanged.empty()) Fail(grid.inputChanged);
            return "every input buffer held what the host gave after each block of " + grid.covered;
        });
    } else {
        validation.Skip(kGroup, "input-untouched", "the processing grid did not complete");
    }
    validation.Run(kGroup, "channel-order", [&] { return CheckChannelOrder(effects); });
    validation.Run(kGroup, "latency", [&] { return CheckLatency(effects); });
    const bool nonFiniteReported = CheckFailed(validation, kGroup, "finite-output");
    validation.Run(kGroup, "automation-thread",
                   [&] { return CheckAutomationThread(validation, effects, nonFiniteReported); });
    validation.Run(kGroup, "parameter-fuzz",
                   [&] { return CheckParameterFuzz(validation, effects, nonFiniteReported); });
}

}  // namespace aaxhost::validate
