// Writes members below a destination folder and nowhere else: member names are checked, every
// folder on the way is entered without following links, and a file only appears under its own
// name once its data has been checked.
#pragma once

#include <sys/types.h>

#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "libs/unrar/windows_names.h"

namespace unrar {

// The member name split into folder components ('\' and '/' both separate), or nothing when
// the name is empty, absolute, has a drive prefix, a ".." component or a control character.
std::optional<std::vector<std::string>> safeComponents(const std::string& memberName);

// An open folder; closes itself.
class FolderHandle {
 public:
  FolderHandle() = default;
  explicit FolderHandle(int fd) : fd_(fd) {}
  FolderHandle(FolderHandle&& other) noexcept : fd_(other.release()) {}
  FolderHandle& operator=(FolderHandle&& other) noexcept;
  ~FolderHandle();
  int fd() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  int release();

 private:
  int fd_ = -1;
};

// The folder a caller named (trusted, created with its parents when missing).
FolderHandle openTrustedFolder(const std::string& path);
// Enters (and creates) the folders below a trusted folder; a link or non-folder on the way
// fails. A folder that exists in another letter case is entered under its existing name.
FolderHandle enterFolders(const FolderHandle& base, const std::vector<std::string>& folders,
                          FolderNames& names);

// A file being written under a temporary name in its folder.
class PendingFile {
 public:
  // False when the target name is a link or a folder, or the temporary cannot be made. A file
  // that exists under `name` in another letter case is the one replaced, keeping its name.
  // The file gets `mode` (permission bits only), less the process umask.
  bool create(FolderHandle folder, const std::string& name, mode_t mode, FolderNames& names);
  bool write(const void* data, std::size_t size);
  // Gives the file its name and time; false when that fails (the data is then removed).
  bool commit(std::time_t modified);
  void discard();
  ~PendingFile() { discard(); }

 private:
  FolderHandle folder_;
  FolderNames* names_ = nullptr;
  std::string name_;
  std::string temporary_;
  int fd_ = -1;
};

}  // namespace unrar
