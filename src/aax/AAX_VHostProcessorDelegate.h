#pragma once
// AAX_VHostProcessorDelegate: AAX_IHostProcessorDelegate over the host's delegate,
// found by querying the processor's controller for the newest version first (V3, then
// V2, then V1); a call goes to the version that introduced it. A null sample count
// fails with AAX_ERROR_NULL_ARGUMENT without reaching the host. Without a delegate,
// GetAudio fails with AAX_ERROR_NULL_OBJECT and GetSideChainInputNum gives 0; a
// request of a version the host does not offer fails with AAX_ERROR_UNIMPLEMENTED.

#include "aax/AAX_IACFHostProcessorDelegate.h"
#include "aax/AAX_IHostProcessorDelegate.h"
#include "aax/ACFPtr.h"

class AAX_VHostProcessorDelegate final : public AAX_IHostProcessorDelegate {
public:
    // `controller` is the IACFUnknown the host passed to Initialize (borrowed).
    explicit AAX_VHostProcessorDelegate(IACFUnknown* controller) noexcept;

    bool IsValid() const noexcept { return static_cast<bool>(delegate_); }

    AAX_Result GetAudio(const float* const inputs[], std::int32_t inputCount, std::int64_t location,
                        std::int32_t* ioSamples) override;
    std::int32_t GetSideChainInputNum() override;
    AAX_Result ForceAnalyze() override;
    AAX_Result ForceProcess() override;

private:
    // The host's delegate as its newest version offered, held once and seen as each
    // version it extends (the two newer ones borrowed from delegate_, or null).
    ACFPtr<AAX_IACFHostProcessorDelegate> delegate_;
    AAX_IACFHostProcessorDelegate_V2* delegateV2_ = nullptr;
    AAX_IACFHostProcessorDelegate_V3* delegateV3_ = nullptr;
};
