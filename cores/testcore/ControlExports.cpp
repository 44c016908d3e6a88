// The control interface of TestCoreControl.h: each export takes the core's mutex for
// its own reads and writes, and no exception leaves it.

#include <algorithm>
#include <cstring>
#include <utility>

#include "ScriptedCore.h"
#include "TestCoreControl.h"
#include "contract/CoreEntryPoint.h"
#include "contract/CoreParameterInfo.h"

namespace TestCore {
namespace {

constexpr std::size_t kStaticInfoSize = 9204;

// PluginHookCallback's shape: magic, selector, argument, hook object, record.
using HookCallbackFn = std::uint32_t (*)(std::uint32_t, std::uint32_t, std::uint32_t, void*, void*);

// Runs `action` on the core under its mutex; `fallback` when anything throws.
template <class Result, class Action>
Result Locked(Result fallback, Action&& action) noexcept {
    try {
        ScriptedCore& core = TheCore();
        std::lock_guard<std::mutex> lock(core.mutex);
        return action(core);
    } catch (...) {
        return fallback;
    }
}

template <class Action>
void Locked(Action&& action) noexcept {
    Locked(0, [&](ScriptedCore& core) {
        action(core);
        return 0;
    });
}

std::uint32_t CopyOut(const Bytes& bytes, void* buffer, std::uint32_t capacity) {
    const std::size_t count = std::min<std::size_t>(bytes.size(), capacity);
    if (count > 0 && buffer) std::memcpy(buffer, bytes.data(), count);
    return static_cast<std::uint32_t>(bytes.size());
}

Bytes CopyIn(const void* bytes, std::size_t size) {
    const auto* begin = static_cast<const std::uint8_t*>(bytes);
    return begin ? Bytes(begin, begin + size) : Bytes(size, 0);
}

std::uint32_t CallHook(std::uint64_t instanceHandle, std::uint32_t magic, std::uint32_t selector,
                       std::uint32_t argument, void* record) noexcept {
    // Copied out under the lock and called without it: the hook may send requests back.
    const HookLink link = Locked(HookLink{}, [&](ScriptedCore& core) {
        const auto found = core.memory.hooks.find(instanceHandle);
        return found == core.memory.hooks.end() ? HookLink{} : found->second;
    });
    if (link.callbackAddress == 0) return TESTCORE_NO_HOOK;
    const auto callback = reinterpret_cast<HookCallbackFn>(link.callbackAddress);
    return callback(magic, selector, argument, reinterpret_cast<void*>(link.hookAddress), record);
}

}  // namespace
}  // namespace TestCore

using namespace TestCore;

TESTCORE_API void TestCore_Reset(void) {
    Locked([](ScriptedCore& core) { core.Reset(); });
}

TESTCORE_API void TestCore_SetResult(uint32_t selector, uint32_t result) {
    Locked([&](ScriptedCore& core) { core.script.results[selector] = result; });
}

TESTCORE_API void TestCore_SetStaticInfo(uint32_t pluginFormat, const void* bytes, uint32_t size, uint32_t result) {
    Locked([&](ScriptedCore& core) {
        StaticInfoScript info;
        info.bytes = CopyIn(bytes, std::min<std::size_t>(size, kStaticInfoSize));
        info.bytes.resize(kStaticInfoSize, 0);
        info.result = result;
        core.script.staticInfo[pluginFormat] = std::move(info);
    });
}

TESTCORE_API void TestCore_SetParameters(uint32_t count, const void* records) {
    Locked([&](ScriptedCore& core) {
        core.script.parameterRecords = CopyIn(records, std::size_t{count} * sizeof(CoreParameterInfo));
        core.script.parameterCount = count;
    });
}

TESTCORE_API void TestCore_SetLatency(uint32_t samples) {
    Locked([&](ScriptedCore& core) { core.script.latency = samples; });
}

TESTCORE_API void TestCore_SetU32Answer(uint32_t value) {
    Locked([&](ScriptedCore& core) { core.script.u32Answer = value; });
}

TESTCORE_API void TestCore_SetTextAnswer(const char* text) {
    Locked([&](ScriptedCore& core) { core.script.textAnswer = text ? text : ""; });
}

TESTCORE_API void TestCore_SetNextInstanceHandle(uint64_t handle) {
    Locked([&](ScriptedCore& core) { core.script.nextInstanceHandle = handle; });
}

