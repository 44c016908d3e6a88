// PluginHook against the real core link and the test core: what it asks the core to
// create and destroy, the handle it sends with, and what it hands over per block.

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <new>
#include <string>
#include <vector>

#include "HookScenario.h"
#include "contract/CoreRequest.h"
#include "contract/RecordText.h"
#include "hook/HookCallback.h"
#include "support/FatalErrorCapture.h"
#include "support/StringPrinting.h"

namespace {

std::uint64_t Address(const void* pointer) { return reinterpret_cast<std::uint64_t>(pointer); }

std::vector<std::uint32_t> Selectors(const std::vector<TestCoreCall>& calls) {
    std::vector<std::uint32_t> selectors;
    for (const TestCoreCall& call : calls) selectors.push_back(call.info.selector);
    return selectors;
}

TEST(PluginHookCreation, RequestCarriesCallbackHookCorePathConfigurationAndHandleAddress) {
    HookScenario scenario("CoreConfig:cfg value|FixedChannelConfig:mono");
    scenario.Core().SetNextInstanceHandle(0x5150);

    const auto hook = scenario.MakeHook(kPlainFormat, 96000.0f, kChannelConfig5_1, 1);

    const std::vector<TestCoreCall> calls = scenario.CallsOf(1);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].info.argument, 1u);
    EXPECT_EQ(calls[0].info.instance, 0u);
    const auto request = calls[0].As<InstanceCreateRequest>();
    EXPECT_EQ(request.hookCallbackAddress, Address(reinterpret_cast<const void*>(&PluginHookCallback)));
    EXPECT_EQ(request.hookAddress, Address(hook.get()));
    EXPECT_EQ(ReadRecordText(request.corePath), scenario.Link().corePath);
    EXPECT_EQ(ReadRecordText(request.coreConfig), Util::String("cfg value"));
    EXPECT_EQ(ReadRecordText(request.shortName), Util::String(kScenarioShortName));
    EXPECT_EQ(request.pluginFormat, kPlainFormat);
    EXPECT_GE(request.instanceHandleAddress, Address(hook.get()));
    EXPECT_LT(request.instanceHandleAddress, Address(hook.get()) + sizeof(PluginHook));
    EXPECT_EQ(request.sampleRate, 96000.0f);
    EXPECT_EQ(request.channelConfig, kChannelConfigMono) << "the configuration string is parsed first";
    EXPECT_EQ(request.flag, 1u);
    EXPECT_EQ(request.reserved, 0u);

    EXPECT_EQ(hook->InstanceHandle(), 0x5150u) << "the core wrote through the address it was given";
    EXPECT_TRUE(hook->HasFixedChannelConfig());
    EXPECT_EQ(hook->ChannelConfiguration(), kChannelConfigMono);
    EXPECT_GT(hook->InstanceCreateSeconds(), 0.0f);
}

TEST(PluginHookCreation, InvalidCoreConfigurationCreatesNoCoreInstance) {
    HookScenario scenario("FixedChannelConfig:stereo|CoreConfig:a:b");
    FatalErrorCapture errors;

    auto hook = scenario.MakeHook();
    EXPECT_EQ(hook->QueryLatency(0), 0u);
    hook->SetTrackName("Drums");
    EXPECT_EQ(hook->TrackName(), Util::String("Drums")) << "stored, though nothing is sent";
    hook.reset();

    EXPECT_TRUE(scenario.CallsOf(1).empty());
    const std::vector<TestCoreCall> calls = scenario.Calls();
    EXPECT_EQ(Selectors(calls), (std::vector<std::uint32_t>{18, 7}));
    for (const TestCoreCall& call : calls) EXPECT_EQ(call.info.instance, 0u) << CoreSelectorName(call.info.selector);
    EXPECT_EQ(errors.Messages(), (std::vector<std::string>{"Invalid hook config string CoreConfig:a:b",
                                                           "Invalid hook config string CoreConfig:a:b"}));
}

TEST(PluginHookCreation, FailsWithoutACoreAfterTheMessageWasShown) {
    CoreLinkScenario scenario;
    ASSERT_EQ(scenario.UseHook("Missing.dll"), "");
    FatalErrorCapture errors;

    EXPECT_THROW(PluginHook(kPlainFormat, 48000.0f, kChannelConfigStereo, 0), PluginHookUnavailable);
    EXPECT_EQ(errors.Messages().size(), 1u);
}

