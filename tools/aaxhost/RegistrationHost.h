#pragma once
// RegistrationHost: the IACFUnknown this host hands to a module's entry points. It is the
// host's component factory (HostComponentFactory) with a maker for every object a module
// obtains at startup and scan time: collection, effect and component descriptors,
// property maps, host services and the description host, which it also answers on
// itself. Nothing else is offered, as a real host offers nothing else here.
//
// One RecordingHostServices serves every request for host services, so its lines can be
// read back; the collections the module made are kept until TakeCollections.
// [ui-thread]: one thread at a time.

#include <memory>
#include <vector>

#include "aaxhost/HostComponentFactory.h"
#include "aaxhost/RecordingCollection.h"
#include "aaxhost/RecordingHostServices.h"

namespace aaxhost {

class RegistrationHost {
public:
    RegistrationHost();

    // What the module receives as `host` (borrowed; lives as long as this object or the
    // module's reference to it).
    IACFUnknown* Unknown() const noexcept { return factory_->AsInterface(); }
    HostComponentFactory& Factory() const noexcept { return *factory_.Get(); }
    RecordingHostServices& Services() const noexcept { return *made_->services.Get(); }
    // The collections made since the last call, in order; this host lets go of them.
    std::vector<ACFPtr<RecordingCollection>> TakeCollections();

private:
    struct Made {
        ACFPtr<RecordingHostServices> services;
        std::vector<ACFPtr<RecordingCollection>> collections;
    };

    // The makers hold it weakly: a factory a module still holds after this host has
    // gone makes nothing that needs it.
    std::shared_ptr<Made> made_;
    ACFPtr<HostComponentFactory> factory_;
};

}  // namespace aaxhost
