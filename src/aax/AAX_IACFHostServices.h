#pragma once
// AAX_IACFHostServices: services the host offers the module as a whole, implemented by
// the host and reached by querying the IACFUnknown passed to ACFStartup.

#include <cstdint>

#include "aax/AAX.h"
#include "aax/AAX_UIDs.h"
#include "aax/acfunknown.h"

class AAX_IACFHostServices : public IACFUnknown {
public:
    // One line for the host's trace log; `priority` is an AAX_ETracePriority, `message`
    // UTF-8, borrowed for the call. [any-thread]
    virtual AAX_Result Trace(std::int32_t priority, const char* message) noexcept = 0;

protected:
    ~AAX_IACFHostServices() = default;
};

