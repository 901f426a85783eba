// Fuzz target: the bytes as a WAVE resource of the gauge module. Whatever they hold, the walk
// stays inside them and the samples it hands out lie within them.
#include <cstdint>
#include <cstdlib>

#include "gauges/sound/wave_parse.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto wave = sound::ParseWave({data, size});
  if (!wave) return 0;
  const bool inside = wave->samples >= data + 20 && wave->samples <= data + size &&
                      wave->sampleBytes <= static_cast<std::size_t>(data + size - wave->samples);
  if (!inside) std::abort();
  return 0;
}
