// The validator's "instances" checks: placeholder until they land.
#include "aaxhost/validate/ValidationGroups.h"

namespace aaxhost::validate {

void RunInstanceChecks(Validation& validation) {
    validation.Skip("instances", "all", "not available in this build");
}

}  // namespace aaxhost::validate
