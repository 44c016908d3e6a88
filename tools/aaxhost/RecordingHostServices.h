#pragma once
// RecordingHostServices: the host's module-wide services, the IACFUnknown the host
// passes to ACFStartup (and to the other entry points that take the host). It answers
// IID_IAAXHostServicesV1 itself and keeps every trace line. Trace: [any-thread];
// the lines are guarded by a mutex.

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "aax/AAX_IACFHostServices.h"
#include "aaxhost/HostObject.h"

namespace aaxhost {

struct TraceLine {
    std::int32_t priority = 0;  // AAX_ETracePriority
    std::string message;
};

class RecordingHostServices final : public HostObject<AAX_IACFHostServices, IID_IAAXHostServicesV1> {
public:
    // A null message is refused with AAX_ERROR_NULL_ARGUMENT and not kept.
    AAX_Result Trace(std::int32_t priority, const char* message) noexcept override;

    std::vector<TraceLine> Traces() const;

private:
    mutable std::mutex mutex_;
    std::vector<TraceLine> traces_;
};

}  // namespace aaxhost
