#include "aaxhost/ObjectFactory.h"

namespace aaxhost {
namespace {

template <class Interface>
ACFPtr<Interface> Create(const EffectDescription& effect, AAX_CProcPtrID procID, const acfIID& iid) {
    const AAX_CreateObjectProc factory = effect.FindProcPtr(procID);
    if (factory == nullptr) return ACFPtr<Interface>();
    ACFPtr<IACFUnknown> made(factory());
    return ACFPtr<Interface>::Query(made.Get(), iid);
}

}  // namespace

ACFPtr<AAX_IACFEffectParameters> CreateEffectParameters(const EffectDescription& effect) {
    return Create<AAX_IACFEffectParameters>(effect, kAAX_ProcPtrID_Create_EffectParameters, IID_IAAXEffectParametersV1);
}

ACFPtr<AAX_IACFEffectGUI> CreateEffectGUI(const EffectDescription& effect) {
    return Create<AAX_IACFEffectGUI>(effect, kAAX_ProcPtrID_Create_EffectGUI, IID_IAAXEffectGUIV1);
}

ACFPtr<AAX_IACFHostProcessor> CreateHostProcessor(const EffectDescription& effect) {
    return Create<AAX_IACFHostProcessor>(effect, kAAX_ProcPtrID_Create_HostProcessor, IID_IAAXHostProcessorV1);
}

}  // namespace aaxhost
