#include "aaxhost/SimulatedMIDINode.h"

#include <stdexcept>
#include <utility>

namespace aaxhost {

SimulatedMIDINode::SimulatedMIDINode(AAX_EMIDINodeType type, const std::string& name) : type_(type), name_(name) {}

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

AAX_CMidiStream* SimulatedMIDINode::GetNodeBuffer() noexcept {
    stream_.mBufferSize = static_cast<std::uint32_t>(packets_.size());
    stream_.reserved = 0;
    stream_.mBuffer = packets_.empty() ? nullptr : packets_.data();
    return &stream_;
}

}  // namespace aaxhost
