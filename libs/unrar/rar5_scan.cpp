// Walks the blocks of a RAR 5 volume: variable-length integers, a CRC-32 over every header.
#include <cstdio>
#include <vector>

#include "libs/unrar/rar4_format.h"
#include "libs/unrar/unrar.h"
#include "libs/unrar/volume_scan.h"

namespace unrar {
namespace {

enum : std::uint64_t {
  kMainHeader = 1,
  kFileHeader = 2,
  kServiceHeader = 3,
  kEncryptionHeader = 4,
  kEndHeader = 5,

  kHasExtra = 0x01,
  kHasData = 0x02,
  kContinuedBefore = 0x08,
  kContinuedAfter = 0x10,

  kArchiveVolume = 0x01,
  kArchiveSolid = 0x04,

  kFileDirectory = 0x01,
  kFileHasTime = 0x02,
  kFileHasCrc = 0x04,

  kEndNotLastVolume = 0x01,

  kExtraEncryption = 1,
  kHostUnix5 = 1,
};

constexpr std::uint64_t kMaxHeaderSize = 2u * 1024 * 1024;

// A reader over one header's bytes; reading past the end marks it failed.
class Cursor {
 public:
  explicit Cursor(const std::vector<unsigned char>& b, std::size_t from = 0) : b_(b), at_(from) {}
  std::uint64_t vint() {
    std::uint64_t v = 0;
    for (int shift = 0; shift < 64; shift += 7) {
      if (at_ >= b_.size()) break;
      const unsigned char c = b_[at_++];
      v |= static_cast<std::uint64_t>(c & 0x7F) << shift;
      if ((c & 0x80) == 0) return v;
    }
    ok_ = false;
    return 0;
  }
  std::uint32_t u32() {
    if (at_ + 4 > b_.size()) {
      ok_ = false;
      return 0;
    }
    at_ += 4;
    return rar4::le32(&b_[at_ - 4]);
  }
  std::string bytes(std::uint64_t n) {
    if (n > b_.size() - std::min(at_, b_.size())) {
      ok_ = false;
      return {};
    }
    std::string out(reinterpret_cast<const char*>(&b_[at_]), n);
    at_ += n;
    return out;
  }
  std::size_t at() const { return at_; }
  bool ok() const { return ok_; }

