#pragma once
// Everything the test core knows: what a test scripted, what it was sent, and what it
// remembers as a core (state bytes, hook addresses per instance). One object for the
// process, guarded by one mutex: PluginCoreCallback holds it for a whole request and
// the control functions for each of their reads and writes. [any-thread]

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace TestCore {

using Bytes = std::vector<std::uint8_t>;

struct RecordedCall {
    std::uint32_t magic = 0;
    std::uint32_t selector = 0;
    std::uint32_t argument = 0;
    std::uint32_t threadId = 0;
    std::uint64_t instance = 0;
    std::uint64_t recordAddress = 0;
    std::uint32_t result = 0;
    Bytes record;  // the record as the caller sent it
    Bytes data;    // what the record pointed to (TestCoreControl.h lists it per selector)
};

struct StaticInfoScript {
    Bytes bytes;  // exactly the 9204-byte output area
    std::uint32_t result = 0;
};

// The addresses selector 1 handed in, kept per instance handle to call back.
struct HookLink {
    std::uint64_t callbackAddress = 0;
    std::uint64_t hookAddress = 0;
};

constexpr std::uint64_t kFirstInstanceHandle = 0x1000;

// What a test scripted.
struct CoreScript {
    std::map<std::uint32_t, std::uint32_t> results;        // per selector
    std::map<std::uint32_t, StaticInfoScript> staticInfo;  // per plug-in format
    std::uint32_t parameterCount = 0;
    Bytes parameterRecords;  // parameterCount CoreParameterInfo records
    std::uint32_t latency = 0;
    std::uint32_t u32Answer = 0;
    std::string textAnswer;
    std::uint64_t nextInstanceHandle = kFirstInstanceHandle;
    std::map<std::uint32_t, std::uint8_t> stateStatus;  // per state operation
    std::int32_t stateSizeChange = 0;
    bool silentSizeMismatch = false;
    std::uint8_t legacyLoadStatus = 0;
    std::uint32_t blockChannels = 0;
    bool captureSamples = false;
    float blockGain = 1.0f;
};

// What the core holds and remembers.
struct CoreMemory {
    Bytes state;
    Bytes lastLoadedState;
    std::uint32_t lastLoadedStateVersion = 0;
    Bytes lastLegacyState;
    std::map<std::uint64_t, HookLink> hooks;  // per instance handle
};

struct ScriptedCore {
    std::mutex mutex;
    CoreScript script;
    CoreMemory memory;
    std::vector<RecordedCall> calls;

    // Back to the state after loading; the caller holds the mutex.
    void Reset() {
        script = CoreScript{};
        memory = CoreMemory{};
        calls.clear();
    }
};

inline ScriptedCore& TheCore() {
    static ScriptedCore core;
    return core;
}

}  // namespace TestCore
