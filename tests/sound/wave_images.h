#pragma once
// RIFF images for the tests, chunk by chunk, so that each can break one rule.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace soundtest {

using Bytes = std::vector<std::uint8_t>;

struct Chunk {
  std::string id;  // four characters
  Bytes body;
  bool padded = true;  // a pad byte after an odd body
};

// A PCM "fmt " body of `length` bytes (16 normally; shorter ones are cut).
Bytes formatBody(int channels, int rate, int bits, std::size_t length = 16);
Chunk formatChunk(int channels = 1, int rate = 22050, int bits = 16);
Chunk dataChunk(const Bytes& samples);

// "RIFF" <L> "WAVE" and the chunks; L counts what follows it unless given.
Bytes riffImage(const std::vector<Chunk>& chunks, std::optional<std::uint32_t> riffLength = {});

// A mono 16-bit tone of `frames` frames, loud enough to measure.
Bytes toneSamples(std::size_t frames, int periodFrames = 50);

}  // namespace soundtest
