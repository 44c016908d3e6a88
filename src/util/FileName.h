#pragma once
// The file-name rule shared by Util::Path and the host-identification helpers.
// Pure function. [any-thread]

#include "util/String.h"

namespace Util {

// The last component of a path: trailing '/' and '\' are stripped, then the text after
// the later of the last '/' and the last '\' is taken; without a separator the whole
// text, less a drive prefix ("C:"). Null when nothing is left.
String FileNameOf(const String& path);

}  // namespace Util
