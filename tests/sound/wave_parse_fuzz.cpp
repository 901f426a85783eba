// Fuzz target for the WAVE walk (clang: -DQTP_BUILD_FUZZERS=ON builds it with libFuzzer).
// Whatever the bytes, the walk must stay inside them and anything it accepts must hold up.
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
