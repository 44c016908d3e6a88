#include "aaxhost/ChannelBuffers.h"

#include <cstdint>

namespace aaxhost {
namespace {

constexpr std::size_t kLine = 64 / sizeof(float);    // floats in a cache line
constexpr std::size_t kPage = 4096 / sizeof(float);  // floats in a page

std::size_t RoundUp(std::size_t value, std::size_t step) { return (value + step - 1) / step * step; }

}  // namespace

ChannelBuffers::ChannelBuffers(std::size_t inputs, std::size_t outputs, std::size_t samples)
    : inputs_(inputs), outputs_(outputs), stride_(RoundUp(samples, kPage) + kLine) {
    const std::size_t inputSpan = inputs * stride_;
    const std::size_t pad = (kPage / 2 + kPage - inputSpan % kPage) % kPage;
    storage_.assign(kLine + inputSpan + pad + outputs * stride_, 0.0f);
    const auto address = reinterpret_cast<std::uintptr_t>(storage_.data());
    inputBase_ = (RoundUp(address, 64) - address) / sizeof(float);
    outputBase_ = inputBase_ + inputSpan + pad;
}

}  // namespace aaxhost
