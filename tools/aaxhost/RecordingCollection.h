#pragma once
// RecordingCollection: the host's collection (AAXCompID_AAXCollection) for
// ACFRegisterPlugin, also the host's IACFPluginDefinition the module hands back. It
// records the package and, at AddEffect, a copy of each effect as it stands then
// (PackageDescription.h). A null text is refused with AAX_ERROR_NULL_ARGUMENT and an
// effect descriptor this host did not make with AAX_ERROR_NULL_OBJECT; neither is
// recorded. Package properties and plug-in attributes are not modelled: SetProperties
// gives AAX_ERROR_UNIMPLEMENTED, the IACFDefinition methods ACF_E_NOTIMPL. [ui-thread]

#include "aax/AAX_IACFCollection.h"
#include "aaxhost/OwnObject.h"
#include "aaxhost/PackageDescription.h"

namespace aaxhost {

class RecordingCollection final : public OwnObject<RecordingCollection, AAX_IACFCollection, IID_IAAXCollectionV1,
                                                   IID_IACFDefinition, IID_IACFPluginDefinition> {
public:
    static constexpr acfIID kOwnIID = {0x6C9A1E04, 0x4B7D, 0x4E55, {0x9A, 0x61, 0x2F, 0x0B, 0x58, 0x31, 0xA4, 0x04}};

    acfResult DefineAttribute(const acfUID& attributeID, const acfUID& typeID, const void* data,
                              std::uint32_t size) noexcept override;
    acfResult GetAttributeInfo(const acfUID& attributeID, acfUID* outTypeID, std::uint32_t* outSize) noexcept override;
    acfResult CopyAttribute(const acfUID& attributeID, const acfUID& typeID, void* outData,
                            std::uint32_t size) noexcept override;
    acfResult InitializePlugin(const acfUID& uid, std::uint32_t majorVersion, std::uint32_t minorVersion,
                               const acfWChar* name, const acfUID& vendorID, const acfWChar* vendorName,
                               std::uint32_t componentCount, acfBool cacheDefinition) noexcept override;

    AAX_Result AddEffect(const char* effectID, IACFUnknown* effectDescriptor) noexcept override;
    AAX_Result SetManufacturerName(const char* name) noexcept override;
    AAX_Result AddPackageName(const char* name) noexcept override;
    AAX_Result SetPackageVersion(std::uint32_t version) noexcept override;
    AAX_Result SetProperties(IACFUnknown* properties) noexcept override;

    const PackageDescription& Description() const noexcept { return description_; }

private:
    void Note(const char* call) noexcept;

    PackageDescription description_;
};

}  // namespace aaxhost
