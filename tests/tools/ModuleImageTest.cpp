// lmprime on module files the system's resource functions must not see: corrupt copies
// of a primed copy of the built hook (patched headers, resource tree) and an .exe are
// refused by every form of the tool with one line naming the file and the problem,
// and leave nothing behind. And bundles with long names, whose temporary files once
// passed the path limit.

#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "support/PrimedHook.h"
#include "support/ScratchFolder.h"
#include "support/ToolRun.h"

namespace {

using Bytes = std::vector<unsigned char>;
namespace fs = std::filesystem;

Bytes ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// Where the records a patch aims at lie in a module file, found through the system's own
// header structs.
struct Layout {
    IMAGE_FILE_HEADER* file;
    IMAGE_DATA_DIRECTORY* resources;
    IMAGE_RESOURCE_DIRECTORY* root;

    explicit Layout(Bytes& bytes) {
        auto* nt = reinterpret_cast<IMAGE_NT_HEADERS64*>(bytes.data() +
                                                         reinterpret_cast<IMAGE_DOS_HEADER*>(bytes.data())->e_lfanew);
        file = &nt->FileHeader;
        resources = &nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_RESOURCE];
        auto* sections = reinterpret_cast<IMAGE_SECTION_HEADER*>(reinterpret_cast<unsigned char*>(&nt->OptionalHeader) +
                                                                 file->SizeOfOptionalHeader);
        root = nullptr;
        for (WORD i = 0; i < file->NumberOfSections; ++i) {
            const IMAGE_SECTION_HEADER& s = sections[i];
            if (resources->VirtualAddress >= s.VirtualAddress &&
                resources->VirtualAddress < s.VirtualAddress + s.SizeOfRawData)
                root = reinterpret_cast<IMAGE_RESOURCE_DIRECTORY*>(bytes.data() + s.PointerToRawData +
                                                                   (resources->VirtualAddress - s.VirtualAddress));
        }
    }
    IMAGE_RESOURCE_DIRECTORY_ENTRY* Entries(IMAGE_RESOURCE_DIRECTORY* directory) const {
        return reinterpret_cast<IMAGE_RESOURCE_DIRECTORY_ENTRY*>(directory + 1);
    }
    IMAGE_RESOURCE_DIRECTORY* Below(const IMAGE_RESOURCE_DIRECTORY_ENTRY& entry) const {
        return reinterpret_cast<IMAGE_RESOURCE_DIRECTORY*>(reinterpret_cast<unsigned char*>(root) +
                                                           (entry.OffsetToData & 0x7FFFFFFF));
    }
    // The data entry of the first resource: type, name and language each the first.
    IMAGE_RESOURCE_DATA_ENTRY* FirstData() const {
        IMAGE_RESOURCE_DIRECTORY* language = Below(Entries(Below(Entries(root)[0]))[0]);
        return reinterpret_cast<IMAGE_RESOURCE_DATA_ENTRY*>(reinterpret_cast<unsigned char*>(root) +
                                                            Entries(language)[0].OffsetToData);
    }
};

struct Corruption {
    const char* what;
    std::function<void(Bytes&)> patch;
    const char* reason;  // after the file's name in the message
};

const Corruption kCorruptions[] = {
    {"an executable", [](Bytes& b) { b = ReadBytes(TestBinaryPath(L"tools_tests.exe")); }, "is not a DLL"},
    {"a 32-bit machine", [](Bytes& b) { Layout(b).file->Machine = IMAGE_FILE_MACHINE_I386; },
     "is not an x86-64 module"},
    {"a truncated file", [](Bytes& b) { b.resize(b.size() / 2); }, "runs past the end of the file"},
    {"the resource directory's RVA", [](Bytes& b) { Layout(b).resources->VirtualAddress = 0x7FFF0000; },
     "has a resource directory (RVA 0x7FFF0000"},
    {"the root's entry count", [](Bytes& b) { Layout(b).root->NumberOfNamedEntries = 0xFFFF; },
     "entries run past its resource section"},
    {"named and numbered counts swapped",
     [](Bytes& b) {
         const Layout layout(b);
         --layout.root->NumberOfNamedEntries;
         ++layout.root->NumberOfIdEntries;
     },
     "entry counts do not match its entries"},
    {"a type's name offset",
     [](Bytes& b) {
         const Layout layout(b);
         layout.Entries(layout.root)[0].Name = 0x80000000u | 0x7FFFFF00u;
     },
     "has a resource name at offset 0x7FFFFF00 past its resource section"},
    {"a directory that leads back to the root",
     [](Bytes& b) {
         const Layout layout(b);
         layout.Entries(layout.root)[0].OffsetToData = 0x80000000u;
     },
     "reaches its resource directory at offset 0x0 twice"},
    {"a data entry's RVA", [](Bytes& b) { Layout(b).FirstData()->OffsetToData = 0x7FFFFFF0; },
     "has resource data (RVA 0x7FFFFFF0"},
};

