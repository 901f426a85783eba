#pragma once
// The bytes of the CD's files: Windows text, sounds, texture tiles and the opaque binary data of
// models and scenery, all derived from their names so that every build writes the same CD.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace samplecd {

// Lines end in CR LF, as on the product's other Windows text files.
std::string dosText(std::string_view text);

// `size` bytes that begin with a readable header naming `tag`, the rest derived from it.
std::string binaryData(std::string_view tag, std::size_t size);

// A short mono 16-bit WAVE: a tone at `hz` with a touch of noise, `seconds` long.
std::string waveSound(double seconds, double hz, std::uint32_t seed);

// An uncompressed BMP texture tile of `side` x `side` pixels, its colours derived from `seed`.
std::string bmpTile(int side, std::uint32_t seed);

// A stable 32-bit hash of a name (FNV-1a), the seed of its content.
std::uint32_t nameSeed(std::string_view name);

// "7" -> "07": two-digit numbers for file names.
std::string twoDigits(int n);

}  // namespace samplecd
