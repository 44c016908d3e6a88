// The validator's "threading" checks: the realtime path makes no heap, allocator or
// lock call on the audio thread, and no call into the module leaves the floating-point control state
// other than it found it.
#include <algorithm>
#include <cstddef>
#include <functional>
#include <memory>
#include <random>
#include <thread>

#include "aax/AAX_SPlugInChunk.h"
#include "aaxhost/validate/CheckScope.h"
#include "aaxhost/validate/FloatingPointState.h"
#include "aaxhost/validate/HeapCallCounter.h"
#include "aaxhost/validate/InstanceRig.h"
#include "aaxhost/validate/ParameterSurvey.h"
#include "aaxhost/validate/TestSignals.h"
#include "aaxhost/validate/ValidationGroups.h"

namespace aaxhost::validate {

namespace {

const char* const kGroup = "threading";

// Policy: every allocation and every lock or wait the module or its core makes on the
// audio thread counts (a lock the audio thread waits for is held by a thread of lower
// priority: priority inversion, a dropout),
// from the first block on. AAX hosts give no warm-up: the first block after an
// instance is made, or after its rate or layout changed, runs on the realtime thread
// like every other.
std::string CheckAudioThreadHeap(Validation& validation, const std::vector<const EffectDescription*>& effects) {
    const int blocksPerEffect = validation.Scaled(100, 1000);
    std::size_t watched = 0;
    for (const EffectDescription* effect : effects) {
        InstanceRig rig(*effect, 48000.0f, kLargestGridBlock);
        const auto noise = MakeTestSignal(TestSignal::Noise, kLargestGridBlock, validation.Random());
        for (std::int32_t channel = 0; channel < rig.InputCount(); ++channel)
            std::copy(noise.begin(), noise.end(), rig.Context().Input(channel));
        // The master bypass stays off: a bypassed instance never reaches its core.
        std::vector<std::string> ids;
        for (const ParameterInfo& info : SurveyParameters(*rig.Instance().Parameters()))
            if (!info.masterBypass) ids.push_back(info.id);
        HeapCallCounter counter(ModulesInFolderOf(validation.Module().Handle()));
        watched = std::max(watched, counter.Patched().size());
        // The audio thread: a thread of its own, as in a host, watched from its first block.
        std::thread audio([&] {
            counter.WatchCurrentThread();
            const std::int32_t sizes[] = {1, 64, 512, 17, kLargestGridBlock, 256};
            for (int block = 0; block < blocksPerEffect; ++block) rig.ProcessBlock(sizes[block % 6]);
            counter.Watch(0);
        });
        // Meanwhile the host's automation changes values, so that the blocks pick up
        // parameter changes as they would on stage (those calls themselves are not counted).
        std::uniform_real_distribution<double> value(0.0, 1.0);
        for (std::size_t i = 0; i < ids.size() * 4 && !ids.empty(); ++i)
            rig.Instance().Automate(ids[i % ids.size()].c_str(), value(validation.Random()));
        audio.join();
        if (counter.Total() != 0)
            Fail("effect " + rig.Describe() + ": " + counter.Describe() + " on the audio thread during " +
                 std::to_string(blocksPerEffect) +
                 " blocks (every allocation and lock call counts, the first block's too)");
    }
    return "no heap, allocator or lock call on the audio thread during " + std::to_string(blocksPerEffect) +
           " blocks of each of " + std::to_string(effects.size()) + " effects, first block included (" +
           std::to_string(watched) +
           " imports watched in the module and the DLLs beside it, GetProcAddress among them)";
}

// Runs `call` once from each of two states (the thread's own and a distinct legal
// one) and fails, naming the call, when it returns with another state.
void ExpectStateKept(const std::string& where, const char* call, const std::function<void()>& body) {
    const FloatingPointState original = CurrentFloatingPointState();
    const FloatingPointState states[] = {original, DistinctFloatingPointState(original)};
    for (const FloatingPointState& state : states) {
        SetFloatingPointState(state);
        const FloatingPointState expected = CurrentFloatingPointState();
        try {
            body();
        } catch (...) {
            SetFloatingPointState(original);
            throw;
        }
        const FloatingPointState after = CurrentFloatingPointState();
        SetFloatingPointState(original);
        if (after != expected)
            Fail("effect " + where + ": " + call +
                 " changed the floating-point state: " + DescribeFloatingPointChange(expected, after));
    }
}

std::string CheckFloatingPointState(Validation& validation, const std::vector<const EffectDescription*>& effects) {
    int calls = 0;
    for (const EffectDescription* effect : effects) {
        const FloatingPointState original = CurrentFloatingPointState();
        std::unique_ptr<InstanceRig> rig;
        ExpectStateKept(DescribeEffect(*effect), "creating and initialising the instance",
                        [&] { rig = std::make_unique<InstanceRig>(*effect, 48000.0f, 512); });
        SetFloatingPointState(original);
        const std::string where = rig->Describe();
        AAX_IACFEffectParameters* parameters = rig->Instance().Parameters();
        const auto noise = MakeTestSignal(TestSignal::Noise, 512, validation.Random());
        for (std::int32_t channel = 0; channel < rig->InputCount(); ++channel)
            std::copy(noise.begin(), noise.end(), rig->Context().Input(channel));
        ExpectStateKept(where, "the process procedure", [&] { rig->ProcessBlock(512); });
        for (const std::string& id : rig->ParameterIDs()) {
            const double value = std::uniform_real_distribution<double>(0.0, 1.0)(validation.Random());
            ExpectStateKept(where, ("UpdateParameterNormalizedValue(" + id + ")").c_str(),
                            [&] { rig->Instance().Automate(id.c_str(), value); });
            ExpectStateKept(where, ("SetParameterNormalizedValue(" + id + ")").c_str(),
                            [&] { rig->Instance().SetParameter(id.c_str(), value); });
            calls += 2;
        }
        // The chunk calls: size, save and restore of the instance's first chunk.
        std::int32_t chunks = 0;
        AAX_CTypeID chunkID = 0;
        if (parameters->GetNumberOfChunks(&chunks) == AAX_SUCCESS && chunks > 0 &&
            parameters->GetChunkIDFromIndex(0, &chunkID) == AAX_SUCCESS) {
            std::uint32_t size = 0;
            ExpectStateKept(where, "GetChunkSize", [&] { parameters->GetChunkSize(chunkID, &size); });
            std::vector<unsigned char> buffer(offsetof(AAX_SPlugInChunk, fData) + size + 16, 0);
            auto* chunk = reinterpret_cast<AAX_SPlugInChunk*>(buffer.data());
            AAX_Result saved = AAX_ERROR_UNIMPLEMENTED;
            ExpectStateKept(where, "GetChunk", [&] {
                chunk->fSize = static_cast<std::int32_t>(size);
                saved = parameters->GetChunk(chunkID, chunk);
            });
            if (saved == AAX_SUCCESS) {
                ExpectStateKept(where, "SetChunk", [&] { parameters->SetChunk(chunkID, chunk); });
                AAX_CBoolean equal = 0;
                ExpectStateKept(where, "CompareActiveChunk", [&] { parameters->CompareActiveChunk(chunk, &equal); });
            }
            calls += 4;
        }
        ExpectStateKept(where, "the process procedure after the chunk calls", [&] { rig->ProcessBlock(64); });
        calls += 3;
        ExpectStateKept(where, "uninitialising and releasing the instance", [&] { rig.reset(); });
    }
    return std::to_string(calls) + " calls into " + std::to_string(effects.size()) +
           " effects, each from the thread's own and from a distinct floating-point state, left it as it was";
}

}  // namespace

void RunThreadingChecks(Validation& validation) {
    const std::vector<const EffectDescription*> effects =
        EffectsOrSkip(validation, kGroup, {"audio-thread-heap", "floating-point-state"}, IsRealtimeEffect,
                      "the module describes no realtime effect");
    if (effects.empty()) return;
    validation.Run(kGroup, "audio-thread-heap", [&] { return CheckAudioThreadHeap(validation, effects); });
    validation.Run(kGroup, "floating-point-state", [&] { return CheckFloatingPointState(validation, effects); });
}

}  // namespace aaxhost::validate
