// The instance's state chunk, driven as a host drives it (through the effect
// parameters interface the host simulator holds) over the test core: saving, loading
// and comparing, the legacy load, a core whose state changes size, and chunks from an
// untrusted project file.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "ParametersScenario.h"
#include "hook/PluginIds.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// As HookScenario describes kChunkFormat and kChunk9010Format.
constexpr std::uint32_t kFormatId = 4242;
constexpr std::uint32_t kStateVersion = 5;
constexpr std::uint32_t kManufacturer = 0x4C6D7472;  // 'Lmtr'
constexpr std::uint32_t kBaseId = 0x4C4D5400;        // product ID; the chunk ID is one more
constexpr std::uint32_t kChunkId = kBaseId + 1;

constexpr std::size_t kDataOffset = offsetof(AAX_SPlugInChunk, fData);
constexpr std::uint8_t kGuard = 0xCD;
constexpr std::size_t kGuardBytes = 64;

// A host's chunk buffer: the fields, `size` data bytes (at least the struct), and guard
// bytes behind that the plug-in must leave alone.
struct HostChunk {
    explicit HostChunk(std::size_t size)
        : bytes(std::max(kDataOffset + size, sizeof(AAX_SPlugInChunk)) + kGuardBytes, kGuard), room(size) {}
    AAX_SPlugInChunk* Get() { return reinterpret_cast<AAX_SPlugInChunk*>(bytes.data()); }
    Bytes Data() const {
        const std::int32_t size = reinterpret_cast<const AAX_SPlugInChunk*>(bytes.data())->fSize;
        return Bytes(bytes.begin() + kDataOffset, bytes.begin() + kDataOffset + size);
    }
    bool GuardIntact() const {
        const std::size_t end = std::max(kDataOffset + room, sizeof(AAX_SPlugInChunk));
        for (std::size_t i = end; i < bytes.size(); ++i)
            if (bytes[i] != kGuard) return false;
        return true;
    }
    Bytes bytes;
    std::size_t room;
};

// A chunk as a project file would hand it back: the given fSize and data bytes.
HostChunk ChunkOf(const Bytes& data, std::uint32_t chunkId = kChunkId) {
    HostChunk chunk(data.size());
    AAX_SPlugInChunk fields{};
    fields.fSize = static_cast<std::int32_t>(data.size());
    fields.fChunkID = chunkId;
    const auto* fieldBytes = reinterpret_cast<const std::uint8_t*>(&fields);
    std::copy(fieldBytes, fieldBytes + kDataOffset, chunk.bytes.begin());
    std::copy(data.begin(), data.end(), chunk.bytes.begin() + kDataOffset);
    return chunk;
}

Bytes Blob(std::uint32_t formatId, std::uint32_t stateVersion, std::uint32_t payloadSize, const Bytes& payload) {
    const StateHeader header{formatId, stateVersion, payloadSize};
    const auto* headerBytes = reinterpret_cast<const std::uint8_t*>(&header);
    Bytes blob(headerBytes, headerBytes + sizeof header);
    std::copy(payload.begin(), payload.end(), std::back_inserter(blob));
    return blob;
}

Bytes Pattern(std::size_t size, std::uint8_t seed = 1) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(seed + 7 * i);
    return bytes;
}

struct ChunkScenario : ParametersScenario {
    explicit ChunkScenario(PluginFormat format = kChunkFormat) {
        instance = Make(format);
        EXPECT_EQ(Initialize(*instance), AAX_SUCCESS);
        host = Host(*instance).Parameters();
        Mark();
    }

    // The host saves: the size, then the chunk into a buffer of that size.
    AAX_Result Save(HostChunk& out, std::uint32_t chunkId = kChunkId) {
        std::uint32_t size = 0;
        EXPECT_EQ(host->GetChunkSize(chunkId, &size), AAX_SUCCESS);
        out = HostChunk(size);
        return host->GetChunk(chunkId, out.Get());
    }
    AAX_Result Load(HostChunk& chunk) { return host->SetChunk(kChunkId, chunk.Get()); }
    AAX_Result Load(const Bytes& data) {
        HostChunk chunk = ChunkOf(data);
        return Load(chunk);
    }
    void SetState(const Bytes& state) { Core().SetState(state.data(), static_cast<std::uint32_t>(state.size())); }

