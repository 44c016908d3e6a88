#pragma once
// Two channels of white noise for the command-line tests: different on each channel, so
// that a channel that comes back elsewhere shows; 32-bit float at 48 kHz.

#include <cstdint>
#include <vector>

#include "aaxhost/cli/WavFile.h"

inline aaxhost::cli::WavAudio WavNoise(std::size_t frames, std::uint32_t seed = 12345) {
    aaxhost::cli::WavAudio audio;
    audio.sampleRate = 48000;
    audio.channels.assign(2, std::vector<float>(frames));
    for (auto& channel : audio.channels)
        for (float& sample : channel) {
            seed = seed * 1664525u + 1013904223u;
            sample = static_cast<float>(seed >> 8) / 16777216.0f - 0.5f;
        }
    return audio;
}
