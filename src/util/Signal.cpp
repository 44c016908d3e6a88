#include "util/Signal.h"

#include <algorithm>
#include <limits>

namespace lm_signal_detail {

namespace {

bool Contains(const ExclusionList& excluded, std::uint64_t id) noexcept {
    return std::find(excluded.begin(), excluded.end(), id) != excluded.end();
}

}  // namespace

std::uint64_t SignalInternals<>::connect(const Util::Trackable& trackable, boost::function<void()> callable) {
    // Dead slots are only dropped when the array would otherwise grow, and never while
    // a pass walks it by index.
    if (!emitting_ && slots_.size() + 1 >= slots_.capacity()) removeExpiredSlots();

    SlotRecord slot;
    slot.id = nextSlotId_;
    if (nextSlotId_ == std::numeric_limits<std::uint64_t>::max())
        slot.id = 0;  // the counter stays where it is
    else
        ++nextSlotId_;
    slot.tracked = trackable.internals_;
    slot.blocked = false;
    slot.callable = std::move(callable);
    slots_.push_back(std::move(slot));
    return slots_.back().id;
}

void SignalInternals<>::emit() {
    if (emitting_) {
        // A slot emitted this signal: run it after the current pass instead of nesting.
        pendingEmissions_.emplace_back();
        collectBlockedSlots(pendingEmissions_.back());
        return;
    }

    // Keeps these internals alive even if a slot destroys the signal's owner.
    const std::shared_ptr<SignalInternals<>> self = shared_from_this();

    // A throwing slot ends the whole emission; the signal must stay usable afterwards
    // rather than queue every later emission behind one that never finishes.
    struct EmissionScope {
        SignalInternals<>& internals;
        ~EmissionScope() {
            internals.emitting_ = false;
            internals.pendingEmissions_.clear();
        }
    };
    emitting_ = true;
    pendingEmissions_.clear();
    const EmissionScope scope{*this};

    ExclusionList excluded;
    collectBlockedSlots(excluded);
    invoke(excluded);
    while (!pendingEmissions_.empty()) {
        // Taken out first: the pass may append further emissions and move the array.
        excluded.clear();
        excluded.swap(pendingEmissions_.front());
        pendingEmissions_.erase(pendingEmissions_.begin());
        invoke(excluded);
    }
}

bool SignalInternals<>::setBlocked(std::uint64_t id, bool blocked) noexcept {
    bool found = false;
    for (SlotRecord& slot : slots_) {
        if (slot.id == id) {
            slot.blocked = blocked;
            found = true;
        }
    }
    return found;
}

void SignalInternals<>::invoke(const ExclusionList& excluded) {
    removeExpiredSlots();

    // Slots connected during this pass are left to later passes. Nothing removes slots
    // while an emission runs, so indices stay valid.
    const std::size_t count = slots_.size();
    for (std::size_t i = 0; i < count; ++i) {
        const std::shared_ptr<TrackableInternals> alive = slots_[i].tracked.lock();
        if (!alive || Contains(excluded, slots_[i].id)) continue;

        // The callable runs from a local: a slot that connects to this signal may move
        // the slot array, which must not destroy the callable while it executes. It
        // returns to its record afterwards, whatever happens.
        struct CallableLoan {
            std::vector<SlotRecord>& slots;
            std::size_t index;
            boost::function<void()> callable;
            ~CallableLoan() { slots[index].callable.swap(callable); }
        };
        CallableLoan loan{slots_, i, {}};
        loan.callable.swap(slots_[i].callable);
        loan.callable();  // an empty callable throws boost::bad_function_call
    }
}

void SignalInternals<>::removeExpiredSlots() {
    slots_.erase(std::remove_if(slots_.begin(), slots_.end(),
                                [](const SlotRecord& slot) { return slot.tracked.expired(); }),
                 slots_.end());
}

void SignalInternals<>::collectBlockedSlots(ExclusionList& excluded) const {
    for (const SlotRecord& slot : slots_)
        if (slot.blocked) excluded.push_back(slot.id);
}

}  // namespace lm_signal_detail
