#pragma once
// A folder of the fuzz target's own under /tmp, removed with everything in it when the run ends
// (libFuzzer ends a run through exit, so static objects are destroyed).
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace fuzzing {

class TempFolder {
 public:
  explicit TempFolder(const std::string& stem) {
    std::string pattern = "/tmp/qtp-fuzz-" + stem + "-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace fuzzing
