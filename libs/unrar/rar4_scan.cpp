// Walks the blocks of a RAR 4.x volume. Each header's CRC is checked; data areas are skipped.
#include <cstdio>
#include <vector>

#include "libs/unrar/rar4_format.h"
#include "libs/unrar/rar4_name.h"
#include "libs/unrar/volume_scan.h"

namespace unrar {
namespace {

using Bytes = std::vector<unsigned char>;

bool readExactly(std::FILE* file, unsigned char* out, std::size_t size) {
  return std::fread(out, 1, size, file) == size;
}

// Reads one whole header (base part, then the rest that its size announces).
bool readHeader(std::FILE* file, Bytes& header, bool& atEnd) {
  header.assign(rar4::kBaseHeaderSize, 0);
  const std::size_t got = std::fread(header.data(), 1, rar4::kBaseHeaderSize, file);
  atEnd = got == 0;
  if (got != rar4::kBaseHeaderSize) return false;
  const std::size_t size = rar4::le16(&header[5]);
  if (size < rar4::kBaseHeaderSize) return false;
  header.resize(size);
  return readExactly(file, header.data() + rar4::kBaseHeaderSize, size - rar4::kBaseHeaderSize);
}

bool crcMatches(const Bytes& header, std::size_t coveredSize) {
  const auto crc = rar4::crc32({header.data() + 2, coveredSize - 2});
  return (crc & 0xFFFF) == rar4::le16(header.data());
}

std::string nameOf(const Bytes& h) {
  const std::size_t nameSize = rar4::le16(&h[26]);
  std::size_t at = rar4::kFileHeaderFixedSize;
  if ((rar4::le16(&h[3]) & rar4::kFileLarge) != 0) at += 8;
  if (at + nameSize > h.size()) return {};
  return {reinterpret_cast<const char*>(&h[at]), nameSize};
}

MemberInfo memberFrom(const Bytes& h) {
  const std::uint16_t flags = rar4::le16(&h[3]);
  MemberInfo m;
  m.flags = flags & 0xFF;
  m.packSize = rar4::le32(&h[7]);
  m.unpackedSize = rar4::le32(&h[11]);
  m.hostOs = h[15];
  m.crc = rar4::le32(&h[16]);
  m.hasCrc = (flags & rar4::kFileEncrypted) == 0;
  m.dosTime = rar4::le32(&h[20]);
  m.unpackVersion = h[24];
  m.method = h[25];
  m.attributes = rar4::le32(&h[28]);
  if ((flags & rar4::kFileLarge) != 0 && h.size() >= rar4::kFileHeaderFixedSize + 8) {
    m.packSize |= static_cast<std::uint64_t>(rar4::le32(&h[32])) << 32;
    m.unpackedSize |= static_cast<std::uint64_t>(rar4::le32(&h[36])) << 32;
  }
  m.splitBefore = (flags & rar4::kFileSplitBefore) != 0;
  m.splitAfter = (flags & rar4::kFileSplitAfter) != 0;
  m.name = rar4NameAsUtf8(nameOf(h), (flags & rar4::kFileUnicodeName) != 0);
  return m;
}

std::uint64_t dataSizeOf(const Bytes& h, std::uint8_t type) {
  const std::uint16_t flags = rar4::le16(&h[3]);
  const bool fileLike = type == rar4::kFileBlock || type == rar4::kServiceBlock;
  if (!fileLike && (flags & rar4::kLongBlock) == 0) return 0;
  if (h.size() < rar4::kBaseHeaderSize + 4) return 0;
  std::uint64_t size = rar4::le32(&h[7]);
  if (fileLike && (flags & rar4::kFileLarge) != 0 && h.size() >= rar4::kFileHeaderFixedSize + 4)
    size |= static_cast<std::uint64_t>(rar4::le32(&h[32])) << 32;
  return size;
}

// A comment stored the old way, inside the main header.
void readOldComment(const Bytes& h, VolumeScan& scan) {
  constexpr std::size_t kAt = rar4::kMainHeaderSize;
  constexpr std::size_t kCommentFixed = 13;
  if (h.size() < kAt + kCommentFixed) return;
  StoredComment c;
  c.unpackedSize = rar4::le16(&h[kAt + 7]);
  c.unpackVersion = h[kAt + 9];
  c.method = h[kAt + 10];
  c.data.assign(reinterpret_cast<const char*>(&h[kAt + kCommentFixed]),
                h.size() - kAt - kCommentFixed);
  scan.comment = std::move(c);
}

bool readServiceComment(std::FILE* file, const Bytes& h, std::uint64_t dataSize, VolumeScan& scan) {
  constexpr std::uint64_t kMaxComment = 1u << 20;
  if (nameOf(h) != "CMT" || dataSize > kMaxComment) return false;
  StoredComment c;
  const MemberInfo m = memberFrom(h);
  c.method = m.method;
  c.unpackVersion = m.unpackVersion;
  c.hostOs = m.hostOs;
  c.unpackedSize = m.unpackedSize;
  c.crc = m.crc;
  c.data.resize(dataSize);
  if (!readExactly(file, reinterpret_cast<unsigned char*>(c.data.data()), dataSize)) return false;
  scan.comment = std::move(c);
  return true;
}

}  // namespace

void scanRar4Blocks(std::FILE* file, VolumeScan& scan) {
  Bytes h;
  bool atEnd = false;
  if (!readHeader(file, h, atEnd) || h[2] != rar4::kMainBlock || h.size() < rar4::kMainHeaderSize) {
    scan.status = ScanStatus::BadHeader;
    return;
  }
  const std::uint16_t mainFlags = rar4::le16(&h[3]);
  const bool oldComment = (mainFlags & rar4::kMainOldComment) != 0;
  if (!crcMatches(h, oldComment ? rar4::kMainHeaderSize : h.size())) {
    scan.status = ScanStatus::BadHeader;
    return;
  }
  if ((mainFlags & rar4::kMainEncryptedHeaders) != 0) {
    scan.status = ScanStatus::Unsupported;
    return;
  }
  scan.isVolume = (mainFlags & rar4::kMainVolume) != 0;
  scan.newNumbering = (mainFlags & rar4::kMainNewNumbering) != 0;
  scan.solid = (mainFlags & rar4::kMainSolid) != 0;
  if (oldComment) readOldComment(h, scan);

  bool lastSplitAfter = false;
  while (true) {
    if (!readHeader(file, h, atEnd)) {
      // A volume that ends without its end block still continues when its last member does.
      scan.needsNextVolume = scan.isVolume && lastSplitAfter;
      scan.damagedAfterMembers = !atEnd;
      return;
    }
    const std::uint8_t type = h[2];
    const bool fileLike = type == rar4::kFileBlock || type == rar4::kServiceBlock;
    if (!crcMatches(h, h.size()) || (fileLike && h.size() < rar4::kFileHeaderFixedSize)) {
      scan.damagedAfterMembers = true;
      return;
    }
    const std::uint64_t dataSize = dataSizeOf(h, type);
    if (type == rar4::kEndBlock) {
      scan.endBlockAt = static_cast<std::uint64_t>(ftello(file)) - h.size();
      scan.needsNextVolume = (rar4::le16(&h[3]) & rar4::kEndNextVolume) != 0;
      return;
    }
    if (type == rar4::kFileBlock) {
      scan.members.push_back(memberFrom(h));
      lastSplitAfter = scan.members.back().splitAfter;
    }
    if (type == rar4::kServiceBlock && !scan.comment && readServiceComment(file, h, dataSize, scan))
      continue;
    if (fseeko(file, static_cast<off_t>(dataSize), SEEK_CUR) != 0) {
      scan.damagedAfterMembers = true;
      return;
    }
  }
}

}  // namespace unrar
