#pragma once
// The full path of the executable the process was started from (the host
// application), read through the narrow (ANSI) interface into 260 characters; null
// when it cannot be read or does not fit. [any-thread]

#include "util/String.h"

namespace Util {

String HostExecutablePath();

}  // namespace Util
