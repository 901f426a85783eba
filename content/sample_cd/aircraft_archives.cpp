// The four aircraft: each aircraft archive holds the aircraft's folder with its configuration,
// model, panel and textures; its gauge archive the built NOR_NV36.gau; the sound archives the
// cockpit sounds (SOUND.RAR) and the engine sounds that two aircraft share (AIRCRAFTSND<n>).
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "cd_layout.h"
#include "cd_parts.h"
#include "file_data.h"
#include "panel_layout.h"

namespace samplecd {

namespace fs = std::filesystem;

namespace {

struct Sound {
  const char* file;
  double hz;
};

constexpr Sound kCockpitSounds[] = {
    {"GYRO.WAV", 620},      {"STALL.WAV", 880},  {"GEARWARN.WAV", 440}, {"FLAPS.WAV", 150},
    {"TRIM.WAV", 300},      {"DOOR.WAV", 90},    {"FUELPUMP.WAV", 510}, {"STARTER.WAV", 120},
    {"AVIONICS.WAV", 1200}, {"VACUUM.WAV", 700},
};

constexpr Sound kEngineSounds[] = {
    {"eng_start.wav", 60}, {"eng_shutdown.wav", 55}, {"eng_idle.wav", 70},  {"eng_1000.wav", 85},
    {"eng_1500.wav", 100}, {"eng_2000.wav", 120},    {"eng_2500.wav", 140}, {"eng_2700.wav", 150},
    {"prop_low.wav", 95},  {"prop_high.wav", 160},   {"wind.wav", 250},     {"touchdown.wav", 45},
};

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) throw std::runtime_error("cannot read the gauge module " + path.string());
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string aircraftFolder(const Aircraft& plane) {
  return std::string("Aircraft\\") + plane.folder + "\\";
}

std::string aircraftConfig(const Aircraft& plane, int simulatorVersion) {
  const bool piper = plane.soundArchive == 1;
  return std::string("[fltsim.0]\ntitle=") + plane.title + "\nsim=NV36\nmodel=\npanel=\n" +
         "sound=\ntexture=\nui_manufacturer=" + (piper ? "Piper" : "Beechcraft") +
         "\nui_type=" + (piper ? "PA28-181" : "Bonanza") + "\nui_variation=Norvane\n\n" +
         "[General]\natc_type=" + (piper ? "PIPER" : "BEECH") + "\nperformance=" +
         (piper ? "Reisegeschwindigkeit 120 kn" : "Reisegeschwindigkeit 165 kn") +
         "\n\n[Norvane]\nsimulator=" + std::to_string(simulatorVersion) + "\n";
}

ArchiveTree cockpitSounds(const SimulatorCd& simulator) {
  ArchiveTree tree;
  for (const Sound& sound : kCockpitSounds) {
    const std::string name = std::string("Sound\\Norvane\\") + sound.file;
    tree.addFile(name, waveSound(0.1, sound.hz, nameSeed(name + simulator.folder)));
  }
  return tree;
}

ArchiveTree engineSounds(const std::string& soundFolder) {
  ArchiveTree tree;
  const std::string folder = "Aircraft\\" + soundFolder + "\\sound\\";
  std::string config = "[Norvane]\nsounds=" + std::to_string(std::size(kEngineSounds)) + "\n";
  for (const Sound& sound : kEngineSounds)
    config += std::string(sound.file) + "=" + std::to_string(static_cast<int>(sound.hz)) + "\n";
  tree.addFile(folder + "sound.cfg", dosText(config));
  for (const Sound& sound : kEngineSounds)
    tree.addFile(folder + sound.file, waveSound(0.1, sound.hz, nameSeed(folder + sound.file)));
  return tree;
}

ArchiveTree gaugeArchive(const fs::path& module, const fs::path& windowsModule) {
  ArchiveTree tree;
  if (windowsModule.empty()) {
    tree.addFile("Gauges\\NOR_NV36.gau", readFile(module));
  } else {
    tree.addFile("Gauges\\NOR_NV36.gau", readFile(windowsModule));
    tree.addFile("Gauges\\NOR_NV36.so", readFile(module));
  }
  return tree;
}

ArchiveTree aircraftArchive(const SimulatorCd& simulator, const Aircraft& plane,
                            std::size_t members) {
  ArchiveTree tree;
  const std::string folder = aircraftFolder(plane);
  tree.addFile(folder + "aircraft.cfg", dosText(aircraftConfig(plane, simulator.version)));
  if (simulator.version == 98)
    tree.addFile(folder + "NV36.air", binaryData(folder + "NV36.air", 1536));
  else
    tree.addFile(folder + "model\\model.cfg", dosText("[models]\nnormal=NV36\n"));
  tree.addFile(folder + "model\\NV36.mdl", binaryData(folder + "NV36.mdl", 4096));
  tree.addFile(folder + "panel\\panel.cfg", dosText(panelConfig(plane.title)));
  tree.addFile(folder + "panel\\panel.bmp", bmpTile(32, nameSeed(folder + "panel")));
  tree.addFile(folder + "sound\\sound.cfg",
               dosText(std::string("[fltsim]\nalias=") + plane.soundFolder + "\\sound\n"));
  tree.fillTo(members, [&](int i) {
    const std::string name = folder + "texture\\NV36_" + twoDigits(i + 1) + ".bmp";
    return std::pair{name, bmpTile(16, nameSeed(name + simulator.folder))};
  });
  return tree;
}

}  // namespace

void writeAircraftArchives(const CdFolder& cd, const fs::path& gaugeModule,
                           const fs::path& windowsGaugeModule) {
  const ArchiveTree gauges = gaugeArchive(gaugeModule, windowsGaugeModule);
  const ArchiveTree soundArchives[] = {engineSounds(aircraft()[0].soundFolder),
                                       engineSounds(aircraft()[2].soundFolder)};
  for (const SimulatorCd& simulator : simulators()) {
    const ArchiveTree cockpit = cockpitSounds(simulator);
    cd.writeArchive(cdPath(simulator, "SOUND.RAR"), cockpit);
    for (int n = 1; n <= kAircraftCount; ++n) {
      const Aircraft& plane = aircraft()[static_cast<std::size_t>(n - 1)];
      const ArchiveTree& engine = soundArchives[plane.soundArchive - 1];
      const std::size_t shared =
          cockpit.memberCount() + gauges.memberCount() + engine.memberCount();
      const auto wanted =
          static_cast<std::size_t>(simulator.aircraftMembers[static_cast<std::size_t>(n - 1)]);
      if (shared >= wanted) throw std::logic_error("the aircraft archives hold too many members");
      cd.writeArchive(cdPath(simulator, "Aircraft" + std::to_string(n) + ".rar"),
                      aircraftArchive(simulator, plane, wanted - shared));
      cd.writeArchive(cdPath(simulator, "GAUGES" + std::to_string(n) + ".rar"), gauges);
    }
    for (int n = 1; n <= 2; ++n)
      cd.writeArchive(cdPath(simulator, "AIRCRAFTSND" + std::to_string(n) + ".RAR"),
                      soundArchives[n - 1]);
  }
}

}  // namespace samplecd
