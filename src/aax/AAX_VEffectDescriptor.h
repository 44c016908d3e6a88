#pragma once
// AAX_VEffectDescriptor: AAX_IEffectDescriptor over the host's AAX_IACFEffectDescriptor;
// keeps the components it made. [ui-thread]

#include <memory>
#include <vector>

#include "aax/ACFPtr.h"
#include "aax/AAX_IACFEffectDescriptor.h"
#include "aax/AAX_IEffectDescriptor.h"
#include "aax/AAX_VComponentDescriptor.h"

class AAX_VEffectDescriptor final : public AAX_IEffectDescriptor {
public:
    // Keeps the host's effect; with an empty one every operation fails with
    // AAX_ERROR_NULL_OBJECT.
    explicit AAX_VEffectDescriptor(ACFPtr<AAX_IACFEffectDescriptor> descriptor) noexcept;

    AAX_Result AddName(const char* name) override;
    AAX_Result AddCategory(std::uint32_t category) override;
    AAX_Result AddProcPtr(AAX_CreateObjectProc proc, AAX_CProcPtrID procID) override;
    AAX_Result AddResourceInfo(AAX_EResourceType type, const char* info) override;
    AAX_IComponentDescriptor* NewComponentDescriptor() override;
    AAX_Result AddComponent(AAX_IComponentDescriptor* component) override;
    AAX_IACFEffectDescriptor* HostEffectDescriptor() const override { return descriptor_.Get(); }

private:
    ACFPtr<AAX_IACFEffectDescriptor> descriptor_;
    std::vector<std::unique_ptr<AAX_VComponentDescriptor>> components_;
};
