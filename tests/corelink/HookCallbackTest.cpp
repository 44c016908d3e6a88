// PluginHookCallback, called directly and by the test core through the addresses the
// hook handed it at instance creation: the order of its checks, its statuses, how
// record fields reach the hook's operations and answers reach the record.

#include <windows.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "HookScenario.h"
#include "hook/HookCallback.h"
#include "support/StringPrinting.h"

namespace {

// Room for the largest callback record (the gesture record), pre-filled with a pattern
// so that every byte the dispatcher writes or leaves shows.
struct RecordBuffer {
    alignas(8) std::uint8_t bytes[256];
    explicit RecordBuffer(std::uint8_t fill = 0) { std::memset(bytes, fill, sizeof bytes); }
    template <class Record>
    Record& As() {
        return *reinterpret_cast<Record*>(bytes);
    }
};

enum class HookKind { None, Bare, WithStore };

struct StatusCase {
    std::string name;
    std::uint32_t magic;
    std::uint32_t selector;
    HookKind hook;
    bool record;
    HookStatus expected;
};

std::vector<StatusCase> StatusCases() {
    std::vector<StatusCase> cases = {
        {"WrongMagicWithNullPointers", 1089, 2, HookKind::None, false, HookStatus::WrongMagic},
        {"WrongMagicOnARealHook", 1089, 13, HookKind::Bare, true, HookStatus::WrongMagic},
        {"WrongMagicBeforeSelectorRange", 0, 99, HookKind::None, false, HookStatus::WrongMagic},
        {"Selector22", 1090, 22, HookKind::Bare, true, HookStatus::UnknownSelector},
        {"SelectorRangeBeforeHook", 1090, 0xFFFFFFFF, HookKind::None, false, HookStatus::UnknownSelector},
        {"Selector0NeedsNothing", 1090, 0, HookKind::None, false, HookStatus::Done},
        {"Selector4NeedsNothing", 1090, 4, HookKind::None, false, HookStatus::Done},
        {"Selector5NeedsNothing", 1090, 5, HookKind::None, false, HookStatus::Done},
        {"Selector3NeedsNoRecord", 1090, 3, HookKind::Bare, false, HookStatus::Done},
        {"HookBeforeRecord", 1090, 13, HookKind::None, false, HookStatus::NoHook},
        {"LookupWithoutStore", 1090, 6, HookKind::Bare, true, HookStatus::NoRecord},
        {"LookupWithStore", 1090, 6, HookKind::WithStore, true, HookStatus::Done},
        {"Capability10", 1090, 10, HookKind::Bare, true, HookStatus::Done},
        {"BaseRefusesResize", 1090, 11, HookKind::Bare, true, HookStatus::Refused},
        {"BareCommandIsUnknown", 1090, 21, HookKind::Bare, true, HookStatus::UnknownCommand},
    };
    // Every selector from 1 on needs a hook but the reserved 4 and 5; every one a record
    // but 3 (the core's notification) and those.
    for (std::uint32_t selector :
         {1u, 2u, 3u, 6u, 7u, 8u, 9u, 10u, 11u, 12u, 13u, 14u, 15u, 16u, 17u, 18u, 19u, 20u, 21u}) {
        const std::string name = HookSelectorName(selector);
        cases.push_back({"NullHook" + name, 1090, selector, HookKind::None, true, HookStatus::NoHook});
        if (selector != 3)
            cases.push_back({"NullRecord" + name, 1090, selector, HookKind::WithStore, false, HookStatus::NoRecord});
    }
    for (std::uint32_t selector : {7u, 8u, 9u}) {
        const std::string name = HookSelectorName(selector);
        cases.push_back({name + "WithoutStore", 1090, selector, HookKind::Bare, true, HookStatus::NoHostInfoStore});
        cases.push_back({name + "WithStore", 1090, selector, HookKind::WithStore, true, HookStatus::Done});
    }
    for (std::uint32_t selector : {12u, 13u, 14u, 15u, 16u, 17u, 18u, 19u, 20u})
        cases.push_back({HookSelectorName(selector), 1090, selector, HookKind::Bare, true, HookStatus::Done});
    return cases;
}

TEST(HookCallback, AnswersEachCheckInOrderDirectlyAndThroughTheCore) {
    HookScenario scenario;
    const auto bare = scenario.MakeHook(kPlainFormat);
    const auto withStore = scenario.MakeHook(kStoreFormat);

    const RecordBuffer untouched(0xAB);
    for (const StatusCase& c : StatusCases()) {
        PluginHook* hook = c.hook == HookKind::None ? nullptr : c.hook == HookKind::Bare ? bare.get() : withStore.get();
        RecordBuffer direct(0xAB), viaCore(0xAB);
        const std::uint32_t expected = static_cast<std::uint32_t>(c.expected);

        const std::uint32_t status =
            PluginHookCallback(c.magic, c.selector, 0, hook, c.record ? direct.bytes : nullptr);
        EXPECT_EQ(status, expected) << c.name << ": " << HookStatusName(status);
        if (c.expected != HookStatus::Done && c.expected != HookStatus::NoRecord) {  // a refused call writes nothing
            EXPECT_EQ(std::memcmp(direct.bytes, untouched.bytes, sizeof direct.bytes), 0) << c.name << " wrote";
        }

        if (!hook) continue;
        const std::uint32_t throughCore = scenario.Core().CallHookWithMagic(hook->InstanceHandle(), c.magic, c.selector,
                                                                            0, c.record ? viaCore.bytes : nullptr);
        EXPECT_EQ(throughCore, expected) << c.name << " through the core: " << HookStatusName(throughCore);
    }
}

struct RecordCase {
    const char* name;
    std::uint32_t selector;
    std::function<void(RecordBuffer&)> check;  // on a record pre-filled with 0xAB
};

TEST(HookCallback, BaseOperationsWriteOnlyTheirAnswers) {
    HookScenario scenario;
    const auto hook = scenario.MakeHook(kStoreFormat);
    const RecordCase cases[] = {
        {"LookupNeverFinds", 6,
         [](RecordBuffer& r) {
             EXPECT_EQ(r.As<HostInfoLookupRecord>().value, 0u);
             EXPECT_EQ(r.As<HostInfoLookupRecord>().found, 0u);
         }},
        {"CapabilityWritesItsFirstByteOnly", 10,
         [](RecordBuffer& r) {
             EXPECT_EQ(r.bytes[0], 0u);
             EXPECT_EQ(r.bytes[1], 0xABu);
         }},
        {"StoreCapabilityAnswersOverTheFlag", 8,
         [](RecordBuffer& r) {
             EXPECT_EQ(r.bytes[0], 0u);
             EXPECT_EQ(r.bytes[1], 0xABu);
         }},
        {"CoreValueIsZero", 12, [](RecordBuffer& r) { EXPECT_EQ(r.As<CoreValueOut>().value, 0u); }},
        {"GestureRefused", 15, [](RecordBuffer& r) { EXPECT_EQ(r.As<GestureRecord>().result, 0u); }},
        {"CoreRequestRefused", 16, [](RecordBuffer& r) { EXPECT_EQ(r.As<CoreAnswerRecord>().result, 0u); }},
        {"CapabilitiesStayZero", 18,
         [](RecordBuffer& r) {
             const auto& c = r.As<CapabilitiesRecord>();
             EXPECT_EQ(c.a, 0u);
             EXPECT_EQ(c.b, 0u);
             EXPECT_EQ(c.c, 0u);
         }},
        {"NoTrackNameWritesPresentOnly", 14,
         [](RecordBuffer& r) {
             EXPECT_EQ(r.As<TrackNameRecord>().present, 0u);
             EXPECT_EQ(r.As<TrackNameRecord>().length, 0xABABABABu);
             EXPECT_EQ(r.bytes[8], 0xABu);
         }},
    };
    for (const RecordCase& c : cases) {
        RecordBuffer record(0xAB);
        EXPECT_EQ(scenario.Core().CallHook(hook->InstanceHandle(), c.selector, 0, record.bytes), 0u) << c.name;
        SCOPED_TRACE(c.name);
        c.check(record);
    }
}

TEST(HookCallback, StoreCapabilityWithAFlagMarksAdvancedUse) {
    HookScenario scenario;
    const auto hook = scenario.MakeHook(kStoreFormat);
    RecordBuffer record;

    record.As<CapabilityQueryRecord>().flag = 0;
    PluginHookCallback(1090, 7, 0, hook.get(), record.bytes);
    EXPECT_TRUE(hook->GetHostInfoStore()->UsageKind().IsNull());

    record.As<CapabilityQueryRecord>().flag = 2;
    EXPECT_EQ(PluginHookCallback(1090, 9, 0, hook.get(), record.bytes), 0u);
    EXPECT_EQ(hook->GetHostInfoStore()->UsageKind(), Util::String("adv"));
}

// Records how the dispatcher called each replaced operation.
class RecordingHook : public PluginHook {
public:
    using PluginHook::PluginHook;

