#pragma once
// The editor's slider: an owner-drawn horizontal control (window class "LmDemoSlider")
// that holds a position 0..1 and tells its parent about mouse gestures on it. A press
// captures the mouse and sends kSliderGesture with phase begin, each move while pressed
// phase move, the release (or a lost capture) phase end; the position is already
// updated when the parent hears of it. Moving it from code sends nothing.
// [ui-thread]: the thread that made the slider.

#include <windows.h>

namespace DemoCore {

constexpr UINT kSliderGesture = WM_APP + 1;  // wParam: control ID | phase << 16; lParam: the slider
enum SliderPhase : WPARAM { kSliderBegin = 0, kSliderMove = 1, kSliderEnd = 2 };

// Registers the class for `module` once; true when it is (or already was) registered.
bool RegisterSliderClass(HINSTANCE module) noexcept;
void UnregisterSliderClass(HINSTANCE module) noexcept;

// A child slider named `name`, with control ID `id`; null on failure.
HWND CreateSlider(HWND parent, const wchar_t* name, int id, int x, int y, int width, int height) noexcept;
void SetSliderPosition(HWND slider, double position) noexcept;
double SliderPosition(HWND slider) noexcept;

}  // namespace DemoCore
