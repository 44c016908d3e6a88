#pragma once
// How the settings store names registry keys and values. A key path uses '\' between
// keys; '/' is accepted and turned into '\'. A value name may reach into a subkey:
// "Sub/Name" names the value "Name" in the subkey "Sub". In a value name "\/" stands for
// a '/' that belongs to the name ("A\/B" is the value "A/B"), and every other '\' counts
// as '/'. Pure functions. [any-thread]

#include "util/String.h"

namespace Util {

// Where a value lives: the full key path below the root and the value's own name.
struct RegistryValueLocation {
    String keyPath;
    String valueName;
};

// `text` with every '/' turned into '\'.
String RegistryKeyPathOf(const String& text);

// `keyPath` and `subkey` joined with '\'; either may be empty.
String JoinRegistryKeyPath(const String& keyPath, const String& subkey);

// Splits `name` into its subkey part (joined below `keyPath`) and the value's name: the
// text after the last separator.
RegistryValueLocation LocateRegistryValue(const String& keyPath, const String& name);

}  // namespace Util
