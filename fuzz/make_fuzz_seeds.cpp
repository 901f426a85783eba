// Writes the binary seeds of the fuzz targets into the folder given: RAR archives in unrar/ (by
// our RAR writer, with each feature and fault it offers) and WAVE images in wave_parse/ (the
// start of each of the gauge module's sounds, as the module holds them).
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "content/rar_writer/rar_writer.h"
#include "content/sounds/gauge_sounds.h"
#include "content/sounds/synth.h"
#include "content/sounds/wave_file.h"

namespace {

namespace fs = std::filesystem;

// Seeds stay small: the fuzzer mutates them byte by byte.
constexpr std::size_t kSoundSamples = 48;

bool Write(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (out) return true;
  std::fprintf(stderr, "cannot write %s\n", path.c_str());
  return false;
}

rarwriter::RarWriter Installation() {
  rarwriter::RarWriter writer;
  writer.addFolder("NORVANE");
  writer.addFile("NORVANE\\AZ\\AZ.BGL", "scenery");
  writer.addFile("README.TXT", "Norvane\r\n");
  return writer;
}

struct ArchiveSeed {
  const char* name;
  std::function<void(rarwriter::RarWriter&)> shape;
};

const ArchiveSeed kArchives[] = {
    {"plain", [](rarwriter::RarWriter&) {}},
    {"comment", [](rarwriter::RarWriter& w) { w.setComment("QTP Installation"); }},
    {"unicode", [](rarwriter::RarWriter& w) { w.addFile("Flugzeug\\Größe.txt", "ä"); }},
    {"unix",
     [](rarwriter::RarWriter& w) {
       w.addUnixFile("bin/start", "#!/bin/sh\n", 0755);
       w.addSymlink("link", "README.TXT");
     }},
    {"crc", [](rarwriter::RarWriter& w) { w.flipDataByte(1); }},
    {"header_crc", [](rarwriter::RarWriter& w) { w.breakHeaderCrc(2); }},
    {"encrypted", [](rarwriter::RarWriter& w) { w.markEncrypted(1); }},
    {"no_end", [](rarwriter::RarWriter& w) { w.omitEndBlock(); }},
    {"volumes", [](rarwriter::RarWriter& w) { w.setVolumeSize(96); }},
};

bool WriteArchives(const fs::path& folder) {
  for (const ArchiveSeed& seed : kArchives) {
    rarwriter::RarWriter writer = Installation();
    seed.shape(writer);
    const std::vector<std::string> volumes = writer.build();
    for (std::size_t i = 0; i < volumes.size(); ++i)
      if (!Write(folder / (std::string(seed.name) + "." + std::to_string(i + 1) + ".rar"),
                 volumes[i]))
        return false;
  }
  return true;
}

bool WriteSounds(const fs::path& folder) {
  for (const sounds::GaugeSound& sound : sounds::gaugeSounds()) {
    std::vector<std::int16_t> samples = sounds::render(sound);
    samples.resize(std::min(samples.size(), kSoundSamples));
    const auto image = sounds::waveImage(samples, sounds::kSampleRate);
    const std::string_view bytes(reinterpret_cast<const char*>(image.data()), image.size());
    if (!Write(folder / (std::to_string(sound.resourceId) + ".wav"), bytes)) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const fs::path folder = argv[1];
  std::error_code error;
  fs::create_directories(folder / "unrar", error);
  fs::create_directories(folder / "wave_parse", error);
  return WriteArchives(folder / "unrar") && WriteSounds(folder / "wave_parse") ? 0 : 1;
}
