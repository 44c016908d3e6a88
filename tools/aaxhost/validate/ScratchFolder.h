#pragma once
// ScratchFolder: a folder of the validator's own under the user's temporary folder,
// unique to this process and object, removed with what it holds when the object goes
// (a file still in use by a module that could not be unloaded stays behind).
// [ui-thread]

#include <string>

namespace aaxhost::validate {

class ScratchFolder {
public:
    // Throws CheckFailure when the folder cannot be made.
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::wstring& Path() const noexcept { return path_; }
    // Copies `source` into the folder as `name`; the copy's path. Throws CheckFailure.
    std::wstring Copy(const std::wstring& source, const std::wstring& name) const;

private:
    std::wstring path_;
};

}  // namespace aaxhost::validate
