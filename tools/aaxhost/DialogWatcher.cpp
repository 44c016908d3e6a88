#include "aaxhost/DialogWatcher.h"

#include <windows.h>

#include <set>
#include <utility>

#include "util/WideText.h"

namespace aaxhost {
namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(15);

struct Search {
    DWORD process;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectFatalErrorBox(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process) return TRUE;
    // The class first: reading a title may send a message to the window's thread.
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wstring(className) != L"#32770") return TRUE;
    wchar_t title[32] = {};
    GetWindowTextW(window, title, 32);
    if (std::wstring(title) == L"Fatal Error") search->found.push_back(window);
    return TRUE;
}

std::string BoxText(HWND box) {
    std::wstring text(4096, L'\0');
    const UINT length = GetDlgItemTextW(box, 0xFFFF, &text[0], static_cast<int>(text.size()));
    text.resize(length);
    return Util::FromWide(text.c_str()).Bytes();
}

}  // namespace

DialogWatcher::DialogWatcher() : thread_([this] { Watch(); }) {}

DialogWatcher::~DialogWatcher() { Stop(); }

void DialogWatcher::Stop() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable()) thread_.join();
}

std::vector<std::string> DialogWatcher::Texts() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return texts_;
}

bool DialogWatcher::WaitForTexts(std::size_t count, std::chrono::milliseconds timeout) const {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, timeout, [&] { return texts_.size() >= count; });
}

void DialogWatcher::Watch() {
    std::set<HWND> answered;  // boxes pressed but perhaps not yet gone
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stopping_) {
        lock.unlock();
        Search search{GetCurrentProcessId(), {}};
        EnumWindows(CollectFatalErrorBox, reinterpret_cast<LPARAM>(&search));
        for (auto it = answered.begin(); it != answered.end();) it = IsWindow(*it) ? std::next(it) : answered.erase(it);
        std::vector<std::string> newTexts;
        for (HWND box : search.found) {
            if (!answered.insert(box).second) continue;
            newTexts.push_back(BoxText(box));
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
        lock.lock();
        if (!newTexts.empty()) {
            for (auto& text : newTexts) texts_.push_back(std::move(text));
            changed_.notify_all();
        }
        changed_.wait_for(lock, kPollInterval, [this] { return stopping_; });
    }
}

}  // namespace aaxhost
