#pragma once
// HostComponentFactory: the host's IACFComponentFactory, the object a module finds by
// querying the IACFUnknown the host hands to ACFStartup, ACFRegisterPlugin and
// Initialize. CreateComponent makes a new host object for each component ID the host
// has been given a maker for (collection, descriptors, property maps, host services,
// ...) and hands out the interface version asked for, as a host built on the published
// interfaces does; unknown components give ACF_E_CLASSNOTREG, versions the object
// lacks ACF_E_NOINTERFACE, both with a null out. The other methods (classes and
// definitions) are not offered by this host: null and ACF_E_NOTIMPL. Besides the
// factory, the object answers the interfaces a host offers on the same IACFUnknown
// (the description host during registration), each through its own maker.
// [any-thread] for CreateComponent once the makers are set; Add is [ui-thread] before use.

#include <functional>
#include <vector>

#include "aax/acfbaseapi.h"
#include "aaxhost/HostObject.h"

namespace aaxhost {

class HostComponentFactory final : public HostObject<IACFComponentFactory, IID_IACFComponentFactory> {
public:
    // Makes a new host object with one reference, which CreateComponent gives back once
    // it has queried the asked-for version; null when it cannot.
    using Maker = std::function<IACFUnknown*()>;

    // Registers (or replaces) the maker of one component.
    void Add(const acfUID& componentID, Maker maker);
    // Answers QueryInterface for `iid` with a new object from `maker` (queried for `iid`).
    void Offer(const acfIID& iid, Maker maker);
    // How many objects CreateComponent has made for `componentID` so far.
    int CreatedCount(const acfUID& componentID) const noexcept;

    acfResult CreateComponent(const acfUID& componentID, IACFUnknown* outer, const acfIID& iid,
                              void** out) noexcept override;
    acfResult CreateInstance(const acfCLSID& classID, IACFUnknown* outer, const acfIID& iid,
                             void** out) noexcept override;
    acfResult GetClassFactory(const acfCLSID& classID, const acfIID& iid, void** out) noexcept override;
    acfResult FindDefinition(const acfUID& uid, const acfIID& iid, IACFDefinition** outDefinition) noexcept override;
    acfResult EnumDefinitions(const acfUID& componentTypeID, IACFEnumDefinitions** outEnum) noexcept override;

protected:
    acfResult QueryOtherInterface(const acfIID& iid, void** out) noexcept override;

private:
    struct Entry {
        acfUID id;  // a component ID, or an offered interface ID
        Maker maker;
        int created = 0;
    };
    std::vector<Entry> entries_;
    std::vector<Entry> offered_;  // by interface ID
};

}  // namespace aaxhost
