// Parameters: the instance's one state chunk. Saving asks the core for its state size
// and bytes (selector 32, operations 0 and 3) and puts the state header before them;
// loading checks the header and hands a current state to the core's normal load
// (operation 4) and anything else whole to its legacy load (selector 33); comparing
// hands the bytes behind the header to operation 5.
//
// The chunk a host hands back comes from a project file. Its fSize is signed: a value
// below 12 (0xFFFFFFFF is -1) is malformed, and the header's payload size is believed
// only as far as the bytes behind it reach.

#include <cstddef>
#include <cstring>
#include <limits>
#include <vector>

#include "aax/AAX_CatchAll.h"
#include "hook/PluginIds.h"
#include "parameters/Parameters.h"
#include "parameters/StateHeaderCheck.h"

namespace {

// The chunk's name field: a length byte, then the characters.
const char kStateChunkName[] = "Vovuvoza Vivizaro State";
constexpr std::uint8_t kStateChunkNameLength = sizeof kStateChunkName - 1;
static_assert(kStateChunkNameLength == 23, "the name field's length byte");
static_assert(kStateChunkNameLength + 1 <= sizeof(AAX_SPlugInChunk::fName), "the name fits its field");

// How close the core's state must be to the chunk's to count as equal.
constexpr float kCompareTolerance = 1e-5f;  // 0x3727C5AC

// The largest core state a chunk can carry: fSize is a signed 32-bit count that
// includes the header.
constexpr std::uint32_t kMaxCoreStateSize =
    static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max()) - kStateHeaderSize;

// The chunk's first data byte; the data reaches as far as the host's buffer does.
std::uint8_t* DataOf(AAX_SPlugInChunk* chunk) noexcept {
    return reinterpret_cast<std::uint8_t*>(chunk) + offsetof(AAX_SPlugInChunk, fData);
}
const std::uint8_t* DataOf(const AAX_SPlugInChunk* chunk) noexcept {
    return reinterpret_cast<const std::uint8_t*>(chunk) + offsetof(AAX_SPlugInChunk, fData);
}

}  // namespace

// The core's answer to a size query, with the header added. A failed query, or a size
// no chunk can carry (and whose sum would wrap), gives false.
bool Parameters::QueryStateSize(std::uint32_t& chunkSize) {
    StateRequest request{};
    request.operation = kStateSizeQuery;
    SendStateRequest(request);
    if (request.status != 0 || request.size > kMaxCoreStateSize) return false;
    chunkSize = request.size + static_cast<std::uint32_t>(kStateHeaderSize);
    return true;
}

// The header and the core's state bytes, read in one go after a size query; false when
// the core fails either step or its state no longer has the size it just gave.
bool Parameters::ReadState(std::vector<std::uint8_t>& blob) {
    std::uint32_t chunkSize = 0;
    if (!QueryStateSize(chunkSize)) return false;
    const std::uint32_t payloadSize = chunkSize - static_cast<std::uint32_t>(kStateHeaderSize);
    blob.assign(chunkSize, 0);
    const StateHeader header = CurrentStateHeader(CurrentStateFactsOf(StaticInfo()), payloadSize);
    std::memcpy(blob.data(), &header, kStateHeaderSize);
    if (payloadSize == 0) return true;

    StateRequest request{};
    request.operation = kStateRead;
    request.size = payloadSize;
    request.bytes = blob.data() + kStateHeaderSize;
    SendStateRequest(request);
    return request.status == 0 && request.size == payloadSize;
}

// A current state with exactly its payload goes to the normal load (none at all needs
// no call); anything else, header included, to the legacy load.
bool Parameters::LoadState(std::vector<std::uint8_t>& blob) {
    StateHeader header{};
    if (!ReadStateHeader(blob.data(), blob.size(), header)) return false;
    const StateHeaderVerdict verdict = CheckStateHeader(header, CurrentStateFactsOf(StaticInfo()));
    switch (RouteStateLoad(blob.size(), verdict)) {
    case StateLoadRoute::kMalformed: return false;
    case StateLoadRoute::kNothingToLoad: return true;
    case StateLoadRoute::kCoreLoad: {
        StateRequest request{};
        request.operation = kStateLoad;
        request.size = verdict.payloadSize;
        request.bytes = blob.data() + kStateHeaderSize;
        request.stateVersion = header.stateVersion;
        SendStateRequest(request);
        return request.status == 0;
    }
    case StateLoadRoute::kLegacyLoad: break;
    }
    LegacyStateLoad load{};
    load.size = static_cast<std::uint32_t>(blob.size());  // at most fSize, a positive i32
    load.bytes = blob.data();
    SendLegacyStateLoad(load);
    return load.status == 0;
}

