// The validator's "audiosuite" checks: placeholder until they land.
#include "aaxhost/validate/ValidationGroups.h"

namespace aaxhost::validate {

void RunAudioSuiteChecks(Validation& validation) {
    validation.Skip("audiosuite", "all", "not available in this build");
}

}  // namespace aaxhost::validate
