#include "aaxhost/RecordingComponentDescriptor.h"

#include <utility>

#include "aax/AAX_CatchAll.h"
#include "aaxhost/RecordingPropertyMap.h"

namespace aaxhost {

AAX_Result RecordingComponentDescriptor::Record(const FieldDeclaration& field) noexcept {
    return AAX::CatchAll([&]() -> AAX_Result {
        description_.fields.push_back(field);
        if (field.kind == FieldKind::AuxOutputStem)
            description_.auxOutputStems.push_back({field.field, field.stemFormat, field.name});
        if (field.kind == FieldKind::MIDINode)
            description_.midiNodes.push_back({field.field, field.midiNodeType, field.name, field.channelMask});
        return AAX_SUCCESS;
    });
}

AAX_Result RecordingComponentDescriptor::AddAudioIn(AAX_CFieldIndex field) noexcept {
    FieldDeclaration declaration;
    declaration.kind = FieldKind::AudioIn;
    declaration.field = field;
    return Record(declaration);
}

AAX_Result RecordingComponentDescriptor::AddAudioOut(AAX_CFieldIndex field) noexcept {
    FieldDeclaration declaration;
    declaration.kind = FieldKind::AudioOut;
    declaration.field = field;
    return Record(declaration);
}

AAX_Result RecordingComponentDescriptor::AddAudioBufferLength(AAX_CFieldIndex field) noexcept {
    FieldDeclaration declaration;
    declaration.kind = FieldKind::BufferLength;
    declaration.field = field;
    return Record(declaration);
}

AAX_Result RecordingComponentDescriptor::AddPrivateData(AAX_CFieldIndex field, std::int32_t size,
                                                        std::uint32_t options) noexcept {
    FieldDeclaration declaration;
    declaration.kind = FieldKind::PrivateData;
    declaration.field = field;
    declaration.privateDataSize = size;
    declaration.privateDataOptions = options;
    return Record(declaration);
}

AAX_Result RecordingComponentDescriptor::AddSideChainIn(AAX_CFieldIndex field) noexcept {
    FieldDeclaration declaration;
    declaration.kind = FieldKind::SideChainIn;
    declaration.field = field;
    return Record(declaration);
}

AAX_Result RecordingComponentDescriptor::AddAuxOutputStem(AAX_CFieldIndex audioOutField, std::int32_t stemFormat,
                                                          const char* name) noexcept {
    if (name == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return AAX::CatchAll([&]() -> AAX_Result {
        FieldDeclaration declaration;
        declaration.kind = FieldKind::AuxOutputStem;
        declaration.field = audioOutField;
        declaration.stemFormat = static_cast<AAX_EStemFormat>(stemFormat);
        declaration.name = name;
        return Record(declaration);
    });
}

AAX_Result RecordingComponentDescriptor::AddMIDINode(AAX_CFieldIndex field, AAX_EMIDINodeType type, const char* name,
                                                     std::uint32_t channelMask) noexcept {
    if (name == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return AAX::CatchAll([&]() -> AAX_Result {
        FieldDeclaration declaration;
        declaration.kind = FieldKind::MIDINode;
        declaration.field = field;
        declaration.midiNodeType = type;
        declaration.name = name;
        declaration.channelMask = channelMask;
        return Record(declaration);
    });
}

AAX_Result RecordingComponentDescriptor::AddProcessProc_Native(AAX_CProcessProc processProc, IACFUnknown* properties,
                                                               AAX_CInstanceInitProc /*instanceInitProc*/,
                                                               AAX_CBackgroundProc /*backgroundProc*/,
                                                               AAX_CSelector* outProcID) noexcept {
    if (processProc == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return AAX::CatchAll([&]() -> AAX_Result {
        ProcessProcedure procedure;
        procedure.proc = processProc;
        if (properties != nullptr) {
            const RecordingPropertyMap* own = FindOwn<RecordingPropertyMap>(properties);
            if (own == nullptr) return AAX_ERROR_NULL_OBJECT;
            procedure.hasPropertyMap = true;
            procedure.properties = own->Properties();
        }
        description_.processProcedures.push_back(std::move(procedure));
        // Selectors count from 1 within the component.
        if (outProcID != nullptr) *outProcID = static_cast<AAX_CSelector>(description_.processProcedures.size());
        return AAX_SUCCESS;
    });
}

AAX_Result RecordingComponentDescriptor::Clear() noexcept {
    description_ = ComponentDescription();
    return AAX_SUCCESS;
}

AAX_Result RecordingComponentDescriptor::AddReservedField(AAX_CFieldIndex, std::uint32_t) noexcept {
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result RecordingComponentDescriptor::AddSampleRate(AAX_CFieldIndex) noexcept { return AAX_ERROR_UNIMPLEMENTED; }

AAX_Result RecordingComponentDescriptor::AddClock(AAX_CFieldIndex) noexcept { return AAX_ERROR_UNIMPLEMENTED; }

AAX_Result RecordingComponentDescriptor::AddDataInPort(AAX_CFieldIndex, std::uint32_t, AAX_EDataInPortType) noexcept {
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result RecordingComponentDescriptor::AddDmaInstance(AAX_CFieldIndex, std::int32_t) noexcept {
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result RecordingComponentDescriptor::AddProcessProc_TI(const char*, const char*, IACFUnknown*, const char*,
                                                           const char*, AAX_CSelector* outProcID) noexcept {
    if (outProcID != nullptr) *outProcID = 0;
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result RecordingComponentDescriptor::AddMeters(AAX_CFieldIndex, const AAX_CTypeID*, const std::uint32_t) noexcept {
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result RecordingComponentDescriptor::AddTemporaryData(AAX_CFieldIndex, std::uint32_t) noexcept {
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result RecordingComponentDescriptor::AddProcessProc(IACFUnknown*, AAX_CSelector* outProcIDs,
                                                        std::int32_t procIDCount) noexcept {
    if (outProcIDs != nullptr && procIDCount > 0) outProcIDs[0] = 0;
    return AAX_ERROR_UNIMPLEMENTED;
}

}  // namespace aaxhost
