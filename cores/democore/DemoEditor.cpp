#include "DemoEditor.h"

#include <windows.h>

#include <atomic>
#include <cwchar>
#include <new>

#include "DemoInstance.h"
#include "DemoParameters.h"
#include "ModuleHandle.h"
#include "SliderControl.h"

namespace DemoCore {
namespace {

const wchar_t* const kEditorClass = L"LmDemoEditor";
// Editor windows of this core that exist now, on any thread.
std::atomic<int> g_liveEditors{0};
constexpr UINT kRefresh = WM_APP + 2;

enum ControlId : int {
    kGainSlider = 101,
    kFrequencySlider = 102,
    kModeFirst = 110,  // 110 Clean, 111 Lowpass, 112 Highpass
    kInvertBox = 120,
    kSizeButton = 130,
    kGainText = 201,
    kFrequencyText = 202,
};

constexpr int kMargin = 12;
constexpr int kLabelWidth = 80;
constexpr int kTextWidth = 100;
constexpr int kRowHeight = 24;

HINSTANCE Module() noexcept { return static_cast<HINSTANCE>(ModuleHandle()); }

HWND Child(HWND parent, const wchar_t* windowClass, const wchar_t* text, DWORD style, int id, int x, int y, int width,
           int height) noexcept {
    return CreateWindowExW(0, windowClass, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), Module(), nullptr);
}

std::uint32_t SliderIndex(int id) noexcept { return id == kGainSlider ? kGain : kFrequency; }

}  // namespace

// The window procedure and layout, with access to the editor's fields.
struct EditorWindow {
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    static void Build(HWND window) noexcept {
        int y = kMargin;
        const int sliderWidth = DemoEditor::kCompactWidth - 2 * kMargin - kLabelWidth - kTextWidth;
        const int sliderX = kMargin + kLabelWidth;
        Child(window, L"STATIC", L"Gain", 0, 0, kMargin, y + 4, kLabelWidth, 18);
        CreateSlider(window, L"Gain", kGainSlider, sliderX, y, sliderWidth, kRowHeight);
        Child(window, L"STATIC", L"", 0, kGainText, sliderX + sliderWidth + 8, y + 4, kTextWidth - 8, 18);
        y += kRowHeight + kMargin;
        Child(window, L"STATIC", L"Frequency", 0, 0, kMargin, y + 4, kLabelWidth, 18);
        CreateSlider(window, L"Frequency", kFrequencySlider, sliderX, y, sliderWidth, kRowHeight);
        Child(window, L"STATIC", L"", 0, kFrequencyText, sliderX + sliderWidth + 8, y + 4, kTextWidth - 8, 18);
        y += kRowHeight + kMargin;
        Child(window, L"STATIC", L"Mode", 0, 0, kMargin, y + 4, kLabelWidth, 18);
        const wchar_t* const modes[] = {L"Clean", L"Lowpass", L"Highpass"};
        for (int m = 0; m < 3; ++m)
            Child(window, L"BUTTON", modes[m], BS_AUTORADIOBUTTON | (m == 0 ? WS_GROUP : 0), kModeFirst + m,
                  sliderX + m * 95, y, 90, kRowHeight);
        y += kRowHeight + kMargin;
        Child(window, L"BUTTON", L"Invert", BS_AUTOCHECKBOX | WS_GROUP, kInvertBox, sliderX, y, 120, kRowHeight);
        y += kRowHeight + 2 * kMargin;
        Child(window, L"BUTTON", L"Larger", BS_PUSHBUTTON, kSizeButton, kMargin, y, 100, 28);
    }

