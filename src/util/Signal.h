#pragma once
// Signals without arguments. A signal holds slots (callables), each tied to a
// Trackable; a slot is never called after its Trackable has died, and dead slots are
// dropped lazily by the next emission or by a connect that would otherwise grow the
// slot array.
//
// Emissions never nest: a slot that emits the same signal queues a further emission,
// which runs after the current pass, in the order requested. The slots blocked at the
// time an emission is requested are skipped by that emission.
//
// Threads: one signal's connect, emit and setBlocked must not run concurrently (the
// slot array is not locked); the tracked objects may die on any thread. A slot runs on
// the emitting thread.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include <boost/container/small_vector.hpp>
#include <boost/function.hpp>

#include "util/Trackable.h"

namespace lm_signal_detail {

class SignalInternalsInterface {
public:
    virtual ~SignalInternalsInterface() = default;
};

// The IDs of the slots that were blocked when an emission was requested.
using ExclusionList = boost::container::small_vector<std::uint64_t, 10>;

struct SlotRecord {
    std::uint64_t id = 0;
    std::weak_ptr<TrackableInternals> tracked;
    bool blocked = false;
    boost::function<void()> callable;
};

// Only the argument-less signal exists.
template <>
class SignalInternals<> : public SignalInternalsInterface, public std::enable_shared_from_this<SignalInternals<>> {
public:
    // Always owned through a std::shared_ptr made with std::make_shared: emit() needs
    // a strong reference to itself.
    SignalInternals() = default;
    SignalInternals(const SignalInternals&) = delete;
    SignalInternals& operator=(const SignalInternals&) = delete;

    // Appends a slot tied to `trackable` and returns its ID. IDs count up from 0; once
    // the counter reaches the largest 64-bit value every further slot gets ID 0.
    std::uint64_t connect(const Util::Trackable& trackable, boost::function<void()> callable);

    // Calls every live slot that is not blocked now, once, in connection order.
    // Throws std::bad_weak_ptr when these internals are not (or no longer) owned by a
    // shared_ptr; an empty callable throws boost::bad_function_call, and anything a
    // slot throws ends the emission (pending ones included) and propagates.
    void emit();

    // Blocks or unblocks the slot with this ID; false when there is none.
    bool setBlocked(std::uint64_t id, bool blocked) noexcept;

    // Slots held, dead ones not yet dropped included.
    std::size_t slotCount() const noexcept { return slots_.size(); }

private:
    void invoke(const ExclusionList& excluded);
    void removeExpiredSlots();
    void collectBlockedSlots(ExclusionList& excluded) const;

    std::vector<ExclusionList> pendingEmissions_;
    bool emitting_ = false;
    std::vector<SlotRecord> slots_;
    std::uint64_t nextSlotId_ = 0;
};

}  // namespace lm_signal_detail

namespace Util {

// The signal an owner holds: a handle to shared internals, so that an emission in
// progress survives the owner's destruction from inside one of its slots.
// Thread rules as for the internals above.
class Signal {
public:
    Signal() : internals_(std::make_shared<lm_signal_detail::SignalInternals<>>()) {}
    Signal(const Signal&) = delete;
    Signal& operator=(const Signal&) = delete;

    std::uint64_t connect(const Trackable& trackable, boost::function<void()> callable) {
        return internals_->connect(trackable, std::move(callable));
    }
    // May destroy this Signal (through a slot); touches no member after the call.
    void emit() { internals_->emit(); }
    bool setBlocked(std::uint64_t id, bool blocked) noexcept { return internals_->setBlocked(id, blocked); }
    std::size_t slotCount() const noexcept { return internals_->slotCount(); }

private:
    std::shared_ptr<lm_signal_detail::SignalInternals<>> internals_;
};

}  // namespace Util
