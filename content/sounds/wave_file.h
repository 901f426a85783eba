#pragma once
// RIFF WAVE images of mono 16-bit PCM.
#include <cstdint>
#include <span>
#include <vector>

namespace sounds {

// "RIFF" <L> "WAVE", a 16-byte "fmt " chunk and a "data" chunk, little-endian.
std::vector<std::uint8_t> waveImage(std::span<const std::int16_t> samples, int sampleRate);

}  // namespace sounds
