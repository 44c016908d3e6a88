#pragma once
// The catch-all of an exported ACF entry point, written once: the result of `body`, or
// ACF_E_UNEXPECTED when anything escapes it, so that no exception reaches the host's
// loader. [any-thread]

#include <utility>

#include "aax/acfunknown.h"

namespace ACF {

template <typename Body>
acfResult CatchAll(Body&& body) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        return ACF_E_UNEXPECTED;
    }
}

}  // namespace ACF
