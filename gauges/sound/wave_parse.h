#pragma once
// Reads a RIFF WAVE image as the module's sound resources hold it: the format of the first
// "fmt " chunk and the sample bytes of the first "data" chunk. Pure: no allocation, no I/O, the
// samples point into the given bytes.
#include <cstdint>
#include <optional>
#include <span>

#include "winapi/dsound/dsound.h"

namespace sound {

struct ParsedWave {
  WAVEFORMATEX format;  // fields the "fmt " chunk does not reach are 0
  const std::uint8_t* samples;
  DWORD sampleBytes;
};

// Nothing when the bytes are not "RIFF" <L> "WAVE" with L > 4, when a "fmt " chunk met on the
// walk is shorter than 14 bytes, when the walk over the chunks (from byte 12, each padded to an
// even length) reaches byte 8 + L before both chunks are found, or when a chunk header, the "fmt "
// chunk or the "data" chunk reaches past the bytes given.
std::optional<ParsedWave> ParseWave(std::span<const std::uint8_t> bytes);

}  // namespace sound
