// The validator's "threading" checks: placeholder until they land.
#include "aaxhost/validate/ValidationGroups.h"

namespace aaxhost::validate {

void RunThreadingChecks(Validation& validation) {
    validation.Skip("threading", "all", "not available in this build");
}

}  // namespace aaxhost::validate
