#include "parameters/ParameterIdentifiers.h"

#include <algorithm>

#include "util/NumberText.h"

namespace {

constexpr std::size_t kCounterPrefixLength = 27;

}  // namespace

Util::String PickName(const Util::String& names, std::size_t limit) {
    if (names.IsNull()) return Util::String();
    const std::vector<Util::String> alternatives = names.Split('\n');
    if (alternatives.empty()) return Util::String("");
    const Util::String* best = nullptr;
    for (const Util::String& alternative : alternatives)
        if (alternative.Size() <= limit && (!best || alternative.Size() > best->Size())) best = &alternative;
    return best ? *best : alternatives.front().Substring(0, limit);
}

// The rule is usually stated as passes over the earlier identifiers that replace the
// candidate on every match with the next counter value and repeat until a pass finds
// no match. Every candidate in the sequence P, "P 2", "P 3", ... is abandoned only
// because some earlier identifier equals it, so the passes end on the first candidate
// that nobody holds: looking each candidate up in a set gives the same identifier
// without walking the rows again and again.
Util::String UniqueIdentifiers::Take(const Util::String& picked) {
    Util::String candidate = picked;
    for (std::uint32_t counter = 2; Contains(candidate); ++counter) {
        const Util::String number = Util::UInt32ToText(counter, 10);
        const std::size_t room = kMaxIdentifierLength - 1 - std::min(number.Size(), kMaxIdentifierLength - 1);
        candidate = picked.Substring(0, std::min(kCounterPrefixLength, room)) + Util::String(" ") + number;
    }
    taken_.insert(candidate.Bytes());
    return candidate;
}

bool UniqueIdentifiers::Contains(const Util::String& identifier) const {
    return taken_.find(identifier.Bytes()) != taken_.end();
}