    // The state requests since the last Mark.
    std::vector<StateRequest> StateRequests() const {
        std::vector<StateRequest> requests;
        for (const TestCoreCall& call : CallsOf(32)) requests.push_back(call.As<StateRequest>());
        return requests;
    }

    Parameters* instance = nullptr;
    AAX_IACFEffectParameters* host = nullptr;
};

TEST(StateChunks, OneChunkUnderTheChunkIdAndNoOther) {
    ChunkScenario s;
    std::int32_t count = 0;
    EXPECT_EQ(s.host->GetNumberOfChunks(&count), AAX_SUCCESS);
    EXPECT_EQ(count, 1);
    AAX_CTypeID id = 0;
    EXPECT_EQ(s.host->GetChunkIDFromIndex(0, &id), AAX_SUCCESS);
    EXPECT_EQ(id, kChunkId);
    EXPECT_EQ(id, ChunkIdOf(s.instance->StaticInfo()));
    for (std::int32_t index : {1, -1, 2}) {
        id = 77;
        EXPECT_EQ(s.host->GetChunkIDFromIndex(index, &id), AAX_ERROR_INVALID_CHUNK_INDEX) << index;
        EXPECT_EQ(id, 77u) << "nothing written";
    }

    std::uint32_t size = 99;
    EXPECT_EQ(s.host->GetChunkSize(kBaseId, &size), AAX_ERROR_INVALID_CHUNK_ID);
    EXPECT_EQ(size, 99u);
    HostChunk chunk(16);
    EXPECT_EQ(s.host->GetChunk(kChunkId + 1, chunk.Get()), AAX_ERROR_INVALID_CHUNK_ID);
    HostChunk valid = ChunkOf(Blob(kFormatId, kStateVersion, 0, {}));
    EXPECT_EQ(s.host->SetChunk(kBaseId, valid.Get()), AAX_ERROR_INVALID_CHUNK_ID);
    EXPECT_TRUE(s.Calls().empty()) << "the core is not asked about other chunks";
}

TEST(StateChunks, SavedChunkCarriesTheFieldsNameAndHeaderAndLoadsAndResavesIdentically) {
    ChunkScenario s;
    const Bytes state = Pattern(300);
    s.SetState(state);
    HostChunk chunk(0);
    ASSERT_EQ(s.Save(chunk), AAX_SUCCESS);
    EXPECT_TRUE(chunk.GuardIntact());

    const AAX_SPlugInChunk& c = *chunk.Get();
    EXPECT_EQ(c.fSize, 312);
    EXPECT_EQ(c.fVersion, 9020);
    EXPECT_EQ(c.fManufacturerID, kManufacturer);
    EXPECT_EQ(c.fProductID, kBaseId);
    EXPECT_EQ(c.fPlugInID, kBaseId) << "the product ID again";
    EXPECT_EQ(c.fChunkID, kChunkId);
    EXPECT_EQ(c.fName[0], 23);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(c.fName + 1), 23), "Vovuvoza Vivizaro State");
    for (std::size_t i = 24; i < 32; ++i) EXPECT_EQ(c.fName[i], 0) << "name byte " << i;

    const Bytes data = chunk.Data();
    EXPECT_EQ(Bytes(data.begin(), data.begin() + 12), Blob(kFormatId, kStateVersion, 300, {}));
    EXPECT_EQ(Bytes(data.begin() + 12, data.end()), state);

    // Size query for GetChunkSize, then query and read for GetChunk.
    std::vector<StateRequest> requests = s.StateRequests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[3].operation, kStateRead);
    EXPECT_EQ(requests[3].size, 300u);

    // Loaded into a changed state, then saved again: the same bytes.
    s.SetState(Pattern(10, 9));
    s.Mark();
    ASSERT_EQ(s.Load(chunk), AAX_SUCCESS);
    requests = s.StateRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].operation, kStateLoad);
    EXPECT_EQ(requests[0].size, 300u);
    EXPECT_EQ(requests[0].stateVersion, kStateVersion);
    EXPECT_EQ(s.Core().LastLoaded(), state);
    EXPECT_EQ(s.Core().LastLoadedStateVersion(), kStateVersion);
    HostChunk resaved(0);
    ASSERT_EQ(s.Save(resaved), AAX_SUCCESS);
    EXPECT_EQ(resaved.bytes, chunk.bytes);
}

