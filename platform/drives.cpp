#include "platform/drives.h"

#include <sys/statvfs.h>

#include <algorithm>

#include "platform/mount_table.h"
#include "platform/names.h"
#include "platform/paths.h"
#include "platform/prefix.h"
#include "platform/registry.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

std::optional<char> letterOf(std::string_view root) {
  if (root.size() < 2 || root[1] != ':') return std::nullopt;
  char c = root[0];
  if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  if (c < 'A' || c > 'Z') return std::nullopt;
  return c;
}

fs::path dosdevice(char letter, std::string_view suffix) {
  std::string name(1, static_cast<char>(letter - 'A' + 'a'));
  name += suffix;
  return currentPrefixDir() / "dosdevices" / name;
}

// The folder a dosdevices link leads to; nothing for a missing or dangling link.
std::optional<fs::path> linkedFolder(char letter) {
  std::error_code ec;
  fs::path folder = fs::canonical(dosdevice(letter, ":"), ec);
  if (ec || !fs::is_directory(folder, ec)) return std::nullopt;
  return folder;
}

// "x::" names the device behind a drive; its presence is what makes the drive a CD-ROM.
bool hasDeviceLink(char letter) {
  std::error_code ec;
  return fs::symlink_status(dosdevice(letter, "::"), ec).type() != fs::file_type::not_found;
}

std::vector<fs::path> opticalMounts() {
  std::vector<fs::path> points;
  for (const Mount& mount : mounts())
    if (isOpticalFileSystem(mount.type)) points.push_back(mount.point);
  return points;
}

bool registryNamesCdrom(const std::optional<RegistryKey>& wineDrives, char letter) {
  if (!wineDrives) return false;
  const std::string name{static_cast<char>(letter - 'A' + 'a'), ':'};
  const auto type = wineDrives->readString(name);
  return type && sameName(*type, "cdrom");
}

}  // namespace

std::vector<Drive> drives() {
  std::vector<Drive> result;
  if (currentPrefixDir().empty()) return result;
  const auto wineDrives = RegistryKey::open("Software\\Wine\\Drives", false);
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (auto folder = linkedFolder(letter)) {
      result.push_back(
          {letter, *folder, hasDeviceLink(letter) || registryNamesCdrom(wineDrives, letter)});
    }
  }
  auto isUsed = [&result](char letter) {
    return std::any_of(result.begin(), result.end(),
                       [letter](const Drive& d) { return d.letter == letter; });
  };
  auto isMapped = [&result](const fs::path& point) {
    return std::any_of(result.begin(), result.end(),
                       [&point](const Drive& d) { return d.folder == point; });
  };
  char next = 'D';
  for (const fs::path& mount : opticalMounts()) {
    std::error_code ec;
    const fs::path point = fs::canonical(mount, ec);
    if (ec || isMapped(point)) continue;
    while (next <= 'Z' && isUsed(next)) ++next;
    if (next > 'Z') break;
    result.push_back({next, point, true});
  }
  std::sort(result.begin(), result.end(),
            [](const Drive& a, const Drive& b) { return a.letter < b.letter; });
  return result;
}

std::optional<Drive> findDrive(std::string_view root) {
  const auto letter = letterOf(root);
  if (!letter) return std::nullopt;
  for (Drive& drive : drives())
    if (drive.letter == *letter) return drive;
  return std::nullopt;
}

std::optional<fs::path> driveFolder(std::string_view root) {
  const auto letter = letterOf(root);
  if (!letter) return std::nullopt;
  if (auto folder = linkedFolder(*letter)) return folder;
  if (auto drive = findDrive(root)) return drive->folder;
  return std::nullopt;
}

DriveType driveType(std::string_view root) {
  const auto drive = findDrive(root);
  if (!drive) return DriveType::NoRoot;
  return drive->cdrom ? DriveType::CdRom : DriveType::Fixed;
}

std::optional<std::uint64_t> freeBytes(std::string_view root) {
  if (!letterOf(root)) return std::nullopt;
  fs::path folder = toHost(root);
  if (folder.empty()) return std::nullopt;
  std::error_code ec;
  while (!fs::exists(folder, ec) && folder.has_relative_path()) folder = folder.parent_path();
  struct statvfs info {};
  if (::statvfs(folder.c_str(), &info) != 0) return std::nullopt;
  return static_cast<std::uint64_t>(info.f_bavail) * static_cast<std::uint64_t>(info.f_frsize);
}

}  // namespace platform
