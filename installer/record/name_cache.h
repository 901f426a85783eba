#pragma once
// Member paths below an extraction folder resolved as the archive library resolves them (each
// existing name matched exactly, else without regard to ASCII case), with each folder listed
// once: while an archive is extracted the library is the only writer there, and every name it
// makes is told here.
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace installrecord {

class NameCache {
 public:
  // relative: '/'-separated names below base.
  std::filesystem::path resolve(const std::filesystem::path& base, std::string_view relative);
  // The file or folder at path (below a folder listed here) exists now under that name.
  void added(const std::filesystem::path& path);
  void clear() { folders_.clear(); }

 private:
  using Listing = std::map<std::string, std::set<std::string>>;  // folded name: its spellings
  Listing& listing(const std::filesystem::path& folder);

  std::map<std::filesystem::path, Listing> folders_;
};

}  // namespace installrecord
