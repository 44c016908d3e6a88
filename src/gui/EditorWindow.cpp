#include "gui/EditorWindow.h"

#include <windows.h>

#include <cstdint>
#include <string>

#include "gui/AAX_GUI.h"
#include "util/ModuleInstance.h"
#include "util/WideText.h"

namespace {

constexpr DWORD kEditorWindowStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;                  // 0x52000000
constexpr UINT kResizeFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;  // 0x216
static_assert(kEditorWindowStyle == 0x52000000, "editor window style");
static_assert(kResizeFlags == 0x216, "resize flags");

HINSTANCE Instance() noexcept { return static_cast<HINSTANCE>(Util::ModuleInstance()); }

// The UTF-16 name Windows gives a class registered through the ANSI interface.
std::wstring RegisteredName(const Util::String& className) {
    const std::string& bytes = className.Bytes();
    if (bytes.empty()) return std::wstring();
    const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), &wide[0], length);
    return wide;
}

LRESULT CALLBACK EditorWindowProc(HWND window, UINT message, WPARAM wordParameter, LPARAM longParameter) {
    auto* owner = reinterpret_cast<AAX_GUI*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (owner == nullptr) return 1;
    if (owner->ForwardWindowMessage(message, static_cast<std::uint32_t>(wordParameter),
                                    static_cast<std::int32_t>(static_cast<std::uint32_t>(longParameter))))
        return 1;
    return DefWindowProcA(window, message, wordParameter, longParameter);
}

}  // namespace

namespace EditorWindow {

void RegisterWindowClassOnce(const Util::String& className) noexcept {
    WNDCLASSEXA existing;
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(Instance(), className.CStr(), &existing)) return;

    WNDCLASSEXA windowClass;
    ZeroMemory(&windowClass, sizeof windowClass);
    windowClass.cbSize = sizeof windowClass;  // 80
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = EditorWindowProc;
    windowClass.hInstance = Instance();
    windowClass.lpszClassName = className.CStr();
    RegisterClassExA(&windowClass);  // a failure shows when the window cannot be made
}

void UnregisterWindowClass(const Util::String& className) noexcept {
    try {
        UnregisterClassW(RegisteredName(className).c_str(), Instance());
    } catch (...) {
        // Out of memory for the name: the class stays registered until the module unloads.
    }
}

void* Create(const Util::String& className, const Util::String& title, int width, int height, void* parent) noexcept {
    try {
        const std::wstring name = RegisteredName(className);
        const Util::WideText wideTitle = Util::ToWide(title);
        return CreateWindowExW(0, name.c_str(), wideTitle.CStr(), kEditorWindowStyle, 0, 0, width, height,
                               static_cast<HWND>(parent), nullptr, Instance(), nullptr);
    } catch (...) {
        return nullptr;
    }
}

void Attach(void* window, void* parent, AAX_GUI* owner) noexcept {
    SetParent(static_cast<HWND>(window), static_cast<HWND>(parent));
    SetWindowLongPtrW(static_cast<HWND>(window), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
}

void Destroy(void* window) noexcept { DestroyWindow(static_cast<HWND>(window)); }

bool Resize(void* window, int width, int height) noexcept {
    return window != nullptr && SetWindowPos(static_cast<HWND>(window), nullptr, 0, 0, width, height, kResizeFlags);
}

}  // namespace EditorWindow
