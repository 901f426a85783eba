#include "libs/unrar/volume_scan.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>

#include "libs/unrar/rar4_format.h"

namespace unrar {

VolumeScan scanVolume(const std::string& path) {
  VolumeScan scan;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
    scan.status = ScanStatus::CannotOpen;
    return scan;
  }
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                       &std::fclose);
  if (!file) {
    scan.status = ScanStatus::CannotOpen;
    return scan;
  }
  char head[rar4::kSignature5Size] = {};
  const std::size_t got = std::fread(head, 1, sizeof head, file.get());
  if (got >= rar4::kSignature5Size &&
      std::equal(head, head + rar4::kSignature5Size, rar4::kSignature5)) {
    scan.format = ArchiveFormat::Rar5;
    scanRar5Blocks(file.get(), scan);
  } else if (got >= rar4::kSignatureSize &&
             std::equal(head, head + rar4::kSignatureSize, rar4::kSignature)) {
    scan.format = ArchiveFormat::Rar4;
    std::fseek(file.get(), static_cast<long>(rar4::kSignatureSize), SEEK_SET);
    scanRar4Blocks(file.get(), scan);
  } else {
    scan.status = ScanStatus::NotRar;
  }
  return scan;
}

std::uint32_t dosTimeFromUnix(std::int64_t seconds) {
  const auto t = static_cast<std::time_t>(seconds);
  std::tm local{};
  if (localtime_r(&t, &local) == nullptr || local.tm_year < 80) return (1u << 21) | (1u << 16);
  return (static_cast<std::uint32_t>(local.tm_year - 80) << 25) |
         (static_cast<std::uint32_t>(local.tm_mon + 1) << 21) |
         (static_cast<std::uint32_t>(local.tm_mday) << 16) |
         (static_cast<std::uint32_t>(local.tm_hour) << 11) |
         (static_cast<std::uint32_t>(local.tm_min) << 5) |
         (static_cast<std::uint32_t>(local.tm_sec) / 2);
}

}  // namespace unrar
