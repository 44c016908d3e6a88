#include "aaxhost/cli/BmpImage.h"

#include <cstring>
#include <stdexcept>

namespace aaxhost::cli {
namespace {

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp24(const Image& image) {
    if (image.width <= 0 || image.height <= 0 ||
        image.bgr.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 3)
        throw std::invalid_argument("a picture's size does not match its pixels");
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(image.height);
    constexpr std::uint32_t kHeaders = 14 + 40;
    std::vector<std::uint8_t> out;
    out.reserve(kHeaders + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    Put(out, kHeaders + pixelBytes, 4);
    Put(out, 0, 4);  // reserved
    Put(out, kHeaders, 4);
    Put(out, 40, 4);
    Put(out, static_cast<std::uint32_t>(image.width), 4);
    Put(out, static_cast<std::uint32_t>(image.height), 4);  // positive: bottom-up rows
    Put(out, 1, 2);                                         // planes
    Put(out, 24, 2);                                        // bits per pixel
    Put(out, 0, 4);                                         // BI_RGB
    Put(out, pixelBytes, 4);
    Put(out, 2835, 4);  // 72 dpi
    Put(out, 2835, 4);
    Put(out, 0, 4);
    Put(out, 0, 4);
    const std::size_t sourceRow = static_cast<std::size_t>(image.width) * 3;
    for (int row = image.height - 1; row >= 0; --row) {
        const std::uint8_t* source = image.bgr.data() + static_cast<std::size_t>(row) * sourceRow;
        out.insert(out.end(), source, source + sourceRow);
        out.insert(out.end(), rowBytes - sourceRow, 0);
    }
    return out;
}

}  // namespace aaxhost::cli
