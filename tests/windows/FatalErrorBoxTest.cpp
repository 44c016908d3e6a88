// The real "Fatal Error" box under Xvfb: found by its title, read, and closed with OK
// from another thread, the way a person would.

#include <windows.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "hook/HookConfigResource.h"
#include "support/StringPrinting.h"
#include "support/TestBinaries.h"
#include "util/FatalError.h"

namespace {

struct SeenBox {
    bool found = false;
    std::wstring text;
    bool hasOwner = true;
};

// Waits for a dialog titled "Fatal Error", reads its text, runs `whileShown`, then
// presses OK.
template <typename WhileShown>
SeenBox AnswerFatalErrorBox(WhileShown whileShown) {
    SeenBox seen;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    HWND box = nullptr;
    while (!box && std::chrono::steady_clock::now() < deadline) {
        box = FindWindowW(L"#32770", L"Fatal Error");
        if (!box) Sleep(20);
    }
    if (!box) return seen;
    seen.found = true;
    wchar_t text[2048] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 2048);
    seen.text = text;
    seen.hasOwner = GetWindow(box, GW_OWNER) != nullptr;
    whileShown();
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return seen;
}

HWND MakeTopLevelWindow(const wchar_t* title) {
    return CreateWindowExW(0, L"STATIC", title, WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

TEST(FatalErrorBox, ShowsTextBlocksOwnThreadsWindowsAndRestoresThem) {
    std::atomic<HWND> enabledWindow{nullptr}, disabledWindow{nullptr};
    std::atomic<bool> returned{false};
    std::atomic<bool> enabledAfter{false}, disabledStaysDisabled{false};
    std::atomic<bool> ready{false};

    std::thread reporter([&] {
        HWND a = MakeTopLevelWindow(L"enabled");
        HWND b = MakeTopLevelWindow(L"disabled");
        enabledWindow = a;
        disabledWindow = b;
        if (!a || !b) {  // no display: nothing to block, and no box would be seen
            ready = true;
            return;
        }
        EnableWindow(b, FALSE);
        ready = true;
        Util::ShowFatalError(Util::kFatalErrorTitle, Util::String("Gr\xC3\xBC\xC3\x9F"
                                                                  "e: core missing"));
        returned = true;
        enabledAfter = IsWindowEnabled(a) != FALSE;
        disabledStaysDisabled = IsWindowEnabled(b) == FALSE;
        DestroyWindow(a);
        DestroyWindow(b);
    });
    while (!ready) Sleep(5);
    if (!enabledWindow.load() || !disabledWindow.load()) {
        reporter.join();
        FAIL() << "no windows could be made: run under Xvfb";
    }

    bool blockedWhileShown = false;
    bool returnedWhileShown = true;
    const SeenBox seen = AnswerFatalErrorBox([&] {
        blockedWhileShown = IsWindowEnabled(enabledWindow.load()) == FALSE;
        returnedWhileShown = returned.load();
    });
    reporter.join();

    ASSERT_TRUE(seen.found) << "no box titled \"Fatal Error\" appeared";
    EXPECT_EQ(seen.text, L"Gr\u00FC\u00DFe: core missing");
    EXPECT_FALSE(seen.hasOwner);
    EXPECT_TRUE(blockedWhileShown);
    EXPECT_FALSE(returnedWhileShown) << "the box must block its caller until OK";
    EXPECT_TRUE(returned);
    EXPECT_TRUE(enabledAfter);
    EXPECT_TRUE(disabledStaysDisabled);
}

TEST(FatalErrorBox, BadConfigResourceIsReportedInTheRealBox) {
    HMODULE fixture = LoadLibraryW(TestBinaryPath(L"fx_hook_unterminated.dll").c_str());
    ASSERT_NE(fixture, nullptr);
    Util::String result("not read");
    std::thread reader([&] { result = ReadHookConfigResource(fixture); });
    const SeenBox seen = AnswerFatalErrorBox([] {});
    reader.join();
    FreeLibrary(fixture);

    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.text, L"Invalid hook config resource");
    EXPECT_TRUE(result.IsNull());
}

}  // namespace