TEST(StateChunks, EmptyStateIsAHeaderAloneAndLoadsWithoutTheCore) {
    ChunkScenario s;
    s.SetState({});
    std::uint32_t size = 0;
    EXPECT_EQ(s.host->GetChunkSize(kChunkId, &size), AAX_SUCCESS);
    EXPECT_EQ(size, 12u);
    HostChunk chunk(0);
    ASSERT_EQ(s.Save(chunk), AAX_SUCCESS);
    EXPECT_EQ(chunk.Data(), Blob(kFormatId, kStateVersion, 0, {}));
    for (const StateRequest& request : s.StateRequests()) EXPECT_NE(request.operation, kStateRead);

    s.Mark();
    EXPECT_EQ(s.Load(chunk), AAX_SUCCESS);
    EXPECT_TRUE(s.Calls().empty());
}

// The header rules themselves are the parameters tests'; here each route reaches the
// core: the normal load gets the payload, the legacy load the whole blob.
TEST(StateChunks, OnlyACurrentHeaderWithExactlyItsPayloadTakesTheNormalLoad) {
    const Bytes payload = Pattern(40, 5);
    struct Case {
        const char* what;
        PluginFormat format;
        Bytes blob;
        bool normalLoad;
    };
    const Case cases[] = {
        {"current", kChunkFormat, Blob(kFormatId, kStateVersion, 40, payload), true},
        {"lower state version", kChunkFormat, Blob(kFormatId, kStateVersion - 1, 40, payload), false},
        {"newer state version", kChunkFormat, Blob(kFormatId, kStateVersion + 1, 40, payload), false},
        {"payload size claims more", kChunkFormat, Blob(kFormatId, kStateVersion, 41, payload), false},
        {"payload size claims less", kChunkFormat, Blob(kFormatId, kStateVersion, 39, payload), false},
        {"other format ID", kChunkFormat, Blob(kFormatId + 1, kStateVersion, 40, payload), false},
        {"older format ID, package 9020", kChunkFormat, Blob(9010, kStateVersion, 40, payload), false},
        {"older format ID, package 9010", kChunk9010Format, Blob(9000, kStateVersion, 40, payload), true},
        {"newer format ID, package 9010", kChunk9010Format, Blob(9020, kStateVersion, 40, payload), false},
    };
    for (const Case& c : cases) {
        ChunkScenario s(c.format);
        EXPECT_EQ(s.Load(c.blob), AAX_SUCCESS) << c.what;
        EXPECT_EQ(s.CallsOf(32).size(), c.normalLoad ? 1u : 0u) << c.what;
        const std::vector<TestCoreCall> legacy = s.CallsOf(33);
        ASSERT_EQ(legacy.size(), c.normalLoad ? 0u : 1u) << c.what;
        if (c.normalLoad) {
            EXPECT_EQ(s.Core().LastLoaded(), payload) << c.what;
        } else {
            EXPECT_EQ(legacy[0].As<LegacyStateLoad>().size, c.blob.size()) << c.what;
            EXPECT_EQ(s.Core().LastLegacy(), c.blob) << c.what << ": the header included";
        }
    }
}

TEST(StateChunks, LoadFailsWhenTheCoreRefusesEitherLoad) {
    ChunkScenario s;
    s.Core().SetLegacyLoadStatus(1);
    EXPECT_EQ(s.Load(Blob(kFormatId, 1, 3, Pattern(3))), AAX_ERROR_MALFORMED_CHUNK);
    s.Core().SetStateStatus(kStateLoad, 2);
    EXPECT_EQ(s.Load(Blob(kFormatId, kStateVersion, 3, Pattern(3))), AAX_ERROR_MALFORMED_CHUNK);
}