TESTCORE_API void TestCore_SetState(const void* bytes, uint32_t size) {
    Locked([&](ScriptedCore& core) { core.memory.state = CopyIn(bytes, size); });
}

TESTCORE_API uint32_t TestCore_GetState(void* buffer, uint32_t capacity) {
    return Locked(0u, [&](ScriptedCore& core) { return CopyOut(core.memory.state, buffer, capacity); });
}

TESTCORE_API void TestCore_SetStateStatus(uint32_t operation, uint8_t status) {
    Locked([&](ScriptedCore& core) { core.script.stateStatus[operation] = status; });
}

TESTCORE_API void TestCore_SetStateSizeChange(int32_t delta, int32_t silent) {
    Locked([&](ScriptedCore& core) {
        core.script.stateSizeChange = delta;
        core.script.silentSizeMismatch = silent != 0;
    });
}

TESTCORE_API void TestCore_SetLegacyLoadStatus(uint8_t status) {
    Locked([&](ScriptedCore& core) { core.script.legacyLoadStatus = status; });
}

TESTCORE_API uint32_t TestCore_LastLoadedState(void* buffer, uint32_t capacity) {
    return Locked(0u, [&](ScriptedCore& core) { return CopyOut(core.memory.lastLoadedState, buffer, capacity); });
}

TESTCORE_API uint32_t TestCore_LastLoadedStateVersion(void) {
    return Locked(0u, [](ScriptedCore& core) { return core.memory.lastLoadedStateVersion; });
}

TESTCORE_API uint32_t TestCore_LastLegacyState(void* buffer, uint32_t capacity) {
    return Locked(0u, [&](ScriptedCore& core) { return CopyOut(core.memory.lastLegacyState, buffer, capacity); });
}

TESTCORE_API void TestCore_SetBlockChannels(uint32_t count, int32_t captureSamples) {
    Locked([&](ScriptedCore& core) {
        core.script.blockChannels = count;
        core.script.captureSamples = captureSamples != 0;
    });
}

TESTCORE_API void TestCore_SetBlockGain(float gain) {
    Locked([&](ScriptedCore& core) { core.script.blockGain = gain; });
}

TESTCORE_API uint32_t TestCore_CallCount(void) {
    return Locked(0u, [](ScriptedCore& core) { return static_cast<std::uint32_t>(core.calls.size()); });
}

TESTCORE_API int32_t TestCore_GetCall(uint32_t index, TestCoreCallInfo* info) {
    return Locked(0, [&](ScriptedCore& core) {
        if (index >= core.calls.size() || !info) return 0;
        const RecordedCall& call = core.calls[index];
        *info = TestCoreCallInfo{};
        info->magic = call.magic;
        info->selector = call.selector;
        info->argument = call.argument;
        info->threadId = call.threadId;
        info->instance = call.instance;
        info->recordAddress = call.recordAddress;
        info->recordSize = static_cast<std::uint32_t>(call.record.size());
        info->dataSize = static_cast<std::uint32_t>(call.data.size());
        info->result = call.result;
        return 1;
    });
}

TESTCORE_API uint32_t TestCore_CopyCallRecord(uint32_t index, void* buffer, uint32_t capacity) {
    return Locked(0u, [&](ScriptedCore& core) {
        return index < core.calls.size() ? CopyOut(core.calls[index].record, buffer, capacity) : 0u;
    });
}

TESTCORE_API uint32_t TestCore_CopyCallData(uint32_t index, void* buffer, uint32_t capacity) {
    return Locked(0u, [&](ScriptedCore& core) {
        return index < core.calls.size() ? CopyOut(core.calls[index].data, buffer, capacity) : 0u;
    });
}

TESTCORE_API uint32_t TestCore_CallHook(uint64_t instanceHandle, uint32_t selector, uint32_t argument, void* record) {
    return CallHook(instanceHandle, kCoreMagic, selector, argument, record);
}

TESTCORE_API uint32_t TestCore_CallHookWithMagic(uint64_t instanceHandle, uint32_t magic, uint32_t selector,
                                                 uint32_t argument, void* record) {
    return CallHook(instanceHandle, magic, selector, argument, record);
}

TESTCORE_API uint64_t TestCore_HookAddress(uint64_t instanceHandle) {
    return Locked(std::uint64_t{0}, [&](ScriptedCore& core) {
        const auto found = core.memory.hooks.find(instanceHandle);
        return found == core.memory.hooks.end() ? std::uint64_t{0} : found->second.hookAddress;
    });
}
