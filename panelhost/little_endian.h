#pragma once
// Little-endian fields of the file formats the host reads (bitmaps, WAVE chunks).
#include <cstdint>

namespace panelhost {

inline std::uint32_t readLe32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

}  // namespace panelhost
