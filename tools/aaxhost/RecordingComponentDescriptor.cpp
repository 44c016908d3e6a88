#include "aaxhost/RecordingComponentDescriptor.h"

#include <utility>

namespace aaxhost {

AAX_Result RecordingComponentDescriptor::Record(const FieldDeclaration& field) noexcept {
    try {
        description_.fields.push_back(field);
        if (field.kind == FieldKind::AuxOutputStem)
            description_.auxOutputStems.push_back({field.field, field.stemFormat, field.name});
        if (field.kind == FieldKind::MIDINode)
            description_.midiNodes.push_back({field.field, field.midiNodeType, field.name, field.channelMask});
        return AAX_SUCCESS;
    } catch (...) {
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
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

AAX_Result RecordingComponentDescriptor::AddAuxOutputStem(AAX_CFieldIndex audioOutField, AAX_EStemFormat stemFormat,
                                                          const char* name) noexcept {
    if (name == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    try {
        FieldDeclaration declaration;
        declaration.kind = FieldKind::AuxOutputStem;
        declaration.field = audioOutField;
        declaration.stemFormat = stemFormat;
        declaration.name = name;
        return Record(declaration);
    } catch (...) {
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
}

AAX_Result RecordingComponentDescriptor::AddMIDINode(AAX_CFieldIndex field, AAX_EMIDINodeType type, const char* name,
                                                     std::uint32_t channelMask) noexcept {
    if (name == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    try {
        FieldDeclaration declaration;
        declaration.kind = FieldKind::MIDINode;
        declaration.field = field;
        declaration.midiNodeType = type;
        declaration.name = name;
        declaration.channelMask = channelMask;
        return Record(declaration);
    } catch (...) {
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
}

AAX_IACFPropertyMap* RecordingComponentDescriptor::NewPropertyMap() noexcept {
    try {
        ACFPtr<RecordingPropertyMap> map = MakeHostObject<RecordingPropertyMap>();
        AAX_IACFPropertyMap* handedOut = map->AsInterface();
        handedOut->AddRef();  // the module's reference; the component keeps its own
        maps_.push_back(std::move(map));
        return handedOut;
    } catch (...) {
        return nullptr;
    }
}

AAX_Result RecordingComponentDescriptor::AddProcessProc_Native(AAX_CProcessProc processProc,
                                                               AAX_IACFPropertyMap* properties) noexcept {
    if (processProc == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    try {
        ProcessProcedure procedure;
        procedure.proc = processProc;
        if (properties != nullptr) {
            const RecordingPropertyMap* own = nullptr;
            for (const auto& map : maps_)
                if (map.Get() == properties) own = map.Get();
            if (own == nullptr) return AAX_ERROR_NULL_OBJECT;
            procedure.hasPropertyMap = true;
            procedure.properties = own->Properties();
        }
        description_.processProcedures.push_back(std::move(procedure));
        return AAX_SUCCESS;
    } catch (...) {
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
}

}  // namespace aaxhost
