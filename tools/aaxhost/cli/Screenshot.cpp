#include "aaxhost/cli/Screenshot.h"

#include <windows.h>

#include <cstring>
#include <stdexcept>

namespace aaxhost::cli {

Image CaptureClientArea(void* window) {
    HWND handle = static_cast<HWND>(window);
    RECT client{};
    if (handle == nullptr || !IsWindow(handle) || !GetClientRect(handle, &client))
        throw std::runtime_error("there is no window to capture");
    Image image;
    image.width = client.right - client.left;
    image.height = client.bottom - client.top;
    if (image.width <= 0 || image.height <= 0) throw std::runtime_error("the window has an empty client area");

    // What is on screen over the client area, the editor's child windows included
    // (a window's own device context shows only what the window itself drew).
    // Brought to the top and drawn afresh first, so that no other window covers it.
    SetWindowPos(handle, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    RedrawWindow(handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    POINT origin{0, 0};
    ClientToScreen(handle, &origin);
    HDC source = GetDC(nullptr);
    if (source == nullptr) throw std::runtime_error("the window's device context is not available");
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = memory ? CreateDIBSection(memory, &info, DIB_RGB_COLORS, &pixels, nullptr, 0) : nullptr;
    bool copied = false;
    if (bitmap != nullptr) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        copied = BitBlt(memory, 0, 0, image.width, image.height, source, origin.x, origin.y, SRCCOPY) != FALSE;
        GdiFlush();
        if (copied) {
            const std::size_t stride = (static_cast<std::size_t>(image.width) * 3 + 3) & ~std::size_t{3};
            image.bgr.resize(static_cast<std::size_t>(image.width) * image.height * 3);
            for (int row = 0; row < image.height; ++row)
                std::memcpy(image.bgr.data() + static_cast<std::size_t>(row) * image.width * 3,
                            static_cast<const std::uint8_t*>(pixels) + row * stride,
                            static_cast<std::size_t>(image.width) * 3);
        }
        SelectObject(memory, previous);
        DeleteObject(bitmap);
    }
    if (memory != nullptr) DeleteDC(memory);
    ReleaseDC(nullptr, source);
    if (!copied) throw std::runtime_error("the window's pixels could not be copied");
    return image;
}

}  // namespace aaxhost::cli
