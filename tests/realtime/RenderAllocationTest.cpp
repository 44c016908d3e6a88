// After EffectInit the render path allocates nothing. This executable replaces the
// global allocation functions to count the allocations made on the thread that runs
// the process procedure while it does; the test core is a DLL with its own runtime, so
// its recording of each request is not counted.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <vector>

#include "../corelink/RenderScenario.h"

namespace {

thread_local bool tCounting = false;
std::atomic<std::uint64_t> gAllocations{0};

void* Allocate(std::size_t size) {
    if (tCounting) gAllocations.fetch_add(1);
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    throw std::bad_alloc();
}

// Counts the allocations of the calling thread while it lives.
class CountAllocations {
public:
    CountAllocations() {
        gAllocations.store(0);
        tCounting = true;
    }
    ~CountAllocations() { tCounting = false; }
    std::uint64_t Count() const { return gAllocations.load(); }
};

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

namespace {

TEST(RenderAllocation, CounterSeesAnAllocationOnTheCountingThread) {
    CountAllocations count;
    auto* probe = new std::vector<int>(100);
    delete probe;
    EXPECT_GE(count.Count(), 2u);
}

struct Shape {
    ChannelConfig config;
    AAX_EStemFormat stem;
    PluginFormat format;
    bool sideChain;
    bool engaged;
};

class RenderAllocationShapes : public ::testing::TestWithParam<Shape> {};

TEST_P(RenderAllocationShapes, ManyBlocksWithMidiTransportAndLatencyAllocateNothing) {
    const Shape& shape = GetParam();
    RenderScenario s;
    s.Core().SetLatency(64);
    Parameters* parameters = s.Make(shape.format, shape.config, shape.stem, shape.stem, shape.sideChain, 256);
    s.Core().SetBlockChannels(2, 1);
    if (shape.engaged) {
        ASSERT_EQ(s.Instances().Host(*parameters).Automate(parameters->BypassId().CStr(), 1.0), AAX_SUCCESS);
    }
    aaxhost::SimulatedTransport* transport = s.Instances().Host(*parameters).Transport();
    ASSERT_NE(transport, nullptr);
    transport->Update([](aaxhost::TransportState& t) {
        t.playing = true;
        t.tickPosition = 960000LL * 7;
    });
    if (aaxhost::SimulatedMIDINode* midi = s.Context().MIDINode(AAX_eContextField_MIDIIn)) {
        std::vector<AAX_CMidiPacket> packets;
        for (std::uint32_t i = 0; i < 300; ++i) packets.push_back(AAX_CMidiPacket{i % 256, 3, {0x90, 60, 100, 0}, 0});
        midi->SetPackets(packets);
    }
    // A latency change that grows the lines, published before the counted blocks: its
    // takeover happens inside them.
    parameters->SetLatency(0, 512);
    // The host's run of instances, built before counting (the simulator's own runner
    // builds it anew for every call).
    void* instances[1] = {const_cast<void**>(s.Context().Fields())};
    std::uint64_t allocations = 0;
    {
        CountAllocations count;
        for (int block = 0; block < 2000; ++block) {
            s.Context().SetBlockLength(block % 2 ? 256 : 97);
            ProcessInstances(instances, instances + 1);
        }
        allocations = count.Count();
    }
    EXPECT_EQ(allocations, 0u);
    EXPECT_EQ(parameters->BypassLines().Latency(), 512u);
    EXPECT_EQ(parameters->MidiQueueOverflows(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, RenderAllocationShapes,
    ::testing::Values(Shape{kChannelConfigStereo, AAX_eStemFormat_Stereo, kRenderMidiFormat, true, false},
                      Shape{kChannelConfig5_1, AAX_eStemFormat_5_1, kRenderPlainFormat, false, false},
                      Shape{kChannelConfig7_1_2, AAX_eStemFormat_7_1_2, kRenderMidiFormat, false, false},
                      Shape{kChannelConfigStereo, AAX_eStemFormat_Stereo, kRenderPlainFormat, false, true}));

}  // namespace
