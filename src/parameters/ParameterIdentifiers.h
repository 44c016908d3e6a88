#pragma once
// How a core parameter's names become its host identifier: the identifier is also the
// parameter's name in the host, at most kMaxIdentifierLength bytes, and unique among
// the instance's parameters. Sessions store automation under these identifiers, so the
// rules never change. Lengths count bytes. Pure functions. [any-thread]

#include <cstddef>
#include <set>
#include <string>

#include "util/String.h"

constexpr std::size_t kMaxIdentifierLength = 30;

// Splits `names` at line feeds into alternatives and picks the longest one of at most
// `limit` bytes (the first among equally long ones); when none fits, the first
// alternative cut to `limit` bytes. The null text gives the null text; a text without
// alternatives (the empty text) gives the empty text.
Util::String PickName(const Util::String& names, std::size_t limit = kMaxIdentifierLength);

// The identifiers given so far to one instance's parameters, in the order they were
// taken. One instance builds its table on one thread. [ui-thread]
class UniqueIdentifiers {
public:
    // The identifier for a new parameter whose picked name is `picked`: `picked` itself
    // when it is free, else the first free one of "<prefix> 2", "<prefix> 3", ...,
    // where the prefix is the first 27 bytes of `picked` (fewer once the counter has
    // three or more digits, so that the result stays within kMaxIdentifierLength).
    // The result is taken from then on.
    Util::String Take(const Util::String& picked);

    bool Contains(const Util::String& identifier) const;

private:
    std::set<std::string, std::less<>> taken_;
};