    // Stretches the sliders over the width and keeps their texts at the right.
    static void Layout(HWND window, int width) noexcept {
        const int sliderX = kMargin + kLabelWidth;
        int sliderWidth = width - 2 * kMargin - kLabelWidth - kTextWidth;
        if (sliderWidth < 40) sliderWidth = 40;
        const int rows[][2] = {{kGainSlider, kGainText}, {kFrequencySlider, kFrequencyText}};
        for (const auto& row : rows) {
            HWND slider = GetDlgItem(window, row[0]);
            RECT r{};
            GetWindowRect(slider, &r);
            MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
            SetWindowPos(slider, nullptr, sliderX, r.top, sliderWidth, kRowHeight, SWP_NOZORDER | SWP_NOACTIVATE);
            SetWindowPos(GetDlgItem(window, row[1]), nullptr, sliderX + sliderWidth + 8, r.top + 4, kTextWidth - 8, 18,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }

    static void Refresh(HWND window, const DemoInstance& instance) noexcept {
        SetSliderPosition(GetDlgItem(window, kGainSlider), ToPosition(kGain, instance.Value(kGain)));
        SetSliderPosition(GetDlgItem(window, kFrequencySlider), ToPosition(kFrequency, instance.Value(kFrequency)));
        wchar_t text[64];
        std::swprintf(text, 64, L"%.2f dB", static_cast<double>(instance.Value(kGain)));
        SetDlgItemTextW(window, kGainText, text);
        std::swprintf(text, 64, L"%.0f Hz", static_cast<double>(instance.Value(kFrequency)));
        SetDlgItemTextW(window, kFrequencyText, text);
        const int mode = static_cast<int>(instance.Value(kMode));
        for (int m = 0; m < 3; ++m)
            SendDlgItemMessageW(window, kModeFirst + m, BM_SETCHECK, m == mode ? BST_CHECKED : BST_UNCHECKED, 0);
        SendDlgItemMessageW(window, kInvertBox, BM_SETCHECK,
                            instance.Value(kInvert) != 0.0f ? BST_CHECKED : BST_UNCHECKED, 0);
    }

    static void OnSlider(DemoEditor& editor, HWND window, WPARAM wParam, HWND slider) noexcept {
        DemoInstance* instance = editor.instance_;
        if (!instance) return;
        const int id = static_cast<int>(wParam & 0xFFFF);
        const std::uint32_t index = SliderIndex(id);
        const float value = FromPosition(index, SliderPosition(slider));
        switch (wParam >> 16) {
        case kSliderBegin:
            instance->BeginEdit(index);
            instance->SetEdit(index, value);
            break;
        case kSliderMove: instance->SetEdit(index, value); break;
        default:
            instance->SetEdit(index, value);
            instance->EndEdit(index);
            break;
        }
        Refresh(window, *instance);
    }

    // A whole edit at once: a click on a mode or on Invert.
    static void Click(DemoInstance& instance, std::uint32_t index, float value) noexcept {
        instance.BeginEdit(index);
        instance.SetEdit(index, value);
        instance.EndEdit(index);
    }

    static void OnCommand(DemoEditor& editor, HWND window, int id) noexcept {
        DemoInstance* instance = editor.instance_;
        if (!instance) return;
        if (id >= kModeFirst && id < kModeFirst + 3) {
            Click(*instance, kMode, static_cast<float>(id - kModeFirst));
        } else if (id == kInvertBox) {
            const bool checked = SendDlgItemMessageW(window, kInvertBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
            Click(*instance, kInvert, checked ? 1.0f : 0.0f);
        } else if (id == kSizeButton) {
            const bool large = !editor.large_;
            const int width = large ? DemoEditor::kLargeWidth : DemoEditor::kCompactWidth;
            const int height = large ? DemoEditor::kLargeHeight : DemoEditor::kCompactHeight;
            // The hook resizes the host's view and then this window (it asks for it).
            if (instance->Hook().Resize(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height)) == 0) {
                editor.large_ = large;
                SetDlgItemTextW(window, kSizeButton, large ? L"Smaller" : L"Larger");
            }
        }
        Refresh(window, *instance);
    }
};

LRESULT CALLBACK EditorWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* editor = reinterpret_cast<DemoEditor*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_NCCREATE: {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        editor = static_cast<DemoEditor*>(create->lpCreateParams);
        editor->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(editor));
        break;
    }
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        if (editor && editor->owned_) {
            delete editor;
            g_liveEditors.fetch_sub(1);
        }
        return 0;
    case WM_CLOSE:
        // Closed from another thread (Close posts this): destroy here, on the window's
        // own thread, and let the classes go with the last editor.
        DestroyWindow(window);
        DemoEditor::UnregisterClassesWhenUnused();
        return 0;
    default: break;
    }
    if (!editor) return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case kSliderGesture: OnSlider(*editor, window, wParam, reinterpret_cast<HWND>(lParam)); return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) OnCommand(*editor, window, LOWORD(wParam));
        return 0;
    case kRefresh:
        if (editor->instance_) Refresh(window, *editor->instance_);
        return 0;
    case WM_SIZE: Layout(window, LOWORD(lParam)); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

DemoEditor* DemoEditor::Open(DemoInstance& instance, void* parent) noexcept {
    HWND parentWindow = static_cast<HWND>(parent);
    if (!parentWindow || !IsWindow(parentWindow) || !RegisterSliderClass(Module())) return nullptr;
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (!GetClassInfoExW(Module(), kEditorClass, &existing)) {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = EditorWindow::Proc;
        windowClass.hInstance = Module();
        windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = kEditorClass;
        if (!RegisterClassExW(&windowClass)) return nullptr;
    }
    auto* editor = new (std::nothrow) DemoEditor(instance);
    if (!editor) return nullptr;
    RECT area{};
    GetClientRect(parentWindow, &area);
    HWND window =
        CreateWindowExW(0, kEditorClass, L"LmDemo", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                        area.right > 0 ? area.right : kCompactWidth, area.bottom > 0 ? area.bottom : kCompactHeight,
                        parentWindow, nullptr, Module(), editor);
    if (!window) {
        delete editor;  // not yet the window's
        return nullptr;
    }
    editor->owned_ = true;
    g_liveEditors.fetch_add(1);
    EditorWindow::Build(window);
    RECT client{};
    GetClientRect(window, &client);
    EditorWindow::Layout(window, client.right);
    EditorWindow::Refresh(window, instance);
    return editor;
}

void DemoEditor::Close() noexcept {
    HWND window = static_cast<HWND>(window_);
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
        DestroyWindow(window);
        UnregisterClassesWhenUnused();
    } else {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
}

void DemoEditor::RequestRefresh(void* window) noexcept {
    if (window) PostMessageW(static_cast<HWND>(window), kRefresh, 0, 0);
}

void DemoEditor::UnregisterClassesWhenUnused() noexcept {
    if (g_liveEditors.load() != 0) return;
    UnregisterClassW(kEditorClass, Module());
    UnregisterSliderClass(Module());
}

}  // namespace DemoCore
