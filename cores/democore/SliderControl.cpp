#include "SliderControl.h"

#include <new>

namespace DemoCore {
namespace {

const wchar_t* const kClassName = L"LmDemoSlider";
constexpr int kThumbWidth = 10;

struct SliderState {
    double position = 0.0;
    bool dragging = false;
};

SliderState* StateOf(HWND window) noexcept {
    return reinterpret_cast<SliderState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

double PositionAt(HWND window, int x) noexcept {
    RECT client{};
    GetClientRect(window, &client);
    const int span = client.right - kThumbWidth;
    if (span <= 0) return 0.0;
    const double position = static_cast<double>(x - kThumbWidth / 2) / span;
    return position < 0.0 ? 0.0 : position > 1.0 ? 1.0 : position;
}

void Tell(HWND window, SliderPhase phase) noexcept {
    const auto id = static_cast<WPARAM>(GetDlgCtrlID(window)) & 0xFFFF;
    SendMessageW(GetParent(window), kSliderGesture, id | (phase << 16), reinterpret_cast<LPARAM>(window));
}

void Paint(HWND window, const SliderState& state) noexcept {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client{};
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const int middle = (client.bottom - client.top) / 2;
    RECT track{client.left + kThumbWidth / 2, middle - 2, client.right - kThumbWidth / 2, middle + 2};
    FillRect(dc, &track, GetSysColorBrush(COLOR_BTNSHADOW));
    const int left = static_cast<int>(state.position * (client.right - kThumbWidth));
    RECT thumb{left, client.top + 2, left + kThumbWidth, client.bottom - 2};
    FillRect(dc, &thumb, GetSysColorBrush(state.dragging ? COLOR_HIGHLIGHT : COLOR_BTNTEXT));
    EndPaint(window, &paint);
}

LRESULT CALLBACK SliderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    SliderState* state = StateOf(window);
    switch (message) {
    case WM_NCCREATE: {
        auto* created = new (std::nothrow) SliderState;
        if (!created) return FALSE;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
        break;
    }
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete state;
        break;
    case WM_LBUTTONDOWN:
        if (!state) break;
        state->position = PositionAt(window, static_cast<short>(LOWORD(lParam)));
        state->dragging = true;
        SetCapture(window);
        InvalidateRect(window, nullptr, FALSE);
        Tell(window, kSliderBegin);
        return 0;
    case WM_MOUSEMOVE:
        if (!state || !state->dragging) break;
        state->position = PositionAt(window, static_cast<short>(LOWORD(lParam)));
        InvalidateRect(window, nullptr, FALSE);
        Tell(window, kSliderMove);
        return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        if (!state || !state->dragging) break;
        if (message == WM_LBUTTONUP) state->position = PositionAt(window, static_cast<short>(LOWORD(lParam)));
        state->dragging = false;  // before the release, which sends WM_CAPTURECHANGED
        if (GetCapture() == window) ReleaseCapture();
        InvalidateRect(window, nullptr, FALSE);
        Tell(window, kSliderEnd);
        return 0;
    case WM_PAINT:
        if (!state) break;
        Paint(window, *state);
        return 0;
    case WM_ERASEBKGND: return 1;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool RegisterSliderClass(HINSTANCE module) noexcept {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(module, kClassName, &existing)) return true;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = SliderProc;
    windowClass.hInstance = module;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) != 0;
}

void UnregisterSliderClass(HINSTANCE module) noexcept { UnregisterClassW(kClassName, module); }

HWND CreateSlider(HWND parent, const wchar_t* name, int id, int x, int y, int width, int height) noexcept {
    return CreateWindowExW(0, kClassName, name, WS_CHILD | WS_VISIBLE, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
}

void SetSliderPosition(HWND slider, double position) noexcept {
    SliderState* state = StateOf(slider);
    if (!state || state->dragging) return;  // the user's hand wins over an echo
    state->position = position < 0.0 ? 0.0 : position > 1.0 ? 1.0 : position;
    InvalidateRect(slider, nullptr, FALSE);
}

double SliderPosition(HWND slider) noexcept {
    const SliderState* state = StateOf(slider);
    return state ? state->position : 0.0;
}

}  // namespace DemoCore