TEST(PluginHookCreation, FailsWithoutValidStaticInformationAndSendsNothing) {
    HookScenario scenario;
    FatalErrorCapture errors;

    EXPECT_THROW(scenario.MakeHook(kRefusedFormat), PluginHookUnavailable);
    EXPECT_TRUE(scenario.Calls().empty()) << "neither created nor destroyed";
}

TEST(PluginHookCreation, HostInformationStoreExistsOnlyWhenTheCoreAsksForIt) {
    HookScenario scenario;

    const auto plain = scenario.MakeHook(kPlainFormat);
    const auto withStore = scenario.MakeHook(kStoreFormat);

    EXPECT_EQ(plain->GetHostInfoStore(), nullptr);
    ASSERT_NE(withStore->GetHostInfoStore(), nullptr);
    std::vector<std::pair<std::string, std::string>> stored;
    for (const auto& entry : withStore->GetHostInfoStore()->Entries())
        stored.emplace_back(entry.key.Bytes(), entry.value.Bytes());
    // The test program has no version resource: its display name is its file name and its
    // empty version is not stored.
    EXPECT_EQ(stored,
              (std::vector<std::pair<std::string, std::string>>{{"HostProcessName", "corelink_tests.exe"},
                                                                {"HostProcessDisplayName", "corelink_tests.exe"},
                                                                {"PluginFormat", "201"}}));
    EXPECT_TRUE(withStore->GetHostInfoStore()->UsageKind().IsNull());
}

struct HandleCase {
    const char* name;
    std::function<void(PluginHook&)> act;
    std::uint32_t selector;
    std::uint32_t argument;
};

TEST(PluginHookRequests, EveryRequestGoesWithTheCoresHandleWhichIsClearedAtDestruction) {
    HookScenario scenario;
    scenario.Core().SetNextInstanceHandle(0xC0DE);
    // Built in storage of our own, so that the handle can be read after destruction.
    void* storage = ::operator new(sizeof(PluginHook));
    auto* hook = new (storage) PluginHook(kPlainFormat, 48000.0f, kChannelConfigStereo, 0);
    const std::uint64_t handleAddress = scenario.CallsOf(1).at(0).As<InstanceCreateRequest>().instanceHandleAddress;
    scenario.Forget();

    EditorEvent event{};
    StateRequest state{};
    LegacyStateLoad legacy{};
    CoreParameterInfo info[2] = {};
    int opaque = 0;
    const HandleCase cases[] = {
        {"Reconfigure", [](PluginHook& h) { h.Reconfigure(1, 44100.0f, kChannelConfigStereo); }, 17, 1},
        {"QueryLatency", [](PluginHook& h) { h.QueryLatency(3); }, 18, 3},
        {"SetOfflineMode", [](PluginHook& h) { h.SetOfflineMode(true); }, 21, 0},
        {"SetSelectionLength", [](PluginHook& h) { h.SetSelectionLength(1000); }, 39, 1},
        {"Notify", [](PluginHook& h) { h.Notify(4, 1, 2, 3); }, 42, 4},
        {"SetTrackName", [](PluginHook& h) { h.SetTrackName("Vocals"); }, 40, 1},
        {"ProcessBlock", [](PluginHook& h) { h.ProcessBlock(0, nullptr, 0, 0, nullptr, 0); }, 23, 0},
        {"SendEditorEvent", [&](PluginHook& h) { h.SendEditorEvent(event); }, 29, 1},
        {"CoreRequest30", [&](PluginHook& h) { h.CoreRequest30(&opaque); }, 30, 1},
        {"CoreRequest31", [&](PluginHook& h) { h.CoreRequest31(&opaque); }, 31, 1},
        {"QueryCoreU32", [](PluginHook& h) { h.QueryCoreU32(2); }, 35, 2},
        {"QueryCoreText", [](PluginHook& h) { h.QueryCoreText(2, 9); }, 36, 2},
        {"NotifyParametersReady", [](PluginHook& h) { h.NotifyParametersReady(); }, 5, 1},
        {"QueryParameterCount", [](PluginHook& h) { h.QueryParameterCount(); }, 8, 1},
        {"DescribeParameters", [&](PluginHook& h) { h.DescribeParameters(info, 2); }, 9, 1},
        {"SendParameterValue", [](PluginHook& h) { h.SendParameterValue(3, 0.5f); }, 11, 0},
        {"SendStateRequest", [&](PluginHook& h) { h.SendStateRequest(state); }, 32, 1},
        {"SendLegacyStateLoad", [&](PluginHook& h) { h.SendLegacyStateLoad(legacy); }, 33, 1},
        {"NotifyInstanceClosing", [](PluginHook& h) { h.NotifyInstanceClosing(); }, 6, 1},
    };
    for (const HandleCase& c : cases) {
        scenario.Forget();
        c.act(*hook);
        const std::vector<TestCoreCall> calls = scenario.Calls();
        ASSERT_EQ(calls.size(), 1u) << c.name;
        EXPECT_EQ(calls[0].info.selector, c.selector) << c.name;
        EXPECT_EQ(calls[0].info.argument, c.argument) << c.name;
        EXPECT_EQ(calls[0].info.instance, 0xC0DEu) << c.name;
    }

    scenario.Forget();
    hook->~PluginHook();
    std::uint64_t handleAfter = 1;
    std::memcpy(&handleAfter, reinterpret_cast<const void*>(handleAddress), sizeof handleAfter);
    ::operator delete(storage);

    const std::vector<TestCoreCall> calls = scenario.Calls();
    ASSERT_EQ(Selectors(calls), std::vector<std::uint32_t>{7});
    EXPECT_EQ(calls[0].info.argument, 1u);
    EXPECT_EQ(calls[0].info.instance, 0xC0DEu);
    EXPECT_EQ(handleAfter, 0u);
}

