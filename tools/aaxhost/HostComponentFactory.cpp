#include "aaxhost/HostComponentFactory.h"

#include <utility>

namespace aaxhost {

void HostComponentFactory::Add(const acfUID& componentID, Maker maker) {
    for (Entry& entry : entries_) {
        if (entry.id == componentID) {
            entry.maker = std::move(maker);
            return;
        }
    }
    entries_.push_back(Entry{componentID, std::move(maker)});
}

void HostComponentFactory::Offer(const acfIID& iid, Maker maker) { offered_.push_back(Entry{iid, std::move(maker)}); }

acfResult HostComponentFactory::QueryOtherInterface(const acfIID& iid, void** out) noexcept {
    for (Entry& entry : offered_) {
        if (entry.id != iid) continue;
        IACFUnknown* made = nullptr;
        try {
            made = entry.maker();
        } catch (...) {
            return ACF_E_OUTOFMEMORY;
        }
        if (made == nullptr) return ACF_E_OUTOFMEMORY;
        const acfResult result = made->QueryInterface(iid, out);
        made->Release();
        return result;
    }
    return ACF_E_NOINTERFACE;
}

int HostComponentFactory::CreatedCount(const acfUID& componentID) const noexcept {
    for (const Entry& entry : entries_)
        if (entry.id == componentID) return entry.created;
    return 0;
}

acfResult HostComponentFactory::CreateComponent(const acfUID& componentID, IACFUnknown* /*outer*/, const acfIID& iid,
                                                void** out) noexcept {
    if (out == nullptr) return ACF_E_POINTER;
    *out = nullptr;
    for (Entry& entry : entries_) {
        if (entry.id != componentID) continue;
        IACFUnknown* made = nullptr;
        try {
            made = entry.maker();
        } catch (...) {
            return ACF_E_OUTOFMEMORY;  // a maker that throws ran out of something
        }
        if (made == nullptr) return ACF_E_OUTOFMEMORY;
        ++entry.created;
        const acfResult result = made->QueryInterface(iid, out);
        made->Release();
        return result;
    }
    return ACF_E_CLASSNOTREG;
}

acfResult HostComponentFactory::CreateInstance(const acfCLSID& /*classID*/, IACFUnknown* /*outer*/,
                                               const acfIID& /*iid*/, void** out) noexcept {
    if (out != nullptr) *out = nullptr;
    return ACF_E_NOTIMPL;
}

acfResult HostComponentFactory::GetClassFactory(const acfCLSID& /*classID*/, const acfIID& /*iid*/,
                                                void** out) noexcept {
    if (out != nullptr) *out = nullptr;
    return ACF_E_NOTIMPL;
}

acfResult HostComponentFactory::FindDefinition(const acfUID& /*uid*/, const acfIID& /*iid*/,
                                               IACFDefinition** outDefinition) noexcept {
    if (outDefinition != nullptr) *outDefinition = nullptr;
    return ACF_E_NOTIMPL;
}

acfResult HostComponentFactory::EnumDefinitions(const acfUID& /*componentTypeID*/,
                                                IACFEnumDefinitions** outEnum) noexcept {
    if (outEnum != nullptr) *outEnum = nullptr;
    return ACF_E_NOTIMPL;
}

}  // namespace aaxhost
