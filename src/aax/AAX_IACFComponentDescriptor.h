#pragma once
// AAX_IACFComponentDescriptor (IID_IAAXComponentDescriptorV1 .. V3): one processing
// component of an effect, implemented by the host and made by its component factory
// (AAXCompID_AAXComponentDescriptor). The module declares the fields of the component's
// instance context (each an index into the context's pointer array, AAX_EContextField)
// and its process procedure with the properties it runs under, then hands the
// component to AAX_IACFEffectDescriptor::AddComponent. Texts are borrowed for the call;
// property maps are copied. The module uses the Native methods only; the others are
// there because the host's table has them. [ui-thread]

#include <cstdint>

#include "aax/AAX.h"
#include "aax/AAX_Callbacks.h"
#include "aax/AAX_Enums.h"
#include "aax/AAX_UIDs.h"
#include "aax/acfunknown.h"

class AAX_IACFComponentDescriptor : public IACFUnknown {
public:
    // Forgets every declaration.
    virtual AAX_Result Clear() noexcept = 0;
    virtual AAX_Result AddReservedField(AAX_CFieldIndex field, std::uint32_t fieldType) noexcept = 0;
    // Field: const float* const[], the input channels of the input stem format.
    virtual AAX_Result AddAudioIn(AAX_CFieldIndex field) noexcept = 0;
    // Field: float* const[], the output channels, followed by those of each aux output stem.
    virtual AAX_Result AddAudioOut(AAX_CFieldIndex field) noexcept = 0;
    // Field: int32_t*, the block's sample count.
    virtual AAX_Result AddAudioBufferLength(AAX_CFieldIndex field) noexcept = 0;
    virtual AAX_Result AddSampleRate(AAX_CFieldIndex field) noexcept = 0;
    virtual AAX_Result AddClock(AAX_CFieldIndex field) noexcept = 0;
    // Field: int32_t*, the index of the side-chain buffer in the input array; null while
    // the host connects no side chain.
    virtual AAX_Result AddSideChainIn(AAX_CFieldIndex field) noexcept = 0;
    virtual AAX_Result AddDataInPort(AAX_CFieldIndex field, std::uint32_t packetSize,
                                     AAX_EDataInPortType portType) noexcept = 0;
    // An aux output stem (an AAX_EStemFormat value) whose channels follow the main outputs
    // in the audio-out field.
    virtual AAX_Result AddAuxOutputStem(AAX_CFieldIndex audioOutField, std::int32_t stemFormat,
                                        const char* name) noexcept = 0;
    // Field: a block of `size` bytes the host owns and fills once through the effect
    // parameters object's ResetFieldData; `options` are AAX_EPrivateDataOptions bits.
    virtual AAX_Result AddPrivateData(AAX_CFieldIndex field, std::int32_t size, std::uint32_t options) noexcept = 0;
    // `dmaMode` is a DMA engine mode of the DSP platform (unused on Native).
    virtual AAX_Result AddDmaInstance(AAX_CFieldIndex field, std::int32_t dmaMode) noexcept = 0;
    // Field: AAX_IMIDINode*, the node of that type; `channelMask` bit n = MIDI channel n+1.
    virtual AAX_Result AddMIDINode(AAX_CFieldIndex field, AAX_EMIDINodeType type, const char* name,
                                   std::uint32_t channelMask) noexcept = 0;
    // The realtime process procedure with the properties (an AAX_IACFPropertyMap, or null)
    // it runs under; the host writes the procedure's selector to *outProcID when not null.
    virtual AAX_Result AddProcessProc_Native(AAX_CProcessProc processProc, IACFUnknown* properties,
                                             AAX_CInstanceInitProc instanceInitProc, AAX_CBackgroundProc backgroundProc,
                                             AAX_CSelector* outProcID) noexcept = 0;
    // The DSP counterpart, by file and symbol names.
    virtual AAX_Result AddProcessProc_TI(const char* dllFileName, const char* processProcSymbol,
                                         IACFUnknown* properties, const char* instanceInitProcSymbol,
                                         const char* backgroundProcSymbol, AAX_CSelector* outProcID) noexcept = 0;
    virtual AAX_Result AddMeters(AAX_CFieldIndex field, const AAX_CTypeID* meterIDs,
                                 const std::uint32_t meterCount) noexcept = 0;

protected:
    ~AAX_IACFComponentDescriptor() = default;
};

class AAX_IACFComponentDescriptor_V2 : public AAX_IACFComponentDescriptor {
public:
    virtual AAX_Result AddTemporaryData(AAX_CFieldIndex field, std::uint32_t elementSize) noexcept = 0;

protected:
    ~AAX_IACFComponentDescriptor_V2() = default;
};

class AAX_IACFComponentDescriptor_V3 : public AAX_IACFComponentDescriptor_V2 {
public:
    // Every process procedure the properties name at once; the selectors go to
    // outProcIDs (room for `procIDCount`, ended by a 0).
    virtual AAX_Result AddProcessProc(IACFUnknown* properties, AAX_CSelector* outProcIDs,
                                      std::int32_t procIDCount) noexcept = 0;

protected:
    ~AAX_IACFComponentDescriptor_V3() = default;
};
