#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "support/StringPrinting.h"
#include "util/ConfigFile.h"
#include "util/WideText.h"

using Util::ConfigFile;
using Util::String;

namespace {

using Bytes = std::vector<std::uint8_t>;

// Every test works under its own key below SOFTWARE\LmHookTests, in both hives, and
// deletes it again.
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
    // The raw value under the current user's key; type 0 when there is none.
    DWORD Raw(const std::wstring& sub, const wchar_t* name, Bytes* data = nullptr) const {
        const std::wstring path = sub.empty() ? key_ : key_ + L"\\" + sub;
        DWORD type = 0, size = 0;
        if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr, &size))
            return 0;
        Bytes bytes(size);
        RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &type, bytes.data(), &size);
        if (data) *data = bytes;
        return type;
    }

    std::wstring key_;
};

TEST_F(SettingsStore, MachineValueIsFoundWhenTheUserHasNone) {
    PutText(HKEY_LOCAL_MACHINE, L"CorePath", L"C:\\machine.dll");
    EXPECT_EQ(ConfigFile(Key()).GetString(String("CorePath"), String("")), String("C:\\machine.dll"));
}

TEST_F(SettingsStore, UserValueHidesTheMachineValueUnlessItIsNoText) {
    PutText(HKEY_LOCAL_MACHINE, L"CorePath", L"C:\\machine.dll");
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
        {"Expand", "default"}, {"Number", "default"}, {"Binary", "default"}, {"Multi", "default"},
        {"Missing", "default"}, {"Empty", ""},      {"JustNul", ""},
    };
    ConfigFile store(Key());
    for (const auto& c : cases) EXPECT_EQ(store.GetString(String(c.name), String("default")), String(c.expected)) << c.name;
    EXPECT_EQ(ConfigFile(Key() + String("\\Nowhere")).GetString(String("Expand"), String("default")), String("default"));
}

