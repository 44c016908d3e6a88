#pragma once
// Published values and record layouts, transcribed from the published interface
// definitions: every enumerator and result code this project names (by its published
// name), and the sizes and field offsets of the records that cross
// between host and plug-in as an MSVC-built Windows x64 host lays them out.

#include <cstdint>
#include <string>
#include <vector>

namespace conformance {

struct PublishedValue {
    const char* name;
    long long value;  // enumerators of unsigned enumerations as their unsigned value
};
const std::vector<PublishedValue>& PublishedValues();
// The value published under `name`; throws std::out_of_range when there is none.
long long PublishedValueOf(const std::string& name);

struct PublishedLayout {
    const char* record;
    const char* field;  // empty: the record's size
    std::size_t value;  // the size, or the field's offset
};
const std::vector<PublishedLayout>& PublishedLayouts();

}  // namespace conformance
