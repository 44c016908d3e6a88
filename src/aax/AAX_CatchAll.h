#pragma once
// The catch-alls of the host boundary, written once: the result of `body`, or the
// boundary's own failure code when anything escapes it, so that no exception crosses
// to the caller. AAX::CatchAll serves host-facing AAX methods (AAX_ERROR_UNKNOWN_EXCEPTION),
// ACF::CatchAll the exported ACF entry points (ACF_E_UNEXPECTED). Callers validate their
// arguments first and wrap only the work that can throw. Adds no lock and no allocation
// of its own. [any-thread]

#include <cstdint>
#include <utility>

#include "aax/AAX.h"
#include "aax/acfunknown.h"

namespace AAX {
namespace detail {

template <typename Body>
std::int32_t CatchAllAs(std::int32_t onException, Body&& body) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        return onException;
    }
}

}  // namespace detail

template <typename Body>
AAX_Result CatchAll(Body&& body) noexcept {
    return detail::CatchAllAs(AAX_ERROR_UNKNOWN_EXCEPTION, std::forward<Body>(body));
}

}  // namespace AAX

namespace ACF {

template <typename Body>
acfResult CatchAll(Body&& body) noexcept {
    return AAX::detail::CatchAllAs(ACF_E_UNEXPECTED, std::forward<Body>(body));
}

}  // namespace ACF
