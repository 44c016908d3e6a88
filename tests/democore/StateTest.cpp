// The demo core's saved state through the module's chunk operations: a round trip into
// a fresh instance, the older layout without Invert, and blobs the core must refuse.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "aax/AAX_SPlugInChunk.h"
#include "support/DemoProduct.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kFormatId = 0x4C6D4453;  // the demo core's state format
constexpr std::uint32_t kMagic = 0x6D446D4C;

AAX_CTypeID ChunkId(AAX_IACFEffectParameters& parameters) {
    AAX_CTypeID id = 0;
    EXPECT_EQ(parameters.GetChunkIDFromIndex(0, &id), AAX_SUCCESS);
    return id;
}

// The chunk's data: the hook's 12-byte header and the core's bytes.
Bytes Save(AAX_IACFEffectParameters& parameters) {
    const AAX_CTypeID id = ChunkId(parameters);
    std::uint32_t size = 0;
    EXPECT_EQ(parameters.GetChunkSize(id, &size), AAX_SUCCESS);
    std::vector<char> buffer(sizeof(AAX_SPlugInChunk) + size);
    auto* chunk = reinterpret_cast<AAX_SPlugInChunk*>(buffer.data());
    EXPECT_EQ(parameters.GetChunk(id, chunk), AAX_SUCCESS);
    return Bytes(chunk->fData, chunk->fData + chunk->fSize);
}

std::vector<char> ChunkOf(AAX_IACFEffectParameters& parameters, const Bytes& data) {
    std::vector<char> buffer(sizeof(AAX_SPlugInChunk) + data.size());
    auto* chunk = reinterpret_cast<AAX_SPlugInChunk*>(buffer.data());
    chunk->fSize = static_cast<std::int32_t>(data.size());
    chunk->fChunkID = ChunkId(parameters);
    if (!data.empty()) std::memcpy(chunk->fData, data.data(), data.size());
    return buffer;
}

AAX_Result Load(AAX_IACFEffectParameters& parameters, const Bytes& data) {
    const std::vector<char> buffer = ChunkOf(parameters, data);
    return parameters.SetChunk(ChunkId(parameters), reinterpret_cast<const AAX_SPlugInChunk*>(buffer.data()));
}

bool Equal(AAX_IACFEffectParameters& parameters, const Bytes& data) {
    const std::vector<char> buffer = ChunkOf(parameters, data);
    AAX_CBoolean equal = 0;
    EXPECT_EQ(parameters.CompareActiveChunk(reinterpret_cast<const AAX_SPlugInChunk*>(buffer.data()), &equal),
              AAX_SUCCESS);
    return equal != 0;
}

template <typename T>
void Put(Bytes& bytes, T value) {
    static_assert(sizeof value == 4, "the state's fields are four bytes");
    const auto* p = reinterpret_cast<const std::uint8_t*>(&value);
    bytes.insert(bytes.end(), p, p + 4);
}

// A chunk's data as the hook writes it: header, then the payload.
Bytes Blob(std::uint32_t formatId, std::uint32_t version, const Bytes& payload) {
    Bytes data;
    Put(data, formatId);
    Put(data, version);
    Put(data, static_cast<std::uint32_t>(payload.size()));
    data.insert(data.end(), payload.begin(), payload.end());
    return data;
}

Bytes PayloadV2(float gain, float frequency, std::uint32_t mode, std::uint32_t invert) {
    Bytes payload;
    Put(payload, kMagic);
    Put(payload, gain);
    Put(payload, frequency);
    Put(payload, mode);
    Put(payload, invert);
    return payload;
}

