#pragma once
// AAX_IHostProcessor: an offline processor of this module: the host-facing interface,
// every version of it, with ACF reference counting (CACFUnknown). QueryInterface answers
// IID_IACFUnknown, IID_IAAXHostProcessorV1 and IID_IAAXHostProcessorV2. The factory returns static_cast<AAX_IACFHostProcessor*>(new
// Derived); the host's last Release deletes it.

#include "aax/AAX_IACFHostProcessor.h"
#include "aax/CACFUnknown.h"

class AAX_IHostProcessor : public AAX_IACFHostProcessor_V2, public CACFUnknown {
public:
    acfResult QueryInterface(const acfIID& iid, void** out) noexcept override {
        return InternalQueryInterface(iid, out, {IID_IAAXHostProcessorV1, IID_IAAXHostProcessorV2},
                                      static_cast<AAX_IACFHostProcessor_V2*>(this));
    }
    std::uint32_t AddRef() noexcept override { return InternalAddRef(); }
    std::uint32_t Release() noexcept override { return InternalRelease(); }
};
