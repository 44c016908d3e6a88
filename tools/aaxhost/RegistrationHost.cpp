#include "aaxhost/RegistrationHost.h"

#include <utility>

#include "aaxhost/HostDescriptionHost.h"
#include "aaxhost/RecordingComponentDescriptor.h"
#include "aaxhost/RecordingEffectDescriptor.h"
#include "aaxhost/RecordingPropertyMap.h"

namespace aaxhost {
namespace {

// A maker of a fresh object of type T, handed out with its one reference.
template <class T>
HostComponentFactory::Maker Fresh() {
    return [] { return static_cast<IACFUnknown*>((new T)->AsInterface()); };
}

}  // namespace

RegistrationHost::RegistrationHost()
    : made_(std::make_shared<Made>()), factory_(MakeHostObject<HostComponentFactory>()) {
    made_->services = MakeHostObject<RecordingHostServices>();
    std::weak_ptr<Made> made = made_;
    factory_->Add(AAXCompID_AAXCollection, [made]() -> IACFUnknown* {
        const std::shared_ptr<Made> live = made.lock();
        if (!live) return nullptr;
        ACFPtr<RecordingCollection> collection = MakeHostObject<RecordingCollection>();
        IACFUnknown* handedOut = collection->AsInterface();
        handedOut->AddRef();  // the factory's caller's reference; the host keeps its own
        live->collections.push_back(std::move(collection));
        return handedOut;
    });
    factory_->Add(AAXCompID_AAXEffectDescriptor, Fresh<RecordingEffectDescriptor>());
    factory_->Add(AAXCompID_AAXComponentDescriptor, Fresh<RecordingComponentDescriptor>());
    factory_->Add(AAXCompID_AAXPropertyMap, Fresh<RecordingPropertyMap>());
    factory_->Add(AAXCompID_HostServices, [made]() -> IACFUnknown* {
        const std::shared_ptr<Made> live = made.lock();
        if (!live) return nullptr;
        IACFUnknown* services = live->services->AsInterface();
        services->AddRef();
        return services;
    });
    factory_->Add(AAX_CompID_DescriptionHost, Fresh<HostDescriptionHost>());
    factory_->Offer(IID_IAAXDescriptionHostV1, Fresh<HostDescriptionHost>());
}

std::vector<ACFPtr<RecordingCollection>> RegistrationHost::TakeCollections() {
    return std::exchange(made_->collections, {});
}

}  // namespace aaxhost
