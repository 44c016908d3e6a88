#pragma once
// SimulatedMIDINode: a MIDI node of one instance, the AAX_IMIDINode the instance context
// points to in the node's field: a plain C++ object (MSVC's slot layout, see
// AAX_IMIDINode) owned by the context. The test queues packets before a block; the
// node's buffer (GetNodeBuffer) shows them to the process procedure, in the order
// queued, until the test changes them. An empty node shows a stream of size 0 with a
// null buffer. Packets the module posts (PostMIDIPacket) are kept in order until
// cleared. GetTransport hands out the instance's transport as a plain object when the
// node was given the instance's controller, else null.
// Queue between blocks ([ui-thread]); the module's calls during a block
// ([audio-thread]); never both at once.

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "aax/AAX_Enums.h"
#include "aax/AAX_IMIDINode.h"
#include "aax/AAX_VTransport.h"

namespace aaxhost {

class SimulatedMIDINode final : public AAX_IMIDINode {
public:
    // `controller` (borrowed, may be null) is queried for the transport.
    SimulatedMIDINode(AAX_EMIDINodeType type, const std::string& name, IACFUnknown* controller = nullptr);
    ~SimulatedMIDINode() = default;
    SimulatedMIDINode(const SimulatedMIDINode&) = delete;
    SimulatedMIDINode& operator=(const SimulatedMIDINode&) = delete;

    AAX_EMIDINodeType Type() const noexcept { return type_; }
    const std::string& Name() const noexcept { return name_; }

    // A packet of 1 to 4 bytes at a sample offset; more bytes are refused with
    // std::invalid_argument.
    void AddPacket(std::uint32_t timestamp, std::initializer_list<std::uint8_t> bytes);
    void SetPackets(std::vector<AAX_CMidiPacket> packets);
    void Clear();
    const std::vector<AAX_CMidiPacket>& Packets() const noexcept { return packets_; }
    // What the module posted, in order. Reserved up front for 1024 packets; more are dropped.
    const std::vector<AAX_CMidiPacket>& Posted() const noexcept { return posted_; }
    void ClearPosted() noexcept { posted_.clear(); }

    void* ScalarDeletingDestructor(unsigned int flags) noexcept override;
    AAX_CMidiStream* GetNodeBuffer() noexcept override;
    AAX_Result PostMIDIPacket(AAX_CMidiPacket* packet) noexcept override;
    AAX_ITransport* GetTransport() noexcept override;

private:
    AAX_EMIDINodeType type_;
    std::string name_;
    std::vector<AAX_CMidiPacket> packets_;
    std::vector<AAX_CMidiPacket> posted_;
    AAX_CMidiStream stream_{};
    std::unique_ptr<AAX_VTransport> transport_;
};

}  // namespace aaxhost
