#pragma once
// The version of the host application when it is the one host whose version gates
// layouts and AudioSuite properties: the host executable's file name, lower-cased,
// must contain both "pro" and "tools". [any-thread]

#include "util/ParseVersion.h"

// The parsed host version; invalid (valid == 0) for any other host, or when the name,
// the version text or its parse is missing.
Util::ParsedVersion ProToolsVersion();

// Number by number, the first the most significant. Both must be valid.
bool VersionAtLeast(const Util::ParsedVersion& version, const Util::ParsedVersion& minimum) noexcept;
