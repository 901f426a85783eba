#include "tests/support/refused_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <utility>

namespace testsupport {

namespace fs = std::filesystem;

void forEachRefusedFile(const fs::path& path, std::size_t tooLarge,
                        const std::function<void(const std::string& reason)>& check) {
  const std::string notRegular = "not a regular file";
  const std::pair<const char*, std::function<std::string()>> kinds[] = {
      {"FIFO", [&] { return ::mkfifo(path.c_str(), 0644) == 0 ? notRegular : ""; }},
      {"folder", [&] { return fs::create_directory(path) ? notRegular : ""; }},
      {"link to /dev/zero",
       [&] {
         fs::create_symlink("/dev/zero", path);
         return notRegular;
       }},
      {"oversized file",
       [&] {
         std::ofstream{path};
         fs::resize_file(path, tooLarge);
         return std::string("larger than");
       }},
  };
  for (const auto& [kind, make] : kinds) {
    SCOPED_TRACE(kind);
    const std::string reason = make();
    ASSERT_FALSE(reason.empty()) << "cannot make it at " << path;
    check(reason);
    fs::remove(path);
  }
}

}  // namespace testsupport