// The core answers state requests in the record: a core that returns, say, the number
// of bytes it wrote still saves, loads and compares.
TEST(StateChunks, TheCoresReturnValueIsNotItsAnswerTheStatusByteIs) {
    ChunkScenario s;
    s.Core().SetResult(32, 50);
    s.Core().SetResult(33, 62);
    const Bytes state = Pattern(50);
    s.SetState(state);
    HostChunk saved(0);
    ASSERT_EQ(s.Save(saved), AAX_SUCCESS);
    EXPECT_EQ(saved.Get()->fSize, 62);
    EXPECT_EQ(saved.Data(), Blob(kFormatId, kStateVersion, 50, state));
    AAX_CBoolean equal = 0;
    EXPECT_EQ(s.host->CompareActiveChunk(saved.Get(), &equal), AAX_SUCCESS);
    EXPECT_EQ(equal, 1);
    EXPECT_EQ(s.Load(saved), AAX_SUCCESS);
    EXPECT_EQ(s.Load(Blob(kFormatId, 1, 3, Pattern(3))), AAX_SUCCESS) << "the legacy load";
}

TEST(StateChunks, ChunksShorterThanTheirHeaderAreMalformedAndNeverReachTheCore) {
    ChunkScenario s;
    for (std::int32_t size : {0, 11, -1, -12, static_cast<std::int32_t>(0x80000000)}) {
        HostChunk chunk = ChunkOf(Pattern(11));
        chunk.Get()->fSize = size;
        EXPECT_EQ(s.Load(chunk), AAX_ERROR_MALFORMED_CHUNK) << size;
        AAX_CBoolean equal = 0;
        EXPECT_EQ(s.host->CompareActiveChunk(chunk.Get(), &equal), AAX_ERROR_MALFORMED_CHUNK) << size;
        EXPECT_EQ(equal, 1) << size;
    }
    EXPECT_TRUE(s.Calls().empty());
}

TEST(StateChunks, StateChangingSizeBetweenQueryAndReadIsMalformed) {
    for (std::int32_t silent : {0, 1}) {
        for (std::int32_t delta : {8, -8}) {
            ChunkScenario s;
            s.SetState(Pattern(64));
            s.Core().SetStateSizeChange(delta, silent);
            HostChunk chunk(0);
            EXPECT_EQ(s.Save(chunk), AAX_ERROR_MALFORMED_CHUNK) << delta << " silent " << silent;
            EXPECT_EQ(chunk.Get()->fChunkID, kChunkId) << "the fields stay written";
            EXPECT_TRUE(chunk.GuardIntact()) << delta << " silent " << silent;
        }
    }
}

TEST(StateChunks, GetChunkNeverWritesPastTheSizeReportedToTheHost) {
    ChunkScenario s;
    s.SetState(Pattern(4));
    std::uint32_t size = 0;
    ASSERT_EQ(s.host->GetChunkSize(kChunkId, &size), AAX_SUCCESS);
    ASSERT_EQ(size, 16u);
    HostChunk chunk(size);
    s.SetState(Pattern(200));  // the state grows before the host fetches it
    EXPECT_EQ(s.host->GetChunk(kChunkId, chunk.Get()), AAX_ERROR_MALFORMED_CHUNK);
    EXPECT_TRUE(chunk.GuardIntact());

    s.SetState(Pattern(2));  // a smaller state fits the room
    EXPECT_EQ(s.host->GetChunk(kChunkId, chunk.Get()), AAX_SUCCESS);
    EXPECT_EQ(chunk.Data(), Blob(kFormatId, kStateVersion, 2, Pattern(2)));
    EXPECT_TRUE(chunk.GuardIntact());

    // Another instance, of a host that never asked it for the size.
    Parameters* fresh = s.Make(kChunkFormat);
    ASSERT_EQ(s.Initialize(*fresh), AAX_SUCCESS);
    s.SetState(Pattern(100));
    HostChunk blind(0);
    EXPECT_EQ(s.Host(*fresh).Parameters()->GetChunk(kChunkId, blind.Get()), AAX_ERROR_MALFORMED_CHUNK);
    EXPECT_TRUE(blind.GuardIntact());
}

