#include "description/ProToolsVersion.h"

#include <string>
#include <tuple>

#include "util/VersionInfo.h"

Util::ParsedVersion ProToolsVersion() {
    const Util::String name = Util::HostProcessName();
    if (name.IsNull()) return {};
    const std::string lower = name.ToLowerAscii().Bytes();
    if (lower.find("pro") == std::string::npos || lower.find("tools") == std::string::npos) return {};
    const Util::String version = Util::HostProcessVersion();
    if (version.IsNull()) return {};
    return Util::ParseVersion(version);
}

bool VersionAtLeast(const Util::ParsedVersion& version, const Util::ParsedVersion& minimum) noexcept {
    return std::tie(version.major, version.minor, version.third, version.fourth) >=
           std::tie(minimum.major, minimum.minor, minimum.third, minimum.fourth);
}