TEST(PluginHookRequests, QueriesAnswerTheCoresValueOrZeroOnFailure) {
    HookScenario scenario;
    const auto hook = scenario.MakeHook();
    scenario.Core().SetLatency(512);
    scenario.Core().SetU32Answer(77);
    scenario.Core().SetTextAnswer("core text");
    scenario.Core().SetParameters(3, std::vector<CoreParameterInfo>(3).data());

    EXPECT_EQ(hook->QueryLatency(0), 512u);
    EXPECT_EQ(hook->QueryCoreU32(0), 77u);
    EXPECT_EQ(hook->QueryCoreText(0, 1), Util::String("core text"));
    EXPECT_EQ(hook->QueryParameterCount(), 3u);
    EXPECT_EQ(scenario.CallsOf(36).at(0).As<TextQueryRecord>().in, 1u);

    EXPECT_TRUE(hook->Notify(0, 1, 2, 3));

    for (std::uint32_t selector : {18u, 35u, 36u, 8u, 42u}) scenario.Core().SetResult(selector, 9);
    EXPECT_EQ(hook->QueryLatency(0), 0u);
    EXPECT_EQ(hook->QueryCoreU32(0), 0u);
    EXPECT_EQ(hook->QueryCoreText(0, 1), Util::String(""));
    EXPECT_EQ(hook->QueryParameterCount(), 0u);
    EXPECT_FALSE(hook->Notify(0, 1, 2, 3));
}

struct ReconfigureCase {
    const char* name;
    float sampleRate;
    ChannelConfig channels;
    bool sent;
};

TEST(PluginHookRequests, ReconfigureSendsOnlyWhatChangedAndPublishesIt) {
    const ReconfigureCase cases[] = {
        {"Unchanged", 48000.0f, kChannelConfigStereo, false},
        {"NewRate", 96000.0f, kChannelConfigStereo, true},
        {"NewLayout", 48000.0f, kChannelConfig5_1, true},
        {"Both", 44100.0f, kChannelConfigMono, true},
    };
    HookScenario scenario;
    for (const ReconfigureCase& c : cases) {
        const auto hook = scenario.MakeHook(kPlainFormat, 48000.0f, kChannelConfigStereo);
        const float publishedBefore = PluginHook::PublishedSampleRate();
        scenario.Forget();

        hook->Reconfigure(1, c.sampleRate, c.channels);

        const std::vector<TestCoreCall> calls = scenario.CallsOf(17);
        ASSERT_EQ(calls.size(), c.sent ? 1u : 0u) << c.name;
        EXPECT_EQ(hook->SampleRate(), c.sampleRate) << c.name;
        EXPECT_EQ(hook->ChannelConfiguration(), c.channels) << c.name;
        if (!c.sent) {
            EXPECT_EQ(PluginHook::PublishedSampleRate(), publishedBefore) << c.name;
            continue;
        }
        EXPECT_EQ(calls[0].info.argument, 1u) << c.name;
        EXPECT_EQ(calls[0].As<ConfigureRecord>().sampleRate, c.sampleRate) << c.name;
        EXPECT_EQ(calls[0].As<ConfigureRecord>().channelConfig, c.channels) << c.name;
        EXPECT_EQ(PluginHook::PublishedSampleRate(), c.sampleRate) << c.name;
        EXPECT_EQ(PluginHook::PublishedChannelConfig(), c.channels) << c.name;
    }
}

