#include "parameters/ParameterTable.h"

#include "contract/RecordText.h"
#include "parameters/IntParameterRules.h"
#include "parameters/ParameterIdentifiers.h"

namespace {

template <std::size_t N>
Util::String ReadTerminatedText(char (&field)[N]) {
    field[N - 1] = '\0';
    return ReadRecordText(field);
}

}  // namespace

ParameterTable BuildParameterTable(CoreParameterInfo* records, std::uint32_t count) {
    ParameterTable table;
    table.coreToRow.assign(count, CoreToRowEntry{});
    UniqueIdentifiers identifiers;
    for (std::uint32_t i = 0; i < count; ++i) {
        CoreParameterInfo& record = records[i];
        if (record.exposureA == 0 && record.exposureB == 0) continue;

        ParameterEntry row;
        row.coreIndex = i;
        row.kind = record.kind;
        row.type = record.type;
        row.identifier = identifiers.Take(PickName(ReadTerminatedText(record.names)));
        row.labels = ReadTerminatedText(record.valueLabels);
        if (row.kind == kParameterInt && row.labels.IsEmpty())
            row.labels = GenerateIntLabels(record.minimum, record.maximum);
        row.minimum = record.minimum;
        row.maximum = record.maximum;
        row.defaultValue = record.defaultValue;
        row.touchedByCore = false;

        if (row.type == 0) {
            table.bypassId = row.identifier;
            table.coreOwnsBypass = true;
        }
        table.coreToRow[i] = CoreToRowEntry{static_cast<std::uint32_t>(table.rows.size()), true};
        table.rows.push_back(std::move(row));
    }
    return table;
}