TEST_F(SettingsStore, TextWithoutItsTerminatorEndsWithItsData) {
    const wchar_t data[] = {L'a', L'b', L'c', L'd', L'e', L'f'};  // no terminating 0 unit
    const struct {
        const wchar_t* name;
        DWORD size;
        const char* expected;
    } cases[] = {
        {L"Even", 6, "abc"},   // three whole units, no terminator
        {L"Odd", 7, "abc"},    // the half unit at the end is dropped
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

TEST_F(SettingsStore, ValueNamesReachIntoSubkeysAndEscapeSlashes) {
    const struct {
        const char* name;
        const wchar_t* subkey;
        const wchar_t* value;
    } cases[] = {
        {"Sub/Name", L"Sub", L"Name"},
        {"Sub\\Deeper/Name", L"Sub\\Deeper", L"Name"},
        {"A\\/B", L"", L"A/B"},
        {"Sub\\/Key/Name\\/X", L"Sub/Key", L"Name/X"},
        {"Sub/", L"Sub", L""},  // the subkey's default value
    };
    ConfigFile store(Key());
    for (const auto& c : cases) {
        ASSERT_TRUE(store.SetString(String(c.name), String(c.name)));
        EXPECT_EQ(Raw(c.subkey, c.value), static_cast<DWORD>(REG_SZ)) << c.name;
        EXPECT_EQ(store.GetString(String(c.name), String("")), String(c.name));
    }
}

TEST_F(SettingsStore, EverySetterRoundTripsThroughItsGetter) {
    ConfigFile store(Key());
    const Bytes blob = {0, 1, 2, 0xFF};
    const struct {
        const char* name;
        DWORD type;
        std::function<bool()> set;
        std::function<bool()> readsBack;
    } cases[] = {
        {"Text", REG_SZ, [&] { return store.SetString(String("Text"), String("Gr\xC3\xBC\xC3\x9F" "e")); },
         [&] { return store.GetString(String("Text"), String()) == String("Gr\xC3\xBC\xC3\x9F" "e"); }},
        {"Float", REG_BINARY, [&] { return store.SetFloat(String("Float"), -2.5f); },
         [&] { return store.GetFloat(String("Float"), 0.f) == -2.5f; }},
        {"Bool", REG_DWORD, [&] { return store.SetBool(String("Bool"), true); },
         [&] { return store.GetBool(String("Bool"), false); }},
        {"UInt", REG_DWORD, [&] { return store.SetUInt(String("UInt"), 0xFEDCBA98u); },
         [&] { return store.GetUInt(String("UInt"), 0) == 0xFEDCBA98u; }},
        {"Int", REG_DWORD, [&] { return store.SetInt(String("Int"), -42); },
         [&] { return store.GetInt(String("Int"), 0) == -42; }},
        {"UInt64", REG_QWORD, [&] { return store.SetUInt64(String("UInt64"), 0x123456789ABCDEF0ull); },
         [&] { return store.GetUInt64(String("UInt64"), 0) == 0x123456789ABCDEF0ull; }},
        {"Binary", REG_BINARY, [&] { return store.SetBinary(String("Binary"), blob); },
         [&] {
             Bytes read;
             return store.GetBinary(String("Binary"), read) && read == blob;
         }},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(c.set()) << c.name;
        EXPECT_EQ(Raw(L"", Util::ToWide(String(c.name)).CStr()), c.type) << c.name;
        EXPECT_TRUE(c.readsBack()) << c.name;
    }
}

TEST_F(SettingsStore, ReadsOfTheWrongTypeOrSizeGiveTheDefault) {
    const std::uint16_t shortData = 1;
    Put(HKEY_CURRENT_USER, L"", L"Short", REG_BINARY, &shortData, sizeof shortData);
    Put(HKEY_CURRENT_USER, L"", L"Word", REG_DWORD, &shortData, sizeof shortData);
    PutText(HKEY_CURRENT_USER, L"Text", L"12");
    ConfigFile store(Key());
    EXPECT_EQ(store.GetFloat(String("Short"), 1.5f), 1.5f);
    EXPECT_EQ(store.GetUInt(String("Word"), 9u), 9u);
    EXPECT_EQ(store.GetUInt(String("Text"), 9u), 9u);
    EXPECT_EQ(store.GetUInt64(String("Word"), 9u), 9u);
    EXPECT_TRUE(store.GetBool(String("Missing"), true));
    Bytes bytes = {1, 2, 3};
    EXPECT_FALSE(store.GetBinary(String("Text"), bytes));
    EXPECT_TRUE(bytes.empty());
}

TEST_F(SettingsStore, DeletesAndCopiesWorkUnderTheCurrentUserOnly) {
    const DWORD number = 5;
    Put(HKEY_CURRENT_USER, L"", L"Number", REG_DWORD, &number, sizeof number);
    Put(HKEY_CURRENT_USER, L"Sub", L"Gone", REG_SZ, L"x", 4);
    PutText(HKEY_LOCAL_MACHINE, L"Machine", L"m");
    ConfigFile store(Key());

    ASSERT_TRUE(store.CopyValue(String("Number"), String("Sub/Copy")));
    Bytes copied;
    EXPECT_EQ(Raw(L"Sub", L"Copy", &copied), static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(copied, (Bytes{5, 0, 0, 0}));
    ASSERT_TRUE(store.CopyValue(String("Machine"), String("FromMachine")));  // read from either hive
    EXPECT_EQ(Raw(L"", L"FromMachine"), static_cast<DWORD>(REG_SZ));
    EXPECT_FALSE(store.CopyValue(String("Missing"), String("Nothing")));

    EXPECT_TRUE(store.DeleteValue(String("Number")));
    EXPECT_EQ(Raw(L"", L"Number"), 0u);
    EXPECT_FALSE(store.DeleteValue(String("Number")));
    EXPECT_FALSE(store.DeleteValue(String("Machine")));  // the machine's value is left alone
    EXPECT_EQ(store.GetString(String("Machine"), String("")), String("m"));

    EXPECT_FALSE(store.DeleteKey(String("")));  // never the store's own key
    EXPECT_FALSE(store.DeleteKey(String("/")));
    EXPECT_TRUE(store.DeleteKey(String("Sub")));
    EXPECT_EQ(Raw(L"Sub", L"Gone"), 0u);
    EXPECT_EQ(Raw(L"", L"FromMachine"), static_cast<DWORD>(REG_SZ));
    store.Reserved();
}

TEST_F(SettingsStore, NameListsJoinBothHivesOnce) {
    Put(HKEY_CURRENT_USER, L"Both", L"Shared", REG_SZ, L"", 0);
    Put(HKEY_LOCAL_MACHINE, L"both", L"shared", REG_SZ, L"", 0);
    Put(HKEY_LOCAL_MACHINE, L"MachineOnly", L"", REG_SZ, L"", 0);
    Put(HKEY_LOCAL_MACHINE, L"Both", L"MachineValue", REG_SZ, L"", 0);
    ConfigFile store(Key());
    EXPECT_EQ(store.GetSubkeyNames(String("")), (std::vector<String>{String("Both"), String("MachineOnly")}));
    EXPECT_EQ(store.GetValueNames(String("Both")), (std::vector<String>{String("Shared"), String("MachineValue")}));
    EXPECT_TRUE(store.GetValueNames(String("Nowhere")).empty());
}

}  // namespace
