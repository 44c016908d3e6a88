#pragma once
// AAX_IEffectParameters: an effect parameters object of this module: the host-facing
// interface with ACF reference counting (CACFUnknown). QueryInterface answers
// IID_IACFUnknown and IID_IAAXEffectParametersV1. A factory returns
// static_cast<AAX_IACFEffectParameters*>(new Derived(...)); the host's last Release
// deletes it.

#include "aax/AAX_IACFEffectParameters.h"
#include "aax/CACFUnknown.h"

class AAX_IEffectParameters : public AAX_IACFEffectParameters, public CACFUnknown {
public:
    acfResult QueryInterface(const acfIID& iid, void** out) noexcept override {
        return InternalQueryInterface(iid, out, {IID_IAAXEffectParametersV1, IID_IAAXEffectParametersV2, IID_IAAXEffectParametersV3, IID_IAAXEffectParametersV4}, static_cast<AAX_IACFEffectParameters*>(this));
    }
    std::uint32_t AddRef() noexcept override { return InternalAddRef(); }
    std::uint32_t Release() noexcept override { return InternalRelease(); }
};
