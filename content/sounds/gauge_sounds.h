#pragma once
// The gauge module's eleven sounds, by WAVE resource id, as mono 16-bit PCM at 22050 Hz.
#include <cstdint>
#include <span>
#include <vector>

#include "content/sounds/synth.h"

namespace sounds {

struct GaugeSound {
  int resourceId;
  const char* what;
  double peak;  // the loudest sample, as a share of full scale
  Signal (*synthesise)();
};

// The sound's 16-bit samples: synthesised and brought to its peak.
std::vector<std::int16_t> render(const GaugeSound& sound);

std::span<const GaugeSound> gaugeSounds();

}  // namespace sounds
