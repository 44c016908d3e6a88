// A host's own name split into the product name and version the core is told.

#include <gtest/gtest.h>

#include <string>

#include "parameters/HostNameSplit.h"
#include "support/StringPrinting.h"

namespace {

struct SplitCase {
    const char* name;
    std::string host;
    std::string product;
    float version;
};

class HostNameSplit : public testing::TestWithParam<SplitCase> {};

TEST_P(HostNameSplit, ProductBeforeTheFirstDigitVersionWithOnlyItsFirstPoint) {
    const HostNameParts parts = SplitHostName(Util::String(GetParam().host));
    ASSERT_TRUE(parts.hasVersion);
    EXPECT_EQ(parts.productName.Bytes(), GetParam().product);
    EXPECT_FLOAT_EQ(parts.version, GetParam().version);
}

INSTANTIATE_TEST_SUITE_P(Cases, HostNameSplit,
                         testing::Values(SplitCase{"ProTools", "Pro Tools 2023.6.0", "Pro Tools", 2023.6f},
                                         SplitCase{"DigitFirstKeepsWholeName", "12.5", "12.5", 12.5f},
                                         SplitCase{"FourPartVersion", "Host 10.2.3.4", "Host", 10.234f},
                                         SplitCase{"WholeNumber", "Studio 7", "Studio", 7.0f},
                                         SplitCase{"DropsTheCharacterBeforeTheDigit", "Host10", "Hos", 10.0f},
                                         SplitCase{"DigitSecondLeavesNoProduct", "X9", "", 9.0f},
                                         SplitCase{"TrailingWordsMakeVersionZero", "Pro Tools 2023.6 Ultimate",
                                                   "Pro Tools", 0.0f},
                                         SplitCase{"NoSignsOrExponents", "Host 1e5", "Host", 0.0f}),
                         [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

TEST(HostNameSplitWithoutDigits, HasNoVersion) {
    EXPECT_FALSE(SplitHostName(Util::String("Some Host")).hasVersion);
    EXPECT_FALSE(SplitHostName(Util::String("")).hasVersion);
    EXPECT_FALSE(SplitHostName(Util::String()).hasVersion);
}

}  // namespace
