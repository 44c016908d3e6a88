#include "aaxhost/PackageDescription.h"

#include <cstdio>

namespace aaxhost {

const char* FieldKindName(FieldKind kind) noexcept {
    switch (kind) {
    case FieldKind::AudioIn: return "AddAudioIn";
    case FieldKind::AudioOut: return "AddAudioOut";
    case FieldKind::BufferLength: return "AddAudioBufferLength";
    case FieldKind::PrivateData: return "AddPrivateData";
    case FieldKind::SideChainIn: return "AddSideChainIn";
    case FieldKind::AuxOutputStem: return "AddAuxOutputStem";
    case FieldKind::MIDINode: return "AddMIDINode";
    }
    return "unknown field kind";
}

std::string DescribeField(const FieldDeclaration& field) {
    std::string text = std::string(FieldKindName(field.kind)) + " " + std::to_string(field.field);
    char mask[16];
    switch (field.kind) {
    case FieldKind::PrivateData:
        text +=
            " size " + std::to_string(field.privateDataSize) + " options " + std::to_string(field.privateDataOptions);
        break;
    case FieldKind::AuxOutputStem:
        text += std::string(" ") + AAX_StemFormatName(field.stemFormat) + " \"" + field.name + "\"";
        break;
    case FieldKind::MIDINode:
        std::snprintf(mask, sizeof mask, "0x%X", static_cast<unsigned>(field.channelMask));
        text += std::string(" ") + AAX_MIDINodeTypeName(field.midiNodeType) + " \"" + field.name + "\" mask " + mask;
        break;
    default: break;
    }
    return text;
}

std::string DescribeProperty(const Property& property) {
    char value[16];
    std::snprintf(value, sizeof value, "0x%X", static_cast<unsigned>(property.value));
    return std::to_string(property.id) + "=" + value;
}

const std::vector<Property>& ComponentDescription::Properties() const noexcept {
    static const std::vector<Property> none;
    return processProcedures.empty() ? none : processProcedures.front().properties;
}

std::optional<AAX_CPropertyValue> ComponentDescription::FindProperty(AAX_EProperty id) const noexcept {
    for (const Property& property : Properties())
        if (property.id == id) return property.value;
    return std::nullopt;
}

AAX_EStemFormat ComponentDescription::InputStemFormat() const noexcept {
    const auto value = FindProperty(AAX_eProperty_InputStemFormat);
    return value ? static_cast<AAX_EStemFormat>(*value) : AAX_eStemFormat_Any;
}

AAX_EStemFormat ComponentDescription::OutputStemFormat() const noexcept {
    const auto value = FindProperty(AAX_eProperty_OutputStemFormat);
    return value ? static_cast<AAX_EStemFormat>(*value) : AAX_eStemFormat_Any;
}

const FieldDeclaration* ComponentDescription::FindField(FieldKind kind) const noexcept {
    for (const FieldDeclaration& field : fields)
        if (field.kind == kind) return &field;
    return nullptr;
}

AAX_CreateObjectProc EffectDescription::FindProcPtr(AAX_CProcPtrID id) const noexcept {
    for (const ProcPtr& entry : procPtrs)
        if (entry.id == id) return entry.proc;
    return nullptr;
}

const EffectDescription* PackageDescription::FindEffect(const std::string& identifier) const noexcept {
    for (const EffectDescription& effect : effects)
        if (effect.identifier == identifier) return &effect;
    return nullptr;
}

}  // namespace aaxhost
