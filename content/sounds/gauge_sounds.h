#pragma once
// The gauge module's eleven sounds, by WAVE resource id, as mono 16-bit PCM at 22050 Hz.
#include <cstdint>
#include <span>
#include <vector>

namespace sounds {

struct GaugeSound {
  int resourceId;
  const char* what;
  std::vector<std::int16_t> (*make)();
};

std::span<const GaugeSound> gaugeSounds();

}  // namespace sounds
