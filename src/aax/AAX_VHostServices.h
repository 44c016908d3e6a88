#pragma once
// AAX_VHostServices: AAX_IHostServices over the host services the host's component
// factory makes (AAXCompID_HostServices), one object per published version, each asked
// for on its own as a host expects. Every call fails when the host offers none.

#include "aax/AAX_IACFHostServices.h"
#include "aax/AAX_IHostServices.h"
#include "aax/ACFPtr.h"

class AAX_VHostServices final : public AAX_IHostServices {
public:
    // `host` (borrowed) is the IACFUnknown passed to ACFStartup.
    explicit AAX_VHostServices(IACFUnknown* host) noexcept;

    bool IsValid() const noexcept { return static_cast<bool>(services_); }

    AAX_Result HandleAssertFailure(const char* file, std::int32_t line, const char* note,
                                   std::int32_t flags) const override;
    AAX_Result Trace(std::int32_t priority, const char* message) const override;
    AAX_Result StackTrace(std::int32_t tracePriority, std::int32_t stackTracePriority,
                          const char* message) const override;

private:
    ACFPtr<AAX_IACFHostServices> services_;
    ACFPtr<AAX_IACFHostServices_V2> servicesV2_;
    ACFPtr<AAX_IACFHostServices_V3> servicesV3_;
};
