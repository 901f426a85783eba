#include "content/sounds/wave_file.h"

#include <string_view>

namespace sounds {
namespace {

void put(std::vector<std::uint8_t>& out, std::string_view id) {
  out.insert(out.end(), id.begin(), id.end());
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

}  // namespace

std::vector<std::uint8_t> waveImage(std::span<const std::int16_t> samples, int sampleRate) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  const auto rate = static_cast<std::uint32_t>(sampleRate);
  std::vector<std::uint8_t> out;
  out.reserve(44 + dataBytes);
  put(out, "RIFF");
  put32(out, 36 + dataBytes);
  put(out, "WAVE");
  put(out, "fmt ");
  put32(out, 16);
  put16(out, 1);  // PCM
  put16(out, 1);  // mono
  put32(out, rate);
  put32(out, rate * 2);  // bytes per second
  put16(out, 2);         // block align
  put16(out, 16);        // bits per sample
  put(out, "data");
  put32(out, dataBytes);
  for (std::int16_t s : samples) put16(out, static_cast<std::uint16_t>(s));
  return out;
}

}  // namespace sounds
