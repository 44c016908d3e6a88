#pragma once
// ProcessResources: what a module takes from the process that loads it and must give
// back when it is unloaded: TLS slots (a process has 1088, and a load that finds none
// left dies), handles, threads and committed private memory. [any-thread], but meant
// for a quiet moment: other threads that
// take or give back resources meanwhile show up in the counts.

#include <cstddef>
#include <string>

namespace aaxhost {

struct ProcessResources {
    int freeTlsSlots = 0;  // allocated until none is left, then freed again
    int handles = 0;
    int threads = 0;
    std::size_t privateBytes = 0;  // committed private memory: heaps, stacks, VirtualAlloc

    static ProcessResources Now();
    // The least of three counts 20 ms apart (the most free TLS slots), each kind on its
    // own: what other threads hold for a moment drops out, a leak stays.
    static ProcessResources Settled();
};

// What grew from `before` to `after` beyond the slack allocation and page granularity
// leave (none for TLS slots and threads, `handleSlack` handles, `byteSlack` bytes),
// e.g. "3 TLS slots lost, 12 handles more, 786432 bytes more committed"; empty when
// nothing did.
std::string DescribeGrowth(const ProcessResources& before, const ProcessResources& after, int handleSlack,
                           std::size_t byteSlack);

// "1084 free TLS slots, 23 handles, 3 threads, 6295552 private bytes"
std::string DescribeResources(const ProcessResources& resources);

}  // namespace aaxhost