TEST(StateChunks, FailedSizeQueryReportsZeroAndTheChunkFails) {
    ChunkScenario s;
    s.SetState(Pattern(20));
    s.Core().SetStateStatus(kStateSizeQuery, 1);
    std::uint32_t size = 77;
    EXPECT_EQ(s.host->GetChunkSize(kChunkId, &size), AAX_SUCCESS);
    EXPECT_EQ(size, 0u);
    HostChunk chunk(size);
    EXPECT_EQ(s.host->GetChunk(kChunkId, chunk.Get()), AAX_ERROR_MALFORMED_CHUNK);
    EXPECT_TRUE(chunk.GuardIntact());

    s.Core().SetStateStatus(kStateSizeQuery, 0);
    s.Core().SetStateStatus(kStateRead, 1);
    HostChunk unread(0);
    EXPECT_EQ(s.Save(unread), AAX_ERROR_MALFORMED_CHUNK);
}

// The core compares the payload with the tolerance 1e-5; whatever the outcome, the flag
// is set when there is one.
TEST(StateChunks, CompareAsksTheCoreOnlyAboutAnAcceptedPayloadOfItsOwnChunk) {
    ChunkScenario s;
    const Bytes state = Pattern(50);
    s.SetState(state);
    HostChunk saved(0);
    ASSERT_EQ(s.Save(saved), AAX_SUCCESS);
    struct {
        const char* what;
        HostChunk chunk;
        bool flag;
        std::int32_t coreStatus;
        AAX_Result result;
        AAX_CBoolean equal;
        bool asked;
        Bytes handed;  // the bytes the core compares
    } cases[] = {
        {"saved", saved, true, 0, AAX_SUCCESS, 1, true, state},
        {"another payload", ChunkOf(Blob(kFormatId, kStateVersion, 50, Pattern(50, 2))), true, 0, AAX_SUCCESS, 0, true,
         Pattern(50, 2)},
        {"older state version", ChunkOf(Blob(kFormatId, 1, 50, state)), true, 0, AAX_SUCCESS, 1, true, state},
        {"rejected header", ChunkOf(Blob(kFormatId, 9, 50, state)), true, 0, AAX_SUCCESS, 0, true, {}},
        {"the core fails", saved, true, 1, AAX_ERROR_MALFORMED_CHUNK, 1, true, state},
        {"another chunk ID",
         ChunkOf(Blob(kFormatId, kStateVersion, 0, {}), kChunkId + 5),
         true,
         0,
         AAX_ERROR_INVALID_CHUNK_ID,
         1,
         false,
         {}},
        {"another chunk ID, no flag",
         ChunkOf(Blob(kFormatId, kStateVersion, 0, {}), kChunkId + 5),
         false,
         0,
         AAX_ERROR_INVALID_CHUNK_ID,
         0,
         false,
         {}},
        {"no flag", ChunkOf(Blob(kFormatId, kStateVersion, 0, {})), false, 0, AAX_ERROR_MALFORMED_CHUNK, 0, false, {}},
        {"payload size beyond the chunk",
         ChunkOf(Blob(kFormatId, kStateVersion, 0x7FFFFFFF, Pattern(8))),
         true,
         0,
         AAX_ERROR_MALFORMED_CHUNK,
         1,
         false,
         {}},
    };
    for (auto& c : cases) {
        s.Core().SetStateStatus(kStateCompare, c.coreStatus);
        s.Mark();
        AAX_CBoolean equal = 7;
        EXPECT_EQ(s.host->CompareActiveChunk(c.chunk.Get(), c.flag ? &equal : nullptr), c.result) << c.what;
        EXPECT_EQ(c.flag ? equal : 7, c.flag ? c.equal : 7) << c.what;
        const std::vector<TestCoreCall> calls = s.Calls();
        ASSERT_EQ(calls.size(), c.asked ? 1u : 0u) << c.what;
        if (!c.asked) continue;
        ASSERT_EQ(calls[0].info.selector, 32u) << c.what;
        const StateRequest request = calls[0].As<StateRequest>();
        EXPECT_EQ(request.operation, kStateCompare) << c.what;
        EXPECT_EQ(request.size, c.handed.size()) << c.what;
        EXPECT_EQ(calls[0].data, c.handed) << c.what;
        std::uint32_t toleranceBits = 0;
        std::memcpy(&toleranceBits, &request.tolerance, 4);
        EXPECT_EQ(toleranceBits, 0x3727C5ACu) << c.what;
    }
}

