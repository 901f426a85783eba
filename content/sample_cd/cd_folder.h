#pragma once
// The CD's root folder on the host: archives and plain files by their CD paths ("FS98\SOUND.RAR").
#include <filesystem>
#include <string>

#include "archive_tree.h"

namespace samplecd {

class CdFolder {
 public:
  explicit CdFolder(std::filesystem::path root) : root_(std::move(root)) {}

  // Both throw std::runtime_error when the file cannot be written.
  void writeArchive(const std::string& cdPath, const ArchiveTree& tree) const;
  void writeFile(const std::string& cdPath, const std::string& data, bool executable = false) const;

  std::filesystem::path hostPath(const std::string& cdPath) const;

 private:
  std::filesystem::path root_;
};

}  // namespace samplecd
