#pragma once
// Host identification from the host executable's file: its name and the texts of its
// version resource. The host executable is always the one the process was started
// from. Path and resource texts come through the narrow (ANSI) interfaces.
// Every helper returns null when the operating system cannot tell. No shared state.
// [any-thread]

#include "util/String.h"

namespace Util {

// The named text of the host executable's version resource ("FileVersion",
// "FileDescription", ...): taken from the first translation whose string table holds a
// non-empty text under that name; null when none does or there is no resource.
String GetVersionString(const String& name);

// The host executable's file name with its extension, e.g. "Host.exe".
String HostProcessName();

// "FileDescription", or HostProcessName when that is empty.
String HostProcessDisplayName();

// "FileVersion" with every ", " turned into "." ("1, 2, 3, 4" -> "1.2.3.4"); without
// one, the resource's fixed file version as "major.minor.build.revision" in decimal.
String HostProcessVersion();

}  // namespace Util
