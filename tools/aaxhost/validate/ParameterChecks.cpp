// The validator's "parameters" checks: placeholder until they land.
#include "aaxhost/validate/ValidationGroups.h"

namespace aaxhost::validate {

void RunParameterChecks(Validation& validation) {
    validation.Skip("parameters", "all", "not available in this build");
}

}  // namespace aaxhost::validate
