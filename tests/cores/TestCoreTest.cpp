// The test core, loaded from the build's bin folder as the hook loads a core: it must
// answer like a core (refusals, handles) and record requests from any thread. How it
// records each request and counts its loads, the core-link tests rely on throughout.

#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <thread>
#include <vector>

#include "contract/CoreRequest.h"
#include "support/TestBinaries.h"
#include "testcore/TestCoreClient.h"

namespace {

const std::wstring kCorePath = TestBinaryPath(L"LmTestCore.dll");

class TestCore : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(module_, nullptr) << "LmTestCore.dll not beside the tests";
        ASSERT_TRUE(control_.Valid());
        ASSERT_NE(entry_, nullptr);
        control_.Reset();
    }
    void TearDown() override {
        if (module_) FreeLibrary(module_);
    }

    HMODULE module_ = LoadLibraryW(kCorePath.c_str());
    TestCoreClient control_{module_};
    PluginCoreCallbackFn entry_ = reinterpret_cast<PluginCoreCallbackFn>(
        reinterpret_cast<void*>(module_ ? GetProcAddress(module_, "PluginCoreCallback") : nullptr));
};

TEST_F(TestCore, RefusesWrongMagicUnknownSelectorAndMissingRecordWithoutWriting) {
    U32Out out{0xCAFE};
    control_.SetLatency(64);
    EXPECT_NE(entry_(kCoreMagic - 1, 18, 1, 0, &out), 0u);
    EXPECT_NE(entry_(kCoreMagic, 99, 1, 0, &out), 0u);
    EXPECT_NE(entry_(kCoreMagic, 18, 1, 0, nullptr), 0u);
    EXPECT_EQ(out.value, 0xCAFEu);

    const auto calls = control_.Calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].info.magic, kCoreMagic - 1);
    EXPECT_TRUE(calls[0].record.empty());
    EXPECT_EQ(calls[1].info.selector, 99u);
}

TEST_F(TestCore, ConcurrentCallersAreAllRecordedWithTheirThreads) {
    auto send = [this] {
        ParameterValueRecord value{1, 0.5f};
        for (int i = 0; i < 300; ++i) SendCoreRequest<CoreSelector::SetParameter>(entry_, 0, 0x1000, value);
        return GetCurrentThreadId();
    };
    DWORD first = 0, second = 0;
    std::thread a([&] { first = send(); }), b([&] { second = send(); });
    a.join();
    b.join();

    int fromFirst = 0, fromSecond = 0;
    for (const auto& call : control_.Calls()) {
        fromFirst += call.info.threadId == first;
        fromSecond += call.info.threadId == second;
    }
    EXPECT_EQ(fromFirst, 300);
    EXPECT_EQ(fromSecond, 300);
}

InstanceCreateRequest CreateRequest(std::uint64_t callback, std::uint64_t hook, std::uint64_t* handle) {
    InstanceCreateRequest request{};
    request.hookCallbackAddress = callback;
    request.hookAddress = hook;
    request.instanceHandleAddress = reinterpret_cast<std::uint64_t>(handle);
    std::strcpy(request.coreConfig, "abc");
    return request;
}

TEST_F(TestCore, WritesDistinctInstanceHandlesAndForgetsTheHookAtDestroy) {
    std::uint64_t first = 0, second = 0, third = 0;
    auto a = CreateRequest(0x10, 0xA0, &first), b = CreateRequest(0x10, 0xB0, &second);
    SendCoreRequest<CoreSelector::CreateInstance>(entry_, 1, 0, a);
    SendCoreRequest<CoreSelector::CreateInstance>(entry_, 1, 0, b);
    EXPECT_EQ(first, 0x1000u);
    EXPECT_EQ(second, 0x1001u);
    EXPECT_EQ(control_.HookAddress(first), 0xA0u);
    EXPECT_EQ(control_.CallsOf(1).at(1).As<InstanceCreateRequest>().hookAddress, 0xB0u);

    SendCoreRequest<CoreSelector::DestroyInstance>(entry_, 1, first);
    EXPECT_EQ(control_.HookAddress(first), 0u);
    EXPECT_EQ(control_.HookAddress(second), 0xB0u);

    control_.SetNextInstanceHandle(0x77);
    auto c = CreateRequest(0x10, 0xC0, &third);
    SendCoreRequest<CoreSelector::CreateInstance>(entry_, 1, 0, c);
    EXPECT_EQ(third, 0x77u);
}

}  // namespace
