#pragma once
// HostWindow: a real top-level window the host owns, the parent an editor's view lives
// in. Creating it needs a display (Xvfb here); without one Handle() is null and every
// query answers as for no window. Destroyed with the object. The Windows calls of the
// host's views live in this file. [ui-thread]: the thread that made the window.

#include <string>
#include <vector>

namespace aaxhost {

class HostWindow {
public:
    struct Size {
        int width = 0;
        int height = 0;
    };

    // A visible window whose client area is width x height pixels.
    HostWindow(int clientWidth, int clientHeight, const std::string& title = "aaxhost");
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    // The HWND; null when no window could be made.
    void* Handle() const noexcept { return window_; }
    Size ClientSize() const { return ClientSizeOf(window_); }
    // The windows whose parent is this one, in z-order.
    std::vector<void*> Children() const;

    // Resizes a window so that its client area is width x height; false when it fails.
    static bool ResizeClientArea(void* window, int width, int height);
    static Size ClientSizeOf(void* window);
    // Dispatches the calling thread's pending messages.
    static void PumpMessages();

private:
    void* window_ = nullptr;
};

}  // namespace aaxhost