TEST(PluginHookTrackName, EqualNameSendsNothingChangedNameNotifiesTheCore) {
    HookScenario scenario;
    const auto hook = scenario.MakeHook();
    scenario.Forget();

    hook->SetTrackName(Util::String());  // absent equals absent
    hook->SetTrackName("Bass");
    hook->SetTrackName(Util::String(std::string("Bass")));
    hook->SetTrackName("");              // present but empty differs from "Bass"
    hook->SetTrackName(Util::String());  // and absent differs from ""

    EXPECT_EQ(scenario.CallsOf(40).size(), 3u);
    EXPECT_TRUE(hook->TrackName().IsNull());
}

TEST(PluginHookBlock, WithoutQueuedMidiOnlyTheBlockIsSentAndItsResultPassed) {
    HookScenario scenario;
    const auto hook = scenario.MakeHook();
    scenario.Forget();

    float left[4] = {}, right[4] = {};
    float* channels[] = {left, right};
    scenario.Core().SetResult(23, 42);
    EXPECT_EQ(hook->ProcessBlock(4, channels, 1, 1, nullptr, 0), 42u) << "the core's result";

    const std::vector<TestCoreCall> calls = scenario.Calls();
    ASSERT_EQ(Selectors(calls), std::vector<std::uint32_t>{23});
    EXPECT_EQ(calls[0].info.argument, 0u);
    const auto block = calls[0].As<BlockRecord>();
    EXPECT_EQ(block.sampleCount, 4u);
    EXPECT_EQ(block.channels, channels);
    EXPECT_EQ(block.transport, &hook->Transport());
    EXPECT_EQ(block.offline, 1u);
    EXPECT_EQ(block.secondFlag, 1u);
}

TEST(PluginHookBlock, MidiQueueTakesTwoIntakeBatchesWithoutGrowingAndMoreByGrowing) {
    HookScenario scenario;
    const auto hook = scenario.MakeHook();
    std::vector<std::uint32_t> words(5000), offsets(5000);
    for (std::uint32_t i = 0; i < 5000; ++i) words[i] = offsets[i] = i;

    // Full loads starting at every position within the queue's blocks of 32 events.
    for (std::uint32_t shift = 1; shift <= 64; ++shift) {
        hook->QueueMidi(shift, words.data(), offsets.data());
        hook->ProcessBlock(0, nullptr, 0, 0, nullptr, 0);
        hook->QueueMidi(static_cast<std::uint32_t>(PluginHook::kMidiQueueCapacity), words.data(), offsets.data());
        hook->ProcessBlock(0, nullptr, 0, 0, nullptr, 0);
    }
    EXPECT_EQ(hook->MidiQueueOverflows(), 0u);

    scenario.Forget();
    hook->QueueMidi(5000, words.data(), offsets.data());
    hook->ProcessBlock(0, nullptr, 0, 0, nullptr, 0);
    EXPECT_GT(hook->MidiQueueOverflows(), 0u);
    EXPECT_EQ(scenario.CallsOf(24).at(0).As<MidiBatchRecord>().count, 5000u) << "no event is lost";
}

struct SideChainCase {
    const char* name;
    PluginFormat format;
    std::vector<ChannelConfig> inputs;  // bus kinds
    std::vector<int> entries;           // -1: a null entry; else an index into `buffers`
    std::vector<int> expectedStart;     // -1: no pointer
    std::vector<std::uint32_t> expectedCount;
};

