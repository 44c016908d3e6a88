#pragma once
// The .aaxplugin bundle of a primed hook:
//   <directory>\<name>.aaxplugin\Contents\x64\<name>.aaxplugin   the primed module
//   <directory>\<name>.aaxplugin\Contents\x64\<core file name>   the core, when given
// [any-thread]

#include <string>

#include "Priming.h"

struct BundleSettings {
    std::wstring directory;  // where the bundle goes; made, with its parents, when missing
    std::wstring name;       // the bundle's and the module's name, without ".aaxplugin"
    std::wstring coreFile;   // the core library to copy beside the module; empty for none
};

// <directory>\<name>.aaxplugin
std::wstring BundlePath(const BundleSettings& bundle);
// The module's place inside a bundle folder: <bundle>\Contents\x64\<name>.aaxplugin
std::wstring BundleModulePath(const std::wstring& bundleFolder, const std::wstring& name);

// The file name the core gets beside the module: the core text itself when it is a
// bare file name (no '/' or '\'), else its last component, where the hook looks when
// the path itself names no file. Empty when that is no usable file name.
std::wstring BundledCoreName(const std::string& coreText);

// Whether `name` can name a file in a folder on Windows: not empty, no path separator,
// wildcard or other reserved character, no trailing dot or space, no device name. Pure.
bool IsPlainFileName(const std::wstring& name);

// Why `bundle` cannot be laid out with `settings`, or "" when it can. Consults no file.
std::string CheckBundleSettings(const BundleSettings& bundle, const PrimeSettings& settings);

// Lays out the bundle with a primed copy of `inModule`, all or nothing: it is built in
// a temporary folder beside its final place and moved there when complete, replacing
// an earlier bundle of that name. On failure an earlier bundle is left as it was and
// nothing new remains. `bundlePath` receives the bundle's folder.
bool BuildBundle(const std::wstring& inModule, const BundleSettings& bundle, const PrimeSettings& settings,
                 std::wstring& bundlePath, std::string& error);
