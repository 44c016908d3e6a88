// The state header check and the routing of a loaded blob.

#include "parameters/StateHeaderCheck.h"

#include <cstring>

PackageVersion DecodePackageVersion(std::uint32_t value) noexcept {
    if (value < 10000) return PackageVersion{value / 1000 % 10, value / 100 % 10, value / 10 % 10};
    return PackageVersion{value / 10000 % 100, value / 100 % 100, value % 100};
}

CurrentStateFacts CurrentStateFactsOf(const CoreStaticInfo& info) noexcept {
    return CurrentStateFacts{info.StateFormatId(), info.StateVersion(), info.PackageVersion(),
                             info.LegacyStateMarker()};
}

namespace {

// Cores of package 9.0.0 and 9.0.1 that carry the marker still read the states their
// predecessors saved under the two older format IDs as their own.
bool AcceptsOlderFormatId(std::uint32_t storedFormatId, const CurrentStateFacts& current) noexcept {
    if (current.legacyStateMarker != kLegacyStateMarker) return false;
    const PackageVersion version = DecodePackageVersion(current.packageVersion);
    if (version.major != 9 || version.minor != 0 || version.patch > 1) return false;
    return storedFormatId == kLegacyStateFormatIdA || storedFormatId == kLegacyStateFormatIdB;
}

}  // namespace

StateHeaderVerdict CheckStateHeader(const StateHeader& stored, const CurrentStateFacts& current) noexcept {
    StateHeaderVerdict verdict;
    if (stored.formatId != current.formatId && !AcceptsOlderFormatId(stored.formatId, current)) return verdict;
    if (stored.stateVersion > current.stateVersion) return verdict;
    verdict.accepted = true;
    verdict.older = stored.stateVersion < current.stateVersion;
    verdict.payloadSize = stored.payloadSize;
    return verdict;
}

bool ReadStateHeader(const std::uint8_t* blob, std::size_t length, StateHeader& header) noexcept {
    if (blob == nullptr || length < kStateHeaderSize) return false;
    std::memcpy(&header, blob, kStateHeaderSize);  // little-endian, as the record is
    return true;
}

StateHeader CurrentStateHeader(const CurrentStateFacts& current, std::uint32_t payloadSize) noexcept {
    return StateHeader{current.formatId, current.stateVersion, payloadSize};
}

StateLoadRoute RouteStateLoad(std::size_t blobLength, const StateHeaderVerdict& verdict) noexcept {
    if (blobLength < kStateHeaderSize) return StateLoadRoute::kMalformed;
    const std::size_t payloadLength = blobLength - kStateHeaderSize;
    if (!verdict.accepted || verdict.older || verdict.payloadSize != payloadLength) return StateLoadRoute::kLegacyLoad;
    return payloadLength == 0 ? StateLoadRoute::kNothingToLoad : StateLoadRoute::kCoreLoad;
}

bool ComparePayloadFits(std::size_t blobLength, const StateHeaderVerdict& verdict) noexcept {
    if (blobLength < kStateHeaderSize) return false;
    return verdict.payloadSize <= blobLength - kStateHeaderSize;
}
