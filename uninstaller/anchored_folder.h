#pragma once
// A folder that paths inside it are resolved against without ever following a symbolic link:
// every folder on the way is opened relative to the one before with O_NOFOLLOW, so a link planted
// anywhere below it cannot lead a removal out of it.
#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/unique_fd.h"

namespace uninstall {

class AnchoredFolder {
 public:
  // Nothing, with the system's reason in *why, when the folder cannot be opened.
  static std::optional<AnchoredFolder> open(const std::filesystem::path& folder, std::string* why);

  const std::filesystem::path& path() const { return path_; }
  int fd() const { return fd_.get(); }

  enum class Kind { Missing, File, Folder, Link, Other, Unsafe };
  struct Entry {
    Kind kind = Kind::Missing;
    struct stat status {};
  };

  // What lies at `relative` ('/' between names), the last name not followed. Unsafe when the path
  // leaves the folder ("..", an absolute path) or a folder on the way is a link or not a folder.
  Entry look(std::string_view relative) const;

  // Removes the file, link or empty folder at `relative` without following it; 0 or the errno.
  int remove(std::string_view relative, bool folder) const;

  // The regular file at `relative` opened for reading, never through a link; invalid otherwise.
  platform::UniqueFd openFile(std::string_view relative) const;

  // The whole regular file at `relative`, never through a link; nothing when it cannot be read
  // or holds more than `limit` bytes.
  std::optional<std::string> read(std::string_view relative, std::size_t limit) const;

  // The folder at `relative` ("" for this folder itself), never through a link.
  platform::UniqueFd openFolder(std::string_view relative) const;

  // The names in the folder at `relative`; nothing when it cannot be opened or read.
  std::optional<std::vector<std::string>> names(std::string_view relative) const;

 private:
  AnchoredFolder(std::filesystem::path path, platform::UniqueFd fd)
      : path_(std::move(path)), fd_(std::move(fd)) {}

  // The folder holding the last name of `relative`, and that name; invalid when unsafe.
  platform::UniqueFd parentOf(std::string_view relative, std::string* leaf, bool* unsafe) const;

  std::filesystem::path path_;
  platform::UniqueFd fd_;
};

// Whether `relative` is a plain path inside a folder: not empty, not absolute, no empty, "." or
// ".." names.
bool staysInside(std::string_view relative);

}  // namespace uninstall