TEST(PluginHookBlock, SideChainInputsStartByKindAndCountByMonoFlag) {
    const SideChainCase cases[] = {
        {"ByKind",
         kPlainFormat,
         {kChannelConfigMono, kChannelConfigStereo, kChannelConfigMono},
         {0, 1, 2, 3},
         {0, 1, 3},
         {1, 2, 1}},
        {"MonoFlagCountsOneButStartsByKind",
         kMonoSideChainFormat,
         {kChannelConfigMono, kChannelConfigStereo, kChannelConfigMono},
         {0, 1, 2, 3},
         {0, 1, 3},
         {1, 1, 1}},
        {"NullEntryGivesNoPointerAndNoChannels",
         kPlainFormat,
         {kChannelConfigStereo, kChannelConfigMono},
         {-1, 0, 1},
         {-1, 2},
         {0, 1}},
        {"EntriesBeyondTheArrayAreNeverHandedOut",
         kPlainFormat,
         {kChannelConfigMono, kChannelConfigStereo, kChannelConfigMono},
         {0, 1},
         {0, 1, -1},
         {1, 1, 0}},
    };
    for (const SideChainCase& c : cases) {
        HookScenario scenario;
        const auto hook = scenario.MakeHook(c.format);
        std::vector<PluginHook::Bus> buses;
        for (ChannelConfig kind : c.inputs) buses.push_back({Util::String("in"), kind});
        ASSERT_TRUE(hook->SetInputBuses(buses));
        float buffers[4][8] = {};
        std::vector<float*> entries;
        for (int e : c.entries) entries.push_back(e < 0 ? nullptr : buffers[e]);
        scenario.Forget();

        hook->ProcessBlock(8, nullptr, 0, 0, entries.data(), static_cast<std::uint32_t>(entries.size()));

        const auto block = scenario.CallsOf(23).at(0).As<BlockRecord>();
        ASSERT_EQ(block.sideChainCount, c.inputs.size()) << c.name;
        for (std::size_t i = 0; i < kMaxSideChainInputs; ++i) {
            const bool used = i < c.expectedStart.size() && c.expectedStart[i] >= 0;
            EXPECT_EQ(block.sideChainInputs[i], used ? entries.data() + c.expectedStart[i] : nullptr)
                << c.name << " input " << i;
            EXPECT_EQ(block.sideChainChannelCounts[i], i < c.expectedCount.size() ? c.expectedCount[i] : 0u)
                << c.name << " input " << i;
        }
    }
}

TEST(PluginHookBlock, AuxOutputsPointBehindTheMainChannelsTwoByTwo) {
    for (ChannelConfig layout : {kChannelConfigStereo, kChannelConfig5_1}) {
        HookScenario scenario;
        const auto hook = scenario.MakeHook();
        hook->Reconfigure(1, 48000.0f, layout);
        ASSERT_TRUE(hook->SetOutputBuses({{Util::String("Aux 1"), kChannelConfigStereo},
                                          {Util::String("Aux 2"), kChannelConfigStereo},
                                          {Util::String("Aux 3"), kChannelConfigStereo}}));
        float* channels[16] = {};
        scenario.Forget();

        hook->ProcessBlock(8, channels, 0, 0, nullptr, 0);

        const auto block = scenario.CallsOf(23).at(0).As<BlockRecord>();
        const std::uint32_t main = ChannelCountOf(hook->ChannelConfiguration());
        EXPECT_EQ(block.auxOutputCount, 3u);
        for (std::uint32_t i = 0; i < 3; ++i) EXPECT_EQ(block.auxOutputs[i], channels + main + 2 * i) << i;
        EXPECT_EQ(block.auxOutputs[3], nullptr);
    }
}

TEST(PluginHookBlock, BusListsHoldNoMoreThanTheBlockRecordHasRoomFor) {
    HookScenario scenario;
    const auto hook = scenario.MakeHook();
    const std::vector<PluginHook::Bus> many(20, {Util::String("Aux"), kChannelConfigMono});

    EXPECT_FALSE(hook->SetOutputBuses(many));
    EXPECT_FALSE(hook->SetInputBuses(many));
    EXPECT_EQ(hook->OutputBuses().size(), kMaxAuxOutputStems);
    EXPECT_EQ(hook->InputBuses().size(), kMaxSideChainInputs);

    float* channels[2 + 2 * kMaxAuxOutputStems] = {};
    float* sideChain[kMaxSideChainInputs] = {};
    float samples[1] = {};
    for (float*& entry : sideChain) entry = samples;
    scenario.Forget();
    hook->ProcessBlock(1, channels, 0, 0, sideChain, kMaxSideChainInputs);
    const auto block = scenario.CallsOf(23).at(0).As<BlockRecord>();
    EXPECT_EQ(block.auxOutputCount, kMaxAuxOutputStems);
    EXPECT_EQ(block.sideChainCount, kMaxSideChainInputs);
    EXPECT_EQ(block.sideChainInputs[kMaxSideChainInputs - 1], sideChain + kMaxSideChainInputs - 1);
}

TEST(PluginHookThreads, AudioThreadIsExchangedAndNoRecordedThreadIsSet) {
    HookScenario scenario;
    const auto hook = scenario.MakeHook();
    EXPECT_EQ(hook->MarkAudioThread(), 0u);
    EXPECT_EQ(hook->MarkAudioThread(), GetCurrentThreadId());
    EXPECT_FALSE(hook->IsOnRecordedThread());
}

}  // namespace
