#pragma once
// Volume labels, shown beside the drive letters as the Windows drive box shows them.
#include <filesystem>
#include <string>

#include "platform/drives.h"

namespace platform {

// The label of a drive: for a mounted optical medium the one recorded on it (as the system's
// by-label links name it, else the ISO 9660 volume descriptor when the device can be read),
// else the text of the .windows-label file that Wine keeps in a drive's root folder. Empty when
// there is none or it cannot be read.
std::string volumeLabel(const Drive& drive);

// The volume identifier of the ISO 9660 primary volume descriptor on a device or image file;
// empty when there is none.
std::string isoVolumeId(const std::filesystem::path& device);

}  // namespace platform
