#pragma once
// What a module described at registration, as plain C++ data: the package, its effects
// and their components, each list in the order the module declared it. The recording
// collection (RecordingCollection.h) fills it; tests and the tool read it. An effect is
// recorded as it stood when the module called AddEffect, a component as it stood at
// AddComponent, a property map as it stood at AddProcessProc_Native.
// Pure data, no Windows calls. A value type: [any-thread], one owner at a time.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "aax/AAX.h"
#include "aax/AAX_Callbacks.h"
#include "aax/AAX_Enums.h"
#include "aax/AAX_StemFormat.h"

namespace aaxhost {

// The component descriptor operation that declared a field.
enum class FieldKind {
    AudioIn,        // AddAudioIn
    AudioOut,       // AddAudioOut
    BufferLength,   // AddAudioBufferLength
    PrivateData,    // AddPrivateData: size, options
    SideChainIn,    // AddSideChainIn
    AuxOutputStem,  // AddAuxOutputStem: stem format, name (field: the audio-out field)
    MIDINode,       // AddMIDINode: node type, name, channel mask
};
// The operation's published name: "AddAudioIn", "AddAudioOut", ... as above.
const char* FieldKindName(FieldKind kind) noexcept;

// One declaration on a component; the arguments that do not belong to the kind stay at
// their defaults.
struct FieldDeclaration {
    FieldKind kind = FieldKind::AudioIn;
    AAX_CFieldIndex field = 0;
    std::int32_t privateDataSize = 0;                               // PrivateData
    std::uint32_t privateDataOptions = 0;                           // PrivateData
    AAX_EStemFormat stemFormat = AAX_eStemFormat_Any;               // AuxOutputStem
    AAX_EMIDINodeType midiNodeType = AAX_eMIDINodeType_LocalInput;  // MIDINode
    std::uint32_t channelMask = 0;                                  // MIDINode
    std::string name;                                               // AuxOutputStem, MIDINode
};
// One line for messages and tests, e.g. "AddAudioIn 0", "AddPrivateData 3 size 8 options 1",
// "AddAuxOutputStem 1 AAX_eStemFormat_Stereo \"Aux 1\"",
// "AddMIDINode 5 AAX_eMIDINodeType_LocalInput \"X MIDI In\" mask 0xFFFF".
std::string DescribeField(const FieldDeclaration& field);

struct AuxOutputStem {
    AAX_CFieldIndex audioOutField = 0;
    AAX_EStemFormat stemFormat = AAX_eStemFormat_Any;
    std::string name;
};

struct MIDINodeDeclaration {
    AAX_CFieldIndex field = 0;
    AAX_EMIDINodeType type = AAX_eMIDINodeType_LocalInput;
    std::string name;
    std::uint32_t channelMask = 0;
};

struct Property {
    AAX_EProperty id = AAX_eProperty_ManufacturerID;
    AAX_CPropertyValue value = 0;
};
// "51=0x10002" style: the ID in decimal, the value in hexadecimal.
std::string DescribeProperty(const Property& property);

struct ProcessProcedure {
    AAX_CProcessProc proc = nullptr;
    bool hasPropertyMap = false;       // false: the module passed no map
    std::vector<Property> properties;  // in the order added; a repeated ID kept its first place
};

struct ComponentDescription {
    std::vector<FieldDeclaration> fields;  // every declaration, aux stems and MIDI nodes included
    std::vector<AuxOutputStem> auxOutputStems;
    std::vector<MIDINodeDeclaration> midiNodes;
    std::vector<ProcessProcedure> processProcedures;

    // The properties of the first process procedure (a component has one); empty without.
    const std::vector<Property>& Properties() const noexcept;
    std::optional<AAX_CPropertyValue> FindProperty(AAX_EProperty id) const noexcept;
    // Properties 51 and 52; AAX_eStemFormat_Any when absent.
    AAX_EStemFormat InputStemFormat() const noexcept;
    AAX_EStemFormat OutputStemFormat() const noexcept;
    // The first declaration of that kind, null when there is none.
    const FieldDeclaration* FindField(FieldKind kind) const noexcept;
};

struct ProcPtr {
    AAX_CreateObjectProc proc = nullptr;
    AAX_CProcPtrID id = kAAX_ProcPtrID_Create_EffectParameters;
};

struct ResourceInfo {
    AAX_EResourceType type = AAX_eResourceType_PageTable;
    std::string info;
};

struct EffectDescription {
    std::string identifier;  // as passed to AddEffect
    std::vector<std::string> names;
    std::vector<std::uint32_t> categories;
    std::vector<ProcPtr> procPtrs;
    std::vector<ResourceInfo> resources;
    std::vector<ComponentDescription> components;
    // The descriptor operations in the order called: "AddName", "AddCategory",
    // "AddProcPtr 1", "AddResourceInfo", "AddComponent".
    std::vector<std::string> calls;

    // The first factory registered under `id`; null when there is none.
    AAX_CreateObjectProc FindProcPtr(AAX_CProcPtrID id) const noexcept;
};

struct PackageDescription {
    std::optional<std::string> manufacturerName;
    std::optional<std::uint32_t> packageVersion;
    std::vector<std::string> packageNames;
    std::vector<EffectDescription> effects;  // in AddEffect order
    // The collection operations in the order called: "SetManufacturerName",
    // "SetPackageVersion", "AddPackageName", "AddEffect", "SetProperties".
    std::vector<std::string> calls;

    // The effect registered under `identifier`; null when there is none.
    const EffectDescription* FindEffect(const std::string& identifier) const noexcept;
};

}  // namespace aaxhost
