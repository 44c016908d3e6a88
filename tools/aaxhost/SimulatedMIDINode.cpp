#include "aaxhost/SimulatedMIDINode.h"

#include <stdexcept>
#include <utility>

namespace aaxhost {
namespace {

constexpr std::size_t kPostedCapacity = 1024;

}  // namespace

SimulatedMIDINode::SimulatedMIDINode(AAX_EMIDINodeType type, const std::string& name, IACFUnknown* controller)
    : type_(type), name_(name) {
    posted_.reserve(kPostedCapacity);  // the module posts on the audio thread
    if (controller != nullptr) {
        transport_ = std::make_unique<AAX_VTransport>(controller);
        if (!transport_->IsValid()) transport_.reset();
    }
}

void SimulatedMIDINode::AddPacket(std::uint32_t timestamp, std::initializer_list<std::uint8_t> bytes) {
    if (bytes.size() == 0 || bytes.size() > 4) throw std::invalid_argument("a MIDI packet holds 1 to 4 bytes");
    AAX_CMidiPacket packet{};
    packet.mTimestamp = timestamp;
    packet.mLength = static_cast<std::uint32_t>(bytes.size());
    std::uint32_t i = 0;
    for (std::uint8_t byte : bytes) packet.mData[i++] = byte;
    packets_.push_back(packet);
}

void SimulatedMIDINode::SetPackets(std::vector<AAX_CMidiPacket> packets) { packets_ = std::move(packets); }

void SimulatedMIDINode::Clear() { packets_.clear(); }

void* SimulatedMIDINode::ScalarDeletingDestructor(unsigned int flags) noexcept {
    if ((flags & 1u) != 0) {
        delete this;
    } else {
        this->~SimulatedMIDINode();
    }
    return this;
}

AAX_CMidiStream* SimulatedMIDINode::GetNodeBuffer() noexcept {
    stream_.mBufferSize = static_cast<std::uint32_t>(packets_.size());
    stream_.reserved = 0;
    stream_.mBuffer = packets_.empty() ? nullptr : packets_.data();
    return &stream_;
}

AAX_Result SimulatedMIDINode::PostMIDIPacket(AAX_CMidiPacket* packet) noexcept {
    if (packet == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    if (posted_.size() < kPostedCapacity) posted_.push_back(*packet);
    return AAX_SUCCESS;
}

AAX_ITransport* SimulatedMIDINode::GetTransport() noexcept { return transport_.get(); }

}  // namespace aaxhost
