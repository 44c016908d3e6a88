#pragma once
// AAX_VCollection: AAX_ICollection over the host's collection, which it finds by
// querying the IACFUnknown the host passed to ACFRegisterPlugin for
// IID_IAAXCollectionV1. It owns the descriptors it made (and through them their
// components and property maps) and releases every host object when it ends; the
// host keeps what it took over in AddEffect. [ui-thread]

#include <memory>
#include <vector>

#include "aax/ACFPtr.h"
#include "aax/AAX_IACFCollection.h"
#include "aax/AAX_ICollection.h"
#include "aax/AAX_VEffectDescriptor.h"

class AAX_VCollection final : public AAX_ICollection {
public:
    // `host` is borrowed. When it offers no collection every operation fails with
    // AAX_ERROR_NULL_OBJECT.
    explicit AAX_VCollection(IACFUnknown* host) noexcept;

    AAX_IEffectDescriptor* NewDescriptor() override;
    AAX_Result AddEffect(const char* effectID, AAX_IEffectDescriptor* descriptor) override;
    AAX_Result SetManufacturerName(const char* name) override;
    AAX_Result AddPackageName(const char* name) override;
    AAX_Result SetPackageVersion(std::uint32_t version) override;

    // The host's collection (borrowed), null when there is none. ACFRegisterPlugin
    // queries it for IID_IAAXCollectionV1 to hand the filled collection back.
    IACFUnknown* GetIUnknown() const noexcept { return collection_.Get(); }

private:
    ACFPtr<AAX_IACFCollection> collection_;
    std::vector<std::unique_ptr<AAX_VEffectDescriptor>> descriptors_;
};
