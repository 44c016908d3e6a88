#include "aaxhost/RecordingPropertyMap.h"

namespace aaxhost {

AAX_Result RecordingPropertyMap::AddProperty(AAX_EProperty property, AAX_CPropertyValue value) noexcept {
    for (Property& existing : properties_) {
        if (existing.id == property) {
            existing.value = value;
            return AAX_SUCCESS;
        }
    }
    try {
        properties_.push_back({property, value});
        return AAX_SUCCESS;
    } catch (...) {
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
}

}  // namespace aaxhost
