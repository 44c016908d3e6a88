#pragma once
// Where a hook module finds its core, read from the outside the way the hook reads it:
// the "LMCORE"/"PATH" and "LMHOOK"/"SHORTNAME" resources (through a data-file load, so
// no code of the module runs) and the registry value "CorePath" under
// "SOFTWARE\Lumetra\<short name>" (current user first, then local machine). The load
// checks use it to make copies of the module that cannot reach a core. [ui-thread]

#include <optional>
#include <string>

namespace aaxhost::validate {

struct CoreLocation {
    bool hasPathResource = false;  // false: not a hook of this family
    std::string pathText;          // the PATH resource's text (UTF-8), empty when unprimed
    std::optional<std::string> shortName;
    // The registry's CorePath when it names an existing file; empty otherwise.
    std::wstring registryCore;

    // The PATH text has no '/' or '\': the core is looked for beside the module.
    bool BarePathName() const;
    // The file name the hook would try beside itself: the text's last component.
    std::wstring CoreFileName() const;
};

// False with `error` when the module cannot be opened as a data file.
bool ReadCoreLocation(const std::wstring& modulePath, CoreLocation& location, std::string& error);

bool FileExists(const std::wstring& path);

}  // namespace aaxhost::validate
