#pragma once
// Drive letters of the current prefix: dosdevices/x: links name the mapped folders; mounted
// optical media that no letter maps appear as CD-ROM drives on the first free letters from D:.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/mount_table.h"  // setMountTableFile

namespace platform {

enum class DriveType { NoRoot, Fixed, CdRom };

struct Drive {
  char letter = 'C';             // upper case
  std::filesystem::path folder;  // the host folder the drive's root maps to
  bool cdrom = false;
};

// Every drive of the current prefix in letter order A to Z. A dangling link is no drive.
std::vector<Drive> drives();

// The drive named by the first letter of a root such as "D:\" or "d:", when it exists.
std::optional<Drive> findDrive(std::string_view root);

// The host folder of the drive named by a root; the common case of every path translation.
std::optional<std::filesystem::path> driveFolder(std::string_view root);

// Drive type of a root such as "D:\"; NoRoot when the text names no existing drive.
DriveType driveType(std::string_view root);

// Free bytes available to the user on the drive of a root (statvfs f_bavail * f_frsize of the
// mapped folder or its nearest existing ancestor); nothing when the system cannot tell.
std::optional<std::uint64_t> freeBytes(std::string_view root);

}  // namespace platform
