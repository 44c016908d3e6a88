#include "aaxhost/RecordingHostServices.h"

#include <utility>

#include "aax/AAX_CatchAll.h"
#include "aax/AAX_Enums.h"

namespace aaxhost {

AAX_Result RecordingHostServices::Keep(std::int32_t priority, std::string message) const noexcept {
    return AAX::CatchAll([&]() -> AAX_Result {
        std::lock_guard<std::mutex> lock(mutex_);
        traces_.push_back({priority, std::move(message)});
        return AAX_SUCCESS;
    });
}

AAX_Result RecordingHostServices::Assert(const char* file, std::int32_t line, const char* note) noexcept {
    return HandleAssertFailure(file, line, note, 0);
}

AAX_Result RecordingHostServices::Trace(std::int32_t priority, const char* message) noexcept {
    if (message == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return AAX::CatchAll([&]() -> AAX_Result { return Keep(priority, message); });
}

AAX_Result RecordingHostServices::StackTrace(std::int32_t tracePriority, std::int32_t /*stackTracePriority*/,
                                             const char* message) noexcept {
    return Trace(tracePriority, message);
}

AAX_Result RecordingHostServices::HandleAssertFailure(const char* file, std::int32_t line, const char* note,
                                                      std::int32_t /*flags*/) const noexcept {
    if (file == nullptr || note == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return AAX::CatchAll([&]() -> AAX_Result {
        return Keep(AAX_eTracePriorityHost_Critical, std::string(file) + "(" + std::to_string(line) + "): " + note);
    });
}

std::vector<TraceLine> RecordingHostServices::Traces() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return traces_;
}

}  // namespace aaxhost
