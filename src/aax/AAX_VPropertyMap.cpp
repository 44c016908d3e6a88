#include "aax/AAX_VPropertyMap.h"

#include <utility>

AAX_VPropertyMap::AAX_VPropertyMap(ACFPtr<AAX_IACFPropertyMap> map) noexcept : map_(std::move(map)) {}

AAX_Result AAX_VPropertyMap::AddProperty(AAX_EProperty property, AAX_CPropertyValue value) {
    if (!map_) return AAX_ERROR_NULL_OBJECT;
    return map_->AddProperty(property, value);
}
