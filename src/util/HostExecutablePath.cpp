#include "util/HostExecutablePath.h"

#include <windows.h>

namespace Util {

// A path that does not fit the buffer comes back cut short and would name another
// file, so it counts as a failure.
String HostExecutablePath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return String();
    return String(path, length);
}

}  // namespace Util