// Chunks from a damaged project file: whatever their header and size fields say, every
// size the core is handed lies within the bytes the chunk holds.
TEST(StateChunks, CorruptedChunksNeverReachTheCoreWithMoreThanTheirData) {
    ChunkScenario s(kChunk9010Format);  // the older format IDs are live too
    s.SetState(Pattern(48));
    HostChunk saved(0);
    ASSERT_EQ(s.Save(saved), AAX_SUCCESS);
    const Bytes original = saved.Data();

    std::mt19937 random(20240611u);
    auto below = [&random](std::uint32_t n) { return std::uniform_int_distribution<std::uint32_t>(0, n - 1)(random); };
    const std::uint32_t fieldValues[] =
        {0,          1,          11,         12,        36, 47, 48, 49, 60, 9000, 9010, kFormatId, kStateVersion,
         0x7FFFFFFF, 0x80000000, 0xFFFFFFF4, 0xFFFFFFFF};
    int loadsChecked = 0;
    for (int round = 0; round < 400; ++round) {
        Bytes data = original;
        // Cut or extend the data, then damage bytes and header fields.
        const std::uint32_t shape = below(4);
        if (shape == 0) data.resize(below(static_cast<std::uint32_t>(data.size()) + 1));
        if (shape == 1) data.resize(data.size() + below(40), static_cast<std::uint8_t>(below(256)));
        for (std::uint32_t flips = below(6); flips > 0 && !data.empty(); --flips)
            data[below(static_cast<std::uint32_t>(data.size()))] = static_cast<std::uint8_t>(below(256));
        for (std::uint32_t field = 0; field < 3; ++field)
            if (data.size() >= 4 * field + 4 && below(3) == 0)
                std::memcpy(data.data() + 4 * field, &fieldValues[below(sizeof fieldValues / 4)], 4);

        HostChunk chunk = ChunkOf(data);
        // Sometimes the size field itself lies, though never beyond the host's buffer.
        const std::int32_t sizeChoices[] = {-1, -12, static_cast<std::int32_t>(0x80000000),
                                            0,  11,  static_cast<std::int32_t>(data.size() / 2)};
        if (below(5) == 0) chunk.Get()->fSize = sizeChoices[below(6)];
        const std::int64_t held = std::max<std::int32_t>(chunk.Get()->fSize, 0);

        s.Mark();
        const AAX_Result loaded = s.Load(chunk);
        AAX_CBoolean equal = 7;
        const AAX_Result compared = s.host->CompareActiveChunk(chunk.Get(), &equal);
        EXPECT_TRUE(loaded == AAX_SUCCESS || loaded == AAX_ERROR_MALFORMED_CHUNK) << round;
        EXPECT_TRUE(compared == AAX_SUCCESS || compared == AAX_ERROR_MALFORMED_CHUNK) << round;
        EXPECT_TRUE(equal == 0 || equal == 1) << round;
        if (held < 12) {
            EXPECT_EQ(loaded, AAX_ERROR_MALFORMED_CHUNK) << round;
            EXPECT_TRUE(s.Calls().empty()) << round;
        }
        for (const TestCoreCall& call : s.Calls()) {
            if (call.info.selector == 32) {
                const StateRequest request = call.As<StateRequest>();
                EXPECT_LE(request.size, held - 12) << "round " << round << " operation " << request.operation;
                EXPECT_EQ(call.data.size(), request.size) << round;
                ++loadsChecked;
            } else if (call.info.selector == 33) {
                EXPECT_LE(call.As<LegacyStateLoad>().size, held) << round;
                EXPECT_EQ(call.data.size(), call.As<LegacyStateLoad>().size) << round;
                ++loadsChecked;
            }
        }
        EXPECT_TRUE(chunk.GuardIntact()) << round;
    }
    EXPECT_GT(loadsChecked, 300) << "most rounds reach the core";
    // The instance still saves its state afterwards.
    HostChunk after(0);
    EXPECT_EQ(s.Save(after), AAX_SUCCESS);
}

}  // namespace
