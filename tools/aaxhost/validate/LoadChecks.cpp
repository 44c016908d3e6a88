// The validator's "load" checks: placeholder until they land.
#include "aaxhost/validate/ValidationGroups.h"

namespace aaxhost::validate {

void RunLoadChecks(Validation& validation) {
    validation.Skip("load", "all", "not available in this build");
}

}  // namespace aaxhost::validate
