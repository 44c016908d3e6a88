#pragma once
// RecordingHostServices: the host's module-wide services (AAXCompID_HostServices,
// versions 1 to 3). One object serves every version the module asks the component
// factory for, and keeps every line the module sends: traces, stack traces (as their
// trace line) and assertion failures (as "file(line): note" at
// AAX_eTracePriorityHost_Critical). [any-thread]; the lines are guarded by a mutex.

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "aax/AAX_IACFHostServices.h"
#include "aaxhost/HostObject.h"

namespace aaxhost {

struct TraceLine {
    std::int32_t priority = 0;  // AAX_ETracePriorityHost
    std::string message;
};

class RecordingHostServices final : public HostObject<AAX_IACFHostServices_V3, IID_IAAXHostServicesV1,
                                                      IID_IAAXHostServicesV2, IID_IAAXHostServicesV3> {
public:
    // A null message or file is refused with AAX_ERROR_NULL_ARGUMENT and not kept.
    AAX_Result Assert(const char* file, std::int32_t line, const char* note) noexcept override;
    AAX_Result Trace(std::int32_t priority, const char* message) noexcept override;
    AAX_Result StackTrace(std::int32_t tracePriority, std::int32_t stackTracePriority,
                          const char* message) noexcept override;
    AAX_Result HandleAssertFailure(const char* file, std::int32_t line, const char* note,
                                   std::int32_t flags) const noexcept override;

    std::vector<TraceLine> Traces() const;

private:
    AAX_Result Keep(std::int32_t priority, std::string message) const noexcept;

    mutable std::mutex mutex_;
    mutable std::vector<TraceLine> traces_;  // HandleAssertFailure is const in the host's table
};

}  // namespace aaxhost
