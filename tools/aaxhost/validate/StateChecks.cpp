// The validator's "state" checks, over every chunk of an instance of every effect: a
// saved state restores to the same values and saves again to the same bytes, in the
// same instance and in a fresh one; broken chunks are refused and change nothing; and
// CompareActiveChunk agrees with what was restored.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "aax/AAX_SPlugInChunk.h"
#include "aaxhost/EffectInstance.h"
#include "aaxhost/validate/CheckText.h"
#include "aaxhost/validate/ParameterSurvey.h"
#include "aaxhost/validate/ValidationGroups.h"

namespace aaxhost::validate {

namespace {

constexpr std::size_t kHeaderSize = offsetof(AAX_SPlugInChunk, fData);

// A chunk as the host keeps it: the header fields and fSize bytes of data, in one
// buffer at least sizeof(AAX_SPlugInChunk) long.
class ChunkBuffer {
public:
    explicit ChunkBuffer(std::size_t dataSize) : bytes_(std::max(kHeaderSize + dataSize, sizeof(AAX_SPlugInChunk))) {
        Chunk()->fSize = static_cast<std::int32_t>(dataSize);
    }
    AAX_SPlugInChunk* Chunk() { return reinterpret_cast<AAX_SPlugInChunk*>(bytes_.data()); }
    const AAX_SPlugInChunk* Chunk() const { return reinterpret_cast<const AAX_SPlugInChunk*>(bytes_.data()); }
    std::size_t DataSize() const { return static_cast<std::size_t>(std::max(Chunk()->fSize, 0)); }
    // The header and the data, as saved.
    std::vector<unsigned char> Saved() const {
        return std::vector<unsigned char>(bytes_.begin(),
                                          bytes_.begin() + static_cast<std::ptrdiff_t>(kHeaderSize + DataSize()));
    }

private:
    std::vector<unsigned char> bytes_;
};

struct StateInstance {
    std::string where;
    std::unique_ptr<EffectInstance> instance;
    std::vector<ParameterInfo> parameters;
    AAX_IACFEffectParameters& Parameters() const { return *instance->Parameters(); }
};

StateInstance Open(const EffectDescription& effect) {
    StateInstance state{"effect " + Quote(effect.identifier), CreateEffectInstance(effect), {}};
    Expect(state.instance != nullptr, state.where + " made no effect parameters object");
    const AAX_Result initialized = state.instance->Initialize();
    Expect(initialized == AAX_SUCCESS, state.where + ": Initialize returned " + ResultText(initialized));
    state.parameters = SurveyParameters(state.Parameters());
    return state;
}

std::vector<AAX_CTypeID> ChunkIds(const StateInstance& state) {
    std::int32_t count = 0;
    const AAX_Result counted = state.Parameters().GetNumberOfChunks(&count);
    Expect(counted == AAX_SUCCESS && count >= 0, state.where + ": GetNumberOfChunks returned " + ResultText(counted));
    std::vector<AAX_CTypeID> ids;
    for (std::int32_t index = 0; index < count; ++index) {
        AAX_CTypeID id = 0;
        const AAX_Result result = state.Parameters().GetChunkIDFromIndex(index, &id);
        Expect(result == AAX_SUCCESS,
               state.where + ": GetChunkIDFromIndex(" + std::to_string(index) + ") returned " + ResultText(result));
        ids.push_back(id);
    }
    return ids;
}

ChunkBuffer Save(const StateInstance& state, AAX_CTypeID id) {
    const std::string what = state.where + " chunk " + Hex(id);
    std::uint32_t size = 0;
    const AAX_Result sized = state.Parameters().GetChunkSize(id, &size);
    Expect(sized == AAX_SUCCESS, what + ": GetChunkSize returned " + ResultText(sized));
    Expect(size < (1u << 30), what + ": GetChunkSize gives " + std::to_string(size) + " bytes");
    ChunkBuffer buffer(size);
    const AAX_Result got = state.Parameters().GetChunk(id, buffer.Chunk());
    Expect(got == AAX_SUCCESS, what + ": GetChunk returned " + ResultText(got));
    Expect(buffer.Chunk()->fSize >= 0 && static_cast<std::uint32_t>(buffer.Chunk()->fSize) <= size,
           what + ": GetChunk wrote fSize " + std::to_string(buffer.Chunk()->fSize) + " into a chunk of " +
               std::to_string(size) + " bytes");
    return buffer;
}

AAX_Result Restore(const StateInstance& state, AAX_CTypeID id, const ChunkBuffer& chunk) {
    return state.Parameters().SetChunk(id, chunk.Chunk());
}

std::string FirstByteDifference(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b) {
    if (a == b) return {};
    if (a.size() != b.size()) return std::to_string(a.size()) + " bytes then " + std::to_string(b.size()) + " bytes";
    const auto mismatch = std::mismatch(a.begin(), a.end(), b.begin());
    const std::size_t at = static_cast<std::size_t>(mismatch.first - a.begin());
    return "byte " + std::to_string(at) + " (" +
           (at < kHeaderSize ? "chunk header" : "data byte " + std::to_string(at - kHeaderSize)) + ") was " +
           Hex(*mismatch.first) + ", now " + Hex(*mismatch.second);
}

// Runs `body` for every chunk of a fresh instance of every effect; how many chunks.
template <class Body>
int ForEveryChunk(Validation& validation, const Body& body) {
    int chunks = 0;
    for (const EffectDescription& effect : validation.Package().effects) {
        const StateInstance state = Open(effect);
        for (const AAX_CTypeID id : ChunkIds(state)) {
            body(effect, state, id,
                 state.where + " chunk " + Hex(id) + " (seed " + std::to_string(validation.GetOptions().seed) + ")");
            ++chunks;
        }
    }
    return chunks;
}

std::string CheckRoundTrip(Validation& validation) {
    auto& random = validation.Random();
    const int rounds = validation.Scaled(2, 10);
    const int chunks = ForEveryChunk(validation, [&](const EffectDescription&, const StateInstance& state,
                                                     AAX_CTypeID id, const std::string& where) {
        for (int round = 1; round <= rounds; ++round) {
            const std::string at = where + " round " + std::to_string(round);
            RandomizeParameters(state.Parameters(), state.parameters, random);
            const std::vector<double> saved = StateValues(state.Parameters(), state.parameters);
            const ChunkBuffer first = Save(state, id);
            RandomizeParameters(state.Parameters(), state.parameters, random);
            const AAX_Result restored = Restore(state, id, first);
            Expect(restored == AAX_SUCCESS, at + ": SetChunk of the state just saved returned " + ResultText(restored));
            const std::string values =
                FirstValueDifference(state.parameters, saved, StateValues(state.Parameters(), state.parameters));
            Expect(values.empty(), at + ": after save, randomise and restore, " + values);
            const ChunkBuffer second = Save(state, id);
            const std::string bytes = FirstByteDifference(first.Saved(), second.Saved());
            Expect(bytes.empty(), at + ": the state saved again after restoring differs: " + bytes);
        }
    });
    Expect(chunks > 0, "no effect offers a chunk");
    return std::to_string(chunks) + " chunks, " + std::to_string(rounds) +
           " rounds each: save, randomise, restore, the same values and the same bytes again";
}

std::string CheckFreshInstance(Validation& validation) {
    auto& random = validation.Random();
    const int chunks = ForEveryChunk(validation, [&](const EffectDescription& effect, const StateInstance& state,
                                                     AAX_CTypeID id, const std::string& where) {
        RandomizeParameters(state.Parameters(), state.parameters, random);
        const ChunkBuffer chunk = Save(state, id);
        // What the saving instance itself makes of the chunk is the reference: whether
        // that is faithful is state/round-trip's question, this one's is whether a new
        // instance makes the same of it.
        RandomizeParameters(state.Parameters(), state.parameters, random);
        const AAX_Result own = Restore(state, id, chunk);
        Expect(own == AAX_SUCCESS, where + ": SetChunk of the state just saved returned " + ResultText(own));
        const std::vector<double> expected = StateValues(state.Parameters(), state.parameters);
        const StateInstance fresh = Open(effect);
        const AAX_Result restored = Restore(fresh, id, chunk);
        Expect(restored == AAX_SUCCESS, where + ": a fresh instance's SetChunk returned " + ResultText(restored));
        const std::string values =
            FirstValueDifference(state.parameters, expected, StateValues(fresh.Parameters(), fresh.parameters));
        Expect(values.empty(),
               where + ": restored into a fresh instance, " + values + " (as the saving instance restores it)");
        const std::string bytes = FirstByteDifference(Save(state, id).Saved(), Save(fresh, id).Saved());
        Expect(bytes.empty(), where + ": the fresh instance saves the restored state differently: " + bytes);
    });
    Expect(chunks > 0, "no effect offers a chunk");
    return std::to_string(chunks) +
           " chunks restored into fresh instances with the values and bytes the saving "
           "instance restores";
}

// A broken chunk the instance must refuse (or, for a bit flip that leaves a valid
// state, may take); `id` is the chunk ID it is handed under.
struct BadChunk {
    std::string name;
    AAX_CTypeID id;
    ChunkBuffer chunk;
    bool mayBeTaken = false;
};

ChunkBuffer CopyOf(const ChunkBuffer& good, std::size_t dataSize) {
    ChunkBuffer copy(dataSize);
    std::memcpy(copy.Chunk(), good.Chunk(), kHeaderSize + std::min(dataSize, good.DataSize()));
    copy.Chunk()->fSize = static_cast<std::int32_t>(dataSize);
    return copy;
}

// The index-th corrupted copy of `good`: truncated, bit-flipped, under a wrong ID, or
// with wrong sizes (fSize or the state's own size field), in turn.
BadChunk Corrupted(const ChunkBuffer& good, AAX_CTypeID id, int index, std::mt19937_64& random) {
    const std::size_t goodSize = good.DataSize();
    const auto below = [&](std::size_t limit) {
        return limit == 0 ? std::size_t{0} : std::uniform_int_distribution<std::size_t>(0, limit - 1)(random);
    };
    switch (index % 4) {
    case 0: {
        const std::size_t size = below(goodSize);
        return {"the saved chunk cut to " + std::to_string(size) + " of " + std::to_string(goodSize) + " bytes", id,
                CopyOf(good, size)};
    }
    case 1: {
        ChunkBuffer flipped = CopyOf(good, goodSize);
        const int flips = std::uniform_int_distribution<int>(1, 3)(random);
        std::string where;
        for (int f = 0; f < flips && goodSize > 0; ++f) {
            const std::size_t byte = below(goodSize);
            const int bit = std::uniform_int_distribution<int>(0, 7)(random);
            flipped.Chunk()->fData[byte] = static_cast<char>(flipped.Chunk()->fData[byte] ^ (1 << bit));
            where += (where.empty() ? "" : ", ") + std::to_string(byte) + "." + std::to_string(bit);
        }
        return {"the saved chunk with bits flipped at data byte.bit " + where, id, std::move(flipped), true};
    }
    case 2: {
        AAX_CTypeID wrong = id;
        while (wrong == id) wrong = static_cast<AAX_CTypeID>(random());
        ChunkBuffer copy = CopyOf(good, goodSize);
        copy.Chunk()->fChunkID = wrong;
        return {"the saved chunk under chunk ID " + Hex(wrong), wrong, std::move(copy)};
    }
    default: {
        // fSize below zero, or more bytes than the state holds; or the state's own size
        // field (the hook's header's third word, when there is one) off.
        const int variant = index / 4 % 4;
        if (variant == 0) {
            ChunkBuffer negative = CopyOf(good, goodSize);
            const std::int32_t size = -1 - static_cast<std::int32_t>(below(0x7FFFFFFF));
            negative.Chunk()->fSize = size;
            return {"the saved chunk with fSize " + std::to_string(size), id, std::move(negative)};
        }
        if (variant == 1) {
            const std::size_t extra = 1 + below(64);
            ChunkBuffer longer = CopyOf(good, goodSize + extra);
            for (std::size_t b = goodSize; b < goodSize + extra; ++b)
                longer.Chunk()->fData[b] = static_cast<char>(below(256));
            return {"the saved chunk with " + std::to_string(extra) + " bytes of noise after it", id,
                    std::move(longer)};
        }
        ChunkBuffer resized = CopyOf(good, goodSize);
        if (goodSize >= 12) {
            std::uint32_t field = 0;
            std::memcpy(&field, resized.Chunk()->fData + 8, 4);
            const std::uint32_t wrong = variant == 2 ? field + 1 + static_cast<std::uint32_t>(below(1u << 20))
                                                     : static_cast<std::uint32_t>(random()) | 0x80000000u;
            std::memcpy(resized.Chunk()->fData + 8, &wrong, 4);
            return {"the saved chunk whose state claims " + std::to_string(wrong) + " bytes", id, std::move(resized)};
        }
        return {"the saved chunk cut to 0 bytes", id, CopyOf(good, 0)};
    }
    }
}

// Every value a parameter can hold lies in 0..1.
std::string OutOfRange(const std::vector<ParameterInfo>& infos, const std::vector<double>& values) {
    for (std::size_t i = 0; i < values.size() && i < infos.size(); ++i)
        if (!(values[i] >= 0.0 && values[i] <= 1.0))
            return "parameter " + Quote(infos[i].id) + " is " + std::to_string(values[i]);
    return {};
}

std::string CheckBadChunks(Validation& validation) {
    auto& random = validation.Random();
    const ValidationCounts& counts = validation.Counts();
    int refused = 0, taken = 0, chunks = 0;
    ForEveryChunk(validation, [&](const EffectDescription&, const StateInstance& state, AAX_CTypeID id,
                                  const std::string& where) {
        ++chunks;
        RandomizeParameters(state.Parameters(), state.parameters, random);
        const ChunkBuffer good = Save(state, id);
        // The values as the good chunk restores them (whether that is faithful is
        // state/round-trip's question): every refusal must leave them so.
        Restore(state, id, good);
        const std::vector<double> before = StateValues(state.Parameters(), state.parameters);
        std::vector<BadChunk> bad;
        bad.push_back({"an empty chunk", id, ChunkBuffer(0)});
        bad.back().chunk.Chunk()->fChunkID = id;
        for (int i = 0; i < counts.largeChunks; ++i) {
            const std::size_t size = static_cast<std::size_t>(counts.largeChunkBytes);
            ChunkBuffer noise = CopyOf(good, size);
            for (std::size_t b = 0; b < size; b += 8) {
                const std::uint64_t bits = random();
                std::memcpy(noise.Chunk()->fData + b, &bits, std::min<std::size_t>(8, size - b));
            }
            bad.push_back({"a chunk of " + std::to_string(size) + " random bytes", id, std::move(noise)});
        }
        for (int i = 0; i < counts.corruptChunks; ++i) bad.push_back(Corrupted(good, id, i, random));

        for (const BadChunk& chunk : bad) {
            const AAX_Result result = state.Parameters().SetChunk(chunk.id, chunk.chunk.Chunk());
            const std::vector<double> now = StateValues(state.Parameters(), state.parameters);
            if (result == AAX_SUCCESS) {
                Expect(chunk.mayBeTaken, where + ": SetChunk accepted " + chunk.name);
                // A flip the state's own checks cannot see: the values must still be values.
                const std::string range = OutOfRange(state.parameters, now);
                Expect(range.empty(), where + ": SetChunk accepted " + chunk.name + " and now " + range);
                Save(state, id);
                const AAX_Result back = Restore(state, id, good);
                Expect(back == AAX_SUCCESS,
                       where + ": SetChunk of the good chunk after " + chunk.name + " returned " + ResultText(back));
                ++taken;
            } else {
                const std::string changed = FirstValueDifference(state.parameters, before, now);
                Expect(changed.empty(), where + ": refusing " + chunk.name + " changed the instance: " + changed);
                ++refused;
            }
            AAX_CBoolean equal = 0;
            state.Parameters().CompareActiveChunk(chunk.chunk.Chunk(), &equal);  // must not crash; any answer
        }
    });
    Expect(chunks > 0, "no effect offers a chunk");
    return std::to_string(chunks) + " chunks, each offered an empty chunk, " + std::to_string(counts.largeChunks) +
           " random chunks of " + std::to_string(counts.largeChunkBytes) + " bytes and " +
           std::to_string(counts.corruptChunks) +
           " corrupted copies (truncated, bit-flipped, wrong ID, wrong sizes): " + std::to_string(refused) +
           " refused with the values unchanged, " + std::to_string(taken) + " bit flips taken as a valid state (seed " +
           std::to_string(validation.GetOptions().seed) + ")";
}

std::string CheckCompare(Validation& validation) {
    auto& random = validation.Random();
    int compared = 0;
    ForEveryChunk(validation, [&](const EffectDescription&, const StateInstance& state, AAX_CTypeID id,
                                  const std::string& where) {
        RandomizeParameters(state.Parameters(), state.parameters, random);
        const ChunkBuffer chunk = Save(state, id);
        RandomizeParameters(state.Parameters(), state.parameters, random);
        const AAX_Result restored = Restore(state, id, chunk);
        Expect(restored == AAX_SUCCESS, where + ": SetChunk returned " + ResultText(restored));
        AAX_CBoolean equal = 0;
        AAX_Result result = state.Parameters().CompareActiveChunk(chunk.Chunk(), &equal);
        Expect(result == AAX_SUCCESS,
               where + ": CompareActiveChunk right after restoring returned " + ResultText(result));
        Expect(equal != 0, where + ": CompareActiveChunk says the state just restored differs");
        for (const ParameterInfo& info : state.parameters) {
            if (info.masterBypass) continue;
            const double now = CurrentValue(state.Parameters(), info);
            const double other = info.Discrete() ? (now < 0.5 ? 1.0 : 0.0) : (now < 0.5 ? now + 0.4 : now - 0.4);
            const AAX_Result set = state.instance->SetParameter(info.id.c_str(), other);
            Expect(set == AAX_SUCCESS,
                   where + ": SetParameterNormalizedValue(" + Quote(info.id) + ") returned " + ResultText(set));
            result = state.Parameters().CompareActiveChunk(chunk.Chunk(), &equal);
            Expect(result == AAX_SUCCESS,
                   where + ": CompareActiveChunk after changing " + Quote(info.id) + " returned " + ResultText(result));
            Expect(equal == 0, where + ": CompareActiveChunk says equal after " + Quote(info.id) + " changed from " +
                                   std::to_string(now) + " to " + std::to_string(other));
            state.instance->SetParameter(info.id.c_str(), now);
            ++compared;
        }
    });
    return std::to_string(compared) +
           " parameter changes each seen by CompareActiveChunk, which says equal right "
           "after a restore";
}

}  // namespace

void RunStateChecks(Validation& validation) {
    const bool registered = validation.Registered();
    struct Check {
        const char* name;
        std::string (*body)(Validation&);
    };
    const Check checks[] = {
        {"round-trip", CheckRoundTrip},
        {"fresh-instance", CheckFreshInstance},
        {"bad-chunks", CheckBadChunks},
        {"compare", CheckCompare},
    };
    // A module that saves no chunk leaves its state to the host: nothing to check.
    bool chunks = true;
    if (registered) {
        try {
            chunks = false;
            for (const EffectDescription& effect : validation.Package().effects)
                chunks = chunks || !ChunkIds(Open(effect)).empty();
        } catch (const std::exception&) {
            chunks = true;  // the checks themselves report the refusal
        }
    }
    for (const Check& check : checks) {
        if (!registered)
            validation.Skip("state", check.name, "the module did not register");
        else if (!chunks)
            validation.Skip("state", check.name, "no effect offers a chunk (GetNumberOfChunks gives 0)");
        else
            validation.Run("state", check.name, [&] { return check.body(validation); });
    }
}

}  // namespace aaxhost::validate
