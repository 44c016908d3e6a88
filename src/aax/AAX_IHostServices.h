#pragma once
// AAX_IHostServices: the module's view of the host's module-wide services (see
// AAX_IACFHostServices). The module keeps one from ACFStartup to ACFShutdown.
// [any-thread]

#include <cstdint>

#include "aax/AAX.h"

class AAX_IHostServices {
public:
    virtual ~AAX_IHostServices() = default;

    // A failed assertion; AAX_ERROR_NULL_OBJECT when the host has no version 3.
    virtual AAX_Result HandleAssertFailure(const char* file, std::int32_t line, const char* note,
                                           std::int32_t flags) const = 0;
    // One finished line (UTF-8) for the host's trace log at an AAX_ETracePriorityHost.
    virtual AAX_Result Trace(std::int32_t priority, const char* message) const = 0;
    // A line with a stack trace; AAX_ERROR_UNIMPLEMENTED when the host has no version 2.
    virtual AAX_Result StackTrace(std::int32_t tracePriority, std::int32_t stackTracePriority,
                                  const char* message) const = 0;
};
