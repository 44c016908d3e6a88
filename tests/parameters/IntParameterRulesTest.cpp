// Int parameters: conversions of the core's floats, steps, generated labels and the
// label map.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <string>

#include "parameters/IntParameterRules.h"
#include "support/StringPrinting.h"

namespace {

std::map<std::int32_t, std::string> Labels(const std::map<std::int32_t, AAX_CString>& map) {
    std::map<std::int32_t, std::string> out;
    for (const auto& entry : map) out.emplace(entry.first, entry.second.StdString());
    return out;
}

TEST(IntConversion, TruncatesTowardZeroAndStaysDefinedForAnyFloat) {
    EXPECT_EQ(TruncateToInt32(2.9), 2);
    EXPECT_EQ(TruncateToInt32(-0.5), 0);
    EXPECT_EQ(TruncateToInt32(-2.9), -2);
    EXPECT_EQ(TruncateToInt32(std::nan("")), 0);
    EXPECT_EQ(TruncateToInt32(1e20), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(TruncateToInt32(-std::numeric_limits<double>::infinity()), std::numeric_limits<std::int32_t>::min());
}

TEST(IntSteps, CountTheValuesOfTheRangeInEitherDirection) {
    EXPECT_EQ(IntStepCount(1.0f, 4.0f), 4u);
    EXPECT_EQ(IntStepCount(0.0f, 120.0f), 121u);
    EXPECT_EQ(IntStepCount(-3.0f, 3.0f), 7u);
    EXPECT_EQ(IntStepCount(0.5f, 3.7f), 4u);  // 4.2 truncated
    EXPECT_EQ(IntStepCount(4.0f, 1.0f), 4u) << "a reversed range is not a negative count";
    EXPECT_EQ(IntStepCount(2.0f, 2.0f), 1u);
    EXPECT_EQ(IntStepCount(std::nanf(""), 4.0f), 1u);
    EXPECT_EQ(IntStepCount(-3e38f, 3e38f), std::numeric_limits<std::uint32_t>::max());
}

TEST(GeneratedIntLabels, NumberTheRangeWhenItIsSmallAndNotNegative) {
    std::string hundred;
    for (int i = 0; i < 100; ++i) hundred += (i ? "\t" : "") + std::to_string(i);
    const struct {
        float minimum, maximum;
        std::string labels;
    } cases[] = {
        {1.0f, 4.0f, "1\t2\t3\t4"}, {0.5f, 2.4f, "1\t2"},  // rounded half away from zero
        {0.0f, 99.0f, hundred},     {0.0f, 100.0f, ""},
        {0.0f, 120.0f, ""},         {-1.0f, 3.0f, ""},
        {4.0f, 1.0f, ""},           {std::nanf(""), 3.0f, ""},
        {3e9f, 3e9f, ""},           {2147483520.0f, 2147483520.0f, "2147483520"},  // the last float that is an int32
    };
    for (const auto& c : cases)
        EXPECT_EQ(GenerateIntLabels(c.minimum, c.maximum).Bytes(), c.labels) << c.minimum << " to " << c.maximum;
}

TEST(IntLabelMap, LabelKNamesTheValueKPlusMinimum) {
    EXPECT_EQ(Labels(IntLabelMap(Util::String("1\t2\t3\t4"), 1.0f)),
              (std::map<std::int32_t, std::string>{{1, "1"}, {2, "2"}, {3, "3"}, {4, "4"}}));
    EXPECT_EQ(Labels(IntLabelMap(Util::String("Low\tHigh"), -1.0f)),
              (std::map<std::int32_t, std::string>{{-1, "Low"}, {0, "High"}}));
    EXPECT_EQ(Labels(IntLabelMap(Util::String("A\tB"), 0.6f)),
              (std::map<std::int32_t, std::string>{{0, "A"}, {1, "B"}}))
        << "k + minimum is truncated toward zero";
}

TEST(IntLabelMap, EmptyTextIsOneEmptyLabelForTheMinimumAndEmptyPiecesKeepTheirPlaces) {
    EXPECT_EQ(Labels(IntLabelMap(Util::String(""), 0.0f)), (std::map<std::int32_t, std::string>{{0, ""}}));
    EXPECT_EQ(Labels(IntLabelMap(Util::String("Only"), 5.0f)), (std::map<std::int32_t, std::string>{{5, "Only"}}));
    EXPECT_EQ(Labels(IntLabelMap(Util::String("A\t\tC\t"), 0.0f)),
              (std::map<std::int32_t, std::string>{{0, "A"}, {1, ""}, {2, "C"}, {3, ""}}));
}

}  // namespace
