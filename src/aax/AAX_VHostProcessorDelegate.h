#pragma once
// AAX_VHostProcessorDelegate: AAX_IHostProcessorDelegate over the host's
// AAX_IACFHostProcessorDelegate, found by querying the processor's controller. A null
// sample count fails with AAX_ERROR_NULL_ARGUMENT without reaching the host; every call
// fails with AAX_ERROR_NULL_OBJECT when the host offers no delegate.

#include "aax/ACFPtr.h"
#include "aax/AAX_IACFHostProcessorDelegate.h"
#include "aax/AAX_IHostProcessorDelegate.h"

class AAX_VHostProcessorDelegate final : public AAX_IHostProcessorDelegate {
public:
    // `controller` is the IACFUnknown the host passed to Initialize (borrowed).
    explicit AAX_VHostProcessorDelegate(IACFUnknown* controller) noexcept;

    bool IsValid() const noexcept { return static_cast<bool>(delegate_); }

    AAX_Result GetAudio(const float* const inputs[], std::int32_t inputCount, std::int64_t location,
                        std::int32_t* ioSamples) override;
    AAX_Result ForceAnalyze() override;

private:
    ACFPtr<AAX_IACFHostProcessorDelegate> delegate_;
};
