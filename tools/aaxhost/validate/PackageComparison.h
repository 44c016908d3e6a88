#pragma once
// Compares two descriptions of one module field by field, for the checks that load it
// more than once. Pure, no Windows calls. [any-thread]

#include <string>

#include "aaxhost/PackageDescription.h"

namespace aaxhost::validate {

enum class CodeAddresses {
    Compare,  // the same load: factories and process procedures must be the same code
    Ignore,   // another load: the module may sit at another address; only presence counts
};

// The first difference, e.g. "effect \"Fx Stereo\" component 0 property 2: 13=0x5374656F
// vs 13=0x5374656E"; empty when the two are the same.
std::string FirstDifference(const PackageDescription& first, const PackageDescription& second, CodeAddresses addresses);

}  // namespace aaxhost::validate
