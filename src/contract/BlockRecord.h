#pragma once
// Selector 23: one block of audio for the core. Built on the audio (or offline) thread
// for each block; every pointer is the caller's and valid for the call only.

#include <cstddef>
#include <cstdint>

#include "contract/RecordLayout.h"
#include "contract/TransportRecord.h"

constexpr std::size_t kMaxAuxOutputStems = 16;
constexpr std::size_t kMaxSideChainInputs = 16;

struct BlockRecord {
    std::uint32_t sampleCount;
    std::uint32_t padding4;
    float** channels;                                           // main channels in core order, then two per aux stem
    TransportRecord* transport;                                 // the hook object's transport
    std::uint32_t sideChainCount;                               // side-chain inputs passed, else 0
    std::uint32_t auxOutputCount;                               // aux output stems
    float** auxOutputs[kMaxAuxOutputStems];                     // stem i: &channels[C + 2i]
    float** sideChainInputs[kMaxSideChainInputs];               // input i: its first entry, or null
    std::uint32_t sideChainChannelCounts[kMaxSideChainInputs];  // 0 when its pointer is null
    std::uint8_t offline;                                       // from the caller
    std::uint8_t padding353[3];
    std::uint8_t secondFlag;  // from the caller
    std::uint8_t padding357[3];
};

LM_RECORD_TRAITS(BlockRecord);
static_assert(sizeof(BlockRecord) == 360, "block record size");
static_assert(offsetof(BlockRecord, sampleCount) == 0, "");
static_assert(offsetof(BlockRecord, channels) == 8, "");
static_assert(offsetof(BlockRecord, transport) == 16, "");
static_assert(offsetof(BlockRecord, sideChainCount) == 24, "");
static_assert(offsetof(BlockRecord, auxOutputCount) == 28, "");
static_assert(offsetof(BlockRecord, auxOutputs) == 32, "");
static_assert(offsetof(BlockRecord, sideChainInputs) == 160, "");
static_assert(offsetof(BlockRecord, sideChainChannelCounts) == 288, "");
static_assert(offsetof(BlockRecord, offline) == 352, "");
static_assert(offsetof(BlockRecord, secondFlag) == 356, "");
