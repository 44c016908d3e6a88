#include "ModuleResources.h"

#include <windows.h>

#include "FileOperations.h"
#include "ModuleImage.h"
#include "hook/ModuleResource.h"
#include "toolcli/SystemError.h"
#include "util/WideText.h"

namespace {

std::wstring Identifier(const std::string& text) {
    std::string upper = text;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return std::wstring(Util::ToWide(Util::String(upper)).CStr());
}

std::string Describe(const NamedResource& resource) { return resource.type + "/" + resource.name; }

// A module file opened for its resources only: mapped as data, no code runs, nothing
// is resolved. Windows keeps the file open while the mapping lives.
class DataModule {
public:
    explicit DataModule(const std::wstring& path)
        : module_(LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)),
          error_(module_ ? 0 : GetLastError()) {}
    ~DataModule() {
        if (module_) FreeLibrary(module_);
    }
    DataModule(const DataModule&) = delete;
    DataModule& operator=(const DataModule&) = delete;

    HMODULE Get() const { return module_; }
    DWORD Error() const { return error_; }

private:
    HMODULE module_;
    DWORD error_;
};

// A resource type or name as the system hands it out: a string or a 16-bit number.
class ResourceKey {
public:
    explicit ResourceKey(LPCWSTR key)
        : isNumber_(IS_INTRESOURCE(key)),
          number_(isNumber_ ? static_cast<WORD>(reinterpret_cast<ULONG_PTR>(key)) : 0),
          text_(isNumber_ ? L"" : key) {}

    LPCWSTR Get() const { return isNumber_ ? MAKEINTRESOURCEW(number_) : text_.c_str(); }
    // Lookups compare string identifiers without regard to case.
    bool Is(const std::wstring& text) const { return !isNumber_ && lstrcmpiW(text_.c_str(), text.c_str()) == 0; }

private:
    bool isNumber_;
    WORD number_;
    std::wstring text_;
};

struct ExistingResource {
    ResourceKey type;
    ResourceKey name;
    WORD language;
    std::vector<unsigned char> bytes;
};

struct Collection {
    std::vector<ExistingResource>* resources;
    bool failed = false;
};

BOOL CALLBACK CollectLanguage(HMODULE module, LPCWSTR type, LPCWSTR name, WORD language, LONG_PTR context) {
    Collection& collection = *reinterpret_cast<Collection*>(context);
    const HRSRC info = FindResourceExW(module, type, name, language);
    const HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
    const unsigned char* data = loaded ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
    const DWORD size = info ? SizeofResource(module, info) : 0;
    if (data == nullptr && size != 0) {
        collection.failed = true;
        return FALSE;
    }
    collection.resources->push_back(
        {ResourceKey(type), ResourceKey(name), language, std::vector<unsigned char>(data, data + size)});
    return TRUE;
}

BOOL CALLBACK CollectName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR context) {
    EnumResourceLanguagesW(module, type, name, CollectLanguage, context);
    return !reinterpret_cast<Collection*>(context)->failed;
}

BOOL CALLBACK CollectType(HMODULE module, LPWSTR type, LONG_PTR context) {
    EnumResourceNamesW(module, type, CollectName, context);
    return !reinterpret_cast<Collection*>(context)->failed;
}

// Every resource of the module file, in every language.
bool ReadAllResources(const std::wstring& path, std::vector<ExistingResource>& resources, std::string& error) {
    const DataModule module(path);
    if (!module.Get()) {
        error = "cannot open \"" + Utf8(path) + "\" as a module: " + toolcli::SystemErrorText(module.Error());
        return false;
    }
    Collection collection{&resources};
    // A module without resources makes the enumeration fail: nothing to collect.
    EnumResourceTypesW(module.Get(), CollectType, reinterpret_cast<LONG_PTR>(&collection));
    if (collection.failed) {
        error = "cannot read the resources of \"" + Utf8(path) + "\"";
        return false;
    }
    return true;
}

bool IsReplaced(const ExistingResource& existing, const std::vector<NamedResource>& resources) {
    for (const NamedResource& resource : resources)
        if (existing.type.Is(Identifier(resource.type)) && existing.name.Is(Identifier(resource.name))) return true;
    return false;
}

