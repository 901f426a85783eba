#pragma once
// The soak's folder: a demo prefix (prefix/), the sample CD as a folder of links (cd/, drive D:)
// and the user's home (home/), with what drive C: held before any run listed in initial-tree.
#include <filesystem>
#include <set>

namespace soak {

// Makes what is missing, points the environment at the home folder, opens the prefix and detects
// the simulators (which finishes or undoes a killed run). False with the reason on standard error.
bool OpenSoakFolder(const std::filesystem::path& folder, const std::filesystem::path& sampleCd);

// Every file and folder below drive C: before the first run, as paths relative to drive C:.
std::set<std::filesystem::path> InitialTree(const std::filesystem::path& folder);

std::filesystem::path DriveC(const std::filesystem::path& folder);

}  // namespace soak
