#include "util/FatalError.h"

#include <windows.h>

#include <mutex>
#include <utility>
#include <vector>

#include "util/Mutex.h"
#include "util/WideText.h"

namespace Util {

const char* const kFatalErrorTitle = "Fatal Error";

namespace {

Util::Mutex& SinkMutex() {
    static Util::Mutex mutex;
    return mutex;
}

FatalErrorSink& Sink() {
    static FatalErrorSink sink;
    return sink;
}

BOOL CALLBACK DisableEnabledWindow(HWND window, LPARAM context) {
    if (IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
    }
    return TRUE;
}

}  // namespace

FatalErrorSink SetFatalErrorSink(FatalErrorSink sink) {
    std::lock_guard<Util::Mutex> lock(SinkMutex());
    std::swap(Sink(), sink);
    return sink;
}

void ShowFatalError(const String& title, const String& message) {
    FatalErrorSink sink;
    {
        std::lock_guard<Util::Mutex> lock(SinkMutex());
        sink = Sink();
    }
    if (sink) {
        sink(title, message);
        return;
    }

    std::vector<HWND> disabled;
    EnumThreadWindows(GetCurrentThreadId(), DisableEnabledWindow, reinterpret_cast<LPARAM>(&disabled));

    const WideText wideTitle = ToWide(title, kEncodingUtf8);
    const WideText wideMessage = ToWide(message, kEncodingUtf8);
    MessageBoxW(nullptr, wideMessage.CStr(), wideTitle.CStr(), MB_OK | MB_ICONERROR);

    for (HWND window : disabled) {
        if (IsWindow(window)) EnableWindow(window, TRUE);
    }
}

}  // namespace Util
