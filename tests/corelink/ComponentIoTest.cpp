// The component's context fields, side-chain property, aux output stems and MIDI nodes
// as DescribeComponentIo declares them from the static information.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "RenderScenario.h"
#include "aaxhost/PackageDescription.h"

namespace {

TEST(ComponentIo, FieldsStemsAndNodesFollowTheFlagsInOrder) {
    const std::vector<std::string> always = {"AddAudioIn 0", "AddAudioOut 1", "AddAudioBufferLength 2",
                                             "AddPrivateData 3 size 8 options 1"};
    const std::vector<std::string> midi =
        {"AddMIDINode 5 AAX_eMIDINodeType_LocalInput \"Example Name MIDI In\" mask 0xFFFF",
         "AddMIDINode 6 AAX_eMIDINodeType_LocalOutput \"Example Name MIDI Out\" mask 0xFFFF",
         "AddMIDINode 8 AAX_eMIDINodeType_Transport \"Example Name MIDI Transport\" mask 0xFFFF"};
    const std::string aux = "AddAuxOutputStem 1 AAX_eStemFormat_Stereo \"Aux ";
    struct Case {
        const char* name;
        void (*edit)(CoreStaticInfo&);
        std::vector<std::string> added;  // after the four fields, before any MIDI nodes
        bool midiNodes;
    };
    const Case cases[] = {
        {"Plain", [](CoreStaticInfo&) {}, {}, false},
        {"SideChain", [](CoreStaticInfo& i) { i.sideChainFlag = 1; }, {"AddSideChainIn 4"}, false},
        {"ThreeAuxOutputs",
         [](CoreStaticInfo& i) { i.auxOutputCount = 3; },
         {aux + "1\"", aux + "2\"", aux + "3\""},
         false},
        {"MidiInput", [](CoreStaticInfo& i) { i.midiInputFlag = 1; }, {}, true},
        {"InstrumentWithSideChainAndAux",
         [](CoreStaticInfo& i) {
             i.instrumentFlag = 1;
             i.sideChainFlag = 1;
             i.auxOutputCount = 1;
         },
         {"AddSideChainIn 4", aux + "1\""},
         true},
    };
    for (const Case& c : cases) {
        CoreStaticInfo info;
        std::memset(&info, 0, sizeof info);
        std::strcpy(info.nameList, "Example Name\nEx");
        c.edit(info);
        const aaxhost::ComponentDescription component = DescribeComponent(info);

        std::vector<std::string> declared;
        for (const aaxhost::FieldDeclaration& field : component.fields)
            declared.push_back(aaxhost::DescribeField(field));
        std::vector<std::string> expected = always;
        expected.insert(expected.end(), c.added.begin(), c.added.end());
        if (c.midiNodes) expected.insert(expected.end(), midi.begin(), midi.end());
        EXPECT_EQ(declared, expected) << c.name;
        const auto sideChain = component.FindProperty(AAX_eProperty_SupportsSideChainInput);
        EXPECT_EQ(sideChain.has_value(), info.sideChainFlag != 0) << c.name;
        if (sideChain) {
            EXPECT_EQ(*sideChain, 1) << c.name;
        }
        for (const auto& stem : component.auxOutputStems)
            EXPECT_EQ(stem.audioOutField, AAX_eContextField_AudioOut) << c.name;
    }
}

}  // namespace
