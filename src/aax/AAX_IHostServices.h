#pragma once
// AAX_IHostServices: the module's view of the host's module-wide services (see
// AAX_IACFHostServices). The module keeps one from ACFStartup to ACFShutdown.

#include <cstdint>

#include "aax/AAX.h"

class AAX_IHostServices {
public:
    virtual ~AAX_IHostServices() = default;

    // One finished line (UTF-8) for the host's trace log at an AAX_ETracePriority. [any-thread]
    virtual AAX_Result Trace(std::int32_t priority, const char* message) = 0;
};
