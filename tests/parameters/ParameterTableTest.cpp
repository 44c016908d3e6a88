// The table of rows built from the core's parameter descriptions.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "parameters/ParameterTable.h"
#include "support/StringPrinting.h"

namespace {

CoreParameterInfo Record(const std::string& names, std::uint32_t kind = kParameterFloat, bool exposed = true,
                         std::uint32_t type = 1) {
    CoreParameterInfo record;
    std::memset(&record, 0, sizeof record);
    std::memcpy(record.names, names.data(), std::min(names.size(), sizeof record.names));
    record.kind = kind;
    record.exposureA = exposed ? 1 : 0;
    record.minimum = 0.0f;
    record.maximum = 1.0f;
    record.type = type;
    return record;
}

TEST(ParameterTable, UnterminatedTextsAreReadWithinTheirFields) {
    std::vector<CoreParameterInfo> records = {Record("")};
    std::memset(records[0].names, 'n', sizeof records[0].names);
    std::memset(records[0].valueLabels, 'l', sizeof records[0].valueLabels);
    records[0].kind = kParameterInt;

    const ParameterTable table = BuildParameterTable(records.data(), 1);

    EXPECT_EQ(table.rows[0].identifier.Bytes(), std::string(30, 'n'));
    EXPECT_EQ(table.rows[0].labels.Size(), 2047u) << "the field's last byte becomes its NUL";
}

TEST(ParameterTable, TypeZeroIsTheCoresBypassAndTheLastOneWins) {
    std::vector<CoreParameterInfo> records = {Record("Bypass A", kParameterBool, true, 0), Record("Gain"),
                                              Record("Bypass B", kParameterBool, true, 0),
                                              Record("Hidden", kParameterBool, false, 0)};
    const ParameterTable table = BuildParameterTable(records.data(), 4);
    EXPECT_TRUE(table.coreOwnsBypass);
    EXPECT_EQ(table.bypassId, Util::String("Bypass B"));
}

}  // namespace
