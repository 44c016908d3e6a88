#pragma once
// The test core's control interface: plain C functions exported by LmTestCore.dll
// beside PluginCoreCallback, through which a test scripts the core's answers and reads
// back every request it received. Tests resolve them with GetProcAddress (see
// TestCoreClient.h); nothing links against the core.
//
// The core answers like a real core: it writes its instance handle where asked, fills
// records from the script, never writes past a record or a caller's buffer, and sets
// status bytes. Everything it was sent is recorded, in order.
//
// Buffers: every "Copy"/"Get" function copies at most `capacity` bytes into `buffer`
// (which may be null when `capacity` is 0) and returns the full size, so a first call
// with capacity 0 asks for the size.
//
// [any-thread]: every function takes the core's one mutex; PluginCoreCallback holds it
// for the whole request, TestCore_CallHook* never holds it while the hook runs.

#include <windows.h>  // GetEnvironmentVariableW, for the load counts below
#include <stdint.h>

#ifdef LM_TESTCORE_BUILD
#define TESTCORE_API extern "C" __declspec(dllexport)
#elif defined(__cplusplus)
#define TESTCORE_API extern "C"
#else
#define TESTCORE_API
#endif

// One recorded request. recordSize and dataSize give the sizes of the two copies that
// TestCore_CopyCallRecord and TestCore_CopyCallData return.
typedef struct TestCoreCallInfo {
    uint32_t magic;
    uint32_t selector;
    uint32_t argument;
    uint32_t threadId;  // the calling thread
    uint64_t instance;
    uint64_t recordAddress;  // the caller's record pointer, 0 when null
    uint32_t recordSize;     // sizeof the selector's record type; 0 for no record, 30, 31
    uint32_t dataSize;       // bytes the record pointed to (below)
    uint32_t result;         // what the core answered
    uint32_t padding44;
} TestCoreCallInfo;

// What a call's data copy holds, by selector (taken on entry, before the core writes):
//   23  the 136-byte transport record (zeros when the pointer is null), then one u64
//       pointer value per scripted block channel, then, when samples are captured,
//       sampleCount f32 per scripted channel, channel after channel (zeros for null)
//   24  `count` u32 MIDI words, then `count` u32 sample offsets
//   32  load and compare: the `size` bytes handed in; read: the bytes the core wrote
//   33  the `size` bytes of the whole blob
// Every other selector: nothing (selector 1's texts are inside its record).

// Answer of PluginCoreCallback for a wrong magic, an unknown selector or a null record.
#define TESTCORE_REFUSED 1u
// Answer of TestCore_CallHook* when the instance handle is unknown.
#define TESTCORE_NO_HOOK 0xFFFFFFFFu

// Forgets every script and recorded call, the hook addresses and the stored state;
// instance handles start again at 0x1000.
TESTCORE_API void TestCore_Reset(void);

// The answer of `selector` from now on; the core still does what the selector asks.
// Selector 0 answers per format (TestCore_SetStaticInfo) unless scripted here.
TESTCORE_API void TestCore_SetResult(uint32_t selector, uint32_t result);

// Selector 0 for `pluginFormat`: the first min(size, 9204) bytes of the answer (the
// rest zero) and the result. A format never scripted is answered with
// TESTCORE_REFUSED and its output area left untouched.
TESTCORE_API void TestCore_SetStaticInfo(uint32_t pluginFormat, const void* bytes, uint32_t size, uint32_t result);

// Selectors 8 and 9: `count` raw 4392-byte CoreParameterInfo records. Selector 9
// fills min(count, the request's count) records.
TESTCORE_API void TestCore_SetParameters(uint32_t count, const void* records);

TESTCORE_API void TestCore_SetLatency(uint32_t samples);     // selector 18
TESTCORE_API void TestCore_SetU32Answer(uint32_t value);     // selector 35
TESTCORE_API void TestCore_SetTextAnswer(const char* text);  // selector 36, cut to 1023 bytes

// Selector 1 writes `handle` at the next instance creation, then handle + 1, ...
TESTCORE_API void TestCore_SetNextInstanceHandle(uint64_t handle);

