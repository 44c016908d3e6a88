// The validator's "editor" checks: placeholder until they land.
#include "aaxhost/validate/ValidationGroups.h"

namespace aaxhost::validate {

void RunEditorChecks(Validation& validation) {
    validation.Skip("editor", "all", "not available in this build");
}

}  // namespace aaxhost::validate
