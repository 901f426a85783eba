#include "libs/unrar/archive_session.h"

#include <archive_entry.h>

#include <algorithm>
#include <cstring>

#include "libs/unrar/archive_comment.h"
#include "libs/unrar/rar4_format.h"
#include "libs/unrar/safe_output.h"

namespace unrar {
namespace {

bool isContinuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// How many bytes of a UTF-8 character its first byte announces (1 for other bytes).
std::size_t sequenceLength(char lead) {
  const auto c = static_cast<unsigned char>(lead);
  return c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
}

// Copies text into a fixed field with its terminating zero, cut where it does not fit before a
// UTF-8 character that would not fit whole. Bytes that are not UTF-8 are cut anywhere.
template <std::size_t N>
void copyField(char (&field)[N], const std::string& text) {
  std::size_t n = std::min(text.size(), N - 1);
  if (n < text.size() && isContinuation(text[n])) {
    std::size_t lead = n;
    while (lead > 0 && n - lead < 3 && isContinuation(text[lead])) --lead;
    if (lead + sequenceLength(text[lead]) > n) n = lead;
  }
  std::memcpy(field, text.data(), n);
  field[n] = '\0';
}

// Names as the interface reports them: '\' between folders, none at the end.
std::string interfaceName(std::string name) {
  std::replace(name.begin(), name.end(), '/', '\\');
  while (!name.empty() && name.back() == '\\') name.pop_back();
  return name;
}

std::string memberName(struct archive_entry* entry) {
  const char* utf8 = archive_entry_pathname_utf8(entry);
  return interfaceName(utf8 ? utf8
                            : (archive_entry_pathname(entry) ? archive_entry_pathname(entry) : ""));
}

int openResultFor(ScanStatus status) {
  switch (status) {
    case ScanStatus::Ok:
      return 0;
    case ScanStatus::CannotOpen:
      return ERAR_EOPEN;
    case ScanStatus::NotRar:
      return ERAR_BAD_ARCHIVE;
    case ScanStatus::BadHeader:
      return ERAR_BAD_DATA;
    case ScanStatus::Unsupported:
      return ERAR_MISSING_PASSWORD;
  }
  return ERAR_UNKNOWN;
}

// What libarchive alone knows of a member whose header we could not pair with its entry.
MemberInfo entryOnlyInfo(struct archive_entry* entry) {
  MemberInfo info;
  if (archive_entry_filetype(entry) == AE_IFDIR) info.flags = RHDF_DIRECTORY;
  info.unpackedSize =
      static_cast<std::uint64_t>(std::max<la_int64_t>(0, archive_entry_size(entry)));
  info.dosTime = dosTimeFromUnix(archive_entry_mtime(entry));
  return info;
}

bool isDirectory(const MemberInfo& info, struct archive_entry* entry) {
  return (info.flags & RHDF_DIRECTORY) == RHDF_DIRECTORY ||
         archive_entry_filetype(entry) == AE_IFDIR;
}

// Links, devices, pipes and sockets never become files in the destination.
bool isPlainFile(struct archive_entry* entry) {
  return archive_entry_filetype(entry) == AE_IFREG && archive_entry_hardlink(entry) == nullptr &&
         archive_entry_symlink(entry) == nullptr;
}

// A Unix host stores the member's mode, whose permission bits it keeps (never setuid, setgid
// or sticky); a Windows host stores attributes, which give no execute bits.
mode_t fileMode(const MemberInfo& info) {
  return info.hostOs == rar4::kHostUnix ? static_cast<mode_t>(info.attributes & 0777) : 0666;
}

// Where a member goes: the caller's full name, or the member's path below the destination.
struct Target {
  FolderHandle folder;
  std::string name;
};

std::optional<Target> fileTarget(const char* destPath, const char* destName,
                                 const std::string& member, FolderNames& names) {
  if (destName != nullptr && *destName != '\0') {
    const std::string full = destName;
    const std::size_t slash = full.find_last_of('/');
    const std::string leaf = slash == std::string::npos ? full : full.substr(slash + 1);
    if (leaf.empty() || leaf == "." || leaf == "..") return std::nullopt;
    FolderHandle folder =
        openTrustedFolder(slash == std::string::npos ? "." : full.substr(0, slash + (slash == 0)));
    if (!folder.valid()) return std::nullopt;
    return Target{std::move(folder), leaf};
  }
  auto parts = safeComponents(member);
  if (!parts) return std::nullopt;
  const FolderHandle base = openTrustedFolder(destPath ? destPath : "");
  if (!base.valid()) return std::nullopt;
  const std::string leaf = parts->back();
  parts->pop_back();
  FolderHandle folder = enterFolders(base, *parts, names);
  if (!folder.valid()) return std::nullopt;
  return Target{std::move(folder), leaf};
}

}  // namespace

std::unique_ptr<ArchiveSession> ArchiveSession::open(RAROpenArchiveData& data) {
  data.CmtSize = 0;
  data.CmtState = 0;
  if (data.ArcName == nullptr) {
    data.OpenResult = ERAR_EOPEN;
    return nullptr;
  }
  if (data.OpenMode != RAR_OM_LIST && data.OpenMode != RAR_OM_EXTRACT) {
    data.OpenResult = ERAR_UNKNOWN;
    return nullptr;
  }
  VolumeScan scan = scanVolume(data.ArcName);
  data.OpenResult = static_cast<unsigned>(openResultFor(scan.status));
  if (data.OpenResult != 0) return nullptr;
  deliverComment(scan, data);
  std::unique_ptr<ArchiveSession> session(
      new ArchiveSession(data.ArcName, std::move(scan), data.OpenMode));
  if (!session->startReader()) {
    data.OpenResult = ERAR_BAD_ARCHIVE;
    return nullptr;
  }
  return session;
}

ArchiveSession::ArchiveSession(std::string path, VolumeScan scan, unsigned openMode)
    : stream_(std::move(path), std::move(scan)), openMode_(openMode) {}

ArchiveSession::~ArchiveSession() {
  if (reader_ != nullptr) archive_read_free(reader_);
}

bool ArchiveSession::startReader() {
  if (reader_ != nullptr) archive_read_free(reader_);
  reader_ = archive_read_new();
  if (reader_ == nullptr) return false;
  archive_read_support_format_rar(reader_);
  archive_read_support_format_rar5(reader_);
  stream_.attach(reader_);
  return archive_read_open1(reader_) == ARCHIVE_OK;
}

int ArchiveSession::failureCode(int fallback) const {
  return stream_.failure() != 0 ? stream_.failure() : fallback;
}

// After libarchive gave up inside a member, a fresh reader is led past the members already
// handled so that the next one can still be read.
int ArchiveSession::replayUpTo(std::size_t members) {
  mustReplay_ = false;
  stream_.setQuiet(true);
  bool ok = stream_.restart() && startReader();
  for (std::size_t i = 0; ok && i < members; ++i)
    ok = archive_read_next_header(reader_, &entry_) >= ARCHIVE_WARN &&
         archive_read_data_skip(reader_) == ARCHIVE_OK;
  stream_.setQuiet(false);
  return ok ? 0 : failureCode(ERAR_BAD_DATA);
}

int ArchiveSession::readHeader(RARHeaderData& header) {
  if (lastReadError_ != 0) return lastReadError_;
  if (mustReplay_) {
    if (const int code = replayUpTo(index_); code != 0) return lastReadError_ = code;
  }
  pending_ = false;
  const int r = archive_read_next_header(reader_, &entry_);
  // libarchive ending before the members our headers list is a disagreement, not the end.
  if (r == ARCHIVE_EOF)
    return lastReadError_ = stream_.member(index_) != nullptr ? ERAR_BAD_DATA : ERAR_END_ARCHIVE;
  const KnownMember* member = r >= ARCHIVE_WARN ? stream_.member(index_) : nullptr;
  if (member == nullptr) return lastReadError_ = failureCode(ERAR_BAD_DATA);
  ++index_;
  pending_ = true;
  // Our header at this position must be the one libarchive read, or its CRC, attributes and
  // sizes would be another member's.
  const std::string name = memberName(entry_);
  paired_ = interfaceName(member->info.name) == name;

  const MemberInfo info = paired_ ? member->info : entryOnlyInfo(entry_);
  std::memset(&header, 0, offsetof(RARHeaderData, CmtBuf));
  copyField(header.ArcName, stream_.volumeName(member->volume));
  copyField(header.FileName, name);
  header.Flags = info.flags;
  if (archive_entry_is_data_encrypted(entry_)) header.Flags |= RHDF_ENCRYPTED;
  header.PackSize = static_cast<unsigned>(info.packSize);
  header.UnpSize = static_cast<unsigned>(info.unpackedSize);
  header.HostOS = info.hostOs;
  header.FileCRC = info.crc;
  header.FileTime = info.dosTime;
  header.UnpVer = info.unpackVersion;
  header.Method = info.method;
  header.FileAttr = info.attributes;
  header.CmtSize = 0;
  header.CmtState = 0;
  return 0;
}

int ArchiveSession::processFile(int operation, const char* destPath, const char* destName) {
  if (!pending_) return ERAR_UNKNOWN;
  pending_ = false;
  if (operation == RAR_SKIP) return 0;
  if (openMode_ != RAR_OM_EXTRACT || (operation != RAR_TEST && operation != RAR_EXTRACT))
    return ERAR_UNKNOWN;
  if (!paired_) return ERAR_BAD_DATA;
  const MemberInfo& info = stream_.member(index_ - 1)->info;
  if ((info.flags & RHDF_ENCRYPTED) != 0 || archive_entry_is_data_encrypted(entry_))
    return password_.empty() ? ERAR_MISSING_PASSWORD : ERAR_UNKNOWN_FORMAT;
  if (isDirectory(info, entry_))
    return operation == RAR_EXTRACT ? extractFolder(destPath, destName) : 0;
  if (operation == RAR_TEST)
    return isPlainFile(entry_) ? readData([](const void*, std::size_t) { return true; }) : 0;
  if (!isPlainFile(entry_)) return ERAR_ECREATE;
  return extractFile(destPath, destName);
}

int ArchiveSession::extractFolder(const char* destPath, const char* destName) {
  if (destName != nullptr && *destName != '\0')
    return openTrustedFolder(destName).valid() ? 0 : ERAR_ECREATE;
  const auto parts = safeComponents(memberName(entry_));
  if (!parts) return ERAR_ECREATE;
  const FolderHandle base = openTrustedFolder(destPath ? destPath : "");
  return base.valid() && enterFolders(base, *parts, folderNames_).valid() ? 0 : ERAR_ECREATE;
}

int ArchiveSession::extractFile(const char* destPath, const char* destName) {
  auto target = fileTarget(destPath, destName, memberName(entry_), folderNames_);
  PendingFile file;
  const MemberInfo& info = stream_.member(index_ - 1)->info;
  if (!target ||
      !file.create(std::move(target->folder), target->name, fileMode(info), folderNames_))
    return ERAR_ECREATE;
  bool writeFailed = false;
  const int code = readData([&](const void* data, std::size_t size) {
    writeFailed = !file.write(data, size);
    return !writeFailed;
  });
  if (writeFailed) return ERAR_EWRITE;
  if (code != 0) return code;
  return file.commit(archive_entry_mtime(entry_)) ? 0 : ERAR_ECREATE;
}

template <typename Sink>
int ArchiveSession::readData(Sink&& sink) {
  std::uint32_t crc = 0;
  std::uint64_t total = 0;
  while (true) {
    const void* block = nullptr;
    std::size_t size = 0;
    la_int64_t offset = 0;
    const int r = archive_read_data_block(reader_, &block, &size, &offset);
    if (r == ARCHIVE_EOF) break;
    if (r < ARCHIVE_WARN) {
      // A volume that is missing or refused ends the archive; damaged data only the member.
      if (stream_.failure() != 0) lastReadError_ = stream_.failure();
      mustReplay_ = r == ARCHIVE_FATAL && lastReadError_ == 0;
      return failureCode(ERAR_BAD_DATA);
    }
    if (size == 0) continue;
    crc = rar4::crc32({static_cast<const unsigned char*>(block), size}, crc);
    total += size;
    if (!sink(block, size)) return ERAR_EWRITE;
    if (processData_ != nullptr &&
        processData_(static_cast<unsigned char*>(const_cast<void*>(block)),
                     static_cast<int>(size)) == 0)
      return ERAR_UNKNOWN;
  }
  // Later volumes may have completed the member's record while its data was read.
  const MemberInfo& info = stream_.member(index_ - 1)->info;
  // libarchive checks the CRC of packed members itself, not that of stored ones.
  const bool checkCrc = info.hasCrc && !info.splitAfter && info.method == rar4::kMethodStore;
  if (total != info.unpackedSize || (checkCrc && crc != info.crc)) return ERAR_BAD_DATA;
  return 0;
}

}  // namespace unrar
