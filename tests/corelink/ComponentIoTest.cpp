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

const std::vector<std::string> kAlways = {"AudioIn 0", "AudioOut 1", "BufferLength 2",
                                          "PrivateData 3 size 8 options 1"};

TEST(ComponentIo, PlainComponentDeclaresTheFourFieldsAndNoSideChainProperty) {
    const auto component = DescribeComponent(Info([](CoreStaticInfo&) {}));
    EXPECT_EQ(Declared(component), kAlways);
    EXPECT_FALSE(component.FindProperty(AAX_eProperty_SupportsSideChainInput).has_value());
}

TEST(ComponentIo, SideChainFieldComesWithProperty116) {
    const auto component = DescribeComponent(Info([](CoreStaticInfo& i) { i.sideChainFlag = 1; }));
    std::vector<std::string> expected = kAlways;
    expected.push_back("SideChainIn 4");
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
    expected.push_back("MIDINode 5 type 0 \"Example Name MIDI In\" mask 0xFFFF");
    expected.push_back("MIDINode 6 type 1 \"Example Name MIDI Out\" mask 0xFFFF");
    expected.push_back("MIDINode 8 type 3 \"Example Name MIDI Transport\" mask 0xFFFF");
    EXPECT_EQ(Declared(component), expected);
}

TEST(ComponentIo, InstrumentWithSideChainAndAuxDeclaresEverythingInOrder) {
    const auto component = DescribeComponent(Info([](CoreStaticInfo& i) {
        i.instrumentFlag = 1;
        i.sideChainFlag = 1;
        i.auxOutputCount = 1;
        std::strcpy(i.nameList, "Solo");
    }));
    const std::vector<std::string> expected = {
        "AudioIn 0", "AudioOut 1", "BufferLength 2", "PrivateData 3 size 8 options 1", "SideChainIn 4",
        "AuxOutputStem 1 Stereo \"Aux 1\"", "MIDINode 5 type 0 \"Solo MIDI In\" mask 0xFFFF",
        "MIDINode 6 type 1 \"Solo MIDI Out\" mask 0xFFFF", "MIDINode 8 type 3 \"Solo MIDI Transport\" mask 0xFFFF"};
    EXPECT_EQ(Declared(component), expected);
}

}  // namespace
