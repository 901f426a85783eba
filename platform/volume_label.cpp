#include "platform/volume_label.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <array>
#include <string_view>

#include "platform/mount_table.h"
#include "platform/text_file.h"
#include "platform/unique_fd.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

// The primary volume descriptor is the sector 16 of 2048 bytes; its identifier is 32
// characters padded with blanks.
constexpr off_t kDescriptorOffset = 16 * 2048;
constexpr std::size_t kVolumeIdOffset = 40;
constexpr std::size_t kVolumeIdLength = 32;
// Wine's .windows-label holds a label of at most 32 characters; far more is not one.
constexpr std::size_t kMaxLabelFileBytes = 256;

std::string trimmedRight(std::string text) {
  const auto end = text.find_last_not_of(" \t\r\n");
  text.erase(end == std::string::npos ? 0 : end + 1);
  return text;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The system writes blanks and other unsafe bytes of a label link's name as \xNN.
std::string unescapeLinkName(std::string_view name) {
  std::string out;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (name.substr(i, 2) == "\\x" && i + 3 < name.size() && hexValue(name[i + 2]) >= 0 &&
        hexValue(name[i + 3]) >= 0) {
      out += static_cast<char>(hexValue(name[i + 2]) * 16 + hexValue(name[i + 3]));
      i += 3;
    } else {
      out += name[i];
    }
  }
  return out;
}

std::string linkedLabel(const fs::path& device) {
  std::error_code ec;
  const fs::path wanted = fs::canonical(device, ec);
  if (ec) return {};
  for (fs::directory_iterator it("/dev/disk/by-label", ec), end; !ec && it != end;
       it.increment(ec)) {
    std::error_code linkEc;
    if (fs::canonical(it->path(), linkEc) == wanted && !linkEc)
      return unescapeLinkName(it->path().filename().string());
  }
  return {};
}

// The device a mounted medium at the folder comes from; empty when no optical medium is there.
fs::path opticalDeviceAt(const fs::path& folder) {
  for (const Mount& mount : mounts()) {
    std::error_code ec;
    if (isOpticalFileSystem(mount.type) && fs::canonical(mount.point, ec) == folder && !ec)
      return mount.device;
  }
  return {};
}

std::string labelFile(const fs::path& folder) {
  const textfile::FileRead read =
      textfile::readRegularFile(folder / ".windows-label", kMaxLabelFileBytes);
  if (!read.ok()) return {};
  return trimmedRight(read.bytes.substr(0, read.bytes.find('\n')));
}

}  // namespace

std::string isoVolumeId(const fs::path& device) {
  // Only a disc or an image: opening anything else (a terminal, a pipe) could wait forever.
  struct stat info {};
  if (::stat(device.c_str(), &info) != 0 || !(S_ISBLK(info.st_mode) || S_ISREG(info.st_mode)))
    return {};
  const UniqueFd fd(::open(device.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  std::array<char, 2048> sector{};
  if (!fd.valid() || ::pread(fd.get(), sector.data(), sector.size(), kDescriptorOffset) !=
                         static_cast<ssize_t>(sector.size()))
    return {};
  if (sector[0] != 1 || std::string_view(sector.data() + 1, 5) != "CD001") return {};
  return trimmedRight(std::string(sector.data() + kVolumeIdOffset, kVolumeIdLength));
}

std::string volumeLabel(const Drive& drive) {
  if (const fs::path device = opticalDeviceAt(drive.folder); !device.empty()) {
    std::string label = linkedLabel(device);
    if (label.empty()) label = isoVolumeId(device);
    if (!label.empty()) return label;
  }
  return labelFile(drive.folder);
}

}  // namespace platform
