#pragma once
// RecordingComponentDescriptor: the host's component descriptor
// (AAXCompID_AAXComponentDescriptor, versions 1 to 3). Every Native declaration is
// recorded in order as the module makes it, whatever its field index: the instance
// context (InstanceContext.h) decides which layouts it can build. A null text or a null
// process procedure is refused with AAX_ERROR_NULL_ARGUMENT and not recorded; a property
// map this host did not make with AAX_ERROR_NULL_OBJECT. Declarations this host cannot
// run (sample rate, clock, data ports, DSP, meters, temporary data) are refused with
// AAX_ERROR_UNIMPLEMENTED. [ui-thread]

#include <vector>

#include "aax/AAX_IACFComponentDescriptor.h"
#include "aaxhost/OwnObject.h"
#include "aaxhost/PackageDescription.h"

namespace aaxhost {

class RecordingComponentDescriptor final
    : public OwnObject<RecordingComponentDescriptor, AAX_IACFComponentDescriptor_V3, IID_IAAXComponentDescriptorV1,
                       IID_IAAXComponentDescriptorV2, IID_IAAXComponentDescriptorV3> {
public:
    static constexpr acfIID kOwnIID = {0x6C9A1E02, 0x4B7D, 0x4E55, {0x9A, 0x61, 0x2F, 0x0B, 0x58, 0x31, 0xA4, 0x02}};

    AAX_Result Clear() noexcept override;
    AAX_Result AddReservedField(AAX_CFieldIndex field, std::uint32_t fieldType) noexcept override;
    AAX_Result AddAudioIn(AAX_CFieldIndex field) noexcept override;
    AAX_Result AddAudioOut(AAX_CFieldIndex field) noexcept override;
    AAX_Result AddAudioBufferLength(AAX_CFieldIndex field) noexcept override;
    AAX_Result AddSampleRate(AAX_CFieldIndex field) noexcept override;
    AAX_Result AddClock(AAX_CFieldIndex field) noexcept override;
    AAX_Result AddSideChainIn(AAX_CFieldIndex field) noexcept override;
    AAX_Result AddDataInPort(AAX_CFieldIndex field, std::uint32_t packetSize,
                             AAX_EDataInPortType portType) noexcept override;
    AAX_Result AddAuxOutputStem(AAX_CFieldIndex audioOutField, std::int32_t stemFormat,
                                const char* name) noexcept override;
    AAX_Result AddPrivateData(AAX_CFieldIndex field, std::int32_t size, std::uint32_t options) noexcept override;
    AAX_Result AddDmaInstance(AAX_CFieldIndex field, std::int32_t dmaMode) noexcept override;
    AAX_Result AddMIDINode(AAX_CFieldIndex field, AAX_EMIDINodeType type, const char* name,
                           std::uint32_t channelMask) noexcept override;
    AAX_Result AddProcessProc_Native(AAX_CProcessProc processProc, IACFUnknown* properties,
                                     AAX_CInstanceInitProc instanceInitProc, AAX_CBackgroundProc backgroundProc,
                                     AAX_CSelector* outProcID) noexcept override;
    AAX_Result AddProcessProc_TI(const char* dllFileName, const char* processProcSymbol, IACFUnknown* properties,
                                 const char* instanceInitProcSymbol, const char* backgroundProcSymbol,
                                 AAX_CSelector* outProcID) noexcept override;
    AAX_Result AddMeters(AAX_CFieldIndex field, const AAX_CTypeID* meterIDs,
                         const std::uint32_t meterCount) noexcept override;
    AAX_Result AddTemporaryData(AAX_CFieldIndex field, std::uint32_t elementSize) noexcept override;
    AAX_Result AddProcessProc(IACFUnknown* properties, AAX_CSelector* outProcIDs,
                              std::int32_t procIDCount) noexcept override;

    // The component as declared so far.
    const ComponentDescription& Description() const noexcept { return description_; }

private:
    AAX_Result Record(const FieldDeclaration& field) noexcept;

    ComponentDescription description_;
};

}  // namespace aaxhost
