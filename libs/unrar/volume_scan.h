// What one volume's own headers say, read alongside libarchive: the fields that libarchive
// does not hand out (CRC, method, host, attributes, flags) and whether another volume follows.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace unrar {

enum class ArchiveFormat { Rar4, Rar5 };

struct MemberInfo {
  std::string name;         // UTF-8, as stored (folders separated as the archive has them)
  std::uint32_t flags = 0;  // RHDF_* bits as the interface reports them
  std::uint64_t packSize = 0;
  std::uint64_t unpackedSize = 0;
  std::uint32_t hostOs = 0;
  std::uint32_t crc = 0;
  bool hasCrc = false;
  std::uint32_t dosTime = 0;
  std::uint32_t unpackVersion = 0;
  std::uint32_t method = 0;
  std::uint32_t attributes = 0;
  bool splitBefore = false;
  bool splitAfter = false;
};

// The archive comment as stored: its data may still be packed.
struct StoredComment {
  std::uint32_t method = 0;
  std::uint32_t unpackVersion = 0;
  std::uint32_t hostOs = 0;
  std::uint64_t unpackedSize = 0;
  std::uint32_t crc = 0;
  std::string data;
};

enum class ScanStatus {
  Ok,
  CannotOpen,   // the file is missing or unreadable
  NotRar,       // no RAR signature at the start or after a self-extracting stub
  BadHeader,    // the main header is damaged or cut short
  Unsupported,  // headers are encrypted
};

struct VolumeScan {
  ScanStatus status = ScanStatus::Ok;
  ArchiveFormat format = ArchiveFormat::Rar4;
  // Where the signature is: after the program of a self-extracting archive, else 0.
  std::uint64_t archiveStart = 0;
  bool isVolume = false;
  bool newNumbering = false;
  bool solid = false;
  bool needsNextVolume = false;
  // A later header failed its check: members after it are not listed.
  bool damagedAfterMembers = false;
  // Where the end block of a RAR 4 volume starts, when it has one.
  std::optional<std::uint64_t> endBlockAt;
  std::vector<MemberInfo> members;
  std::optional<StoredComment> comment;
};

VolumeScan scanVolume(const std::string& path);

// Format-specific walkers; the file is positioned after the signature.
void scanRar4Blocks(std::FILE* file, VolumeScan& scan);
void scanRar5Blocks(std::FILE* file, VolumeScan& scan);

// DOS date and time in local time, as the interface reports file times.
std::uint32_t dosTimeFromUnix(std::int64_t seconds);

}  // namespace unrar
