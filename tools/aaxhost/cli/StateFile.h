#pragma once
// State files of aaxhost render (--save-state, --load-state): the 8 bytes "LMCHUNK1",
// then the instance's first chunk exactly as its GetChunk fills it: the 56-byte
// AAX_SPlugInChunk header (size, version, manufacturer, product and plug-in IDs, chunk
// ID, name; little-endian) followed by its fSize data bytes. Loading hands those bytes
// back to SetChunk under the chunk ID the header names.
// Encode/Decode are pure; SaveState/LoadState talk to the effect parameters object
// ([ui-thread]). Failures throw std::runtime_error naming the problem.

#include <cstdint>
#include <vector>

#include "aax/AAX_IACFEffectParameters.h"

namespace aaxhost::cli {

constexpr std::size_t kChunkHeaderSize = 56;

// The file form of a chunk (header and data).
std::vector<std::uint8_t> EncodeStateFile(const std::vector<std::uint8_t>& chunk);
// The chunk in a state file; refuses a wrong tag, a short header and a size field that
// disagrees with the file's length.
std::vector<std::uint8_t> DecodeStateFile(const std::vector<std::uint8_t>& file);

// The chunk of index 0 as GetChunk fills it, header included.
std::vector<std::uint8_t> SaveState(AAX_IACFEffectParameters& parameters);
// SetChunk with a chunk as SaveState gives it.
void LoadState(AAX_IACFEffectParameters& parameters, const std::vector<std::uint8_t>& chunk);

}  // namespace aaxhost::cli
