#include "aax/AAX_VHostServices.h"

AAX_VHostServices::AAX_VHostServices(IACFUnknown* host) noexcept
    : services_(ACFPtr<AAX_IACFHostServices>::Create(host, AAXCompID_HostServices, IID_IAAXHostServicesV1)),
      servicesV2_(ACFPtr<AAX_IACFHostServices_V2>::Create(host, AAXCompID_HostServices, IID_IAAXHostServicesV2)),
      servicesV3_(ACFPtr<AAX_IACFHostServices_V3>::Create(host, AAXCompID_HostServices, IID_IAAXHostServicesV3)) {}

AAX_Result AAX_VHostServices::HandleAssertFailure(const char* file, std::int32_t line, const char* note,
                                                  std::int32_t flags) const {
    if (!servicesV3_) return AAX_ERROR_NULL_OBJECT;
    return servicesV3_->HandleAssertFailure(file, line, note, flags);
}

AAX_Result AAX_VHostServices::Trace(std::int32_t priority, const char* message) const {
    if (!services_) return AAX_ERROR_NULL_OBJECT;
    return services_->Trace(priority, message != nullptr ? message : "");
}

AAX_Result AAX_VHostServices::StackTrace(std::int32_t tracePriority, std::int32_t stackTracePriority,
                                         const char* message) const {
    if (!servicesV2_) return AAX_ERROR_UNIMPLEMENTED;
    return servicesV2_->StackTrace(tracePriority, stackTracePriority, message != nullptr ? message : "");
}
