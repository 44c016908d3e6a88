// The state header check, the package-version decoding and where a loaded blob goes.

#include <gtest/gtest.h>

#include <vector>

#include "parameters/StateHeaderCheck.h"

namespace {

TEST(PackageVersionDecoding, BothEncodingsGiveMajorMinorPatch) {
    // 9005: the build digit is ignored; 1234567: above six digits only the lower two of major count.
    const struct {
        std::uint32_t value, major, minor, patch;
    } cases[] = {
        {9010, 9, 0, 1},       {90001, 9, 0, 1},         {9000, 9, 0, 0},  {9005, 9, 0, 0},
        {9020, 9, 0, 2},       {90002, 9, 0, 2},         {9100, 9, 1, 0},  {90100, 9, 1, 0},
        {0, 0, 0, 0},          {9999, 9, 9, 9},          {10000, 1, 0, 0}, {123456, 12, 34, 56},
        {1234567, 23, 45, 67}, {0xFFFFFFFF, 96, 72, 95},
    };
    for (const auto& c : cases) {
        const PackageVersion v = DecodePackageVersion(c.value);
        EXPECT_EQ(v.major, c.major) << c.value;
        EXPECT_EQ(v.minor, c.minor) << c.value;
        EXPECT_EQ(v.patch, c.patch) << c.value;
    }
}

constexpr std::uint32_t kFormat = 4242;

CurrentStateFacts Facts(std::uint32_t packageVersion, std::uint8_t marker, std::uint32_t stateVersion = 5) {
    return CurrentStateFacts{kFormat, stateVersion, packageVersion, marker};
}

TEST(StateHeaderCheck, CurrentFormatIdAcceptedUnlessTheStateVersionIsNewer) {
    struct Case {
        std::uint32_t storedVersion;
        bool accepted, older;
    };
    const Case cases[] = {{5, true, false},
                          {4, true, true},
                          {0, true, true},
                          {6, false, false},
                          {0xFFFFFFFF, false, false}};  // unsigned: never "older"
    for (const Case& c : cases) {
        const StateHeaderVerdict v = CheckStateHeader(StateHeader{kFormat, c.storedVersion, 77}, Facts(9020, 0));
        EXPECT_EQ(v.accepted, c.accepted) << c.storedVersion;
        EXPECT_EQ(v.older, c.older) << c.storedVersion;
        EXPECT_EQ(v.payloadSize, c.accepted ? 77u : 0u) << c.storedVersion;
    }
}

TEST(StateHeaderCheck, OlderFormatIdsNeedTheMarkerAndPackageNineZeroZeroOrOne) {
    struct Case {
        std::uint32_t storedFormat;
        std::uint32_t packageVersion;
        std::uint8_t marker;
        bool accepted;
    };
    const Case cases[] = {
        {9000, 9010, 0x4F, true},  {9010, 9010, 0x4F, true},  {9010, 90001, 0x4F, true},  {9000, 9000, 0x4F, true},
        {9000, 90000, 0x4F, true}, {9010, 9020, 0x4F, false}, {9010, 90002, 0x4F, false}, {9010, 9110, 0x4F, false},
        {9010, 8010, 0x4F, false}, {9010, 9010, 0x00, false}, {9010, 9010, 'o', false},   {9001, 9010, 0x4F, false},
        {9020, 9010, 0x4F, false}, {0, 9010, 0x4F, false},
    };
    for (const Case& c : cases) {
        const StateHeaderVerdict v =
            CheckStateHeader(StateHeader{c.storedFormat, 5, 3}, Facts(c.packageVersion, c.marker));
        EXPECT_EQ(v.accepted, c.accepted)
            << c.storedFormat << " package " << c.packageVersion << " marker " << int(c.marker);
    }
    // An accepted older format ID still obeys the state-version rules.
    EXPECT_FALSE(CheckStateHeader(StateHeader{9000, 6, 3}, Facts(9010, 0x4F)).accepted);
    EXPECT_TRUE(CheckStateHeader(StateHeader{9000, 4, 3}, Facts(9010, 0x4F)).older);
}

TEST(StateHeaderCheck, HeaderIsReadOnlyFromBlobsThatHoldOne) {
    const std::vector<std::uint8_t> blob = {1, 0, 0, 0, 2, 0, 0, 0, 3, 1, 0, 0, 0xEE};
    StateHeader header{9, 9, 9};
    EXPECT_FALSE(ReadStateHeader(blob.data(), 11, header));
    EXPECT_FALSE(ReadStateHeader(nullptr, 12, header));
    EXPECT_EQ(header.formatId, 9u) << "untouched";
    ASSERT_TRUE(ReadStateHeader(blob.data(), blob.size(), header));
    EXPECT_EQ(header.formatId, 1u);
    EXPECT_EQ(header.stateVersion, 2u);
    EXPECT_EQ(header.payloadSize, 0x103u) << "little-endian";

    const StateHeader written = CurrentStateHeader(Facts(9020, 0), 40);
    EXPECT_EQ(written.formatId, kFormat);
    EXPECT_EQ(written.stateVersion, 5u);
    EXPECT_EQ(written.payloadSize, 40u);
}

TEST(StateLoadRouting, OnlyACurrentHeaderWithExactlyItsPayloadReachesTheNormalLoad) {
    auto verdict = [](bool accepted, bool older, std::uint32_t payload) {
        StateHeaderVerdict v;
        v.accepted = accepted;
        v.older = older;
        v.payloadSize = payload;
        return v;
    };
    struct Case {
        std::size_t length;
        StateHeaderVerdict verdict;
        StateLoadRoute route;
    };
    const Case cases[] = {
        {12, verdict(true, false, 0), StateLoadRoute::kNothingToLoad},
        {20, verdict(true, false, 8), StateLoadRoute::kCoreLoad},
        {20, verdict(true, false, 9), StateLoadRoute::kLegacyLoad},  // claims more than follows
        {20, verdict(true, false, 7), StateLoadRoute::kLegacyLoad},  // claims less
        {20, verdict(true, false, 0xFFFFFFFF), StateLoadRoute::kLegacyLoad},
        {20, verdict(true, true, 8), StateLoadRoute::kLegacyLoad},  // older state version
        {12, verdict(true, true, 0), StateLoadRoute::kLegacyLoad},
        {20, verdict(false, false, 0), StateLoadRoute::kLegacyLoad},  // rejected header
        {12, verdict(false, false, 0), StateLoadRoute::kLegacyLoad},
        {11, verdict(true, false, 0), StateLoadRoute::kMalformed},
        {0, verdict(true, false, 0), StateLoadRoute::kMalformed},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RouteStateLoad(c.length, c.verdict), c.route)
            << c.length << " accepted " << c.verdict.accepted << " older " << c.verdict.older << " payload "
            << c.verdict.payloadSize;
}

TEST(StateCompareBounds, PayloadSizeMustLieWithinTheBlob) {
    StateHeaderVerdict v;
    v.accepted = true;
    v.payloadSize = 8;
    EXPECT_TRUE(ComparePayloadFits(20, v));
    EXPECT_TRUE(ComparePayloadFits(30, v)) << "fewer bytes than follow are the core's to judge";
    EXPECT_FALSE(ComparePayloadFits(19, v));
    EXPECT_FALSE(ComparePayloadFits(11, v));
    v.payloadSize = 0xFFFFFFFF;
    EXPECT_FALSE(ComparePayloadFits(0x7FFFFFFF, v));
    v = StateHeaderVerdict{};  // rejected: nothing handed on
    EXPECT_TRUE(ComparePayloadFits(12, v));
}

}  // namespace
