#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "RenderScenario.h"
#include "aaxhost/PackageDescription.h"

namespace {

CoreStaticInfo Info(void (*edit)(CoreStaticInfo&)) {
    CoreStaticInfo info;
    std::memset(&info, 0, sizeof info);
    std::strcpy(info.nameList, "Example Name\nEx");
    edit(info);
    return info;
}

std::vector<std::string> Declared(const aaxhost::ComponentDescription& component) {
    std::vector<std::string> lines;
    for (const aaxhost::FieldDeclaration& field : component.fields) lines.push_back(aaxhost::DescribeField(field));
    return lines;
}

const std::vector<std::string> kAlways = {"AddAudioIn 0", "AddAudioOut 1", "AddAudioBufferLength 2",
                                          "AddPrivateData 3 size 8 options 1"};

TEST(ComponentIo, PlainComponentDeclaresTheFourFieldsAndNoSideChainProperty) {
    const auto component = DescribeComponent(Info([](CoreStaticInfo&) {}));
    EXPECT_EQ(Declared(component), kAlways);
    EXPECT_FALSE(component.FindProperty(AAX_eProperty_SupportsSideChainInput).has_value());
}

TEST(ComponentIo, SideChainFieldComesWithTheSideChainProperty) {
    const auto component = DescribeComponent(Info([](CoreStaticInfo& i) { i.sideChainFlag = 1; }));
    std::vector<std::string> expected = kAlways;
    expected.push_back("AddSideChainIn 4");
    EXPECT_EQ(Declared(component), expected);
    ASSERT_TRUE(component.FindProperty(AAX_eProperty_SupportsSideChainInput).has_value());
    EXPECT_EQ(*component.FindProperty(AAX_eProperty_SupportsSideChainInput), 1);
}

TEST(ComponentIo, AuxOutputsAreStereoStemsNamedAux1To3InOrder) {
    const auto component = DescribeComponent(Info([](CoreStaticInfo& i) { i.auxOutputCount = 3; }));
    ASSERT_EQ(component.auxOutputStems.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(component.auxOutputStems[i].name, "Aux " + std::to_string(i + 1));
        EXPECT_EQ(component.auxOutputStems[i].stemFormat, AAX_eStemFormat_Stereo);
        EXPECT_EQ(component.auxOutputStems[i].audioOutField, AAX_eContextField_AudioOut);
    }
    EXPECT_TRUE(component.midiNodes.empty());
}

TEST(ComponentIo, MidiInputAloneDeclaresThreeNodesNamedFromTheFirstName) {
    const auto component = DescribeComponent(Info([](CoreStaticInfo& i) { i.midiInputFlag = 1; }));
    std::vector<std::string> expected = kAlways;
    expected.push_back("AddMIDINode 5 AAX_eMIDINodeType_LocalInput \"Example Name MIDI In\" mask 0xFFFF");
    expected.push_back("AddMIDINode 6 AAX_eMIDINodeType_LocalOutput \"Example Name MIDI Out\" mask 0xFFFF");
    expected.push_back("AddMIDINode 8 AAX_eMIDINodeType_Transport \"Example Name MIDI Transport\" mask 0xFFFF");
    EXPECT_EQ(Declared(component), expected);
}

TEST(ComponentIo, InstrumentWithSideChainAndAuxDeclaresEverythingInOrder) {
    const auto component = DescribeComponent(Info([](CoreStaticInfo& i) {
        i.instrumentFlag = 1;
        i.sideChainFlag = 1;
        i.auxOutputCount = 1;
        std::strcpy(i.nameList, "Solo");
    }));
    const std::vector<std::string> expected =
        {"AddAudioIn 0",
         "AddAudioOut 1",
         "AddAudioBufferLength 2",
         "AddPrivateData 3 size 8 options 1",
         "AddSideChainIn 4",
         "AddAuxOutputStem 1 AAX_eStemFormat_Stereo \"Aux 1\"",
         "AddMIDINode 5 AAX_eMIDINodeType_LocalInput \"Solo MIDI In\" mask 0xFFFF",
         "AddMIDINode 6 AAX_eMIDINodeType_LocalOutput \"Solo MIDI Out\" mask 0xFFFF",
         "AddMIDINode 8 AAX_eMIDINodeType_Transport \"Solo MIDI Transport\" mask 0xFFFF"};
    EXPECT_EQ(Declared(component), expected);
}

}  // namespace
