#include "aaxhost/validate/FatalErrorBoxes.h"

#include <windows.h>

#include <atomic>

namespace aaxhost::validate {

namespace {
std::atomic<DialogWatcher*> g_watcher{nullptr};
}

void SetFatalErrorWatcher(DialogWatcher* watcher) noexcept { g_watcher.store(watcher); }

std::vector<std::string> FatalErrorTexts() {
    DialogWatcher* watcher = g_watcher.load();
    return watcher == nullptr ? std::vector<std::string>{} : watcher->Texts();
}

std::vector<std::string> WaitForFatalErrorsBeyond(std::size_t seen, std::chrono::milliseconds timeout) {
    DialogWatcher* watcher = g_watcher.load();
    if (watcher == nullptr) return {};
    watcher->WaitForTexts(seen + 1, timeout);
    return watcher->Texts();
}

bool DialogsCanAppear() {
    HWND probe = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    if (probe == nullptr) return false;
    DestroyWindow(probe);
    return true;
}

}  // namespace aaxhost::validate
