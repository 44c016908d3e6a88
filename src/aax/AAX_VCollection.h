#pragma once
// AAX_VCollection: AAX_ICollection over the collection the host's component factory
// makes (AAXCompID_AAXCollection), found through the IACFUnknown the host passed to
// ACFRegisterPlugin; effects, components and property maps come from the same factory.
// It owns the wrappers it made and releases every host object when it ends; the host
// keeps what it took over in AddEffect. [ui-thread]

#include <memory>
#include <vector>

#include "aax/AAX_IACFCollection.h"
#include "aax/AAX_ICollection.h"
#include "aax/AAX_VDescriptionHost.h"
#include "aax/AAX_VEffectDescriptor.h"
#include "aax/AAX_VPropertyMap.h"
#include "aax/ACFPtr.h"

class AAX_VCollection final : public AAX_ICollection {
public:
    // `host` is borrowed. When the host makes no collection every operation fails with
    // AAX_ERROR_NULL_OBJECT.
    explicit AAX_VCollection(IACFUnknown* host) noexcept;

    AAX_IEffectDescriptor* NewDescriptor() override;
    AAX_Result AddEffect(const char* effectID, AAX_IEffectDescriptor* descriptor) override;
    AAX_Result SetManufacturerName(const char* name) override;
    AAX_Result AddPackageName(const char* name) override;
    AAX_Result SetPackageVersion(std::uint32_t version) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_Result SetProperties(AAX_IPropertyMap* properties) override;
    const AAX_IDescriptionHost* DescriptionHost() const override;

    // The host's collection (borrowed), null when there is none. ACFRegisterPlugin
    // queries it for IID_IACFPluginDefinition to hand the filled collection back.
    IACFPluginDefinition* GetIUnknown() const noexcept { return collection_.Get(); }

private:
    IACFUnknown* host_;
    ACFPtr<AAX_IACFCollection> collection_;
    AAX_VDescriptionHost descriptionHost_;
    std::vector<std::unique_ptr<AAX_VEffectDescriptor>> descriptors_;
    std::vector<std::unique_ptr<AAX_VPropertyMap>> propertyMaps_;
};
