#pragma once
// A demo prefix: a Windows view with both simulators installed and the product CD in drive D:,
// so that the program has something to detect, show and install into without a real Windows
// installation. Tests make fresh copies in temporary folders; the demo runs on one.
#include <filesystem>
#include <string>

namespace demo {

// Paths inside the prefix, as the program sees them.
inline constexpr const char* kFs2000Folder = "C:\\Program Files\\Microsoft Games\\FS2000\\";
inline constexpr const char* kFs98Folder = "C:\\Program Files\\Microsoft Games\\FS98\\";
inline constexpr const char* kCdDrive = "D:\\";

// The host folder that drive D: maps to inside a prefix made by makeDemoPrefix.
std::filesystem::path cdFolder(const std::filesystem::path& prefix);

// The sample CD that drive D: shows: $QTP_SAMPLE_CD when set, else the one the build generates.
std::filesystem::path sampleCdSource();

// Writes the demo prefix into `dir` (created when missing). An existing prefix is refreshed:
// its simulator files and CD are written again, anything else in it stays. The CD folder holds
// the sample CD's folders with a link to each of its files, so a prefix is quick to make and a
// test may remove or replace files on its own CD; the files themselves are shared and must not
// be written to. Returns false and says why when a file or link cannot be made or the sample CD
// has not been generated.
bool makeDemoPrefix(const std::filesystem::path& dir, std::string* why);

}  // namespace demo
