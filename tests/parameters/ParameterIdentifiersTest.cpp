// Host identifiers from the core's parameter names: the 30-byte pick and the counters
// that keep identifiers unique.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "parameters/ParameterIdentifiers.h"
#include "support/StringPrinting.h"

namespace {

std::string Letters(std::size_t count, char letter = 'a') { return std::string(count, letter); }

TEST(IdentifierPick, TakesTheLongestAlternativeThatFitsElseCutsTheFirst) {
    const struct {
        std::string names, expected;
    } cases[] = {
        {"Gain", "Gain"},
        {Letters(35), Letters(30)},
        {Letters(40) + "\n" + Letters(20, 'b'), Letters(20, 'b')},  // a too long alternative is skipped
        {Letters(25) + "\n" + Letters(12, 'b'), Letters(25)},
        {"Gn\nGain\nG", "Gain"},  // the longest, even when later
        {"Left\nRght", "Left"},   // the first among equals
        {Letters(30) + "\n" + Letters(3), Letters(30)},
        {Letters(31, 'x') + "\n" + Letters(40, 'y'), Letters(30, 'x')},  // none fits: the first, cut
        {"\nGain\n", "Gain"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(PickName(Util::String(c.names)).Bytes(), c.expected) << c.names;
}

TEST(IdentifierPick, AbsentNamesGiveAnAbsentIdentifier) {
    EXPECT_TRUE(PickName(Util::String()).IsNull());
    EXPECT_FALSE(PickName(Util::String("")).IsNull());
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
