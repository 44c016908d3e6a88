#pragma once
// How a host's own name ("Pro Tools 2023.6.0") becomes the product name and version
// the core is told. Pure function. [any-thread]

#include "util/String.h"

struct HostNameParts {
    bool hasVersion = false;   // false: the name holds no digit
    Util::String productName;  // meaningful only with a version
    float version = 0.0f;      // meaningful only with a version
};

// The version starts at the first decimal digit; the product name is the text before
// it less its last character (the blank before the number), or the whole name when
// the digit comes first. Of the version text's dots only the first is kept
// ("2023.6.0" -> "2023.60"), and the result must be a decimal number as a whole
// (digits, at most one point), else the version is 0.
//   "Pro Tools 2023.6.0" -> "Pro Tools", 2023.6     "12.5" -> "12.5", 12.5
//   "Host 10.2.3.4" -> "Host", 10.234               "Host" -> no version
HostNameParts SplitHostName(const Util::String& name);
