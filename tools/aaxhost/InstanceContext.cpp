#include "aaxhost/InstanceContext.h"

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>

#include "aaxhost/StemChannelCount.h"

namespace aaxhost {
namespace {

void Refuse(const FieldDeclaration& field, const char* why) {
    throw std::invalid_argument("cannot lay out " + DescribeField(field) + ": " + why);
}

}  // namespace

InstanceContext::InstanceContext(const ComponentDescription& component, AAX_IACFEffectParameters* parameters,
                                 const ContextOptions& options)
    : maxBlockSize_(options.maxBlockSize), blockLength_(options.maxBlockSize) {
    if (maxBlockSize_ < 1 || maxBlockSize_ > kMaxBlockSize) throw std::invalid_argument("block size out of range");

    // Check the declarations before anything is built.
    AAX_CFieldIndex highest = -1;
    std::set<AAX_CFieldIndex> owned;
    std::set<AAX_CFieldIndex> audioOut;
    bool sideChainDeclared = false;
    for (const FieldDeclaration& field : component.fields) {
        if (field.field < 0 || field.field > kMaxFieldIndex) Refuse(field, "field index out of range");
        if (field.kind == FieldKind::AuxOutputStem) continue;
        if (!owned.insert(field.field).second) Refuse(field, "field index declared twice");
        highest = std::max(highest, field.field);
        if (field.kind == FieldKind::AudioOut) audioOut.insert(field.field);
        if (field.kind == FieldKind::SideChainIn) sideChainDeclared = true;
        if (field.kind == FieldKind::PrivateData &&
            (field.privateDataSize < 0 || field.privateDataSize > kMaxPrivateDataSize))
            Refuse(field, "private data size out of range");
    }
    for (const FieldDeclaration& field : component.fields)
        if (field.kind == FieldKind::AuxOutputStem && audioOut.count(field.field) == 0)
            Refuse(field, "no audio-out field at that index");

    // Audio: main channels from the stem formats, then the side chain and the aux stems.
    mainInputs_ = StemChannelCount(options.inputStemFormat.value_or(component.InputStemFormat()));
    mainOutputs_ = StemChannelCount(options.outputStemFormat.value_or(component.OutputStemFormat()));
    sideChainConnected_ = sideChainDeclared && options.connectSideChain;
    sideChainIndex_ = mainInputs_;
    std::int32_t outputCount = mainOutputs_;
    for (const AuxOutputStem& aux : component.auxOutputStems) outputCount += StemChannelCount(aux.stemFormat);
    const std::size_t samples = static_cast<std::size_t>(maxBlockSize_);
    buffers_ = ChannelBuffers(static_cast<std::size_t>(mainInputs_ + (sideChainConnected_ ? 1 : 0)),
                              static_cast<std::size_t>(outputCount), samples);
    for (std::size_t k = 0; k < buffers_.InputCount(); ++k) inputPointers_.push_back(buffers_.Input(k));
    inputPointers_.push_back(nullptr);
    for (std::size_t k = 0; k < buffers_.OutputCount(); ++k) outputPointers_.push_back(buffers_.Output(k));
    outputPointers_.push_back(nullptr);

    fields_.assign(static_cast<std::size_t>(highest + 1), nullptr);
    for (const FieldDeclaration& field : component.fields) {
        void*& slot = fields_[static_cast<std::size_t>(field.field)];
        switch (field.kind) {
        case FieldKind::AudioIn: slot = inputPointers_.data(); break;
        case FieldKind::AudioOut: slot = outputPointers_.data(); break;
        case FieldKind::BufferLength: slot = &blockLength_; break;
        case FieldKind::SideChainIn: slot = sideChainConnected_ ? &sideChainIndex_ : nullptr; break;
        case FieldKind::AuxOutputStem: break;  // channels already in the audio-out array
        case FieldKind::MIDINode: {
            auto node = std::make_unique<SimulatedMIDINode>(field.midiNodeType, field.name, options.controller);
            slot = static_cast<AAX_IMIDINode*>(node.get());
            midiNodes_.emplace(field.field, std::move(node));
            break;
        }
        case FieldKind::PrivateData: {
            PrivateBlock block;
            block.size = field.privateDataSize;
            block.bytes.reset(new unsigned char[static_cast<std::size_t>(std::max(block.size, 1))]());
            slot = block.bytes.get();
            privateData_.emplace(field.field, std::move(block));
            break;
        }
        }
    }
    // The module fills its blocks once the whole context exists.
    for (const FieldDeclaration& field : component.fields) {
        if (field.kind != FieldKind::PrivateData || parameters == nullptr) continue;
        PrivateBlock& block = privateData_.at(field.field);
        resetResults_.push_back(
            parameters->ResetFieldData(field.field, block.bytes.get(), static_cast<std::uint32_t>(block.size)));
    }
}

InstanceContext::~InstanceContext() = default;

void* InstanceContext::Field(AAX_CFieldIndex field) const noexcept {
    if (field < 0 || field >= FieldCount()) return nullptr;
    return fields_[static_cast<std::size_t>(field)];
}

float* InstanceContext::Input(std::int32_t channel) {
    if (channel < 0 || channel >= mainInputs_) throw std::out_of_range("no input channel " + std::to_string(channel));
    return buffers_.Input(static_cast<std::size_t>(channel));
}

float* InstanceContext::Output(std::int32_t channel) {
    if (channel < 0 || channel >= OutputChannelCount())
        throw std::out_of_range("no output channel " + std::to_string(channel));
    return buffers_.Output(static_cast<std::size_t>(channel));
}

float* InstanceContext::SideChainInput() noexcept {
    return sideChainConnected_ ? buffers_.Input(static_cast<std::size_t>(sideChainIndex_)) : nullptr;
}

void InstanceContext::SetBlockLength(std::int32_t samples) {
    if (samples < 0 || samples > maxBlockSize_) throw std::invalid_argument("block length out of range");
    blockLength_ = samples;
}

SimulatedMIDINode* InstanceContext::MIDINode(AAX_CFieldIndex field) const noexcept {
    const auto found = midiNodes_.find(field);
    return found == midiNodes_.end() ? nullptr : found->second.get();
}

unsigned char* InstanceContext::PrivateData(AAX_CFieldIndex field) const noexcept {
    const auto found = privateData_.find(field);
    return found == privateData_.end() ? nullptr : found->second.bytes.get();
}

std::int32_t InstanceContext::PrivateDataSize(AAX_CFieldIndex field) const noexcept {
    const auto found = privateData_.find(field);
    return found == privateData_.end() ? 0 : found->second.size;
}

void RunProcessProcedure(AAX_CProcessProc proc, const std::vector<InstanceContext*>& contexts) {
    if (proc == nullptr) throw std::invalid_argument("no process procedure");
    std::vector<void*> instances;
    for (InstanceContext* context : contexts) instances.push_back(const_cast<void**>(context->Fields()));
    instances.push_back(nullptr);  // keeps data() valid for an empty run; not part of it
    proc(instances.data(), instances.data() + contexts.size());
}

}  // namespace aaxhost
