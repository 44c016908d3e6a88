#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "contract/CoreStaticInfo.h"
#include "support/StringPrinting.h"

namespace {

// A record as the core writes it: bytes at the contract's offsets, little-endian,
// assembled without the struct so that its layout is checked independently.
class RecordBytes {
public:
    RecordBytes() : bytes_(sizeof(CoreStaticInfo), 0) {}

    RecordBytes& U32(std::size_t offset, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) bytes_.at(offset + i) = static_cast<std::uint8_t>(value >> (8 * i));
        return *this;
    }
    RecordBytes& Byte(std::size_t offset, std::uint8_t value) {
        bytes_.at(offset) = value;
        return *this;
    }
    // Writes the text's bytes only; a NUL is there when the next byte stays zero.
    RecordBytes& Text(std::size_t offset, const std::string& text) {
        for (std::size_t i = 0; i < text.size(); ++i) bytes_.at(offset + i) = static_cast<std::uint8_t>(text[i]);
        return *this;
    }
    RecordBytes& Fill(std::size_t begin, std::size_t end, char c) { return Text(begin, std::string(end - begin, c)); }

    std::unique_ptr<CoreStaticInfo> Record() const {
        auto info = std::make_unique<CoreStaticInfo>();
        std::memcpy(info.get(), bytes_.data(), bytes_.size());
        return info;
    }

private:
    std::vector<std::uint8_t> bytes_;
};

std::vector<std::string> Lines(const std::vector<Util::String>& names) {
    std::vector<std::string> lines;
    for (const Util::String& name : names) lines.push_back(name.Bytes());
    return lines;
}

TEST(CoreStaticInfoLayout, EveryFieldIsReadFromItsContractOffset) {
    RecordBytes bytes;
    bytes.Text(576, "Brisa")
        .Byte(640, 0x4F)
        .Text(704, "Brisa Fx")
        .U32(1152, 0x09000100)
        .U32(1160, 9020)
        .U32(1164, 7)
        .U32(1176, 1)
        .U32(1180, 1)
        .U32(1184, 1)
        .U32(1188, 3)
        .U32(1192, 1)
        .U32(1264, 1)
        .U32(1296, 0xFFFFFFFF)  // -1: the editor sizes are signed
        .U32(1300, 480)
        .Text(3736, "Lumetra\nLumetra Audio GmbH")
        .U32(4760, 0x4C6D7472)
        .Text(4764, "Brisa Long Name\nBrisa")
        .U32(7836, 0x10000)
        .U32(7840, 0x6003)
        .U32(7848, 5)
        .U32(7852, 1)
        .U32(7856, 1)
        .U32(7860, 1)
        .U32(7868, 1)
        .U32(7872, 1)
        .U32(7876, 0x102)
        .U32(7880, 1)
        .U32(7884, 1)
        .U32(7960, 0x101)
        .Text(7964, "Measure")
        .Byte(9204, 1);
    for (std::uint32_t kind = 0; kind < 18; ++kind) bytes.U32(7888 + 4 * kind, 0xA000 + kind);

    const auto info = bytes.Record();
    EXPECT_TRUE(info->IsValid());
    EXPECT_EQ(info->NameStem(), "Brisa");
    EXPECT_EQ(info->LegacyStateMarker(), 0x4F);
    EXPECT_EQ(info->EffectIdStem(), "Brisa Fx");
    EXPECT_EQ(info->PackageVersion(), 0x09000100u);
    EXPECT_EQ(info->StateFormatId(), 9020u);
    EXPECT_EQ(info->StateVersion(), 7u);
    EXPECT_TRUE(info->IsInstrument());
    EXPECT_TRUE(info->HasMidiInput());
    EXPECT_TRUE(info->HasSideChain());
    EXPECT_EQ(info->AuxOutputCount(), 3u);
    EXPECT_TRUE(info->IsSideChainMono());
    EXPECT_TRUE(info->KeepsHostInfoStore());
    EXPECT_EQ(info->EditorWidth(), -1);
    EXPECT_EQ(info->EditorHeight(), 480);
    EXPECT_EQ(info->ManufacturerName(), "Lumetra");
    EXPECT_EQ(info->ManufacturerId(), 0x4C6D7472u);
    EXPECT_EQ(Lines(info->NameList()), (std::vector<std::string>{"Brisa Long Name", "Brisa"}));
    EXPECT_EQ(info->BasePluginId(), 0x10000u);
    EXPECT_EQ(info->CategoryMask(), 0x6003u);
    EXPECT_EQ(info->AudioSuiteAnalysisFlag(), 5u);
    EXPECT_TRUE(info->HasRealtime());
    EXPECT_TRUE(info->AudioSuiteFlagA());
    EXPECT_TRUE(info->HasFixedAudioSuiteLayout());
    EXPECT_TRUE(info->AudioSuiteProperty115Default());
    EXPECT_TRUE(info->AudioSuiteFlagB());
    EXPECT_EQ(info->AudioSuiteProperty102(), 0x102u);
    EXPECT_TRUE(info->UsesExplicitIds());
    EXPECT_TRUE(info->DerivesIds());
    for (std::uint32_t kind = 0; kind < 18; ++kind) EXPECT_EQ(info->ExplicitId(kind), 0xA000 + kind) << kind;
    EXPECT_EQ(info->AudioSuiteProperty101(), 0x101u);
    EXPECT_EQ(info->AnalysisLabel(), "Measure");
}

