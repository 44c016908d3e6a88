// Realtime blocks through the host simulator: instance contexts laid out from the
// declared fields, private data filled by the module, real buffers through the
// module's process procedure, MIDI packets and the side chain.

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

#include "TrivialModuleHost.h"
#include "aaxhost/EffectInstance.h"
#include "aaxhost/InstanceContext.h"

using namespace aaxhost;

namespace {

trivial::PrivateData ReadPrivateData(const InstanceContext& context) {
    trivial::PrivateData data{};
    std::memcpy(&data, context.PrivateData(trivial::kFieldPrivateData), sizeof data);
    return data;
}

AAX_CProcessProc ProcessProcOf(const EffectDescription& effect) {
    return effect.components.at(0).processProcedures.at(0).proc;
}

TEST(Process, ModuleFillsThePrivateDataThroughResetFieldData) {
    TrivialModuleHost host;
    const EffectDescription& effect = host.Effect(trivial::kMonoEffectID);
    auto instance = CreateEffectInstance(effect);
    ASSERT_EQ(instance->Initialize(), AAX_SUCCESS);
    InstanceContext context(effect.components.at(0), instance->Parameters());

    EXPECT_EQ(context.ResetResults(), (std::vector<AAX_Result>{AAX_SUCCESS}));
    ASSERT_EQ(context.PrivateDataSize(trivial::kFieldPrivateData),
              static_cast<std::int32_t>(sizeof(trivial::PrivateData)));
    const trivial::PrivateData data = ReadPrivateData(context);
    EXPECT_EQ(data.magic, trivial::kPrivateDataMagic);
    EXPECT_EQ(data.instance, instance->Parameters());
    EXPECT_EQ(data.blocks, 0u);
}

TEST(Process, OneBatchAppliesEachInstancesOwnGain) {
    TrivialModuleHost host;
    const EffectDescription& effect = host.Effect(trivial::kMonoEffectID);
    auto quiet = CreateEffectInstance(effect);
    auto loud = CreateEffectInstance(effect);
    ASSERT_EQ(quiet->Initialize(), AAX_SUCCESS);
    ASSERT_EQ(loud->Initialize(), AAX_SUCCESS);
    ASSERT_EQ(quiet->Automate(trivial::kGainID, 0.25), AAX_SUCCESS);  // gain 0.5
    ASSERT_EQ(loud->Automate(trivial::kGainID, 1.0), AAX_SUCCESS);    // gain 2
    ContextOptions options;
    options.maxBlockSize = 64;
    InstanceContext quietContext(effect.components.at(0), quiet->Parameters(), options);
    InstanceContext loudContext(effect.components.at(0), loud->Parameters(), options);
    for (int i = 0; i < 64; ++i) {
        quietContext.Input(0)[i] = static_cast<float>(i);
        loudContext.Input(0)[i] = static_cast<float>(i);
        loudContext.Output(0)[i] = -1.0f;
    }
    quietContext.SetBlockLength(64);
    loudContext.SetBlockLength(48);  // the rest of its output stays as it was

    RunProcessProcedure(ProcessProcOf(effect), {&quietContext, &loudContext});

    for (int i = 0; i < 64; ++i) EXPECT_FLOAT_EQ(quietContext.Output(0)[i], 0.5f * static_cast<float>(i)) << i;
    for (int i = 0; i < 48; ++i) EXPECT_FLOAT_EQ(loudContext.Output(0)[i], 2.0f * static_cast<float>(i)) << i;
    EXPECT_EQ(loudContext.Output(0)[48], -1.0f);
    EXPECT_EQ(ReadPrivateData(quietContext).blocks, 1u);
    EXPECT_EQ(ReadPrivateData(loudContext).blocks, 1u);
}

// The module walks the node's 16-byte packets, posts each back through the node's
// PostMIDIPacket slot and reads the tempo through the node's transport: every slot of
// the node and of the plain transport, called from the real DLL.
TEST(Process, MIDIPacketsQueuedOnTheNodeReachTheProcessProcedureThroughEveryNodeSlot) {
    TrivialModuleHost host;
    const EffectDescription& effect = host.Effect(trivial::kMonoEffectID);
    auto instance = CreateEffectInstance(effect);
    ASSERT_EQ(instance->Initialize(), AAX_SUCCESS);
    instance->Transport()->Update([](TransportState& state) { state.tempo = 97.0; });
    ContextOptions options;
    options.controller = instance->Controller().AsInterface();
    InstanceContext context(effect.components.at(0), instance->Parameters(), options);
    SimulatedMIDINode* node = context.MIDINode(trivial::kFieldMIDIIn);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->Name(), "Trivial Gain MIDI In");

    RunProcessProcedure(ProcessProcOf(effect), {&context});  // an empty node: nothing seen
    node->AddPacket(0, {0x90, 60, 100});
    node->AddPacket(17, {0x80, 60, 0});
    node->AddPacket(33, {0xB0, 7, 90});
    std::vector<AAX_CMidiPacket> packets = node->Packets();
    packets[1].mIsImmediate = 1;
    node->SetPackets(packets);
    RunProcessProcedure(ProcessProcOf(effect), {&context});

    const trivial::PrivateData data = ReadPrivateData(context);
    EXPECT_EQ(data.blocks, 2u);
    EXPECT_EQ(data.midiPackets, 3u);
    EXPECT_EQ(data.lastMidiWord, 0xB0075Au);
    EXPECT_EQ(data.midiImmediate, 1u);
    EXPECT_EQ(data.midiPosted, 3u);
    EXPECT_EQ(data.nodeTempo, 97u);
    ASSERT_EQ(node->Posted().size(), 3u);
    EXPECT_EQ(node->Posted()[2].mTimestamp, 33u);
    EXPECT_EQ(node->Posted()[1].mIsImmediate, 1);
}