 private:
  const std::vector<unsigned char>& b_;
  std::size_t at_;
  bool ok_ = true;
};

struct Block {
  std::vector<unsigned char> header;  // from the type field to the end of the extra area
  std::uint64_t type = 0, flags = 0, extraSize = 0, dataSize = 0;
  std::size_t fieldsAt = 0;  // where the type-specific fields begin
};

enum class ReadResult { Ok, End, Damaged };

ReadResult readBlock(std::FILE* file, Block& block) {
  unsigned char prefix[7];  // CRC and up to three bytes of the size
  const std::size_t got = std::fread(prefix, 1, sizeof prefix, file);
  if (got == 0) return ReadResult::End;
  if (got < 5) return ReadResult::Damaged;
  std::vector<unsigned char> sizeBytes(prefix + 4, prefix + got);
  Cursor sizeCursor(sizeBytes);
  const std::uint64_t size = sizeCursor.vint();
  if (!sizeCursor.ok() || size == 0 || size > kMaxHeaderSize) return ReadResult::Damaged;
  const std::size_t sizeLength = sizeCursor.at();
  std::vector<unsigned char> all(prefix + 4, prefix + got);
  const std::size_t total = sizeLength + size;
  if (all.size() > total) {
    fseeko(file, -static_cast<off_t>(all.size() - total), SEEK_CUR);
    all.resize(total);
  }
  const std::size_t have = all.size();
  all.resize(total);
  if (std::fread(all.data() + have, 1, total - have, file) != total - have)
    return ReadResult::Damaged;
  if (rar4::crc32(all) != rar4::le32(prefix)) return ReadResult::Damaged;
  block.header.assign(all.begin() + static_cast<std::ptrdiff_t>(sizeLength), all.end());
  Cursor c(block.header);
  block.type = c.vint();
  block.flags = c.vint();
  block.extraSize = (block.flags & kHasExtra) ? c.vint() : 0;
  block.dataSize = (block.flags & kHasData) ? c.vint() : 0;
  block.fieldsAt = c.at();
  return c.ok() ? ReadResult::Ok : ReadResult::Damaged;
}

bool extraHasEncryption(const Block& block) {
  if (block.extraSize == 0 || block.extraSize > block.header.size()) return false;
  Cursor c(block.header, block.header.size() - block.extraSize);
  while (c.ok() && c.at() < block.header.size()) {
    const std::uint64_t size = c.vint();
    const std::size_t start = c.at();
    if (c.vint() == kExtraEncryption) return true;
    c.bytes(size - std::min<std::uint64_t>(size, c.at() - start));
  }
  return false;
}

// File and service headers share their layout.
bool parseFileFields(const Block& block, MemberInfo& m, std::string& name) {
  Cursor c(block.header, block.fieldsAt);
  const std::uint64_t fileFlags = c.vint();
  m.unpackedSize = c.vint();
  m.attributes = static_cast<std::uint32_t>(c.vint());
  if (fileFlags & kFileHasTime) m.dosTime = dosTimeFromUnix(c.u32());
  if (fileFlags & kFileHasCrc) {
    m.crc = c.u32();
    m.hasCrc = true;
  }
  const std::uint64_t compression = c.vint();
  m.unpackVersion = 50;
  m.method = 0x30 + static_cast<std::uint32_t>((compression >> 7) & 7);
  m.hostOs = c.vint() == kHostUnix5 ? rar4::kHostUnix : rar4::kHostWin32;
  name = c.bytes(c.vint());
  m.name = name;
  m.packSize = block.dataSize;
  m.splitBefore = (block.flags & kContinuedBefore) != 0;
  m.splitAfter = (block.flags & kContinuedAfter) != 0;
  m.flags = (m.splitBefore ? RHDF_SPLITBEFORE : 0u) | (m.splitAfter ? RHDF_SPLITAFTER : 0u) |
            ((compression & 0x40) ? RHDF_SOLID : 0u) |
            ((fileFlags & kFileDirectory) ? RHDF_DIRECTORY : 0u);
  if (extraHasEncryption(block)) {
    m.flags |= RHDF_ENCRYPTED;
    m.hasCrc = false;
  }
  return c.ok();
}

}  // namespace

void scanRar5Blocks(std::FILE* file, VolumeScan& scan) {
  Block block;
  if (readBlock(file, block) != ReadResult::Ok) {
    scan.status = ScanStatus::BadHeader;
    return;
  }
  if (block.type == kEncryptionHeader) {
    scan.status = ScanStatus::Unsupported;
    return;
  }
  if (block.type != kMainHeader) {
    scan.status = ScanStatus::BadHeader;
    return;
  }
  Cursor mainFields(block.header, block.fieldsAt);
  const std::uint64_t archiveFlags = mainFields.vint();
  scan.isVolume = (archiveFlags & kArchiveVolume) != 0;
  scan.solid = (archiveFlags & kArchiveSolid) != 0;
  scan.newNumbering = true;

  bool lastSplitAfter = false;
  while (true) {
    const ReadResult r = readBlock(file, block);
    if (r != ReadResult::Ok) {
      scan.needsNextVolume = scan.isVolume && lastSplitAfter;
      scan.damagedAfterMembers = r == ReadResult::Damaged;
      return;
    }
    if (block.type == kEndHeader) {
      Cursor c(block.header, block.fieldsAt);
      scan.needsNextVolume = (c.vint() & kEndNotLastVolume) != 0;
      return;
    }
    MemberInfo m;
    std::string name;
    if (block.type == kFileHeader || block.type == kServiceHeader) {
      if (!parseFileFields(block, m, name)) {
        scan.damagedAfterMembers = true;
        return;
      }
    }
    if (block.type == kFileHeader) {
      scan.members.push_back(m);
      lastSplitAfter = m.splitAfter;
    }
    if (block.type == kServiceHeader && name == "CMT" && !scan.comment &&
        block.dataSize <= (1u << 20)) {
      StoredComment comment{m.method, m.unpackVersion, m.hostOs, m.unpackedSize, m.crc, {}};
      comment.data.resize(block.dataSize);
      if (std::fread(comment.data.data(), 1, block.dataSize, file) != block.dataSize) {
        scan.damagedAfterMembers = true;
        return;
      }
      scan.comment = std::move(comment);
      continue;
    }
    if (fseeko(file, static_cast<off_t>(block.dataSize), SEEK_CUR) != 0) {
      scan.damagedAfterMembers = true;
      return;
    }
  }
}

}  // namespace unrar
