#pragma once
// AAX_IEffectGUI: an editor object of this module: the host-facing interface, every
// version of it, with ACF reference counting (CACFUnknown). QueryInterface answers
// IID_IACFUnknown, IID_IAAXEffectGUIV1 and IID_IAAXEffectGUIV2. The factory returns
// static_cast<AAX_IACFEffectGUI*>(new Derived); the host's last Release deletes it.

#include "aax/AAX_IACFEffectGUI.h"
#include "aax/CACFUnknown.h"

class AAX_IEffectGUI : public AAX_IACFEffectGUI_V2, public CACFUnknown {
public:
    acfResult QueryInterface(const acfIID& iid, void** out) noexcept override {
        return InternalQueryInterface(iid, out, {IID_IAAXEffectGUIV1, IID_IAAXEffectGUIV2},
                                      static_cast<AAX_IACFEffectGUI_V2*>(this));
    }
    std::uint32_t AddRef() noexcept override { return InternalAddRef(); }
    std::uint32_t Release() noexcept override { return InternalRelease(); }
};