// Selector 32. The core's current state bytes (empty after reset).
TESTCORE_API void TestCore_SetState(const void* bytes, uint32_t size);
TESTCORE_API uint32_t TestCore_GetState(void* buffer, uint32_t capacity);
// The status byte the core sets for one operation (0 size query, 3 read, 4 load,
// 5 compare); a non-zero status makes the operation do nothing else.
TESTCORE_API void TestCore_SetStateStatus(uint32_t operation, uint8_t status);
// After every size query the state grows by `delta` bytes (negative: shrinks), as a
// core whose state changes between the size query and the read. A read whose size
// disagrees with the state copies nothing, writes the core's size into the size
// field and sets status 1, or leaves the status 0 when `silent` is non-zero.
TESTCORE_API void TestCore_SetStateSizeChange(int32_t delta, int32_t silent);
// Selector 33's status byte.
TESTCORE_API void TestCore_SetLegacyLoadStatus(uint8_t status);
// The bytes and state version of the last load (operation 4), whether accepted or not,
// and the last legacy blob (selector 33). 0 bytes when there was none.
TESTCORE_API uint32_t TestCore_LastLoadedState(void* buffer, uint32_t capacity);
TESTCORE_API uint32_t TestCore_LastLoadedStateVersion(void);
TESTCORE_API uint32_t TestCore_LastLegacyState(void* buffer, uint32_t capacity);

// Selector 23: the number of channel pointers the core reads from the block record
// (main channels, then aux output entries), and whether their samples are captured.
// 0 after reset: only the transport is captured and no audio is touched.
TESTCORE_API void TestCore_SetBlockChannels(uint32_t count, int32_t captureSamples);
// Every scripted block channel is multiplied by `gain` after capture (1: untouched).
TESTCORE_API void TestCore_SetBlockGain(float gain);

// Recorded calls, oldest first. GetCall answers 0 for an index out of range.
TESTCORE_API uint32_t TestCore_CallCount(void);
TESTCORE_API int32_t TestCore_GetCall(uint32_t index, TestCoreCallInfo* info);
TESTCORE_API uint32_t TestCore_CopyCallRecord(uint32_t index, void* buffer, uint32_t capacity);
TESTCORE_API uint32_t TestCore_CopyCallData(uint32_t index, void* buffer, uint32_t capacity);

// Calls PluginHookCallback(1090 or magic, selector, argument, hook, record) through
// the addresses selector 1 handed in for this instance and returns its status. The
// addresses are forgotten at selector 7 (destroy) and on reset. [any-thread]
TESTCORE_API uint32_t TestCore_CallHook(uint64_t instanceHandle, uint32_t selector, uint32_t argument, void* record);
TESTCORE_API uint32_t TestCore_CallHookWithMagic(uint64_t instanceHandle, uint32_t magic, uint32_t selector,
                                                 uint32_t argument, void* record);
// The hook object's address handed in for this instance, 0 when unknown.
TESTCORE_API uint64_t TestCore_HookAddress(uint64_t instanceHandle);

// Every control function, for resolving them by name: X(name) per TestCore_<name>.
// clang-format off
#define TESTCORE_FUNCTIONS(X)                                                               \
    X(Reset) X(SetResult) X(SetStaticInfo) X(SetParameters) X(SetLatency) X(SetU32Answer)  \
    X(SetTextAnswer) X(SetNextInstanceHandle) X(SetState) X(GetState) X(SetStateStatus)    \
    X(SetStateSizeChange) X(SetLegacyLoadStatus) X(LastLoadedState)                        \
    X(LastLoadedStateVersion) X(LastLegacyState) X(SetBlockChannels) X(SetBlockGain)       \
    X(CallCount) X(GetCall) X(CopyCallRecord) X(CopyCallData) X(CallHook)                  \
    X(CallHookWithMagic) X(HookAddress)
// clang-format on

// Load and unload counts of the core in this process. The core's DllMain counts them
// in process environment variables, so they survive the core's own unloading.
#define TESTCORE_LOADS_VARIABLE L"LM_TESTCORE_LOADS"
#define TESTCORE_UNLOADS_VARIABLE L"LM_TESTCORE_UNLOADS"

static inline uint32_t TestCore_ReadCount(const wchar_t* variable) {
    wchar_t text[16] = {0};
    const DWORD length = GetEnvironmentVariableW(variable, text, 16);
    uint32_t count = 0;
    for (DWORD i = 0; i < length && i < 16 && text[i] >= L'0' && text[i] <= L'9'; ++i)
        count = count * 10 + (uint32_t)(text[i] - L'0');
    return count;
}
static inline uint32_t TestCore_LoadCount(void) { return TestCore_ReadCount(TESTCORE_LOADS_VARIABLE); }
static inline uint32_t TestCore_UnloadCount(void) { return TestCore_ReadCount(TESTCORE_UNLOADS_VARIABLE); }