std::string Utf8(const fs::path& path) { return path.u8string(); }

TEST(LmPrimeModuleCheck, UnsoundModulesAreRefusedByEveryFormWithOneLineAndLeaveNothing) {
    ScratchFolder folder(L"image");
    // Primed first, so that the resource tree has named types (LMCORE, LMHOOK).
    const fs::path sound = folder.Path() / L"sound.dll";
    ASSERT_EQ(PrimeHookCopy(sound.wstring(), ProductSettings("LmBrisa3.dll", "CoreConfig:x", "Brisa")), "");
    Bytes hook = ReadBytes(sound);
    ASSERT_GT(Layout(hook).root->NumberOfNamedEntries, 1) << "the tree the patches aim at";
    const ToolRun accepted =
        RunTool(L"lmprime.exe", {sound, folder.Path() / L"resound.dll", L"--core", L"c.dll"});
    ASSERT_EQ(accepted.exitCode, 0u) << accepted.err;
    fs::remove(folder.Path() / L"resound.dll");

    for (const Corruption& c : kCorruptions) {
        SCOPED_TRACE(c.what);
        Bytes bytes = hook;
        c.patch(bytes);
        const fs::path in = folder.Path() / L"in.dll";
        WriteBytes(in, bytes);
        const std::vector<std::wstring> before = FolderEntries(folder.Path());
        const std::vector<std::vector<std::wstring>> forms = {
            {in, folder.Path() / L"out.dll", L"--core", L"c.dll"},
            {in, L"--bundle", folder.Path() / L"bundles", L"--name", L"Brisa", L"--core", L"c.dll"},
            {L"--show", in},
        };
        for (const std::vector<std::wstring>& arguments : forms) {
            const ToolRun run = RunTool(L"lmprime.exe", arguments);
            EXPECT_EQ(run.exitCode, 1u) << arguments[1];
            const std::string head = "lmprime: \"" + Utf8(in) + "\" ";
            EXPECT_EQ(run.err.rfind(head, 0), 0u) << run.err;
            EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
            EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
            EXPECT_EQ(FolderEntries(folder.Path()), before) << "nothing left behind by " << arguments[1];
        }
    }
}

TEST(LmPrimeBundle, LongNamesAreBuiltAndLeaveNoTemporaryFiles) {
    ScratchFolder folder(L"image");
    const fs::path core = folder.Path() / L"core.dll";
    WriteBytes(core, Bytes{'c', 'o', 'r', 'e'});
    for (const std::size_t length : {100, 160}) {
        const std::wstring name(length, L'B');
        const fs::path bundles = folder.Path() / (L"b" + std::to_wstring(length));
        const ToolRun run =
            RunTool(L"lmprime.exe", {TestBinaryPath(L"LmHook.dll"), L"--bundle", bundles, L"--name", name,
                                          L"--core", L"LmCore.dll", L"--core-file", core});
        EXPECT_EQ(run.exitCode, 0u) << length << ": " << run.err;
        EXPECT_EQ(FolderEntries(bundles), std::vector<std::wstring>{name + L".aaxplugin"});
        EXPECT_EQ(FolderEntries(bundles / (name + L".aaxplugin") / L"Contents" / L"x64"),
                  (std::vector<std::wstring>{name + L".aaxplugin", L"LmCore.dll"}));
    }
}

}  // namespace
