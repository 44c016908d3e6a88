#pragma once
// AAX_VHostServices: AAX_IHostServices over the host's AAX_IACFHostServices, found by
// querying the IACFUnknown passed to ACFStartup. Every call fails with
// AAX_ERROR_NULL_OBJECT when the host offers no services.

#include "aax/ACFPtr.h"
#include "aax/AAX_IACFHostServices.h"
#include "aax/AAX_IHostServices.h"

class AAX_VHostServices final : public AAX_IHostServices {
public:
    // `host` is borrowed.
    explicit AAX_VHostServices(IACFUnknown* host) noexcept;

    bool IsValid() const noexcept { return static_cast<bool>(services_); }

    AAX_Result Trace(std::int32_t priority, const char* message) override;

private:
    ACFPtr<AAX_IACFHostServices> services_;
};
