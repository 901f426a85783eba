#include "tests/support/refused_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

namespace testsupport {

void forEachRefusedFile(const std::filesystem::path& path, std::size_t tooLarge,
                        const std::function<void(const std::string& reason)>& check) {
  const char* const kinds[] = {"FIFO", "folder", "link to /dev/zero", "oversized file"};
  for (int kind = 0; kind < 4; ++kind) {
    SCOPED_TRACE(kinds[kind]);
    if (kind == 0) {
      ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0) << path;
    }
    if (kind == 1) std::filesystem::create_directory(path);
    if (kind == 2) std::filesystem::create_symlink("/dev/zero", path);
    if (kind == 3) std::ofstream{path};
    if (kind == 3) std::filesystem::resize_file(path, tooLarge);  // sparse: no disk space taken
    check(kind == 3 ? "larger than" : "not a regular file");
    std::filesystem::remove(path);
  }
}

}  // namespace testsupport
