#pragma once
// Reading and writing named resources of a module file (DLL or EXE) on disk.
// Writing goes through the system's resource updater; reading looks resources up the
// way the hook does (narrow type and name, no language asked for). [any-thread]

#include <optional>
#include <string>
#include <vector>

// One resource, by string type and name (e.g. "LMHOOK", "CONFIG"). Identifiers are
// stored upper case, as resource lookups expect.
struct NamedResource {
    std::string type;
    std::string name;
    // The raw bytes, written as given (no terminator added; Wine's updater refuses an
    // empty resource). When writing, no value removes the resource; when reading, no
    // value means the module has none.
    std::optional<std::vector<unsigned char>> bytes;
};

// The language every resource is written in: neutral, so that a lookup without a
// language finds it whatever the system's language.
constexpr unsigned short kNeutralLanguage = 0;  // MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL)

// Whether the module file at `modulePath` (or its `bytes`) passes ModuleImageProblem;
// `error` names the file and the problem when not.
bool CheckModuleFile(const std::wstring& modulePath, std::string& error);
bool CheckModuleBytes(const std::wstring& modulePath, const std::vector<unsigned char>& bytes, std::string& error);

// Applies `resources` to the module file at `modulePath` in place: every existing
// resource of each type and name is removed, in any language, and those with bytes are
// written again in the neutral language. Other resources stay, in their languages.
// A file that ModuleImageProblem finds unfit is refused untouched. A failure later on can
// leave the file half-updated: use WriteModuleCopy for files that matter.
bool WriteResources(const std::wstring& modulePath, const std::vector<NamedResource>& resources, std::string& error);

// Writes a copy of `inModule` with `resources` applied (as WriteResources) to
// `outModule`, all or nothing: the copy is made in a temporary file beside `outModule`
// and moved onto it only when complete. On failure `outModule` is as it was and the
// temporary file is gone. `inModule` and `outModule` may name the same file. An
// `inModule` that ModuleImageProblem finds unfit is refused before anything is written.
bool WriteModuleCopy(const std::wstring& inModule, const std::wstring& outModule,
                     const std::vector<NamedResource>& resources, std::string& error);

// Reads the resources named in `resources` (their bytes are replaced) from the module
// file at `modulePath`, loaded as data only: no code of it runs.
bool ReadResources(const std::wstring& modulePath, std::vector<NamedResource>& resources, std::string& error);
