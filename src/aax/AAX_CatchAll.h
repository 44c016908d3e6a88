#pragma once
// The catch-all of a host-facing AAX method, written once: the result of `body`, or
// AAX_ERROR_UNKNOWN_EXCEPTION when anything escapes it, so that no exception crosses
// to the caller. Host-facing methods validate their arguments first and wrap only the
// work that can throw. Adds no lock and no allocation of its own. [any-thread]

#include <utility>

#include "aax/AAX.h"

namespace AAX {

template <typename Body>
AAX_Result CatchAll(Body&& body) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
}

}  // namespace AAX
