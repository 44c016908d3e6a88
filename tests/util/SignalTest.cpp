#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <boost/function.hpp>

#include "util/Signal.h"
#include "util/Trackable.h"

using Util::Signal;

namespace {

struct Listener : Util::Trackable {};

using CallLog = std::vector<std::string>;

boost::function<void()> Record(CallLog& log, std::string name) {
    return [&log, name] { log.push_back(name); };
}

TEST(Signal, SlotOfDeadOwnerIsNotCalledAndNextEmissionDropsIt) {
    Signal signal;
    Listener survivor;
    CallLog log;
    auto doomed = std::make_unique<Listener>();
    signal.connect(*doomed, Record(log, "doomed"));
    signal.connect(survivor, Record(log, "survivor"));
    doomed.reset();
    EXPECT_EQ(signal.slotCount(), 2u);  // nothing is dropped until the signal is used

    signal.emit();
    EXPECT_EQ(log, (CallLog{"survivor"}));
    EXPECT_EQ(signal.slotCount(), 1u);
}

TEST(Signal, ConnectThatWouldGrowTheSlotArrayDropsDeadSlots) {
    Signal signal;
    Listener live;
    CallLog log;
    {
        Listener dead;
        for (int i = 0; i < 3; ++i) signal.connect(dead, Record(log, "dead"));
    }
    // The array fills up long before 64 slots; by then the dead ones must be gone.
    for (int i = 0; i < 64; ++i) signal.connect(live, Record(log, "live"));
    EXPECT_EQ(signal.slotCount(), 64u);
    signal.emit();
    EXPECT_EQ(log, CallLog(64, "live"));
}

TEST(Signal, SlotEmittingTheSameSignalGetsASecondPassAfterTheFirstCompletes) {
    Signal signal;
    Listener listener;
    CallLog log;
    int emitsLeft = 1;
    signal.connect(listener, [&] {
        log.push_back("a");
        if (emitsLeft-- > 0) {
            signal.emit();
            log.push_back("a returns");
        }
    });
    signal.connect(listener, Record(log, "b"));
    signal.emit();
    // Nested emission would give a, a, b, a returns, b.
    EXPECT_EQ(log, (CallLog{"a", "a returns", "b", "a", "b"}));
}

TEST(Signal, QueuedEmissionsRunInTheOrderRequested) {
    Signal signal;
    Listener listener;
    CallLog log;
    bool first = true;
    std::uint64_t b = 0;
    std::uint64_t c = 0;
    signal.connect(listener, [&] {
        log.push_back("a");
        if (!first) return;
        first = false;
        signal.setBlocked(c, true);
        signal.emit();  // skips c
        signal.setBlocked(c, false);
        signal.setBlocked(b, true);
        signal.emit();  // skips b
        signal.setBlocked(b, false);
    });
    b = signal.connect(listener, Record(log, "b"));
    c = signal.connect(listener, Record(log, "c"));
    signal.emit();
    EXPECT_EQ(log, (CallLog{"a", "b", "c", "a", "b", "a", "c"}));
}

TEST(Signal, SlotBlockedWhenTheEmissionIsRequestedIsSkippedThoughUnblockedBeforeItsPass) {
    Signal signal;
    Listener listener;
    CallLog log;
    int call = 0;
    std::uint64_t b = 0;
    signal.connect(listener, [&] {
        log.push_back("a");
        if (++call != 1) return;
        signal.emit();                // requested while b is blocked
        signal.setBlocked(b, false);  // unblocked before that pass runs
    });
    b = signal.connect(listener, Record(log, "b"));
    EXPECT_TRUE(signal.setBlocked(b, true));
    EXPECT_FALSE(signal.setBlocked(b + 1, true));  // no such slot

    signal.emit();
    EXPECT_EQ(log, (CallLog{"a", "a"}));
    log.clear();
    signal.emit();
    EXPECT_EQ(log, (CallLog{"a", "b"}));
}

TEST(Signal, OwnerDestroyedFromInsideASlotLetsTheEmissionFinish) {
    struct Owner {
        Signal changeSignal;
    };
    auto owner = std::make_unique<Owner>();
    Listener listener;
    CallLog log;
    owner->changeSignal.connect(listener, [&] {
        log.push_back("destroys owner");
        owner.reset();
    });
    owner->changeSignal.connect(listener, Record(log, "after"));
    owner->changeSignal.emit();
    EXPECT_EQ(owner, nullptr);
    EXPECT_EQ(log, (CallLog{"destroys owner", "after"}));
}

TEST(Signal, EmptyCallableThrowsAndLeavesTheSignalUsable) {
    Signal signal;
    Listener listener;
    CallLog log;
    signal.connect(listener, Record(log, "a"));
    const std::uint64_t empty = signal.connect(listener, boost::function<void()>());
    signal.connect(listener, Record(log, "c"));

    EXPECT_THROW(signal.emit(), boost::bad_function_call);
    EXPECT_EQ(log, (CallLog{"a"}));

    // The failed emission is over: the next one runs instead of queueing behind it.
    log.clear();
    signal.setBlocked(empty, true);
    signal.emit();
    EXPECT_EQ(log, (CallLog{"a", "c"}));
}

TEST(Signal, ThrowingSlotDropsTheEmissionsItQueued) {
    Signal signal;
    Listener listener;
    CallLog log;
    bool first = true;
    signal.connect(listener, [&] {
        log.push_back("a");
        if (first) {
            first = false;
            signal.emit();
            throw std::runtime_error("slot failed");
        }
    });
    EXPECT_THROW(signal.emit(), std::runtime_error);
    EXPECT_EQ(log, (CallLog{"a"}));
    signal.emit();
    EXPECT_EQ(log, (CallLog{"a", "a"}));
}

// A slot whose functor notices being destroyed while it runs. It is small enough to
// sit inside the boost::function itself, so moving the slot array would destroy it.
struct GrowingContext {
    Signal signal;
    Listener listener;
    bool running = false;
    bool destroyedWhileRunning = false;
    bool grown = false;
    int newSlotCalls = 0;
};

struct GrowingSlot {
    GrowingContext* context;
    GrowingSlot(const GrowingSlot&) = default;
    explicit GrowingSlot(GrowingContext* c) : context(c) {}
    ~GrowingSlot() {
        if (context->running) context->destroyedWhileRunning = true;
    }
    void operator()() const {
        if (context->grown) return;
        context->grown = true;
        context->running = true;
        GrowingContext* c = context;
        for (int i = 0; i < 40; ++i) c->signal.connect(c->listener, [c] { ++c->newSlotCalls; });
        context->running = false;
    }
};

TEST(Signal, SlotConnectingDuringAnEmissionIsNotDestroyedWhileItRuns) {
    GrowingContext context;
    context.signal.connect(context.listener, GrowingSlot(&context));
    context.signal.emit();
    EXPECT_FALSE(context.destroyedWhileRunning);
    EXPECT_EQ(context.newSlotCalls, 0);  // connected during the pass: not part of it
    EXPECT_EQ(context.signal.slotCount(), 41u);

    context.signal.emit();
    EXPECT_EQ(context.newSlotCalls, 40);
}

TEST(Signal, CopiedTrackableHasConnectionsOfItsOwn) {
    Signal signal;
    CallLog log;
    auto original = std::make_unique<Listener>();
    Listener copy(*original);
    signal.connect(*original, Record(log, "original"));
    signal.connect(copy, Record(log, "copy"));
    original.reset();
    signal.emit();
    EXPECT_EQ(log, (CallLog{"copy"}));
}

TEST(Signal, TrackedObjectDestroyedOnAnotherThreadIsNotCalledAfterwards) {
    Signal signal;
    Listener keeper;
    auto calls = std::make_shared<std::atomic<int>>(0);
    auto listener = std::make_unique<Listener>();
    signal.connect(*listener, [calls] { ++*calls; });
    signal.connect(keeper, [] {});

    std::atomic<bool> go{false};
    std::thread destroyer([&] {
        while (!go.load()) std::this_thread::yield();
        listener.reset();
    });
    go = true;
    for (int i = 0; i < 2000; ++i) signal.emit();  // races the destruction
    destroyer.join();

    const int before = calls->load();
    signal.emit();
    EXPECT_EQ(calls->load(), before);
    EXPECT_EQ(signal.slotCount(), 1u);
}

}  // namespace
