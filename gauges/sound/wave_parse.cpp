#include "gauges/sound/wave_parse.h"

#include <algorithm>
#include <cstring>

namespace sound {
namespace {

constexpr std::uint64_t kChunkHeader = 8;
constexpr std::uint64_t kFirstChunk = 12;
constexpr std::uint32_t kMinFormatBytes = 14;

std::uint32_t le32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

bool isId(const std::uint8_t* p, const char (&id)[5]) {
  return std::memcmp(p, id, 4) == 0;
}

// WAVEFORMATEX is little-endian on every target we build for, as in the file.
WAVEFORMATEX formatFrom(const std::uint8_t* chunk, std::uint32_t length) {
  WAVEFORMATEX format{};
  std::memcpy(&format, chunk, std::min<std::size_t>(length, sizeof format));
  return format;
}

}  // namespace

std::optional<ParsedWave> ParseWave(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kFirstChunk) return std::nullopt;
  const std::uint8_t* base = bytes.data();
  const std::uint32_t riffLength = le32(base + 4);
  if (!isId(base, "RIFF") || !isId(base + 8, "WAVE") || riffLength <= 4) return std::nullopt;

  const std::uint64_t riffEnd = kChunkHeader + riffLength;
  const std::uint64_t available = bytes.size();
  std::optional<WAVEFORMATEX> format;
  const std::uint8_t* samples = nullptr;
  std::uint32_t sampleBytes = 0;
  for (std::uint64_t at = kFirstChunk; !(format && samples);) {
    if (at >= riffEnd || at + kChunkHeader > available) return std::nullopt;
    const std::uint8_t* chunk = base + at;
    const std::uint32_t length = le32(chunk + 4);
    const bool complete = at + kChunkHeader + length <= available;
    if (isId(chunk, "fmt ")) {
      if (length < kMinFormatBytes) return std::nullopt;  // any "fmt " met on the way
      if (!format) {
        if (!complete) return std::nullopt;
        format = formatFrom(chunk + kChunkHeader, length);
      }
    } else if (isId(chunk, "data") && samples == nullptr) {
      if (!complete) return std::nullopt;
      samples = chunk + kChunkHeader;
      sampleBytes = length;
    }
    at += kChunkHeader + length + (length & 1u);
  }
  return ParsedWave{*format, samples, sampleBytes};
}

}  // namespace sound
