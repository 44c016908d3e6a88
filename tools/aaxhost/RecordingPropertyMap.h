#pragma once
// RecordingPropertyMap: the host's property map for one process procedure. It keeps the
// properties in the order added; adding an ID again replaces the value where the ID
// first stood. Made by RecordingComponentDescriptor::NewPropertyMap. [ui-thread]

#include <vector>

#include "aax/AAX_IACFPropertyMap.h"
#include "aaxhost/HostObject.h"
#include "aaxhost/PackageDescription.h"

namespace aaxhost {

class RecordingPropertyMap final : public HostObject<AAX_IACFPropertyMap, IID_IAAXPropertyMapV1> {
public:
    AAX_Result AddProperty(AAX_EProperty property, AAX_CPropertyValue value) noexcept override;

    const std::vector<Property>& Properties() const noexcept { return properties_; }

private:
    std::vector<Property> properties_;
};

}  // namespace aaxhost
