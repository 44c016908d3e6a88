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

std::vector<std::string> Identifiers(const ParameterTable& table) {
    std::vector<std::string> out;
    for (const ParameterEntry& row : table.rows) out.push_back(row.identifier.Bytes());
    return out;
}

TEST(ParameterTable, ExposedRecordsBecomeRowsInCoreOrderAndOthersMapToNone) {
    std::vector<CoreParameterInfo> records = {Record("Gain"), Record("Hidden", kParameterFloat, false), Record("Mix"),
                                              Record("OnlyB", kParameterFloat, false)};
    records[3].exposureB = 7;
    records[2].minimum = -12.0f;
    records[2].maximum = 12.0f;
    records[2].defaultValue = 3.0f;

    const ParameterTable table = BuildParameterTable(records.data(), 4);

    EXPECT_EQ(Identifiers(table), (std::vector<std::string>{"Gain", "Mix", "OnlyB"}));
    ASSERT_EQ(table.coreToRow.size(), 4u);
    EXPECT_TRUE(table.coreToRow[0].exposed);
    EXPECT_FALSE(table.coreToRow[1].exposed);
    EXPECT_EQ(table.coreToRow[2].row, 1u);
    EXPECT_EQ(table.coreToRow[3].row, 2u);
    EXPECT_EQ(table.rows[1].coreIndex, 2u);
    EXPECT_EQ(table.rows[1].minimum, -12.0f);
    EXPECT_EQ(table.rows[1].maximum, 12.0f);
    EXPECT_EQ(table.rows[1].defaultValue, 3.0f);
    EXPECT_FALSE(table.rows[1].touchedByCore);
    for (std::size_t i = 0; i < table.coreToRow.size(); ++i)
        if (table.coreToRow[i].exposed) {
            EXPECT_EQ(table.rows[table.coreToRow[i].row].coreIndex, i);
        }
    EXPECT_FALSE(table.coreOwnsBypass);
    EXPECT_TRUE(table.bypassId.IsNull());
}

TEST(ParameterTable, DuplicateNamesAreCountedAmongExposedRowsOnly) {
    std::vector<CoreParameterInfo> records = {Record("Gain"), Record("Gain", kParameterFloat, false), Record("Gain"),
                                              Record("Gain")};
    EXPECT_EQ(Identifiers(BuildParameterTable(records.data(), 4)),
              (std::vector<std::string>{"Gain", "Gain 2", "Gain 3"}));
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

TEST(ParameterTable, OnlyIntRowsWithoutLabelsGetGeneratedOnes) {
    std::vector<CoreParameterInfo> records = {Record("Int", kParameterInt), Record("Given", kParameterInt),
                                              Record("Float", kParameterFloat), Record("Other", 9)};
    for (auto& record : records) {
        record.minimum = 1.0f;
        record.maximum = 4.0f;
    }
    std::strcpy(records[1].valueLabels, "a\tb");

    const ParameterTable table = BuildParameterTable(records.data(), 4);

    EXPECT_EQ(table.rows[0].labels, Util::String("1\t2\t3\t4"));
    EXPECT_EQ(table.rows[1].labels, Util::String("a\tb"));
    EXPECT_TRUE(table.rows[2].labels.IsEmpty());
    EXPECT_TRUE(table.rows[3].labels.IsEmpty()) << "kind 9 is shown as Int but gets no numbers";
    EXPECT_EQ(table.rows[3].kind, 9u);
}

TEST(ParameterTable, TypeZeroIsTheCoresBypassAndTheLastOneWins) {
    std::vector<CoreParameterInfo> records = {Record("Bypass A", kParameterBool, true, 0), Record("Gain"),
                                              Record("Bypass B", kParameterBool, true, 0),
                                              Record("Hidden", kParameterBool, false, 0)};
    const ParameterTable table = BuildParameterTable(records.data(), 4);
    EXPECT_TRUE(table.coreOwnsBypass);
    EXPECT_EQ(table.bypassId, Util::String("Bypass B"));
}

TEST(ParameterTable, NoRecordsGiveAnEmptyTable) {
    const ParameterTable table = BuildParameterTable(nullptr, 0);
    EXPECT_TRUE(table.rows.empty());
    EXPECT_TRUE(table.coreToRow.empty());
}

}  // namespace
