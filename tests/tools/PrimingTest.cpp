// Priming through lmprime's library, on real copies of the built hook module, read
// back through the hook's own resource readers.

#include <windows.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "LmPrimeTestSupport.h"
#include "ModuleReport.h"
#include "ModuleResources.h"
#include "Priming.h"
#include "hook/ModuleResource.h"
#include "support/StringPrinting.h"

namespace {

constexpr WORD kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
const std::string kNul(1, '\0');

// The bytes of a resource as the hook finds it (no language asked for); "<absent>" or
// "<status n>" when it finds none.
std::string HookSees(HMODULE module, const char* type, const char* name) {
    const ModuleResource found = FindModuleResource(module, type, name);
    if (found.status == ModuleResource::Status::NotFound) return "<absent>";
    if (found.status != ModuleResource::Status::Found) return "<status " + std::to_string(int(found.status)) + ">";
    return std::string(reinterpret_cast<const char*>(found.data), found.size);
}

PrimeSettings Branded() {
    PrimeSettings settings;
    settings.core = "LmBrisa3.dll";
    settings.config = "FixedChannelConfig:stereo|Media:VST-One,AU-One|CoreConfig:abc";
    settings.shortName = "Brisa";
    return settings;
}

TEST(Priming, RePrimingReplacesOurResourcesInEveryLanguageAndKeepsUnrelatedOnes) {
    const ScratchFolder scratch(L"priming");
    const std::wstring module = scratch.CopyBinary(L"LmHook.dll", L"primed.dll");
    std::string error;
    ASSERT_TRUE(PrimeModule(module, module, Branded(), error)) << error;
    // Left by some other tool: a lookup without a language could pick these up.
    ASSERT_TRUE(AddResourceInLanguage(module, L"LMCORE", L"PATH", kEnglish, "English.dll" + kNul));
    ASSERT_TRUE(AddResourceInLanguage(module, L"LMHOOK", L"SHORTNAME", kEnglish, "English" + kNul));
    ASSERT_TRUE(AddResourceInLanguage(module, MAKEINTRESOURCEW(10), MAKEINTRESOURCEW(7), kEnglish, "seven"));
    ASSERT_TRUE(AddResourceInLanguage(module, L"LMHOOK", L"OTHER", kNeutralLanguage, "other"));

    PrimeSettings again;
    again.core = "C:\\Cores\\Other.dll";
    const std::wstring& primed = module;  // in place, as a team re-brands a module
    ASSERT_TRUE(PrimeModule(module, primed, again, error)) << error;

    EXPECT_EQ(ResourceBytes(primed, L"LMCORE", L"PATH", kNeutralLanguage), "C:\\Cores\\Other.dll" + kNul);
    EXPECT_EQ(ResourceBytes(primed, L"LMCORE", L"PATH", kEnglish), "<none>");
    EXPECT_EQ(ResourceBytes(primed, MAKEINTRESOURCEW(10), MAKEINTRESOURCEW(7), kEnglish), "seven");
    EXPECT_EQ(ResourceBytes(primed, L"LMHOOK", L"OTHER", kNeutralLanguage), "other");
    const HeldModule data(LoadAsDataFile(primed));
    EXPECT_EQ(HookSees(data.Get(), "LMHOOK", "CONFIG"), "<absent>");
    EXPECT_EQ(HookSees(data.Get(), "LMHOOK", "SHORTNAME"), "<absent>");
}

TEST(Priming, ACoreTextTheHookWouldRefuseLeavesNoOutput) {
    const ScratchFolder scratch(L"priming");
    PrimeSettings tooLong;
    tooLong.core = std::string(2048, 'c');
    std::string error;
    EXPECT_FALSE(PrimeModule(scratch.CopyBinary(L"LmHook.dll"), scratch.Join(L"out.dll"), tooLong, error));
    EXPECT_NE(error.find("2048 bytes"), std::string::npos) << error;
    EXPECT_EQ(FolderEntries(scratch.Wide()), std::vector<std::wstring>{L"LmHook.dll"});
}

struct DescribeCase {
    std::string type;
    std::optional<std::string> bytes;
    std::size_t maxLength;
    std::string shown;
};

TEST(DescribedResource, NamesWhatTheResourceHolds) {
    const DescribeCase cases[] =
        {{"LMHOOK", std::nullopt, 1023, "absent"},
         {"LMHOOK", std::string(), 1023, "empty resource (0 bytes, no NUL)"},
         {"LMCORE", kNul, 2047, "empty text (unprimed hook)"},
         {"LMHOOK", kNul, 1023, "empty text"},
         {"LMHOOK", std::string("Brisa") + kNul, 1023, "\"Brisa\" (5 bytes)"},
         {"LMHOOK", std::string("abc"), 1023, "\"abc\" (3 bytes, not NUL-terminated)"},
         {"LMHOOK", std::string("a") + kNul + "tail" + kNul, 1023, "\"a\" (1 byte, 5 more bytes after the first NUL)"},
         {"LMHOOK", std::string(4, 'x') + kNul, 3, "\"xxxx\" (4 bytes, too long: the hook accepts at most 3)"},
         // UTF-8 passes through; control bytes and broken sequences are escaped.
         {"LMHOOK", std::string("K\xC3\xA4se\t\xFF\xC3") + kNul, 1023, "\"K\xC3\xA4se\\x09\\xFF\\xC3\" (8 bytes)"}};
    for (const DescribeCase& c : cases) {
        NamedResource resource{c.type, "X", std::nullopt};
        if (c.bytes) resource.bytes = std::vector<unsigned char>(c.bytes->begin(), c.bytes->end());
        EXPECT_EQ(DescribeResource(resource, c.maxLength), c.shown);
    }
}

}  // namespace
