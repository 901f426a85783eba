#include "wave_images.h"

#include <cmath>
#include <numbers>

namespace soundtest {
namespace {

void put32(Bytes& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void put16(Bytes& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

}  // namespace

Bytes formatBody(int channels, int rate, int bits, std::size_t length) {
  Bytes body;
  const auto blockAlign = static_cast<std::uint32_t>(channels * bits / 8);
  put16(body, 1);
  put16(body, static_cast<std::uint32_t>(channels));
  put32(body, static_cast<std::uint32_t>(rate));
  put32(body, static_cast<std::uint32_t>(rate) * blockAlign);
  put16(body, blockAlign);
  put16(body, static_cast<std::uint32_t>(bits));
  body.resize(length, 0);
  return body;
}

Chunk formatChunk(int channels, int rate, int bits) {
  return {"fmt ", formatBody(channels, rate, bits)};
}

Chunk dataChunk(const Bytes& samples) {
  return {"data", samples};
}

Bytes riffImage(const std::vector<Chunk>& chunks, std::optional<std::uint32_t> riffLength) {
  Bytes body;
  for (const Chunk& chunk : chunks) {
    body.insert(body.end(), chunk.id.begin(), chunk.id.end());
    put32(body, static_cast<std::uint32_t>(chunk.body.size()));
    body.insert(body.end(), chunk.body.begin(), chunk.body.end());
    if (chunk.padded && chunk.body.size() % 2 == 1) body.push_back(0);
  }
  Bytes image = {'R', 'I', 'F', 'F'};
  put32(image, riffLength.value_or(static_cast<std::uint32_t>(4 + body.size())));
  image.insert(image.end(), {'W', 'A', 'V', 'E'});
  image.insert(image.end(), body.begin(), body.end());
  return image;
}

Bytes toneSamples(std::size_t frames, int periodFrames) {
  Bytes samples;
  for (std::size_t i = 0; i < frames; ++i) {
    const double phase = 2 * std::numbers::pi * static_cast<double>(i) / periodFrames;
    put16(samples, static_cast<std::uint16_t>(static_cast<std::int16_t>(12000 * std::sin(phase))));
  }
  return samples;
}

}  // namespace soundtest
