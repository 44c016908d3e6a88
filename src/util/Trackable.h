#pragma once
// Trackable: a base class whose lifetime limits the signal connections made for it.
// Each Trackable holds a small shared state object; a signal slot keeps only a weak
// reference to that state, so destroying the owner expires every slot tied to it and
// the owner needs no explicit disconnection.
//
// Ownership: the state is owned by the Trackable alone; a running slot holds a
// temporary strong reference while it is called. Reference counts are atomic, so the
// owner may be destroyed on any thread [any-thread]; a slot that is already running
// when that happens still completes.

#include <memory>

namespace lm_signal_detail {

// Empty: only its lifetime matters. Created with std::make_shared.
struct TrackableInternals {};

template <typename... Args>
class SignalInternals;

}  // namespace lm_signal_detail

namespace Util {

class Trackable {
public:
    Trackable() : internals_(std::make_shared<lm_signal_detail::TrackableInternals>()) {}

    // A copy is a new object with connections of its own: it gets fresh state, and
    // assignment keeps the target's state, so slots follow the object they were made for.
    Trackable(const Trackable&) : Trackable() {}
    Trackable& operator=(const Trackable&) noexcept { return *this; }

protected:
    ~Trackable() = default;

private:
    friend class lm_signal_detail::SignalInternals<>;

    std::shared_ptr<lm_signal_detail::TrackableInternals> internals_;
};

}  // namespace Util
