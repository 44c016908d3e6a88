#include "aax/CACFUnknown.h"

namespace {

std::atomic<std::int32_t>& LiveObjects() noexcept {
    static std::atomic<std::int32_t> count{0};
    return count;
}

}  // namespace

CACFUnknown::CACFUnknown() noexcept : references_(1) { LiveObjects().fetch_add(1); }

CACFUnknown::~CACFUnknown() { LiveObjects().fetch_sub(1); }

std::int32_t CACFUnknown::LiveObjectCount() noexcept { return LiveObjects().load(); }

std::uint32_t CACFUnknown::InternalAddRef() noexcept { return references_.fetch_add(1) + 1; }

std::uint32_t CACFUnknown::InternalRelease() noexcept {
    const std::uint32_t remaining = references_.fetch_sub(1) - 1;
    if (remaining == 0) delete this;
    return remaining;
}

acfResult CACFUnknown::InternalQueryInterface(const acfIID& iid, void** out, std::initializer_list<acfIID> ownIIDs,
                                              IACFUnknown* self) noexcept {
    if (out == nullptr) return ACF_E_POINTER;
    bool offered = iid == IID_IACFUnknown;
    for (const acfIID& own : ownIIDs) offered = offered || iid == own;
    if (!offered) {
        *out = nullptr;
        return ACF_E_NOINTERFACE;
    }
    *out = self;
    InternalAddRef();
    return ACF_OK;
}
