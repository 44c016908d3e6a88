#pragma once
// Test-side access to LmTestCore.dll's control interface. Give it the core's module
// handle: GetModuleHandleW of the core's path when the code under test has loaded it,
// or the handle of the test's own LoadLibraryW. A test that holds its own reference
// keeps the core loaded, so unload checks must not hold one.
//   TestCoreClient core(GetModuleHandleW(path.c_str()));
//   core.SetLatency(64);
//   for (const auto& call : core.Calls()) ...
// Not thread-bound: every control function is [any-thread].

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "TestCoreControl.h"

struct TestCoreCall {
    TestCoreCallInfo info;
    std::vector<std::uint8_t> record;
    std::vector<std::uint8_t> data;

    // The record as the selector's record type (zeros when none was captured).
    template <class Record>
    Record As() const {
        Record value{};
        std::memcpy(&value, record.data(), record.size() < sizeof value ? record.size() : sizeof value);
        return value;
    }
};

class TestCoreClient {
public:
    explicit TestCoreClient(HMODULE core) {
#define LM_RESOLVE(name)                                                                    \
    name = reinterpret_cast<decltype(name)>(                                                \
        reinterpret_cast<void*>(core ? GetProcAddress(core, "TestCore_" #name) : nullptr)); \
    valid_ = valid_ && name != nullptr;
        TESTCORE_FUNCTIONS(LM_RESOLVE)
#undef LM_RESOLVE
    }

    // Whether every control function was found.
    bool Valid() const { return valid_; }

    // The control functions by their names without "TestCore_": core.SetLatency(64).
#define LM_MEMBER(name) decltype(&TestCore_##name) name = nullptr;
    TESTCORE_FUNCTIONS(LM_MEMBER)
#undef LM_MEMBER

    std::vector<TestCoreCall> Calls() const {
        std::vector<TestCoreCall> calls(CallCount());
        for (std::uint32_t i = 0; i < calls.size(); ++i) {
            GetCall(i, &calls[i].info);
            calls[i].record = Fetch(CopyCallRecord, i);
            calls[i].data = Fetch(CopyCallData, i);
        }
        return calls;
    }

    std::vector<TestCoreCall> CallsOf(std::uint32_t selector) const {
        std::vector<TestCoreCall> chosen;
        for (auto& call : Calls())
            if (call.info.selector == selector) chosen.push_back(call);
        return chosen;
    }

    std::vector<std::uint8_t> State() const { return Fetch(GetState); }
    std::vector<std::uint8_t> LastLoaded() const { return Fetch(LastLoadedState); }
    std::vector<std::uint8_t> LastLegacy() const { return Fetch(LastLegacyState); }

private:
    using CopyFn = std::uint32_t (*)(void*, std::uint32_t);
    using CopyAtFn = std::uint32_t (*)(std::uint32_t, void*, std::uint32_t);

    static std::vector<std::uint8_t> Fetch(CopyFn copy) {
        std::vector<std::uint8_t> bytes(copy(nullptr, 0));
        copy(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
        return bytes;
    }
    static std::vector<std::uint8_t> Fetch(CopyAtFn copy, std::uint32_t index) {
        std::vector<std::uint8_t> bytes(copy(index, nullptr, 0));
        copy(index, bytes.data(), static_cast<std::uint32_t>(bytes.size()));
        return bytes;
    }

    bool valid_ = true;
};
