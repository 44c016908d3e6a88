#pragma once
// SimulatedMIDINode: a MIDI node of one instance, the AAX_IMIDINode the instance context
// points to in the node's field. The test queues packets before a block; the node's
// buffer (GetNodeBuffer) shows them to the process procedure, in the order queued, until
// the test changes them. An empty node shows a stream of size 0 with a null buffer.
// Queue between blocks ([ui-thread]); GetNodeBuffer during a block ([audio-thread]);
// never both at once.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "aax/AAX_Enums.h"
#include "aax/AAX_IMIDINode.h"
#include "aaxhost/HostObject.h"

namespace aaxhost {

class SimulatedMIDINode final : public HostObject<AAX_IMIDINode, IID_AAX_IMIDINode> {
public:
    SimulatedMIDINode(AAX_EMIDINodeType type, const std::string& name);

    AAX_EMIDINodeType Type() const noexcept { return type_; }
    const std::string& Name() const noexcept { return name_; }

    // A packet of 1 to 4 bytes at a sample offset; more bytes are refused with
    // std::invalid_argument.
    void AddPacket(std::uint32_t timestamp, std::initializer_list<std::uint8_t> bytes);
    void SetPackets(std::vector<AAX_CMidiPacket> packets);
    void Clear();
    const std::vector<AAX_CMidiPacket>& Packets() const noexcept { return packets_; }

    AAX_CMidiStream* GetNodeBuffer() noexcept override;

private:
    AAX_EMIDINodeType type_;
    std::string name_;
    std::vector<AAX_CMidiPacket> packets_;
    AAX_CMidiStream stream_{};
};

}  // namespace aaxhost
