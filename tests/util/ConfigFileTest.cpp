#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/StringPrinting.h"
#include "util/ConfigFile.h"
#include "util/WideText.h"

using Util::ConfigFile;
using Util::String;

namespace {

// The module reads one text value, the core path, from the settings store: these tests
// hold its text reads. Every test works under its own key below SOFTWARE\LmHookTests,
// in both hives, and deletes it again.
class SettingsStore : public ::testing::Test {
protected:
    SettingsStore() {
        const char* test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        key_ = L"SOFTWARE\\LmHookTests\\" + std::wstring(test, test + std::strlen(test)) + L"_" +
               std::to_wstring(GetCurrentProcessId());
    }
    ~SettingsStore() override {
        for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
            RegDeleteTreeW(root, key_.c_str());
            RegDeleteKeyW(root, L"SOFTWARE\\LmHookTests");  // only when no other test still uses it
        }
    }

    String Key() const { return Util::FromWide(key_.c_str()); }

    void Put(HKEY root, const std::wstring& sub, const wchar_t* name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        const std::wstring path = sub.empty() ? key_ : key_ + L"\\" + sub;
        ASSERT_EQ(RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr), 0);
        EXPECT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size), 0);
        RegCloseKey(key);
    }
    void PutText(HKEY root, const wchar_t* name, const wchar_t* text, DWORD type = REG_SZ) {
        Put(root, L"", name, type, text, static_cast<DWORD>((std::wcslen(text) + 1) * sizeof(wchar_t)));
    }

private:
    std::wstring key_;
};

TEST_F(SettingsStore, UserValueHidesTheMachineValueUnlessItIsNoText) {
    PutText(HKEY_LOCAL_MACHINE, L"CorePath", L"C:\\machine.dll");
    EXPECT_EQ(ConfigFile(Key()).GetString(String("CorePath"), String("")), String("C:\\machine.dll"));
    PutText(HKEY_CURRENT_USER, L"CorePath", L"C:\\user.dll");
    EXPECT_EQ(ConfigFile(Key()).GetString(String("CorePath"), String("")), String("C:\\user.dll"));
    const DWORD number = 7;
    Put(HKEY_CURRENT_USER, L"", L"CorePath", REG_DWORD, &number, sizeof number);
    EXPECT_EQ(ConfigFile(Key()).GetString(String("CorePath"), String("")), String("C:\\machine.dll"));
}

TEST_F(SettingsStore, OnlyPlainTextValuesReadAsText) {
    const DWORD number = 1;
    const wchar_t multi[] = L"a\0b\0";
    PutText(HKEY_CURRENT_USER, L"Expand", L"%TEMP%\\x.dll", REG_EXPAND_SZ);
    Put(HKEY_CURRENT_USER, L"", L"Number", REG_DWORD, &number, sizeof number);
    Put(HKEY_CURRENT_USER, L"", L"Binary", REG_BINARY, L"x", 4);
    Put(HKEY_CURRENT_USER, L"", L"Multi", REG_MULTI_SZ, multi, sizeof multi);
    Put(HKEY_CURRENT_USER, L"", L"Empty", REG_SZ, L"", 0);
    PutText(HKEY_CURRENT_USER, L"JustNul", L"");
    const struct {
        const char* name;
        const char* expected;
    } cases[] = {
        {"Expand", "default"},  {"Number", "default"}, {"Binary", "default"}, {"Multi", "default"},
        {"Missing", "default"}, {"Empty", ""},         {"JustNul", ""},
    };
    ConfigFile store(Key());
    for (const auto& c : cases)
        EXPECT_EQ(store.GetString(String(c.name), String("default")), String(c.expected)) << c.name;
    EXPECT_EQ(ConfigFile(Key() + String("\\Nowhere")).GetString(String("Expand"), String("default")),
              String("default"));
}

TEST_F(SettingsStore, TextWithoutItsTerminatorEndsWithItsData) {
    const wchar_t data[] = {L'a', L'b', L'c', L'd', L'e', L'f'};  // no terminating 0 unit
    const struct {
        const wchar_t* name;
        DWORD size;
        const char* expected;
    } cases[] = {
        {L"Even", 6, "abc"},  // three whole units, no terminator
        {L"Odd", 7, "abc"},   // the half unit at the end is dropped
        {L"OneByte", 1, ""},
        {L"Whole", 12, "abcdef"},
    };
    for (const auto& c : cases) Put(HKEY_CURRENT_USER, L"", c.name, REG_SZ, data, c.size);
    const wchar_t embedded[] = L"ab\0cd";
    Put(HKEY_CURRENT_USER, L"", L"Embedded", REG_SZ, embedded, sizeof embedded);

    ConfigFile store(Key());
    for (const auto& c : cases)
        EXPECT_EQ(store.GetString(Util::FromWide(c.name), String("default")), String(c.expected)) << c.size;
    EXPECT_EQ(store.GetString(String("Embedded"), String("default")), String("ab"));
}

TEST_F(SettingsStore, KeyPathWithSlashesOpensTheSameKey) {
    Put(HKEY_CURRENT_USER, L"A\\B", L"V", REG_SZ, L"found", 12);
    std::string slashed = Key().Bytes() + "/A/B";
    for (char& c : slashed)
        if (c == '\\') c = '/';
    ConfigFile store{String(slashed)};
    EXPECT_EQ(store.GetKeyPath(), Key() + String("\\A\\B"));
    EXPECT_EQ(store.GetString(String("V"), String("")), String("found"));
}

}  // namespace