TEST(Process, SideChainIndexPointsAtTheExtraInputOnlyWhileConnected) {
    TrivialModuleHost host;
    const EffectDescription& effect = host.Effect(trivial::kStereoEffectID);
    auto instance = CreateEffectInstance(effect);
    ASSERT_EQ(instance->Initialize(), AAX_SUCCESS);
    ContextOptions options;
    options.maxBlockSize = 16;
    options.connectSideChain = true;
    InstanceContext connected(effect.components.at(0), instance->Parameters(), options);
    options.connectSideChain = false;
    InstanceContext unconnected(effect.components.at(0), instance->Parameters(), options);

    ASSERT_EQ(connected.InputChannelCount(), 2);
    ASSERT_EQ(connected.OutputChannelCount(), 4);  // stereo main, then the stereo aux stem
    ASSERT_NE(connected.SideChainInput(), nullptr);
    EXPECT_EQ(*static_cast<std::int32_t*>(connected.Field(trivial::kFieldSideChain)), 2);
    EXPECT_EQ(unconnected.Field(trivial::kFieldSideChain), nullptr);
    EXPECT_EQ(unconnected.SideChainInput(), nullptr);
    for (int i = 0; i < 16; ++i) {
        connected.SideChainInput()[i] = 3.0f;
        unconnected.Output(2)[i] = 9.0f;
    }

    RunProcessProcedure(ProcessProcOf(effect), {&connected, &unconnected});

    for (int channel = 2; channel < 4; ++channel) {
        EXPECT_FLOAT_EQ(connected.Output(channel)[15], 3.0f) << channel;  // side chain x gain 1
        EXPECT_FLOAT_EQ(unconnected.Output(channel)[15], 0.0f) << channel;
    }
}

TEST(InstanceContext, FieldsAreLaidOutByIndexWithGapsLeftNull) {
    ComponentDescription component;
    auto declare = [&](FieldKind kind, AAX_CFieldIndex field) {
        FieldDeclaration declaration;
        declaration.kind = kind;
        declaration.field = field;
        declaration.privateDataSize = 8;
        declaration.stemFormat = AAX_eStemFormat_5_1;
        component.fields.push_back(declaration);
        if (kind == FieldKind::AuxOutputStem) component.auxOutputStems.push_back({field, AAX_eStemFormat_5_1, ""});
    };
    declare(FieldKind::AudioIn, 0);
    declare(FieldKind::AudioOut, 1);
    declare(FieldKind::PrivateData, 3);
    declare(FieldKind::AuxOutputStem, 1);
    declare(FieldKind::MIDINode, 8);
    component.processProcedures.push_back({nullptr,
                                           true,
                                           {{AAX_eProperty_InputStemFormat, AAX_eStemFormat_Mono},
                                            {AAX_eProperty_OutputStemFormat, AAX_eStemFormat_Stereo}}});

    InstanceContext context(component, nullptr);
    ASSERT_EQ(context.FieldCount(), 9);
    for (AAX_CFieldIndex undeclared : {2, 4, 5, 6, 7}) EXPECT_EQ(context.Field(undeclared), nullptr) << undeclared;
    const auto* outputs = static_cast<float* const*>(context.Field(1));
    EXPECT_EQ(context.OutputChannelCount(), 8);  // stereo and a 5.1 aux stem
    EXPECT_EQ(outputs[7], context.Output(7));
    EXPECT_EQ(outputs[8], nullptr);
    EXPECT_EQ(static_cast<const float* const*>(context.Field(0))[0], context.Input(0));
    EXPECT_EQ(context.Field(8), static_cast<AAX_IMIDINode*>(context.MIDINode(8)));
    EXPECT_EQ(std::memcmp(context.PrivateData(3), "\0\0\0\0\0\0\0\0", 8), 0) << "no object: the block stays zeroed";
}

TEST(InstanceContext, LayoutsAHostCannotBuildAreRefused) {
    auto field = [](FieldKind kind, AAX_CFieldIndex index, std::int32_t size = 0) {
        FieldDeclaration declaration;
        declaration.kind = kind;
        declaration.field = index;
        declaration.privateDataSize = size;
        return declaration;
    };
    auto layout = [](std::vector<FieldDeclaration> fields) {
        ComponentDescription component;
        component.fields = std::move(fields);
        InstanceContext context(component, nullptr);
    };
    const FieldDeclaration in = field(FieldKind::AudioIn, 0);
    const FieldDeclaration aux = field(FieldKind::AuxOutputStem, 1);
    EXPECT_THROW(layout({in, field(FieldKind::AudioOut, 0)}), std::invalid_argument);
    EXPECT_THROW(layout({field(FieldKind::AudioIn, -1)}), std::invalid_argument);
    EXPECT_THROW(layout({field(FieldKind::AudioIn, InstanceContext::kMaxFieldIndex + 1)}), std::invalid_argument);
    EXPECT_THROW(layout({field(FieldKind::PrivateData, 3, -8)}), std::invalid_argument);
    EXPECT_THROW(layout({field(FieldKind::PrivateData, 3, InstanceContext::kMaxPrivateDataSize + 1)}),
                 std::invalid_argument);
    EXPECT_THROW(layout({in, aux}), std::invalid_argument);
    EXPECT_NO_THROW(layout({in, field(FieldKind::AudioOut, 1), aux}));
}

}  // namespace
