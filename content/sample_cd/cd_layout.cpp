#include "cd_layout.h"

namespace samplecd {

namespace {

// The same figures as the installer's expected file counts.
constexpr SimulatorCd kSimulators[] = {
    {2000, "FS2000", {102, 98, 118, 85}, 4846, 1457},
    {98, "FS98", {79, 75, 117, 93}, 4846, 1434},
};

constexpr Aircraft kAircraft[] = {
    {"Norvane PA28 MFT", "Piper PA28-181 MFT", "Norvane Piper Sound", 1},
    {"Norvane PA28", "Piper PA28-181", "Norvane Piper Sound", 1},
    {"Norvane F33A MFT", "Beechcraft F33A Bonanza MFT", "Norvane Beech Sound", 2},
    {"Norvane A36", "Beechcraft A36 Bonanza", "Norvane Beech Sound", 2},
};

}  // namespace

std::span<const SimulatorCd> simulators() {
  return kSimulators;
}

std::span<const Aircraft> aircraft() {
  return kAircraft;
}

std::string cdPath(const SimulatorCd& simulator, const std::string& archive) {
  return std::string(simulator.folder) + "\\" + archive;
}

}  // namespace samplecd
