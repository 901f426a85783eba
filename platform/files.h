#pragma once
// File operations by Windows path, as the shell and the installer need them. Failures are
// answered with false or nothing; no call throws.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

bool fileExists(std::string_view winPath);    // a file (not a folder)
bool folderExists(std::string_view winPath);  // a folder

// Creates the folder with all missing parents; true when it exists afterwards.
bool forceFolders(std::string_view winPath);

// Copies a file; an existing target is replaced unless failIfExists. The target appears whole or
// not at all (written beside it, then renamed over it).
bool copyFile(std::string_view from, std::string_view to, bool failIfExists = false);

bool deleteFile(std::string_view winPath);  // files only

struct FolderEntry {
  std::string name;
  bool isFolder = false;
};

// The entries of a folder sorted by name; nothing when it cannot be read.
std::optional<std::vector<FolderEntry>> listFolder(std::string_view winPath);

std::optional<std::uint64_t> fileSize(std::string_view winPath);

}  // namespace platform
