#include "aaxhost/cli/StateFile.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

#include "aaxhost/cli/ModuleSession.h"

namespace aaxhost::cli {
namespace {

constexpr char kTag[8] = {'L', 'M', 'C', 'H', 'U', 'N', 'K', '1'};

std::uint32_t Read32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// A buffer the module may fill as an AAX_SPlugInChunk: aligned, at least the struct's size.
std::vector<std::uint64_t> ChunkBuffer(std::size_t bytes) {
    return std::vector<std::uint64_t>((std::max(bytes, sizeof(AAX_SPlugInChunk)) + 7) / 8, 0);
}

}  // namespace

std::vector<std::uint8_t> EncodeStateFile(const std::vector<std::uint8_t>& chunk) {
    std::vector<std::uint8_t> file(sizeof kTag + chunk.size());
    std::memcpy(file.data(), kTag, sizeof kTag);
    if (!chunk.empty()) std::memcpy(file.data() + sizeof kTag, chunk.data(), chunk.size());
    return file;
}

std::vector<std::uint8_t> DecodeStateFile(const std::vector<std::uint8_t>& file) {
    if (file.size() < sizeof kTag || std::memcmp(file.data(), kTag, sizeof kTag) != 0)
        throw std::runtime_error("not an aaxhost state file (it does not start with \"LMCHUNK1\")");
    if (file.size() < sizeof kTag + kChunkHeaderSize)
        throw std::runtime_error("the state file's chunk header is truncated");
    const std::uint32_t size = Read32(file.data() + sizeof kTag);
    const std::size_t held = file.size() - sizeof kTag - kChunkHeaderSize;
    if (size != held)
        throw std::runtime_error("the state file's chunk declares " + std::to_string(size) + " data bytes but holds " +
                                 std::to_string(held));
    return std::vector<std::uint8_t>(file.begin() + sizeof kTag, file.end());
}

std::vector<std::uint8_t> SaveState(AAX_IACFEffectParameters& parameters) {
    std::int32_t count = 0;
    AAX_Result result = parameters.GetNumberOfChunks(&count);
    if (result != AAX_SUCCESS || count < 1) throw std::runtime_error("the effect offers no state chunk to save");
    AAX_CTypeID chunkID = 0;
    result = parameters.GetChunkIDFromIndex(0, &chunkID);
    if (result != AAX_SUCCESS) throw std::runtime_error("GetChunkIDFromIndex failed with " + ResultText(result));
    std::uint32_t size = 0;
    result = parameters.GetChunkSize(chunkID, &size);
    if (result != AAX_SUCCESS) throw std::runtime_error("GetChunkSize failed with " + ResultText(result));
    std::vector<std::uint64_t> buffer = ChunkBuffer(kChunkHeaderSize + size);
    auto* chunk = reinterpret_cast<AAX_SPlugInChunk*>(buffer.data());
    result = parameters.GetChunk(chunkID, chunk);
    if (result != AAX_SUCCESS) throw std::runtime_error("GetChunk failed with " + ResultText(result));
    if (chunk->fSize < 0 || static_cast<std::uint32_t>(chunk->fSize) > size)
        throw std::runtime_error("GetChunk wrote a size of " + std::to_string(chunk->fSize) + " into a chunk of " +
                                 std::to_string(size) + " data bytes");
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(buffer.data());
    return std::vector<std::uint8_t>(bytes, bytes + kChunkHeaderSize + static_cast<std::size_t>(chunk->fSize));
}

void LoadState(AAX_IACFEffectParameters& parameters, const std::vector<std::uint8_t>& chunkBytes) {
    if (chunkBytes.size() < kChunkHeaderSize) throw std::runtime_error("the state's chunk header is truncated");
    std::vector<std::uint64_t> buffer = ChunkBuffer(chunkBytes.size());
    std::memcpy(buffer.data(), chunkBytes.data(), chunkBytes.size());
    const auto* chunk = reinterpret_cast<const AAX_SPlugInChunk*>(buffer.data());
    const AAX_Result result = parameters.SetChunk(chunk->fChunkID, chunk);
    if (result != AAX_SUCCESS)
        throw std::runtime_error("the effect refused the state: SetChunk failed with " + ResultText(result));
}

}  // namespace aaxhost::cli
