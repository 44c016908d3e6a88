#pragma once
// AAX_IACFHostServices (IID_IAAXHostServicesV1 .. V3): services the host offers the
// module as a whole, made by the host's component factory (AAXCompID_HostServices) from
// the IACFUnknown passed to ACFStartup. Texts are UTF-8, borrowed for the call.
// [any-thread]

#include <cstdint>

#include "aax/AAX.h"
#include "aax/AAX_UIDs.h"
#include "aax/acfunknown.h"

class AAX_IACFHostServices : public IACFUnknown {
public:
    // A failed assertion at `file`:`line` (debug builds of a plug-in).
    virtual AAX_Result Assert(const char* file, std::int32_t line, const char* note) noexcept = 0;
    // One line for the host's trace log at an AAX_ETracePriorityHost.
    virtual AAX_Result Trace(std::int32_t priority, const char* message) noexcept = 0;

protected:
    ~AAX_IACFHostServices() = default;
};

class AAX_IACFHostServices_V2 : public AAX_IACFHostServices {
public:
    // A trace line followed by a stack trace when `stackTracePriority` is enabled.
    virtual AAX_Result StackTrace(std::int32_t tracePriority, std::int32_t stackTracePriority,
                                  const char* message) noexcept = 0;

protected:
    ~AAX_IACFHostServices_V2() = default;
};

class AAX_IACFHostServices_V3 : public AAX_IACFHostServices_V2 {
public:
    // A failed assertion, with flags saying how loud the host should be about it.
    virtual AAX_Result HandleAssertFailure(const char* file, std::int32_t line, const char* note,
                                           std::int32_t flags) const noexcept = 0;

protected:
    ~AAX_IACFHostServices_V3() = default;
};
