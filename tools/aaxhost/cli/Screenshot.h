#pragma once
// Screenshots of the host's windows: the client area of a window as it shows on
// screen, child windows (the editor) included; the window is raised to the top and
// redrawn first. The Windows calls of the screenshots live in
// this file's source. [ui-thread]: the thread that owns the window.

#include "aaxhost/cli/BmpImage.h"

namespace aaxhost::cli {

// `window` is an HWND. std::runtime_error when it is no window or cannot be read.
Image CaptureClientArea(void* window);

}  // namespace aaxhost::cli