TEST(CoreStaticInfoLayout, ZeroRecordIsInvalidWithEveryFlagClearAndFlagsOfTwoAreNotOne) {
    const auto info = RecordBytes().Record();
    EXPECT_FALSE(info->IsValid());
    EXPECT_FALSE(info->IsInstrument());
    EXPECT_FALSE(info->HasRealtime());
    EXPECT_FALSE(info->UsesExplicitIds());
    EXPECT_EQ(info->NameStem(), "");
    EXPECT_FALSE(info->NameStem().IsNull());
    EXPECT_TRUE(info->NameList().empty());

    // Side-chain mono and the host-information store need exactly 1; the side chain any
    // nonzero value.
    const auto two = RecordBytes().U32(1184, 2).U32(1192, 2).U32(1264, 2).Record();
    EXPECT_TRUE(two->HasSideChain());
    EXPECT_FALSE(two->IsSideChainMono());
    EXPECT_FALSE(two->KeepsHostInfoStore());
}

TEST(CoreStaticInfoLayout, EachAvailabilityFlagIsReadAtItsOwnOffset) {
    for (std::uint32_t position = 0; position < kStemPositionCount; ++position) {
        const auto info = RecordBytes().U32(1196 + 4 * position, 1).Record();
        for (std::uint32_t other = 0; other < kStemPositionCount; ++other)
            EXPECT_EQ(info->StemAvailable(other), other == position) << "flag " << position << ", read " << other;
    }
}

TEST(CoreStaticInfoLayout, ReadsStopAtTheEndOfTheirArrays) {
    // The bytes right behind the availability flags and the explicit ID table are set:
    // an index one past the end must not reach them.
    const auto info = RecordBytes().U32(1256, 1).U32(7960, 0x12345678).Record();
    EXPECT_FALSE(info->StemAvailable(kStemPositionCount));
    EXPECT_FALSE(info->StemAvailable(0xFFFFFFFFu));
    EXPECT_EQ(info->ExplicitId(18), 0u);
}

TEST(CoreStaticInfoText, TextWithoutNulEndsAtItsField) {
    // Every text field filled to its last byte, and the byte behind it nonzero.
    RecordBytes bytes;
    bytes.Fill(576, 640, 'N')
        .Byte(640, 0x4F)
        .Fill(704, 1152, 'E')
        .U32(1152, 0x41414141)
        .Fill(3736, 4760, 'M')
        .U32(4760, 0x41414141)
        .Fill(4764, 7836, 'L')
        .U32(7836, 0x41414141)
        .Fill(7964, 9204, 'A')
        .Byte(9204, 1)
        .Fill(9205, 9208, 'Z');
    const auto info = bytes.Record();
    EXPECT_EQ(info->NameStem(), std::string(64, 'N'));
    EXPECT_EQ(info->EffectIdStem(), std::string(448, 'E'));
    EXPECT_EQ(info->ManufacturerName(), std::string(1024, 'M'));
    EXPECT_EQ(Lines(info->NameList()), std::vector<std::string>{std::string(3072, 'L')});
    EXPECT_EQ(info->AnalysisLabel(), std::string(1240, 'A'));
}

TEST(CoreStaticInfoText, ManufacturerIsTheFirstLineAndNamesSplitAtLineFeedsWithoutATrailingEmptyName) {
    EXPECT_EQ(RecordBytes().Text(3736, "Lumetra\nSecond\nThird").Record()->ManufacturerName(), "Lumetra");
    EXPECT_EQ(RecordBytes().Text(3736, "Lumetra Audio").Record()->ManufacturerName(), "Lumetra Audio");
    EXPECT_EQ(RecordBytes().Text(3736, "\nLumetra").Record()->ManufacturerName(), "");
    const struct {
        const char* text;
        std::vector<std::string> names;
    } cases[] = {{"", {}},
                 {"Brisa", {"Brisa"}},
                 {"Brisa Long\nBrisa\n", {"Brisa Long", "Brisa"}},
                 {"A\n\nB", {"A", "", "B"}},
                 {"\n", {""}},
                 {"A\n\n", {"A", ""}}};
    for (const auto& c : cases)
        EXPECT_EQ(Lines(RecordBytes().Text(4764, c.text).Record()->NameList()), c.names) << c.text;
}

}  // namespace
