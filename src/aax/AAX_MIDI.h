#pragma once
// MIDI as the host hands it to the render procedure: a stream of packets in a buffer
// the host owns, valid for the one process call in which the node returned it.
// Plain structs that cross the boundary.

#include <cstddef>
#include <cstdint>

#include "aax/AAX.h"

struct AAX_CMidiPacket {
    std::uint32_t mTimestamp;   // sample offset within the block
    std::uint32_t mLength;      // bytes of mData in use, 1 to 4
    std::uint8_t mData[4];      // status byte first, then the data bytes
    AAX_CBoolean mIsImmediate;  // 1: deliver at once, whatever the timestamp
};                              // 3 bytes of padding follow: the host lays the packet out with natural alignment
static_assert(sizeof(AAX_CMidiPacket) == 16, "MIDI packet layout");
static_assert(offsetof(AAX_CMidiPacket, mTimestamp) == 0, "MIDI packet layout");
static_assert(offsetof(AAX_CMidiPacket, mLength) == 4, "MIDI packet layout");
static_assert(offsetof(AAX_CMidiPacket, mData) == 8, "MIDI packet layout");
static_assert(offsetof(AAX_CMidiPacket, mIsImmediate) == 12, "MIDI packet layout");

struct AAX_CMidiStream {
    std::uint32_t mBufferSize;  // packets in mBuffer
    std::uint32_t reserved;     // zero
    AAX_CMidiPacket* mBuffer;   // mBufferSize packets in time order; null when empty
};
static_assert(sizeof(AAX_CMidiStream) == 16, "MIDI stream layout");
static_assert(offsetof(AAX_CMidiStream, mBufferSize) == 0, "MIDI stream layout");
static_assert(offsetof(AAX_CMidiStream, mBuffer) == 8, "MIDI stream layout");
