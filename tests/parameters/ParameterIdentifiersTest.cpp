// Host identifiers from the core's parameter names: the 30-byte pick and the counters
// that keep identifiers unique.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "parameters/ParameterIdentifiers.h"
#include "support/StringPrinting.h"

namespace {

std::string Letters(std::size_t count, char letter = 'a') { return std::string(count, letter); }

struct PickCase {
    const char* name;
    std::string names;
    std::string expected;
};

class IdentifierPick : public testing::TestWithParam<PickCase> {};

TEST_P(IdentifierPick, TakesTheLongestAlternativeThatFitsElseCutsTheFirst) {
    EXPECT_EQ(PickName(Util::String(GetParam().names)).Bytes(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IdentifierPick,
    testing::Values(PickCase{"Plain", "Gain", "Gain"}, PickCase{"LongNameCutTo30", Letters(35), Letters(30)},
                    PickCase{"TooLongAlternativeSkipped", Letters(40) + "\n" + Letters(20, 'b'), Letters(20, 'b')},
                    PickCase{"LongestThatFits", Letters(25) + "\n" + Letters(12, 'b'), Letters(25)},
                    PickCase{"LongestEvenWhenLater", "Gn\nGain\nG", "Gain"},
                    PickCase{"FirstAmongEquals", "Left\nRght", "Left"},
                    PickCase{"ExactlyThirty", Letters(30) + "\n" + Letters(3), Letters(30)},
                    PickCase{"NoneFitsCutsFirst", Letters(31, 'x') + "\n" + Letters(40, 'y'), Letters(30, 'x')},
                    PickCase{"EmptyLinesIgnoredByLength", "\nGain\n", "Gain"}, PickCase{"EmptyText", "", ""}),
    [](const testing::TestParamInfo<PickCase>& info) { return std::string(info.param.name); });

TEST(IdentifierPick, AbsentNamesGiveAnAbsentIdentifier) {
    EXPECT_TRUE(PickName(Util::String()).IsNull());
    EXPECT_FALSE(PickName(Util::String("")).IsNull());
}

TEST(UniqueIdentifiers, EqualNamesCountFromTwo) {
    UniqueIdentifiers taken;
    EXPECT_EQ(taken.Take(Util::String("Gain")), Util::String("Gain"));
    EXPECT_EQ(taken.Take(Util::String("Gain")), Util::String("Gain 2"));
    EXPECT_EQ(taken.Take(Util::String("Gain")), Util::String("Gain 3"));
    EXPECT_EQ(taken.Take(Util::String("Mix")), Util::String("Mix"));
}

TEST(UniqueIdentifiers, ACounterNameAlreadyTakenMovesToTheNextNumber) {
    // The earlier rows hold "Gain 2" before "Gain": the new Gain must avoid both.
    UniqueIdentifiers taken;
    taken.Take(Util::String("Gain 2"));
    taken.Take(Util::String("Gain"));
    EXPECT_EQ(taken.Take(Util::String("Gain")), Util::String("Gain 3"));
    EXPECT_EQ(taken.Take(Util::String("Gain 2")), Util::String("Gain 2 2"));
}

TEST(UniqueIdentifiers, DuplicateOfThirtyBytesKeepsTwentySevenAndTheCounter) {
    UniqueIdentifiers taken;
    const Util::String thirty(Letters(30));
    taken.Take(thirty);
    const Util::String second = taken.Take(thirty);
    EXPECT_EQ(second.Bytes(), Letters(27) + " 2");
    EXPECT_EQ(second.Size(), 29u);
    for (int i = 3; i <= 10; ++i) taken.Take(thirty);
    EXPECT_TRUE(taken.Contains(Util::String(Letters(27) + " 10")));
}

TEST(UniqueIdentifiers, ThreeDigitCountersStillFitThirtyBytesAndStayUnique) {
    UniqueIdentifiers taken;
    const Util::String thirty(Letters(30));
    std::vector<std::string> seen;
    for (int i = 1; i <= 1005; ++i) {
        const Util::String identifier = taken.Take(thirty);
        ASSERT_LE(identifier.Size(), kMaxIdentifierLength) << identifier.Bytes();
        seen.push_back(identifier.Bytes());
    }
    EXPECT_EQ(seen[99], Letters(26) + " 100");
    EXPECT_EQ(seen[1000], Letters(25) + " 1001");
}

}  // namespace
