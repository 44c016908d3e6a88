#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/ScratchFolder.h"
#include "support/StringPrinting.h"
#include "util/File.h"
#include "util/Path.h"
#include "util/WideText.h"

using Util::File;
using Util::FromWide;
using Util::Path;
using Util::String;

namespace {

// Sets (or, with nullptr, removes) an environment variable for the life of the object.
class ScopedVariable {
public:
    ScopedVariable(const wchar_t* name, const wchar_t* value) : name_(name) {
        wchar_t old[4096];
        const DWORD length = GetEnvironmentVariableW(name, old, 4096);
        hadValue_ = length > 0 && length < 4096;
        if (hadValue_) old_.assign(old, length);
        SetEnvironmentVariableW(name, value);
    }
    ~ScopedVariable() { SetEnvironmentVariableW(name_, hadValue_ ? old_.c_str() : nullptr); }

private:
    const wchar_t* name_;
    bool hadValue_ = false;
    std::wstring old_;
};

// A scratch folder, made the working directory while it lives.
class TempFolder : public ScratchFolder {
public:
    TempFolder() : ScratchFolder(L"path"), oldWorkingDirectory_(std::filesystem::current_path()) {
        std::filesystem::current_path(Path());
    }
    ~TempFolder() { std::filesystem::current_path(oldWorkingDirectory_); }
    std::wstring MakeFile(const std::wstring& name) const { return WriteFile(name, ""); }
    std::wstring MakeFolder(const std::wstring& name) const {
        EXPECT_TRUE(std::filesystem::create_directory(Join(name)));
        return Join(name);
    }

private:
    std::filesystem::path oldWorkingDirectory_;
};

String U8(const std::wstring& text) { return FromWide(text.c_str()); }

std::wstring ShortNameOf(const std::wstring& path) {
    wchar_t buffer[1024] = {};
    const DWORD length = GetShortPathNameW(path.c_str(), buffer, 1024);
    return length > 0 && length < 1024 ? std::wstring(buffer, length) : std::wstring();
}

TEST(PathConstruction, WhiteSpaceOnlyTextGivesTheNullPath) {
    for (const char* text : {"", " ", "  \t \t ", "\r\n\v\f", "\xC2\xA0 \t", " \xE2\x82"}) {
        const Path path{String(text)};
        EXPECT_TRUE(path.IsNull()) << '"' << text << '"';
        EXPECT_TRUE(path.NativeText().IsNull()) << '"' << text << '"';
        EXPECT_TRUE(path.FileName().IsNull()) << '"' << text << '"';
    }
    EXPECT_TRUE(Path(String()).IsNull());
    EXPECT_TRUE(Path().IsNull());
}

TEST(PathConstruction, TextWithAnyVisibleCharacterIsAPath) {
    // "\xC3\xA0" is a letter whose second byte equals the no-break space's second byte.
    for (const char* text : {"\xC3\xA0", " x ", "\xC2\xA0x", "."}) EXPECT_FALSE(Path(String(text)).IsNull()) << text;
}

TEST(PathConstruction, TildeResolvesUnderHomeOrElseUnderTheRoot) {
    const struct {
        const wchar_t* home;
        const char* text;
        const char* resolved;
        const char* native;
    } cases[] = {
        {L"C:\\homes\\tester", "~", "C:\\homes\\tester/", "C:\\homes\\tester"},
        {L"C:\\homes\\tester", "~/x", "C:\\homes\\tester/x", "C:\\homes\\tester\\x"},
        {L"C:\\homes\\tester", "~\\x", "C:\\homes\\tester/x", "C:\\homes\\tester\\x"},
        {L"C:\\homes\\tester", "~/a/../core.dll", "C:\\homes\\tester/a/../core.dll", "C:\\homes\\tester\\core.dll"},
        // Only a leading "~" followed by a separator names the home folder.
        {L"C:\\homes\\tester", "C:/x/~/y", "C:/x/~/y", "C:\\x\\~\\y"},
        {nullptr, "~", "/", ""},
        {nullptr, "~/x", "/x", "\\x"},
        {nullptr, "~\\x", "/x", "\\x"},
    };
    for (const auto& c : cases) {
        const ScopedVariable home(L"HOME", c.home);
        const Path path{String(c.text)};
        EXPECT_EQ(path.Text(), String(c.resolved)) << c.text;
        EXPECT_EQ(path.NativeText(), String(c.native)) << c.text;
    }
    const ScopedVariable home(L"HOME", L"C:\\homes\\tester");
    EXPECT_NE(Path(String("~x")).Text().Bytes().find("/~x"), std::string::npos);
}

TEST(PathConstruction, RelativeTextResolvesAgainstTheWorkingDirectory) {
    TempFolder folder;
    wchar_t cwd[MAX_PATH + 1];
    GetCurrentDirectoryW(MAX_PATH + 1, cwd);
    EXPECT_EQ(Path(String("x.dll")).Text(), U8(cwd) + String("/x.dll"));
    EXPECT_EQ(Path(String("x.dll")).NativeText(), U8(folder.Join(L"x.dll")));
    EXPECT_EQ(Path(String("sub/../y.dll")).NativeText(), U8(folder.Join(L"y.dll")));
    // Drive, network and rooted texts are not relative.
    for (const char* text : {"C:/x.dll", "c:x.dll", "\\\\server\\share", "//server/share", "/x.dll", "\\x.dll"})
        EXPECT_EQ(Path(String(text)).Text(), String(text)) << text;
}

TEST(PathNativeText, NormalisesSeparatorsDotsAndTrailingSeparators) {
    const struct {
        const char* text;
        const char* native;
    } cases[] = {
        {"C:/a/../b", "C:\\b"},
        {"C:\\a\\\\b\\.\\c\\", "C:\\a\\b\\c"},
        {"C:/./a//./", "C:\\a"},
        {"C:/a/b/../../../x", "C:\\x"},  // ".." above the drive is dropped
        {"C:/..", "C:"},
        {"C:/", "C:"},
        {"/../x/", "\\x"},
        {"C:/Programme/Produ\xC3\xA0/x.dll", "C:\\Programme\\Produ\xC3\xA0\\x.dll"},
        {"//server/share/dir/../x", "\\\\server\\share\\x"},
        {"\\\\server\\\\share\\x\\", "\\\\server\\share\\x"},
        {"\\\\?\\C:\\a\\.\\b", "C:\\a\\b"},
        {"//?/C:/a", "C:\\a"},
        {"\\\\?\\UNC\\server\\share\\x", "\\\\server\\share\\x"},
        // Tilde texts that name no short name keep their text.
        {"C:\\no-such-dir~1\\core~2.dll", "C:\\no-such-dir~1\\core~2.dll"},
        {"C:/no-such~dir//x~y/", "C:\\no-such~dir\\x~y"},
        {"C:/no~such/./../x~y", "C:\\x~y"},
        {"\\\\server~1\\share\\x", "\\\\server~1\\share\\x"},
    };
    for (const auto& c : cases) EXPECT_EQ(Path(String(c.text)).NativeText(), String(c.native)) << c.text;
}

TEST(PathNativeText, ShortNamesAreExpandedToLongNames) {
    TempFolder folder;
    folder.MakeFolder(L"Long Folder Name");
    const std::wstring longFile = folder.MakeFile(L"Long Folder Name\\Another Long File.dll");
    const std::wstring shortFile = ShortNameOf(longFile);
    ASSERT_NE(shortFile.find(L'~'), std::wstring::npos) << "no short name was made for the test file";

    EXPECT_TRUE(String::EqualsIgnoreCase(Path(U8(shortFile)).NativeText(), U8(longFile)));
    // The long names come back exactly as they were created.
    const String native = Path(U8(shortFile)).NativeText();
    EXPECT_NE(native.Bytes().find("\\Long Folder Name\\Another Long File.dll"), std::string::npos) << native.Bytes();

    // Forward separators, a trailing separator and the long-path prefix are taken off first.
    std::wstring forward = ShortNameOf(folder.Join(L"Long Folder Name")) + L"/";
    for (wchar_t& c : forward)
        if (c == L'\\') c = L'/';
    EXPECT_TRUE(String::EqualsIgnoreCase(Path(U8(forward)).NativeText(), U8(folder.Join(L"Long Folder Name"))));
    EXPECT_TRUE(String::EqualsIgnoreCase(Path(U8(L"\\\\?\\" + shortFile)).NativeText(), U8(longFile)));
}

TEST(FileExists, IsTrueForExistingFilesAndFoldersOnly) {
    TempFolder folder;
    const std::wstring file = folder.MakeFile(L"present.dll");
    const std::wstring sub = folder.MakeFolder(L"sub");
    const struct {
        String text;
        bool exists;
    } cases[] = {
        {U8(file), true},
        {String("present.dll"), true},  // relative to the working directory
        {U8(sub), true},
        {U8(sub) + String("\\"), true},
        {U8(sub) + String("/../present.dll"), true},
        {U8(folder.Join(L"missing.dll")), false},
        {U8(folder.Join(L"missing\\present.dll")), false},
        {U8(folder.Join(L"no~such.dll")), false},
        {String(" \t "), false},
        {String(), false},
    };
    for (const auto& c : cases) EXPECT_EQ(File(Path(c.text)).Exists(), c.exists) << c.text.Bytes();
}

}  // namespace
