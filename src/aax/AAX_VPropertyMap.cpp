#include "aax/AAX_VPropertyMap.h"

AAX_VPropertyMap::AAX_VPropertyMap(IACFUnknown* host) noexcept
    : map_(ACFPtr<AAX_IACFPropertyMap>::Create(host, AAXCompID_AAXPropertyMap, IID_IAAXPropertyMapV1)),
      mapV2_(ACFPtr<AAX_IACFPropertyMap_V2>::Query(map_.Get(), IID_IAAXPropertyMapV2)),
      mapV3_(ACFPtr<AAX_IACFPropertyMap_V3>::Query(map_.Get(), IID_IAAXPropertyMapV3)) {}

AAX_CBoolean AAX_VPropertyMap::GetProperty(AAX_EProperty property, AAX_CPropertyValue* outValue) const {
    return map_ ? map_->GetProperty(property, outValue) : 0;
}

AAX_Result AAX_VPropertyMap::AddProperty(AAX_EProperty property, AAX_CPropertyValue value) {
    return map_ ? map_->AddProperty(property, value) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VPropertyMap::RemoveProperty(AAX_EProperty property) {
    return map_ ? map_->RemoveProperty(property) : AAX_ERROR_NULL_OBJECT;
}

IACFUnknown* AAX_VPropertyMap::GetIUnknown() const {
    if (mapV3_) return mapV3_.Get();
    if (mapV2_) return mapV2_.Get();
    return map_.Get();
}
