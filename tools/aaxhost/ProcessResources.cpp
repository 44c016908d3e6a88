#include "aaxhost/ProcessResources.h"

#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace aaxhost {

namespace {

int FreeTlsSlots() {
    std::vector<DWORD> taken;
    taken.reserve(1100);
    for (DWORD slot = TlsAlloc(); slot != TLS_OUT_OF_INDEXES; slot = TlsAlloc()) taken.push_back(slot);
    for (DWORD slot : taken) TlsFree(slot);
    return static_cast<int>(taken.size());
}

// Every handle value the process can query. Windows and Wine hand out multiples of 4,
// lowest free first, so the values in use lie close together: a run of 1024 free ones
// ends them (and each query is a round trip to the server under Wine).
int HandleCount() {
    constexpr int kFreeRunEnd = 1024;
    int count = 0;
    int freeRun = 0;
    for (std::uintptr_t value = 4; value < 0x10000 && freeRun < kFreeRunEnd; value += 4) {
        DWORD flags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) {
            ++count;
            freeRun = 0;
        } else {
            ++freeRun;
        }
    }
    return count;
}

std::size_t CommittedPrivateBytes() {
    std::size_t total = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (const char* at = nullptr; VirtualQuery(at, &region, sizeof region) == sizeof region;
         at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
    }
    return total;
}

int ThreadCount() {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
    CloseHandle(snapshot);
    return count;
}

}  // namespace

ProcessResources ProcessResources::Now() {
    ProcessResources now;
    now.freeTlsSlots = FreeTlsSlots();
    now.handles = HandleCount();
    now.threads = ThreadCount();
    now.privateBytes = CommittedPrivateBytes();
    return now;
}

ProcessResources ProcessResources::Settled() {
    ProcessResources least = Now();
    for (int sample = 1; sample < 3; ++sample) {
        Sleep(20);
        const ProcessResources now = Now();
        least.freeTlsSlots = std::max(least.freeTlsSlots, now.freeTlsSlots);
        least.handles = std::min(least.handles, now.handles);
        least.threads = std::min(least.threads, now.threads);
        least.privateBytes = std::min(least.privateBytes, now.privateBytes);
    }
    return least;
}

std::string DescribeGrowth(const ProcessResources& before, const ProcessResources& after, int handleSlack,
                           std::size_t byteSlack) {
    std::string text;
    const auto add = [&](const std::string& part) { text += (text.empty() ? "" : ", ") + part; };
    if (after.freeTlsSlots < before.freeTlsSlots)
        add(std::to_string(before.freeTlsSlots - after.freeTlsSlots) + " TLS slots lost");
    if (after.handles > before.handles + handleSlack)
        add(std::to_string(after.handles - before.handles) + " handles more");
    if (after.threads > before.threads) add(std::to_string(after.threads - before.threads) + " threads more");
    if (after.privateBytes > before.privateBytes + byteSlack)
        add(std::to_string(after.privateBytes - before.privateBytes) + " bytes more committed");
    return text;
}

std::string DescribeResources(const ProcessResources& resources) {
    return std::to_string(resources.freeTlsSlots) + " free TLS slots, " + std::to_string(resources.handles) +
           " handles, " + std::to_string(resources.threads) + " threads, " + std::to_string(resources.privateBytes) +
           " private bytes";
}

}  // namespace aaxhost
