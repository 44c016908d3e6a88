#include "aaxhost/RecordingHostServices.h"

namespace aaxhost {

AAX_Result RecordingHostServices::Trace(std::int32_t priority, const char* message) noexcept {
    if (message == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    try {
        std::lock_guard<std::mutex> lock(mutex_);
        traces_.push_back({priority, message});
        return AAX_SUCCESS;
    } catch (...) {
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
}

std::vector<TraceLine> RecordingHostServices::Traces() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return traces_;
}

}  // namespace aaxhost
