#include "Bundle.h"

#include <vector>

#include "FileOperations.h"
#include "util/FileName.h"
#include "util/WideText.h"

namespace {

const std::wstring kBundleExtension = L".aaxplugin";

wchar_t LowerAscii(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool EqualsIgnoreCase(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

// CON, PRN, AUX, NUL, COM1-9 and LPT1-9 name devices, with any extension.
bool IsDeviceName(const std::wstring& name) {
    std::wstring base = name.substr(0, name.find(L'.'));
    for (wchar_t& c : base) c = LowerAscii(c);
    if (base == L"con" || base == L"prn" || base == L"aux" || base == L"nul") return true;
    return base.size() == 4 && (base.compare(0, 3, L"com") == 0 || base.compare(0, 3, L"lpt") == 0) &&
           base[3] >= L'1' && base[3] <= L'9';
}

// Puts the finished folder `built` at `target`. An existing `target` is first moved
// aside, then removed once the new one is in place, or moved back when that fails.
bool MoveIntoPlace(const std::wstring& built, const std::wstring& target, std::string& error) {
    std::wstring aside;
    if (PathExists(target)) {
        aside = UnusedNameBeside(target, L".old");
        if (!MoveNew(target, aside, error)) return false;
    }
    if (!MoveNew(built, target, error)) {
        std::string ignored;
        if (!aside.empty()) MoveNew(aside, target, ignored);
        return false;
    }
    if (!aside.empty()) RemoveTree(aside);
    return true;
}

bool FillBundle(const std::wstring& inModule, const BundleSettings& bundle, const PrimeSettings& settings,
                const std::wstring& folder, std::string& error) {
    const std::wstring modulePath = BundleModulePath(folder, bundle.name);
    std::vector<std::wstring> created;
    if (!CreateFolders(FolderOf(modulePath), created, error)) return false;
    if (!PrimeModule(inModule, modulePath, settings, error)) return false;
    if (bundle.coreFile.empty()) return true;
    return CopyFileReplacing(bundle.coreFile, JoinPath(FolderOf(modulePath), BundledCoreName(settings.core)), error);
}

}  // namespace

std::wstring BundlePath(const BundleSettings& bundle) {
    return JoinPath(bundle.directory, bundle.name + kBundleExtension);
}

std::wstring BundleModulePath(const std::wstring& bundleFolder, const std::wstring& name) {
    return JoinPath(JoinPath(JoinPath(bundleFolder, L"Contents"), L"x64"), name + kBundleExtension);
}

bool IsPlainFileName(const std::wstring& name) {
    if (name.empty() || name == L"." || name == L"..") return false;
    for (const wchar_t c : name)
        if (c < 0x20 || std::wstring(L"<>:\"/\\|?*").find(c) != std::wstring::npos) return false;
    if (name.back() == L'.' || name.back() == L' ') return false;
    return !IsDeviceName(name);
}

std::wstring BundledCoreName(const std::string& coreText) {
    const bool bare = coreText.find_first_of("/\\") == std::string::npos;
    // The hook's own rule for the last component of a path.
    const Util::String name = bare ? Util::String(coreText) : Util::FileNameOf(Util::String(coreText));
    if (name.IsNull() || name.IsEmpty()) return L"";
    const std::wstring wide = Util::ToWide(name).CStr();
    return IsPlainFileName(wide) ? wide : L"";
}

std::string CheckBundleSettings(const BundleSettings& bundle, const PrimeSettings& settings) {
    if (bundle.directory.empty()) return "the bundle folder is empty";
    if (!IsPlainFileName(bundle.name)) return "the bundle name \"" + Utf8(bundle.name) + "\" is not a usable file name";
    if (bundle.coreFile.empty()) return "";
    if (settings.unprimed) return "a core file can be bundled only with a core name, not for an unprimed hook";
    const std::wstring coreName = BundledCoreName(settings.core);
    if (coreName.empty())
        return "the core text \"" + settings.core + "\" gives no usable file name for the bundled core";
    if (EqualsIgnoreCase(coreName, bundle.name + kBundleExtension))
        return "the bundled core would have the module's own name \"" + Utf8(coreName) + "\"";
    return "";
}

bool BuildBundle(const std::wstring& inModule, const BundleSettings& bundle, const PrimeSettings& settings,
                 std::wstring& bundlePath, std::string& error) {
    error = CheckPrimeSettings(settings);
    if (error.empty()) error = CheckBundleSettings(bundle, settings);
    if (!error.empty()) return false;
    if (!bundle.coreFile.empty() && !IsExistingFile(bundle.coreFile)) {
        error = "core file \"" + Utf8(bundle.coreFile) + "\" not found";
        return false;
    }

    std::vector<std::wstring> createdFolders;
    if (!CreateFolders(bundle.directory, createdFolders, error)) {
        RemoveCreatedFolders(createdFolders);
        return false;
    }
    const std::wstring target = BundlePath(bundle);
    std::wstring building;
    bool ok = CreateTemporaryFolderBeside(target, building, error);
    ok = ok && FillBundle(inModule, bundle, settings, building, error);
    ok = ok && MoveIntoPlace(building, target, error);
    if (!ok) {
        if (!building.empty()) RemoveTree(building);
        RemoveCreatedFolders(createdFolders);
        return false;
    }
    bundlePath = target;
    return true;
}
