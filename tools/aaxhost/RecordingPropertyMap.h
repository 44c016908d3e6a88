#pragma once
// RecordingPropertyMap: the host's property map (AAXCompID_AAXPropertyMap, versions 1 to
// 3). It keeps the properties in the order added; adding an ID again replaces the value
// where the ID first stood. 64-bit values and ID arrays are kept apart from the 32-bit
// list the description records. [ui-thread]

#include <cstdint>
#include <utility>
#include <vector>

#include "aax/AAX_IACFPropertyMap.h"
#include "aaxhost/OwnObject.h"
#include "aaxhost/PackageDescription.h"

namespace aaxhost {

class RecordingPropertyMap final : public OwnObject<RecordingPropertyMap, AAX_IACFPropertyMap_V3, IID_IAAXPropertyMapV1,
                                                    IID_IAAXPropertyMapV2, IID_IAAXPropertyMapV3> {
public:
    static constexpr acfIID kOwnIID = {0x6C9A1E01, 0x4B7D, 0x4E55, {0x9A, 0x61, 0x2F, 0x0B, 0x58, 0x31, 0xA4, 0x01}};

    AAX_CBoolean GetProperty(AAX_EProperty property, AAX_CPropertyValue* outValue) const noexcept override;
    AAX_Result AddProperty(AAX_EProperty property, AAX_CPropertyValue value) noexcept override;
    AAX_Result RemoveProperty(AAX_EProperty property) noexcept override;
    AAX_Result AddPropertyWithIDArray(AAX_EProperty property, const AAX_SPlugInIdentifierTriad* pluginIDs,
                                      std::uint32_t count) noexcept override;
    AAX_CBoolean GetPropertyWithIDArray(AAX_EProperty property, const AAX_SPlugInIdentifierTriad** outPluginIDs,
                                        std::uint32_t* outCount) const noexcept override;
    AAX_CBoolean GetProperty64(AAX_EProperty property, AAX_CPropertyValue64* outValue) const noexcept override;
    AAX_Result AddProperty64(AAX_EProperty property, AAX_CPropertyValue64 value) noexcept override;

    const std::vector<Property>& Properties() const noexcept { return properties_; }

private:
    std::vector<Property> properties_;
    std::vector<std::pair<AAX_EProperty, AAX_CPropertyValue64>> properties64_;
    std::vector<std::pair<AAX_EProperty, std::vector<AAX_SPlugInIdentifierTriad>>> idArrays_;
};

}  // namespace aaxhost
