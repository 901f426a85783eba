#include "libs/unrar/volume_stream.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "libs/unrar/volume_names.h"

namespace unrar {
namespace {

constexpr std::size_t kReadBlock = 64 * 1024;
constexpr std::size_t kVolumeNameBuffer = 2048;
constexpr int kMaxVolumeRequests = 16;

bool fileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::pair<dev_t, ino_t> identityOf(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return {0, 0};
  return {st.st_dev, st.st_ino};
}

}  // namespace

VolumeStream::VolumeStream(std::string firstPath, VolumeScan firstScan)
    : firstPath_(std::move(firstPath)), firstScan_(std::move(firstScan)), buffer_(kReadBlock) {
  restart();
}

bool VolumeStream::restart() {
  volume_ = 0;
  failure_ = 0;
  return openVolume(firstPath_, firstScan_);
}

const KnownMember* VolumeStream::member(std::size_t index) const {
  if (index >= members_.size() || index >= readableMembers_) return nullptr;
  return &members_[index];
}

void VolumeStream::attach(struct archive* reader) {
  archive_read_set_read_callback(reader, &VolumeStream::readCallback);
  archive_read_set_skip_callback(reader, &VolumeStream::skipCallback);
  archive_read_set_callback_data(reader, this);
}

la_ssize_t VolumeStream::readCallback(struct archive* reader, void* self, const void** buffer) {
  return static_cast<VolumeStream*>(self)->read(reader, buffer);
}

la_int64_t VolumeStream::skipCallback(struct archive*, void* self, la_int64_t request) {
  return static_cast<VolumeStream*>(self)->skip(request);
}

la_ssize_t VolumeStream::read(struct archive* reader, const void** buffer) {
  while (file_) {
    const std::size_t want = static_cast<std::size_t>(
        std::min<std::uint64_t>(buffer_.size(), limit_ - std::min(limit_, position_)));
    const std::size_t got = want == 0 ? 0 : std::fread(buffer_.data(), 1, want, file_.get());
    if (got > 0) {
      position_ += got;
      *buffer = buffer_.data();
      return static_cast<la_ssize_t>(got);
    }
    if (want > 0 && std::ferror(file_.get())) {
      fail(reader, ERAR_EREAD, "read error");
      return ARCHIVE_FATAL;
    }
    if (!scan_.needsNextVolume) return 0;
    if (!openNextVolume(reader)) return ARCHIVE_FATAL;
  }
  return 0;
}

la_int64_t VolumeStream::skip(la_int64_t request) {
  if (!file_ || request <= 0) return 0;
  const auto step = static_cast<std::uint64_t>(std::min<std::uint64_t>(
      static_cast<std::uint64_t>(request), limit_ - std::min(limit_, position_)));
  if (step == 0 || fseeko(file_.get(), static_cast<off_t>(step), SEEK_CUR) != 0) return 0;
  position_ += step;
  return static_cast<la_int64_t>(step);
}

bool VolumeStream::openVolume(const std::string& path, VolumeScan scan) {
  file_.reset(std::fopen(path.c_str(), "rb"));
  if (!file_) return false;
  // libarchive sees each volume from its signature on, past any self-extracting program.
  if (fseeko(file_.get(), static_cast<off_t>(scan.archiveStart), SEEK_SET) != 0) return false;
  position_ = scan.archiveStart;
  struct stat st {};
  limit_ = ::fstat(fileno(file_.get()), &st) == 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
  // libarchive takes a RAR 4 end block for the end of everything; between volumes that do not
  // split a member it is left out so that the members of the next volume are read too.
  const bool lastSplit = !scan.members.empty() && scan.members.back().splitAfter;
  if (scan.format == ArchiveFormat::Rar4 && scan.needsNextVolume && !lastSplit && scan.endBlockAt)
    limit_ = *scan.endBlockAt;
  if (volume_ >= volumes_.size()) {
    volumes_.push_back(path);
    identities_.push_back({st.st_dev, st.st_ino});
    learnMembers(scan);
  }
  scan_ = std::move(scan);
  return true;
}

void VolumeStream::learnMembers(const VolumeScan& scan) {
  if (readableMembers_ != SIZE_MAX) return;  // an earlier volume was damaged
  auto parts = scan.members.begin();
  if (parts != scan.members.end() && parts->splitBefore && !members_.empty()) {
    MemberInfo& whole = members_.back().info;
    whole.packSize += parts->packSize;
    whole.crc = parts->crc;
    whole.splitAfter = parts->splitAfter;
    ++parts;
  }
  for (; parts != scan.members.end(); ++parts) members_.push_back({*parts, volume_});
  if (scan.damagedAfterMembers) readableMembers_ = members_.size();
}

bool VolumeStream::openNextVolume(struct archive* reader) {
  char name[kVolumeNameBuffer] = {};
  const std::string next = nextVolumeName(volumes_[volume_], scan_.newNumbering);
  std::strncpy(name, next.c_str(), sizeof name - 1);
  for (int asked = 0; !fileExists(name); ++asked) {
    if (changeVolume_ == nullptr || asked == kMaxVolumeRequests ||
        changeVolume_(name, RAR_VOL_ASK) == 0)
      return fail(reader, ERAR_EOPEN, "next volume missing");
    name[sizeof name - 1] = '\0';
  }
  // A procedure that hands back a volume already read would make the reading go in circles.
  const auto identity = identityOf(name);
  if (std::find(identities_.begin(), identities_.begin() + static_cast<std::ptrdiff_t>(volume_ + 1),
                identity) != identities_.begin() + static_cast<std::ptrdiff_t>(volume_ + 1))
    return fail(reader, ERAR_EOPEN, "volume offered twice");
  VolumeScan scan = scanVolume(name);
  if (scan.status != ScanStatus::Ok) return fail(reader, ERAR_BAD_DATA, "damaged volume");
  ++volume_;
  if (!openVolume(name, std::move(scan))) return fail(reader, ERAR_EOPEN, "cannot open volume");
  if (changeVolume_ != nullptr && !quiet_ && changeVolume_(name, RAR_VOL_NOTIFY) == 0)
    return fail(reader, ERAR_UNKNOWN, "stopped at a volume change");
  return true;
}

bool VolumeStream::fail(struct archive* reader, int code, const char* why) {
  failure_ = code;
  file_.reset();
  archive_set_error(reader, EIO, "%s", why);
  return false;
}

}  // namespace unrar
