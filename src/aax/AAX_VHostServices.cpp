#include "aax/AAX_VHostServices.h"

AAX_VHostServices::AAX_VHostServices(IACFUnknown* host) noexcept
    : services_(ACFPtr<AAX_IACFHostServices>::Query(host, IID_IAAXHostServicesV1)) {}

AAX_Result AAX_VHostServices::Trace(std::int32_t priority, const char* message) {
    if (!services_) return AAX_ERROR_NULL_OBJECT;
    return services_->Trace(priority, message != nullptr ? message : "");
}