TEST(DemoCoreState, RestoresIntoAFreshInstanceWithTheSameBytesAndTheSameSound) {
    DemoProduct product;
    RealtimeRig first(product.Effect("Stereo"));
    ASSERT_EQ(first.Instance().Automate("Gain", 0.25), AAX_SUCCESS);  // -12 dB
    ASSERT_EQ(first.Instance().Automate("Mode", 1.0), AAX_SUCCESS);   // Highpass
    ASSERT_EQ(first.Instance().Automate("Invert", 1.0), AAX_SUCCESS);
    const Bytes saved = Save(*first.Instance().Parameters());
    ASSERT_EQ(saved, Blob(kFormatId, 2, PayloadV2(-12.0f, 1000.0f, 2, 1)));

    RealtimeRig second(product.Effect("Stereo"));
    EXPECT_FALSE(Equal(*second.Instance().Parameters(), saved)) << "the fresh instance is at its defaults";
    ASSERT_EQ(Load(*second.Instance().Parameters(), saved), AAX_SUCCESS);
    EXPECT_TRUE(Equal(*second.Instance().Parameters(), saved));
    EXPECT_EQ(Save(*second.Instance().Parameters()), saved);
    // The host shows and automates the restored settings, not the defaults.
    for (const char* parameter : {"Gain", "Mode", "Invert", "Frequency"})
        EXPECT_DOUBLE_EQ(second.Instance().NormalizedValue(parameter), first.Instance().NormalizedValue(parameter))
            << parameter;
    const Signal input = Sine(2, 4096, 300.0);
    EXPECT_EQ(second.Render(input), first.Render(input));
}

TEST(DemoCoreState, LoadsTheOlderLayoutWithoutInvertAsInvertOff) {
    DemoProduct product;
    RealtimeRig rig(product.Effect("Stereo"));
    ASSERT_EQ(rig.Instance().Automate("Invert", 1.0), AAX_SUCCESS);
    Bytes payload;
    Put(payload, kMagic);
    Put(payload, 6.0f);
    Put(payload, 250.0f);
    Put(payload, std::uint32_t{1});
    ASSERT_EQ(Load(*rig.Instance().Parameters(), Blob(kFormatId, 1, payload)), AAX_SUCCESS);
    EXPECT_EQ(Save(*rig.Instance().Parameters()), Blob(kFormatId, 2, PayloadV2(6.0f, 250.0f, 1, 0)));
    EXPECT_DOUBLE_EQ(rig.Instance().NormalizedValue("Gain"), 0.625);  // +6 dB of -24..+24
    EXPECT_DOUBLE_EQ(rig.Instance().NormalizedValue("Invert"), 0.0);
}

// One case a rule: the blob's size, format ID and version, the payload's size and
// magic, and each value's range.
TEST(DemoCoreState, RefusedBlobsLeaveTheSettingsAsTheyWere) {
    Bytes missingPayload = Blob(kFormatId, 2, {});
    missingPayload[8] = 20;
    Bytes shortPayload = PayloadV2(1, 1000, 0, 0);
    shortPayload.pop_back();
    Bytes wrongMagic = PayloadV2(1, 1000, 0, 0);
    wrongMagic[0] ^= 1;
    const struct {
        const char* why;
        Bytes data;
    } cases[] = {
        {"header cut", Bytes{0x53, 0x44, 0x6D, 0x4C, 2, 0, 0}},
        {"another product's state", Blob(0x12345678, 2, PayloadV2(0, 1000, 0, 0))},
        {"header claiming a payload that is missing", missingPayload},
        {"newer version", Blob(kFormatId, 3, PayloadV2(0, 1000, 0, 0))},
        {"payload one byte short", Blob(kFormatId, 2, shortPayload)},
        {"older version with the current layout", Blob(kFormatId, 1, PayloadV2(0, 1000, 0, 0))},
        {"wrong magic", Blob(kFormatId, 2, wrongMagic)},
        {"NaN gain", Blob(kFormatId, 2, PayloadV2(std::numeric_limits<float>::quiet_NaN(), 1000, 0, 0))},
        {"frequency out of range", Blob(kFormatId, 2, PayloadV2(0, 5, 0, 0))},
        {"unknown mode", Blob(kFormatId, 2, PayloadV2(0, 1000, 3, 0))},
        {"invert not 0 or 1", Blob(kFormatId, 2, PayloadV2(0, 1000, 0, 2))},
    };
    DemoProduct product;
    RealtimeRig rig(product.Effect("Stereo"));
    ASSERT_EQ(rig.Instance().Automate("Gain", 0.75), AAX_SUCCESS);
    const Bytes before = Save(*rig.Instance().Parameters());
    for (const auto& c : cases) {
        EXPECT_EQ(Load(*rig.Instance().Parameters(), c.data), AAX_ERROR_MALFORMED_CHUNK) << c.why;
        EXPECT_EQ(Save(*rig.Instance().Parameters()), before) << c.why;
    }
}

}  // namespace
