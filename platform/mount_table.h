#pragma once
// The system's mount table, for the optical media among the drives.
#include <filesystem>
#include <string>
#include <vector>

namespace platform {

struct Mount {
  std::filesystem::path device;  // as the table names it, such as /dev/sr0
  std::filesystem::path point;   // where it is mounted
  std::string type;              // iso9660, udf, ext4, ...
};

bool isOpticalFileSystem(const std::string& type);  // iso9660 or udf

// Every entry of the table, with the octal escapes of blanks undone.
std::vector<Mount> mounts();

// The mount table read; /proc/self/mounts unless set (an empty path restores the default).
// Lets a prefix be examined against a recorded table.
void setMountTableFile(const std::filesystem::path& file);

}  // namespace platform
