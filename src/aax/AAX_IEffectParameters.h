#pragma once
// AAX_IEffectParameters: an effect parameters object of this module: the host-facing
// interface (all four versions) with ACF reference counting (CACFUnknown).
// QueryInterface answers IID_IACFUnknown and IID_IAAXEffectParametersV1..V4 with the one
// object, and refuses anything else with ACF_E_NOINTERFACE. A factory returns
// static_cast<AAX_IACFEffectParameters*>(new Derived(...)); the host's last Release
// deletes it.

#include "aax/AAX_IACFEffectParameters.h"
#include "aax/CACFUnknown.h"

class AAX_IEffectParameters : public AAX_IACFEffectParameters_V4, public CACFUnknown {
public:
    acfResult QueryInterface(const acfIID& iid, void** out) noexcept override {
        return InternalQueryInterface(iid, out,
                                      {IID_IAAXEffectParametersV1, IID_IAAXEffectParametersV2,
                                       IID_IAAXEffectParametersV3, IID_IAAXEffectParametersV4},
                                      static_cast<AAX_IACFEffectParameters_V4*>(this));
    }
    std::uint32_t AddRef() noexcept override { return InternalAddRef(); }
    std::uint32_t Release() noexcept override { return InternalRelease(); }
};
