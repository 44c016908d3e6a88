// The validator's "processing" checks: placeholder until they land.
#include "aaxhost/validate/ValidationGroups.h"

namespace aaxhost::validate {

void RunProcessingChecks(Validation& validation) {
    validation.Skip("processing", "all", "not available in this build");
}

}  // namespace aaxhost::validate
