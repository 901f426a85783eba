#pragma once
// What stands where a text file should and must be refused by its reader, at once and with a
// reason: a FIFO nobody writes to, a folder, a link to an endless device, a file over the limit.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace testsupport {

// Puts each at `path` in turn (the last `tooLarge` bytes long, sparse), calls `check` with the
// reason the reader is to give, and removes it again.
template <typename Check>
void forEachRefusedFile(const std::filesystem::path& path, std::uintmax_t tooLarge, Check check) {
  const char* const kinds[] = {"FIFO", "folder", "link to /dev/zero", "oversized file"};
  for (int kind = 0; kind < 4; ++kind) {
    SCOPED_TRACE(kinds[kind]);
    if (kind == 0) {
      ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0) << path;
    }
    if (kind == 1) std::filesystem::create_directory(path);
    if (kind == 2) std::filesystem::create_symlink("/dev/zero", path);
    if (kind == 3) std::ofstream{path};
    if (kind == 3) std::filesystem::resize_file(path, tooLarge);
    check(std::string(kind == 3 ? "larger than" : "not a regular file"));
    std::filesystem::remove(path);
  }
}

}  // namespace testsupport
