#include "libs/unrar/volume_scan.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <optional>
#include <string_view>

#include "libs/unrar/rar4_format.h"

namespace unrar {
namespace {

// A self-extracting archive is a program with the archive after it. The signature is looked for
// as far as the largest such programs reach (a few MiB); libarchive is then handed the bytes
// from the signature on, so that both readers start at the same place.
constexpr std::size_t kMaxStubSize = 4 * 1024 * 1024;

struct Signature {
  std::uint64_t at = 0;
  ArchiveFormat format = ArchiveFormat::Rar4;
};

std::optional<ArchiveFormat> formatAt(std::string_view bytes) {
  const std::string_view rar4(rar4::kSignature, rar4::kSignatureSize);
  const std::string_view rar5(rar4::kSignature5, rar4::kSignature5Size);
  if (bytes.substr(0, rar5.size()) == rar5) return ArchiveFormat::Rar5;
  if (bytes.substr(0, rar4.size()) == rar4) return ArchiveFormat::Rar4;
  return std::nullopt;
}

std::optional<Signature> findSignature(std::FILE* file) {
  std::string head(rar4::kSignature5Size, '\0');
  head.resize(std::fread(head.data(), 1, head.size(), file));
  if (const auto format = formatAt(head)) return Signature{0, *format};
  if (head.size() < rar4::kSignature5Size) return std::nullopt;
  // Only a file that is not an archive from its first byte on is read any further.
  head.resize(kMaxStubSize + rar4::kSignature5Size);
  head.resize(rar4::kSignature5Size +
              std::fread(head.data() + rar4::kSignature5Size, 1, kMaxStubSize, file));
  const std::string_view common(rar4::kSignature, rar4::kSignatureSize - 1);
  for (std::size_t at = head.find(common); at != std::string::npos && at <= kMaxStubSize;
       at = head.find(common, at + 1)) {
    if (const auto format = formatAt(std::string_view(head).substr(at)))
      return Signature{at, *format};
  }
  return std::nullopt;
}

}  // namespace

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
  const std::optional<Signature> signature = findSignature(file.get());
  if (!signature) {
    scan.status = ScanStatus::NotRar;
    return scan;
  }
  scan.format = signature->format;
  scan.archiveStart = signature->at;
  const std::size_t size =
      scan.format == ArchiveFormat::Rar5 ? rar4::kSignature5Size : rar4::kSignatureSize;
  if (fseeko(file.get(), static_cast<off_t>(signature->at + size), SEEK_SET) != 0) {
    scan.status = ScanStatus::NotRar;
    return scan;
  }
  if (scan.format == ArchiveFormat::Rar5)
    scanRar5Blocks(file.get(), scan);
  else
    scanRar4Blocks(file.get(), scan);
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