    std::string last;
    const std::uint8_t* bytesSeen = nullptr;
    bool throwing = false;

    std::uint32_t HandleCoreCommand(std::uint32_t argument, std::uint32_t code, std::uint32_t value,
                                    std::uint64_t data) override {
        Note("HandleCoreCommand", {argument, code, value, data});
        return 0;
    }
    bool HandleParameterGesture(GestureRecord& record) override {
        Note("HandleParameterGesture", {record.operation, record.indexCount, record.coreIndices[0]});
        return true;
    }
    void SetParameterFromCore(std::uint32_t operation, std::uint32_t coreIndex, float value) override {
        Note("SetParameterFromCore", {operation, coreIndex, static_cast<std::uint64_t>(value * 1000)});
    }
    void SetLatency(std::uint32_t argument, std::uint32_t samples) override {
        if (throwing) throw std::runtime_error("operation failed");
        Note("SetLatency", {argument, samples});
    }
    void OnCoreNotify(std::uint32_t argument) override { Note("OnCoreNotify", {argument}); }
    bool ResizeEditorForCore(const EditorSizeRecord& record) override {
        Note("ResizeEditorForCore", {record.width, record.height});
        return true;
    }
    bool AnswerCoreRequest(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint64_t d,
                           std::uint8_t* bytes) override {
        bytesSeen = bytes;
        Note("AnswerCoreRequest", {a, b, c, d});
        return true;
    }
    void SetCoreFlag(std::uint8_t value) override { Note("SetCoreFlag", {value}); }
    void QueryCapabilities(std::uint8_t& a, std::uint32_t& b, std::uint32_t& c) override {
        Note("QueryCapabilities", {a, b, c});
        a = 5;
        b = 6;
        c = 7;
    }

private:
    void Note(const char* operation, std::initializer_list<std::uint64_t> values) {
        std::ostringstream text;
        text << operation << "(";
        const char* separator = "";
        for (std::uint64_t v : values) {
            text << separator << v;
            separator = ",";
        }
        text << ")";
        last = text.str();
    }
};

struct ArgumentCase {
    const char* name;
    std::uint32_t selector;
    std::uint32_t argument;
    std::function<void(RecordBuffer&)> fill;
    std::string expectedCall;
    std::function<void(RecordBuffer&)> checkAnswer;
};

TEST(HookCallback, RecordFieldsBecomeArgumentsAnswersReturnIntoTheRecordAndExceptionsAreRefusals) {
    HookScenario scenario;
    RecordingHook hook(kPlainFormat, 48000.0f, kChannelConfigStereo, 0);
    const auto none = [](RecordBuffer&) {};
    const ArgumentCase cases[] = {
        {"ParameterEdit", 1, 0,
         [](RecordBuffer& r) {
             r.As<ParameterEditRecord>() = {2, 7, 0.5f};
         },
         "SetParameterFromCore(2,7,500)", none},
        {"Latency", 2, 3, [](RecordBuffer& r) { r.As<LatencyRecord>().samples = 256; }, "SetLatency(3,256)", none},
        {"CoreNotify", 3, 9, none, "OnCoreNotify(9)", none},
        {"ResizeEditor", 11, 0,
         [](RecordBuffer& r) {
             r.As<EditorSizeRecord>() = {640, 480};
         },
         "ResizeEditorForCore(640,480)", none},
        {"Gesture", 15, 0,
         [](RecordBuffer& r) {
             auto& g = r.As<GestureRecord>();
             g.operation = 1;
             g.indexCount = 1;
             g.coreIndices[0] = 12;
         },
         "HandleParameterGesture(1,1,12)", [](RecordBuffer& r) { EXPECT_EQ(r.As<GestureRecord>().result, 1u); }},
        {"CoreRequest", 16, 0,
         [](RecordBuffer& r) {
             auto& q = r.As<CoreAnswerRecord>();
             q.a = 1;
             q.b = 2;
             q.c = 3;
             q.d = 0x100000004ull;
         },
         "AnswerCoreRequest(1,2,3,4294967300)",
         [](RecordBuffer& r) { EXPECT_EQ(r.As<CoreAnswerRecord>().result, 1u); }},
        {"CoreFlag", 17, 0, [](RecordBuffer& r) { r.As<CoreFlagRecord>().value = 5; }, "SetCoreFlag(5)", none},
        {"Capabilities", 18, 0, none, "QueryCapabilities(0,0,0)",
         [](RecordBuffer& r) {
             EXPECT_EQ(r.As<CapabilitiesRecord>().a, 1u) << "a byte answer goes back as 0 or 1";
             EXPECT_EQ(r.As<CapabilitiesRecord>().b, 6u);
             EXPECT_EQ(r.As<CapabilitiesRecord>().c, 7u);
         }},
        {"CoreCommand", 21, 2,
         [](RecordBuffer& r) {
             r.As<CoreCommandRecord>() = {0x4460FCEA, 3, 4};
         },
         "HandleCoreCommand(2,1147206890,3,4)", none},
        {"CreationSeconds", 19, 0, none, "",
         [&hook](RecordBuffer& r) {
             EXPECT_GT(r.As<SecondsOut>().seconds, 0.0f);
             EXPECT_EQ(r.As<SecondsOut>().seconds, hook.InstanceCreateSeconds());
         }},
        {"EditorOpenSeconds", 20, 0, none, "", [](RecordBuffer& r) { EXPECT_EQ(r.As<SecondsOut>().seconds, 0.25f); }},
    };
    hook.RecordEditorOpenSeconds(0.25);
    for (const ArgumentCase& c : cases) {
        RecordBuffer record(0xAB);
        c.fill(record);
        hook.last.clear();

        const std::uint32_t status = scenario.Core().CallHook(hook.InstanceHandle(), c.selector, c.argument,
                                                              c.selector == 3 ? nullptr : record.bytes);

        EXPECT_EQ(status, 0u) << c.name << ": " << HookStatusName(status);
        EXPECT_EQ(hook.last, c.expectedCall) << c.name;
        SCOPED_TRACE(c.name);
        c.checkAnswer(record);
        if (c.selector == 16) {
            EXPECT_EQ(hook.bytesSeen, record.bytes + 28);
        }
    }

    hook.throwing = true;
    RecordBuffer record;
    EXPECT_EQ(scenario.Core().CallHook(hook.InstanceHandle(), 2, 0, record.bytes),
              static_cast<std::uint32_t>(HookStatus::Refused))
        << "an exception from an operation";
}

// The core reads the name after its callback has returned, on its own thread, while
// the host renames the track: every text it reads must be one the host set, whole.
TEST(HookCallback, TrackNameReadOnAnotherThreadWhileItChangesIsNeverTorn) {
    HookScenario scenario;
    const auto hook = scenario.MakeHook();
    const std::vector<std::string> names = {"A", "Bass Guitar DI", "", "Lead Vocal (comp) \xC3\xA9\xC3\xA8",
                                            std::string(300, 'x')};
    const std::set<std::string> valid(names.begin(), names.end());
    const std::uint64_t handle = hook->InstanceHandle();
    std::atomic<bool> done{false};
    std::atomic<int> torn{0}, reads{0};

    // The record points at the hook's own bytes of the whole name.
    hook->SetTrackName(Util::String(names[3]));
    TrackNameRecord first{};
    EXPECT_EQ(scenario.Core().CallHook(handle, 14, 0, &first), 0u);
    ASSERT_EQ(first.present, 1u);
    EXPECT_EQ(std::string(first.bytes, first.length), names[3]);

    std::thread core([&] {
        while (!done.load()) {
            TrackNameRecord record{};
            if (scenario.Core().CallHook(handle, 14, 0, &record) != 0) ++torn;
            if (record.present == 1) {
                const std::string read(record.bytes, record.length);
                if (valid.count(read) == 0) ++torn;
            }
            ++reads;
        }
    });
    for (std::size_t i = 0; i < 20000 || reads.load() < 20000; ++i)
        hook->SetTrackName(Util::String(names[i % names.size()]));
    done = true;
    core.join();

    EXPECT_EQ(torn.load(), 0);
    EXPECT_GE(reads.load(), 20000);
}

}  // namespace
