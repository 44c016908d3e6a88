#include "description/ComponentIo.h"

#include <vector>

#include "util/FormatArg.h"
#include "util/String.h"

void DescribeComponentIo(AAX_IComponentDescriptor& component, AAX_IPropertyMap* properties,
                         const CoreStaticInfo& info) {
    component.AddAudioIn(AAX_eContextField_AudioIn);
    component.AddAudioOut(AAX_eContextField_AudioOut);
    component.AddAudioBufferLength(AAX_eContextField_BufferLength);
    component.AddPrivateData(AAX_eContextField_PrivateData, kPrivateDataSize, kPrivateDataOptions);

    if (info.HasSideChain()) {
        component.AddSideChainIn(AAX_eContextField_SideChainIn);
        if (properties) properties->AddProperty(AAX_eProperty_SupportsSideChainInput, 1);
    }

    for (std::uint32_t i = 1; i <= info.AuxOutputCount(); ++i) {
        const Util::String name = Util::FormatArg(Util::String("Aux %1"), i, 10);
        component.AddAuxOutputStem(AAX_eContextField_AudioOut, AAX_eStemFormat_Stereo, name.CStr());
    }

    if (info.IsInstrument() || info.HasMidiInput()) {
        const std::vector<Util::String> names = info.NameList();
        const Util::String base = names.empty() ? Util::String("") : names.front();
        // "<base> <node>", joined directly so that a "%" in the product's name stays as it is.
        const auto nodeName = [&base](const char* node) { return Util::String(base.Bytes() + " " + node); };
        component.AddMIDINode(AAX_eContextField_MIDIIn, AAX_eMIDINodeType_LocalInput, nodeName("MIDI In").CStr(),
                              kMidiChannelMask);
        component.AddMIDINode(AAX_eContextField_MIDIOut, AAX_eMIDINodeType_LocalOutput, nodeName("MIDI Out").CStr(),
                              kMidiChannelMask);
        component.AddMIDINode(AAX_eContextField_MIDITransport, AAX_eMIDINodeType_Transport,
                              nodeName("MIDI Transport").CStr(), kMidiChannelMask);
    }
}
