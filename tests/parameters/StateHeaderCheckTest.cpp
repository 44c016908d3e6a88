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
