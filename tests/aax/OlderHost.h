#pragma once
// A host of an older version in front of the host simulator's real objects: it answers
// only the interface IDs it is given, each with the real object's own answer, so the
// layer's wrappers meet a host that lacks the later versions. It records every ID it is
// asked for and counts its own references (Release never deletes: the test owns it).

#include <algorithm>
#include <cstdint>
#include <vector>

#include "aax/acfunknown.h"

class OlderHost : public IACFUnknown {
public:
    OlderHost(IACFUnknown* real, std::vector<acfIID> offered) : real_(real), offered_(std::move(offered)) {}

    acfResult QueryInterface(const acfIID& iid, void** out) noexcept override {
        if (out == nullptr) return ACF_E_POINTER;
        asked.push_back(iid);
        if (std::find(offered_.begin(), offered_.end(), iid) != offered_.end()) return real_->QueryInterface(iid, out);
        *out = nullptr;
        return ACF_E_NOINTERFACE;
    }
    std::uint32_t AddRef() noexcept override { return ++references; }
    std::uint32_t Release() noexcept override { return --references; }

    std::uint32_t references = 1;  // the test's own
    std::vector<acfIID> asked;

private:
    IACFUnknown* real_;
    std::vector<acfIID> offered_;
};

// The references `object` holds now (an AddRef and its Release).
inline std::uint32_t References(IACFUnknown* object) {
    object->AddRef();
    return object->Release();
}
