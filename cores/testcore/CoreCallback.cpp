// PluginCoreCallback of the test core: records each request, then answers it as a real
// core would, from the test's script. Never writes past a record, an output area or a
// caller's buffer; a request it cannot serve safely (null record, no output address)
// is refused with TESTCORE_REFUSED.

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "CallCapture.h"
#include "ScriptedCore.h"
#include "TestCoreControl.h"
#include "contract/CoreRequest.h"

namespace TestCore {
namespace {

constexpr std::size_t kStaticInfoSize = 9204;

std::uint32_t FillStaticInfo(const CoreScript& script, const StaticInfoRequest& request) {
    const auto found = script.staticInfo.find(request.pluginFormat);
    if (found == script.staticInfo.end() || request.outputAddress == 0) return TESTCORE_REFUSED;
    std::memcpy(reinterpret_cast<void*>(request.outputAddress), found->second.bytes.data(), kStaticInfoSize);
    return found->second.result;
}

std::uint32_t CreateInstance(ScriptedCore& core, const InstanceCreateRequest& request) {
    if (request.instanceHandleAddress == 0) return TESTCORE_REFUSED;
    const std::uint64_t handle = core.script.nextInstanceHandle++;
    *reinterpret_cast<std::uint64_t*>(request.instanceHandleAddress) = handle;
    core.memory.hooks[handle] = HookLink{request.hookCallbackAddress, request.hookAddress};
    return 0;
}

std::uint32_t DescribeParameters(const CoreScript& script, ParameterDescriptionsRequest& request) {
    const std::uint32_t count = std::min(request.count, script.parameterCount);
    if (count > 0 && !request.records) return TESTCORE_REFUSED;
    if (count > 0) std::memcpy(request.records, script.parameterRecords.data(), count * sizeof(CoreParameterInfo));
    return 0;
}

void AnswerText(const std::string& text, TextQueryRecord& record) {
    const std::size_t length = std::min(text.size(), sizeof record.text - 1);
    std::memcpy(record.text, text.data(), length);
    record.text[length] = '\0';
}

// The state operations report failure in the status byte; the answer stays 0.
void ServeState(ScriptedCore& core, StateRequest& request, RecordedCall& call) {
    const auto scripted = core.script.stateStatus.find(request.operation);
    if (scripted != core.script.stateStatus.end() && scripted->second != 0) {
        request.status = scripted->second;
        return;
    }
    Bytes& state = core.memory.state;
    const bool bytesMissing = request.size > 0 && !request.bytes;
    switch (request.operation) {
    case kStateSizeQuery: {
        request.size = static_cast<std::uint32_t>(state.size());
        const std::int64_t changed = static_cast<std::int64_t>(state.size()) + core.script.stateSizeChange;
        state.resize(static_cast<std::size_t>(std::max<std::int64_t>(changed, 0)), 0xA5);
        return;
    }
    case kStateRead:
        if (request.size != state.size()) {
            request.size = static_cast<std::uint32_t>(state.size());
            if (!core.script.silentSizeMismatch) request.status = 1;
            return;
        }
        if (bytesMissing) {
            request.status = 1;
            return;
        }
        if (!state.empty()) std::memcpy(request.bytes, state.data(), state.size());
        call.data = state;
        return;
    case kStateLoad:
        core.memory.lastLoadedState = call.data;
        core.memory.lastLoadedStateVersion = request.stateVersion;
        if (bytesMissing) {
            request.status = 1;
            return;
        }
        state = call.data;
        return;
    case kStateCompare:
        if (bytesMissing) {
            request.status = 1;
            return;
        }
        request.result = call.data == state ? 1 : 0;
        return;
    default: request.status = 1; return;
    }
}

void ApplyGain(const CoreScript& script, const BlockRecord& block) {
    if (script.blockGain == 1.0f || !block.channels) return;
    for (std::uint32_t channel = 0; channel < script.blockChannels; ++channel) {
        float* samples = block.channels[channel];
        if (!samples) continue;
        for (std::uint32_t i = 0; i < block.sampleCount; ++i) samples[i] *= script.blockGain;
    }
}

std::uint32_t Answer(ScriptedCore& core, std::uint32_t selector, std::uint64_t instance, void* record,
                     RecordedCall& call) {
    CoreScript& script = core.script;
    switch (static_cast<CoreSelector>(selector)) {
    case CoreSelector::StaticInfo: return FillStaticInfo(script, *static_cast<StaticInfoRequest*>(record));
    case CoreSelector::CreateInstance: return CreateInstance(core, *static_cast<InstanceCreateRequest*>(record));
    case CoreSelector::DestroyInstance: core.memory.hooks.erase(instance); return 0;
    case CoreSelector::ParameterCount: static_cast<U32Out*>(record)->value = script.parameterCount; return 0;
    case CoreSelector::ParameterInfo:
        return DescribeParameters(script, *static_cast<ParameterDescriptionsRequest*>(record));
    case CoreSelector::Latency: static_cast<U32Out*>(record)->value = script.latency; return 0;
    case CoreSelector::QueryU32: static_cast<U32Out*>(record)->value = script.u32Answer; return 0;
    case CoreSelector::QueryText: AnswerText(script.textAnswer, *static_cast<TextQueryRecord*>(record)); return 0;
    case CoreSelector::State: ServeState(core, *static_cast<StateRequest*>(record), call); return 0;
    case CoreSelector::LegacyStateLoad: {
        // What a legacy blob means is the core's own business: this one only keeps it.
        core.memory.lastLegacyState = call.data;
        auto& load = *static_cast<LegacyStateLoad*>(record);
        load.status = load.size > 0 && !load.bytes ? 1 : script.legacyLoadStatus;
        return 0;
    }
    case CoreSelector::ProcessBlock: ApplyGain(script, *static_cast<BlockRecord*>(record)); return 0;
    default: return 0;
    }
}

}  // namespace
}  // namespace TestCore

// [any-thread]: the hook calls from its UI, audio and offline threads alike.
extern "C" __declspec(dllexport) std::uint32_t
    PluginCoreCallback(std::uint32_t magic, std::uint32_t selector, std::uint32_t argument, std::uint64_t instance,
                       void* record) noexcept {
    using namespace TestCore;
    try {
        ScriptedCore& core = TheCore();
        std::lock_guard<std::mutex> lock(core.mutex);
        RecordedCall call;
        call.magic = magic;
        call.selector = selector;
        call.argument = argument;
        call.threadId = GetCurrentThreadId();
        call.instance = instance;
        call.recordAddress = reinterpret_cast<std::uint64_t>(record);
        const std::size_t recordSize = RecordSizeOf(selector);
        if (magic != kCoreMagic || (recordSize > 0 && !record)) {
            call.result = TESTCORE_REFUSED;
        } else {
            if (recordSize > 0) {
                const auto* bytes = static_cast<const std::uint8_t*>(record);
                call.record.assign(bytes, bytes + recordSize);
                call.data = CaptureData(selector, record, core.script);
            }
            call.result = IsKnownSelector(selector) ? Answer(core, selector, instance, record, call) : TESTCORE_REFUSED;
            const auto scripted = core.script.results.find(selector);
            if (scripted != core.script.results.end()) call.result = scripted->second;
        }
        core.calls.push_back(std::move(call));
        return core.calls.back().result;
    } catch (...) {
        return TESTCORE_REFUSED;
    }
}

// The signature the hook resolves.
[[maybe_unused]] constexpr PluginCoreCallbackFn kEntryPointShape = &PluginCoreCallback;
