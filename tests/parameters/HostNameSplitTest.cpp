// A host's own name split into the product name and version the core is told.

#include <gtest/gtest.h>

#include <string>

#include "parameters/HostNameSplit.h"
#include "support/StringPrinting.h"

namespace {

TEST(HostNameSplit, ProductBeforeTheFirstDigitVersionWithOnlyItsFirstPoint) {
    const struct {
        const char* host;
        const char* product;
        float version;
    } cases[] = {
        {"Pro Tools 2023.6.0", "Pro Tools", 2023.6f},
        {"12.5", "12.5", 12.5f},  // a digit first keeps the whole name
        {"Host 10.2.3.4", "Host", 10.234f},
        {"Studio 7", "Studio", 7.0f},
        {"Host10", "Hos", 10.0f},  // the character before the digit goes
        {"X9", "", 9.0f},
        {"Pro Tools 2023.6 Ultimate", "Pro Tools", 0.0f},  // trailing words make the version 0
        {"Host 1e5", "Host", 0.0f},                        // no signs or exponents
    };
    for (const auto& c : cases) {
        const HostNameParts parts = SplitHostName(Util::String(c.host));
        ASSERT_TRUE(parts.hasVersion) << c.host;
        EXPECT_EQ(parts.productName.Bytes(), c.product) << c.host;
        EXPECT_FLOAT_EQ(parts.version, c.version) << c.host;
    }
}

TEST(HostNameSplitWithoutDigits, HasNoVersion) {
    EXPECT_FALSE(SplitHostName(Util::String("Some Host")).hasVersion);
    EXPECT_FALSE(SplitHostName(Util::String("")).hasVersion);
    EXPECT_FALSE(SplitHostName(Util::String()).hasVersion);
}

}  // namespace
