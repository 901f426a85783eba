#pragma once
// What the sample CD holds for each simulator: the member counts that the installer weighs its
// progress with, and the names of the product's aircraft.
#include <array>
#include <span>
#include <string>

namespace samplecd {

inline constexpr int kAircraftCount = 4;

struct SimulatorCd {
  int version;         // 2000 or 98
  const char* folder;  // the CD folder of the simulator's archives ("FS2000", "FS98")
  // Members that the archives of one component yield when it is installed alone: an aircraft
  // pulls in SOUND.RAR and its AIRCRAFTSND archive besides its own two.
  std::array<int, kAircraftCount> aircraftMembers;
  int sceneryMembers;
  int trainingMembers;
};

std::span<const SimulatorCd> simulators();

struct Aircraft {
  const char* folder;       // under the simulator's Aircraft folder
  const char* title;        // as the simulator lists it
  const char* soundFolder;  // the shared sound folder it aliases, under Aircraft
  int soundArchive;         // n of AIRCRAFTSND<n>.RAR
};

std::span<const Aircraft> aircraft();

// "FS2000\GAUGES1.rar" and the like: the CD path of a simulator's archive.
std::string cdPath(const SimulatorCd& simulator, const std::string& archive);

}  // namespace samplecd
