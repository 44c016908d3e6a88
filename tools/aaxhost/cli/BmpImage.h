#pragma once
// A 24-bit picture and its BMP file form (BITMAPFILEHEADER, BITMAPINFOHEADER, bottom-up
// rows padded to 4 bytes), for the editor's screenshots. Pure. [any-thread]

#include <cstdint>
#include <vector>

namespace aaxhost::cli {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bgr;  // top row first, 3 bytes (blue, green, red) per pixel
};

// std::invalid_argument for a size that does not match the pixels, or is not positive.
std::vector<std::uint8_t> EncodeBmp24(const Image& image);

}  // namespace aaxhost::cli
