#include "aaxhost/HostWindow.h"

#include <windows.h>

#include "util/WideText.h"

namespace aaxhost {
namespace {

const wchar_t kClassName[] = L"aaxhost.HostWindow";

HINSTANCE HostInstance() noexcept { return GetModuleHandleW(nullptr); }

void RegisterHostWindowClass() noexcept {
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(HostInstance(), kClassName, &windowClass)) return;
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = HostInstance();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
}

BOOL CALLBACK CollectChild(HWND child, LPARAM context) {
    auto* collected = reinterpret_cast<std::pair<HWND, std::vector<void*>*>*>(context);
    if (GetParent(child) == collected->first) collected->second->push_back(child);
    return TRUE;
}

}  // namespace

HostWindow::HostWindow(int clientWidth, int clientHeight, const std::string& title) {
    RegisterHostWindowClass();
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    const Util::WideText wideTitle = Util::ToWide(Util::String(title));
    window_ = CreateWindowExW(0, kClassName, wideTitle.CStr(), style | WS_VISIBLE, 0, 0, frame.right - frame.left,
                              frame.bottom - frame.top, nullptr, nullptr, HostInstance(), nullptr);
}

HostWindow::~HostWindow() {
    if (window_ != nullptr) DestroyWindow(static_cast<HWND>(window_));
}

std::vector<void*> HostWindow::Children() const {
    std::vector<void*> children;
    if (window_ == nullptr) return children;
    std::pair<HWND, std::vector<void*>*> context(static_cast<HWND>(window_), &children);
    EnumChildWindows(static_cast<HWND>(window_), CollectChild, reinterpret_cast<LPARAM>(&context));
    return children;
}

bool HostWindow::ResizeClientArea(void* window, int width, int height) {
    HWND handle = static_cast<HWND>(window);
    if (handle == nullptr || !IsWindow(handle)) return false;
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(handle, GWL_STYLE));
    const DWORD extendedStyle = static_cast<DWORD>(GetWindowLongPtrW(handle, GWL_EXSTYLE));
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, style, FALSE, extendedStyle);
    return SetWindowPos(handle, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER) != FALSE;
}

HostWindow::Size HostWindow::ClientSizeOf(void* window) {
    RECT client{};
    if (window == nullptr || !GetClientRect(static_cast<HWND>(window), &client)) return {};
    return {client.right - client.left, client.bottom - client.top};
}

void HostWindow::PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace aaxhost