AAX_Result Parameters::GetNumberOfChunks(std::int32_t* outCount) noexcept {
    if (outCount == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    *outCount = 1;
    return AAX_SUCCESS;
}

AAX_Result Parameters::GetChunkIDFromIndex(std::int32_t index, AAX_CTypeID* outChunkID) noexcept {
    if (outChunkID == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    if (index != 0) return AAX_ERROR_INVALID_CHUNK_INDEX;
    *outChunkID = ChunkIdOf(StaticInfo());
    return AAX_SUCCESS;
}

AAX_Result Parameters::GetChunkSize(AAX_CTypeID chunkID, std::uint32_t* outSize) noexcept {
    if (outSize == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    if (chunkID != ChunkIdOf(StaticInfo())) return AAX_ERROR_INVALID_CHUNK_ID;
    return AAX::CatchAll([&]() -> AAX_Result {
        std::uint32_t chunkSize = 0;
        if (!QueryStateSize(chunkSize)) chunkSize = 0;  // the following GetChunk fails
        *outSize = chunkSize;
        reportedChunkSize_.store(chunkSize, std::memory_order_relaxed);
        return AAX_SUCCESS;
    });
}

AAX_Result Parameters::GetChunk(AAX_CTypeID chunkID, AAX_SPlugInChunk* outChunk) noexcept {
    if (outChunk == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    const CoreStaticInfo& info = StaticInfo();
    if (chunkID != ChunkIdOf(info)) return AAX_ERROR_INVALID_CHUNK_ID;
    return AAX::CatchAll([&]() -> AAX_Result {
        std::uint32_t chunkSize = 0;
        if (!QueryStateSize(chunkSize)) chunkSize = 0;

        std::memset(reinterpret_cast<std::uint8_t*>(outChunk) + 4, 0, sizeof(AAX_SPlugInChunk) - 4);
        outChunk->fSize = static_cast<std::int32_t>(chunkSize);
        outChunk->fVersion = static_cast<std::int32_t>(info.PackageVersion());
        outChunk->fManufacturerID = info.ManufacturerId();
        outChunk->fProductID = ProductIdOf(info);
        outChunk->fPlugInID = ProductIdOf(info);
        outChunk->fChunkID = ChunkIdOf(info);
        outChunk->fName[0] = kStateChunkNameLength;
        std::memcpy(outChunk->fName + 1, kStateChunkName, kStateChunkNameLength);

        std::vector<std::uint8_t> blob;
        if (!ReadState(blob) || blob.size() != chunkSize) return AAX_ERROR_MALFORMED_CHUNK;
        // The host sized its buffer from the size reported to it; a state that has grown
        // since (or a host that never asked) gets no data written past that room.
        const std::int64_t room = reportedChunkSize_.load(std::memory_order_relaxed);
        if (room < 0 || static_cast<std::int64_t>(blob.size()) > room) return AAX_ERROR_MALFORMED_CHUNK;
        std::memcpy(DataOf(outChunk), blob.data(), blob.size());
        return AAX_SUCCESS;
    });
}

AAX_Result Parameters::SetChunk(AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk) noexcept {
    if (chunk == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    if (chunkID != ChunkIdOf(StaticInfo())) return AAX_ERROR_INVALID_CHUNK_ID;
    if (chunk->fSize < static_cast<std::int32_t>(kStateHeaderSize)) return AAX_ERROR_MALFORMED_CHUNK;
    return AAX::CatchAll([&]() -> AAX_Result {
        const std::uint8_t* data = DataOf(chunk);
        std::vector<std::uint8_t> blob(data, data + chunk->fSize);
        return LoadState(blob) ? AAX_SUCCESS : AAX_ERROR_MALFORMED_CHUNK;
    });
}

AAX_Result Parameters::CompareActiveChunk(const AAX_SPlugInChunk* chunk, AAX_CBoolean* outIsEqual) noexcept {
    // Whenever no comparison can be made the host is told "equal", so that it does not
    // take the instance's state for changed.
    auto equalBecause = [outIsEqual](AAX_Result result) {
        if (outIsEqual != nullptr) *outIsEqual = 1;
        return result;
    };
    if (chunk == nullptr) return equalBecause(AAX_ERROR_NULL_ARGUMENT);
    if (chunk->fChunkID != ChunkIdOf(StaticInfo())) return equalBecause(AAX_ERROR_INVALID_CHUNK_ID);
    if (outIsEqual == nullptr) return AAX_ERROR_MALFORMED_CHUNK;
    if (chunk->fSize < static_cast<std::int32_t>(kStateHeaderSize)) return equalBecause(AAX_ERROR_MALFORMED_CHUNK);
    try {
        const std::uint8_t* data = DataOf(chunk);
        std::vector<std::uint8_t> blob(data, data + chunk->fSize);
        StateHeader header{};
        ReadStateHeader(blob.data(), blob.size(), header);
        const StateHeaderVerdict verdict = CheckStateHeader(header, CurrentStateFactsOf(StaticInfo()));
        // A header that claims more payload than follows it would have the core read
        // past the chunk.
        if (!ComparePayloadFits(blob.size(), verdict)) return equalBecause(AAX_ERROR_MALFORMED_CHUNK);

        StateRequest request{};
        request.operation = kStateCompare;
        request.size = verdict.payloadSize;  // 0 for a header the check rejects
        request.bytes = blob.data() + kStateHeaderSize;
        request.tolerance = kCompareTolerance;
        SendStateRequest(request);
        if (request.status != 0) return equalBecause(AAX_ERROR_MALFORMED_CHUNK);
        *outIsEqual = request.result != 0 ? 1 : 0;
        return AAX_SUCCESS;
    } catch (...) {
        return equalBecause(AAX_ERROR_UNKNOWN_EXCEPTION);
    }
}
