// Writes the gauge module's sounds as <resource id>.wav into the folder given.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "content/sounds/gauge_sounds.h"
#include "content/sounds/synth.h"
#include "content/sounds/wave_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  for (const sounds::GaugeSound& sound : sounds::gaugeSounds()) {
    const auto image = sounds::waveImage(sounds::render(sound), sounds::kSampleRate);
    const auto path = folder / (std::to_string(sound.resourceId) + ".wav");
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()),
              static_cast<std::streamsize>(image.size()));
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
