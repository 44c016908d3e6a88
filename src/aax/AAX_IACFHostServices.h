#pragma once
// AAX_IACFHostServices: services the host offers the module as a whole, implemented by
// the host and reached by querying the IACFUnknown passed to ACFStartup.

#include <cstdint>

#include "aax/AAX.h"
#include "aax/acfunknown.h"

class AAX_IACFHostServices : public IACFUnknown {
public:
    // One line for the host's trace log; `priority` is an AAX_ETracePriority, `message`
    // UTF-8, borrowed for the call. [any-thread]
    virtual AAX_Result Trace(std::int32_t priority, const char* message) noexcept = 0;

protected:
    ~AAX_IACFHostServices() = default;
};

inline constexpr acfIID IID_AAX_IACFHostServices = {0x79819CBE, 0x5147, 0x4E3F, {0xBD, 0x0C, 0xB6, 0x87, 0xC5, 0xAE, 0xCD, 0x66}};