bool Update(HANDLE update, LPCWSTR type, LPCWSTR name, WORD language, const std::vector<unsigned char>& bytes) {
    // A null pointer would ask for a deletion; an empty resource still needs an address.
    static unsigned char none = 0;
    void* data = bytes.empty() ? &none : const_cast<unsigned char*>(bytes.data());
    return UpdateResourceW(update, type, name, language, data, static_cast<DWORD>(bytes.size())) != 0;
}

}  // namespace

bool CheckModuleBytes(const std::wstring& modulePath, const std::vector<unsigned char>& bytes, std::string& error) {
    const std::string problem = ModuleImageProblem(bytes);
    if (problem.empty()) return true;
    error = "\"" + Utf8(modulePath) + "\" " + problem;
    return false;
}

bool CheckModuleFile(const std::wstring& modulePath, std::string& error) {
    std::vector<unsigned char> bytes;
    return ReadWholeFile(modulePath, bytes, error) && CheckModuleBytes(modulePath, bytes, error);
}

bool WriteResources(const std::wstring& modulePath, const std::vector<NamedResource>& resources, std::string& error) {
    if (!CheckModuleFile(modulePath, error)) return false;
    // The resource table is written afresh: the kept resources, then the new ones.
    // Asking the updater to delete single resources is not reliable everywhere.
    std::vector<ExistingResource> existing;
    if (!ReadAllResources(modulePath, existing, error)) return false;

    const HANDLE update = BeginUpdateResourceW(modulePath.c_str(), TRUE);
    if (update == nullptr) {
        error =
            "cannot update the resources of \"" + Utf8(modulePath) + "\": " + toolcli::SystemErrorText(GetLastError());
        return false;
    }
    const auto fail = [&](const std::string& what) {
        const DWORD code = GetLastError();
        EndUpdateResourceW(update, TRUE);
        error = "cannot write " + what + " into \"" + Utf8(modulePath) + "\": " + toolcli::SystemErrorText(code);
        return false;
    };
    for (const ExistingResource& kept : existing) {
        if (IsReplaced(kept, resources)) continue;
        if (!Update(update, kept.type.Get(), kept.name.Get(), kept.language, kept.bytes))
            return fail("an existing resource");
    }
    for (const NamedResource& resource : resources) {
        if (!resource.bytes) continue;
        if (!Update(update, Identifier(resource.type).c_str(), Identifier(resource.name).c_str(), kNeutralLanguage,
                    *resource.bytes))
            return fail("resource " + Describe(resource));
    }
    if (!EndUpdateResourceW(update, FALSE)) {
        error =
            "cannot write the resources of \"" + Utf8(modulePath) + "\": " + toolcli::SystemErrorText(GetLastError());
        return false;
    }
    return true;
}

bool WriteModuleCopy(const std::wstring& inModule, const std::wstring& outModule,
                     const std::vector<NamedResource>& resources, std::string& error) {
    std::vector<unsigned char> bytes;
    if (!ReadWholeFile(inModule, bytes, error)) return false;
    if (!CheckModuleBytes(inModule, bytes, error)) return false;
    std::wstring temporary;
    if (!CreateTemporaryFileBeside(outModule, bytes, temporary, error)) return false;
    if (!WriteResources(temporary, resources, error) || !MoveReplacing(temporary, outModule, error)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

bool ReadResources(const std::wstring& modulePath, std::vector<NamedResource>& resources, std::string& error) {
    const DataModule module(modulePath);
    if (!module.Get()) {
        error = "cannot open \"" + Utf8(modulePath) + "\" as a module: " + toolcli::SystemErrorText(module.Error());
        return false;
    }
    for (NamedResource& resource : resources) {
        const ModuleResource found = FindModuleResource(module.Get(), resource.type.c_str(), resource.name.c_str());
        switch (found.status) {
        case ModuleResource::Status::NotFound: resource.bytes.reset(); break;
        case ModuleResource::Status::Empty: resource.bytes.emplace(); break;
        case ModuleResource::Status::Found: resource.bytes.emplace(found.data, found.data + found.size); break;
        case ModuleResource::Status::LoadFailed:
        case ModuleResource::Status::LockFailed:
            error = "cannot read resource " + Describe(resource) + " of \"" + Utf8(modulePath) +
                    "\": " + toolcli::SystemErrorText(found.lastError);
            return false;
        }
    }
    return true;
}
