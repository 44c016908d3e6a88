#include "aaxhost/RecordingPropertyMap.h"

#include "aax/AAX_CatchAll.h"

#include <algorithm>

namespace aaxhost {
namespace {

// The entry for `property` in a list of (ID, value) pairs, null when there is none.
template <class List>
auto* Find(List& list, AAX_EProperty property) noexcept {
    const auto found =
        std::find_if(list.begin(), list.end(), [property](const auto& e) { return e.first == property; });
    return found == list.end() ? nullptr : &*found;
}

// Replaces the value under `property` or appends a new entry.
template <class List, class Value>
AAX_Result Put(List& list, AAX_EProperty property, Value&& value) noexcept {
    return AAX::CatchAll([&]() -> AAX_Result {
        if (auto* existing = Find(list, property))
            existing->second = std::forward<Value>(value);
        else
            list.emplace_back(property, std::forward<Value>(value));
        return AAX_SUCCESS;
    });
}

}  // namespace

AAX_CBoolean RecordingPropertyMap::GetProperty(AAX_EProperty property, AAX_CPropertyValue* outValue) const noexcept {
    for (const Property& existing : properties_) {
        if (existing.id != property) continue;
        if (outValue != nullptr) *outValue = existing.value;
        return 1;
    }
    return 0;
}

AAX_Result RecordingPropertyMap::AddProperty(AAX_EProperty property, AAX_CPropertyValue value) noexcept {
    for (Property& existing : properties_) {
        if (existing.id == property) {
            existing.value = value;
            return AAX_SUCCESS;
        }
    }
    return AAX::CatchAll([&]() -> AAX_Result {
        properties_.push_back({property, value});
        return AAX_SUCCESS;
    });
}

AAX_Result RecordingPropertyMap::RemoveProperty(AAX_EProperty property) noexcept {
    properties_.erase(std::remove_if(properties_.begin(), properties_.end(),
                                     [property](const Property& p) { return p.id == property; }),
                      properties_.end());
    return AAX_SUCCESS;
}

AAX_Result RecordingPropertyMap::AddPropertyWithIDArray(AAX_EProperty property,
                                                        const AAX_SPlugInIdentifierTriad* pluginIDs,
                                                        std::uint32_t count) noexcept {
    if (pluginIDs == nullptr && count != 0) return AAX_ERROR_NULL_ARGUMENT;
    return AAX::CatchAll([&]() -> AAX_Result {
        return Put(idArrays_, property, std::vector<AAX_SPlugInIdentifierTriad>(pluginIDs, pluginIDs + count));
    });
}

AAX_CBoolean RecordingPropertyMap::GetPropertyWithIDArray(AAX_EProperty property,
                                                          const AAX_SPlugInIdentifierTriad** outPluginIDs,
                                                          std::uint32_t* outCount) const noexcept {
    const auto* found = Find(idArrays_, property);
    if (found == nullptr || outPluginIDs == nullptr || outCount == nullptr) return 0;
    *outPluginIDs = found->second.data();
    *outCount = static_cast<std::uint32_t>(found->second.size());
    return 1;
}

AAX_CBoolean RecordingPropertyMap::GetProperty64(AAX_EProperty property,
                                                 AAX_CPropertyValue64* outValue) const noexcept {
    const auto* found = Find(properties64_, property);
    if (found == nullptr) return 0;
    if (outValue != nullptr) *outValue = found->second;
    return 1;
}

AAX_Result RecordingPropertyMap::AddProperty64(AAX_EProperty property, AAX_CPropertyValue64 value) noexcept {
    return Put(properties64_, property, value);
}

}  // namespace aaxhost
